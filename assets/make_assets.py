#!/usr/bin/python3
"""Draws the editor's pictures and subsets its font.

Run from anywhere with Debian's python3-pil, python3-fonttools and fonts-b612 installed:

    /usr/bin/python3 assets/make_assets.py

Everything is drawn from code, so the same inputs give the same files. The results are committed
next to this script; the build only embeds them.
"""

import io
import math
import os
import subprocess
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
FONT_SOURCE = "/usr/share/fonts/opentype/b612/B612-Regular.otf"
FONT_FILE = os.path.join(HERE, "B612Regular.otf")

SS = 4  # supersampling factor for antialiased drawing

# Palette
INK = (0x15, 0x15, 0x19)
PANEL = (0x1C, 0x1C, 0x21)
PANEL_EDGE = (0x2A, 0x2A, 0x31)
TRACK = (0x34, 0x34, 0x3B)
TEXT_DIM = (0x7A, 0x7A, 0x82)
TEXT = (0xB9, 0xB9, 0xBA)
RED = (0xF0, 0x23, 0x5C)
VIOLET = (0x8B, 0x5C, 0xF6)

# Editor layout (pixels, editor coordinates): must agree with the C++ layout constants.
CLIP_ANIMATION = (32, 85, 153, 153)
CLIP_SLIDER = (59, 339, 99, 111)
CURVE_SLIDER = (62, 317, 90, 27)
QUALITY_BUTTON = (156, 372, 34, 34)
IN_SLIDER = (28, 491, 20, 20)
OUT_SLIDER = (135, 491, 20, 20)
METERS = [(56, 497, 44, 4), (56, 503, 44, 4), (164, 497, 44, 4), (164, 503, 44, 4)]
LOGO = (44, 13, 129, 59)

# Latin: ASCII, Latin-1 and the common typographic marks.
SUBSET_UNICODES = ",".join([
    "U+0020-007E", "U+00A0-00FF", "U+0131", "U+0152-0153", "U+0160-0161", "U+0178",
    "U+017D-017E", "U+0192", "U+02C6", "U+02C7", "U+02D8-02DD", "U+2013-2014", "U+2018-201A",
    "U+201C-201E", "U+2020-2022", "U+2026", "U+2030", "U+2039-203A", "U+2044", "U+20AC",
    "U+2122", "U+2212",
])


def subset_font():
    subprocess.run([
        sys.executable, "-m", "fontTools.subset", FONT_SOURCE,
        "--unicodes=" + SUBSET_UNICODES,
        "--output-file=" + FONT_FILE,
        "--layout-features=kern,liga",
        "--name-IDs=*", "--name-languages=*", "--notdef-outline",
        "--no-hinting",
    ], check=True)
    with open(FONT_FILE, "rb") as f:
        assert f.read(4) == b"OTTO", "the font must keep its CFF outlines"


def font(size):
    return ImageFont.truetype(FONT_FILE, size * SS)


def big(size):
    return Image.new("RGBA", (size[0] * SS, size[1] * SS), (0, 0, 0, 0))


def shrink(image, size):
    return image.resize(size, Image.LANCZOS)


def s(v):
    """Scales a coordinate or a tuple of coordinates to the supersampled canvas."""
    if isinstance(v, (tuple, list)):
        return tuple(x * SS for x in v)
    return v * SS


def sw(v):
    """A stroke width or radius on the supersampled canvas (whole pixels)."""
    return max(1, int(round(v * SS)))


def lerp(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def text_centered(draw, centre, text, fnt, fill, spacing=0.0):
    """Draws text centred on a point, with extra letter spacing in pixels of the final image."""
    widths = [draw.textlength(c, font=fnt) for c in text]
    total = sum(widths) + s(spacing) * (len(text) - 1)
    ascent, descent = fnt.getmetrics()
    x = s(centre[0]) - total / 2
    y = s(centre[1]) - (ascent + descent) / 2 + descent * 0.35
    for c, w in zip(text, widths):
        draw.text((x, y), c, font=fnt, fill=fill)
        x += w + s(spacing)


def rounded(draw, box, radius, **kw):
    x, y, w, h = box
    draw.rounded_rectangle(s((x, y, x + w, y + h)), radius=sw(radius), **kw)


# ---------------------------------------------------------------------------------------------
# Background, 218 x 523 JPEG

def background():
    w, h = 218, 523
    img = Image.new("RGB", (w * SS, h * SS), INK)
    px = ImageDraw.Draw(img)

    # A faint vertical light falloff from the top.
    for y in range(h * SS):
        t = y / (h * SS)
        px.line([(0, y), (w * SS, y)], fill=lerp((0x1E, 0x1E, 0x24), INK, min(1.0, t * 1.4)))

    d = ImageDraw.Draw(img, "RGBA")

    # Logo: a small red mark and the word mark, with the maker above.
    lx, ly, lw, lh = LOGO
    text_centered(d, (lx + lw / 2, ly + 16), "TAVRO", font(8), TEXT_DIM + (255,), spacing=3.2)
    text_centered(d, (lx + lw / 2, ly + 36), "VANTREL", font(19), (0xEC, 0xEC, 0xEE, 255), spacing=2.4)
    d.rounded_rectangle(s((lx + lw / 2 - 10, ly + 50, lx + lw / 2 + 10, ly + 52)), radius=sw(1), fill=RED + (255,))

    # The animation well: a recessed rounded frame around the clip picture.
    ax, ay, aw, ah = CLIP_ANIMATION
    rounded(d, (ax - 7, ay - 7, aw + 14, ah + 14), 12, fill=(0x0E, 0x0E, 0x11, 255),
            outline=PANEL_EDGE + (255,), width=sw(1))
    rounded(d, (ax - 1, ay - 1, aw + 2, ah + 2), 7, fill=(0x08, 0x08, 0x0A, 255))
    text_centered(d, (109, 258), "CLICK TO BYPASS", font(7), (0x55, 0x55, 0x5C, 255), spacing=1.6)

    # Control panel around the two clip knobs and the quality switch.
    rounded(d, (11, 288, 196, 180), 10, fill=PANEL + (255,), outline=PANEL_EDGE + (255,), width=sw(1))
    text_centered(d, (109, 302), "CURVE", font(7), TEXT_DIM + (255,), spacing=2.0)
    cx, cy, cw, ch = CURVE_SLIDER
    text_centered(d, (cx - 21, cy + ch / 2), "SOFT", font(7), TEXT_DIM + (255,), spacing=1.0)
    text_centered(d, (cx + cw + 21, cy + ch / 2), "HARD", font(7), TEXT_DIM + (255,), spacing=1.0)

    # Quality switch caption, under the switch.
    qx, qy, qw, qh = QUALITY_BUTTON
    text_centered(d, (qx + qw / 2, qy + qh + 9), "2X OS", font(7), TEXT_DIM + (255,), spacing=1.2)
    text_centered(d, (qx + qw / 2, qy - 9), "QUALITY", font(6), (0x5C, 0x5C, 0x64, 255), spacing=1.0)

    # Drive scale: min and max under the big knob.
    kx, ky, kw, kh = CLIP_SLIDER
    text_centered(d, (kx + 16, ky + kh - 6), "0", font(7), (0x5C, 0x5C, 0x64, 255))
    text_centered(d, (kx + kw - 16, ky + kh - 6), "15", font(7), (0x5C, 0x5C, 0x64, 255))

    # Bottom strip with the trims and the meters.
    d.line(s((11, 476, 207, 476)), fill=PANEL_EDGE + (255,), width=sw(1))
    for (tx, ty, tw, th), meter, label in ((IN_SLIDER, METERS[0], "INPUT"), (OUT_SLIDER, METERS[2], "OUTPUT")):
        text_centered(d, (tx + (meter[0] + meter[2] - tx) / 2, 485), label, font(7), TEXT_DIM + (255,), spacing=1.6)
        # A dark well under each trim knob.
        d.ellipse(s((tx - 2, ty - 2, tx + tw + 2, ty + th + 2)), fill=(0x0C, 0x0C, 0x0F, 255))
    for mx, my, mw, mh in METERS:
        d.rounded_rectangle(s((mx, my, mx + mw, my + mh)), radius=sw(2), fill=TRACK + (255,))
    # dB marks under the tracks at -40, -20 and 0 (the bar spans -60..0 dB).
    for mx, my, mw, mh in (METERS[1], METERS[3]):
        for frac in (1 / 3, 2 / 3, 1.0):
            x = mx + frac * mw - 0.5
            d.rectangle(s((x, my + mh + 3, x + 1, my + mh + 5)), fill=(0x48, 0x48, 0x50, 255))

    out = img.resize((w, h), Image.LANCZOS)
    buf = io.BytesIO()
    out.save(buf, "JPEG", quality=92, optimize=False, progressive=False, subsampling=0)
    return buf.getvalue()


# ---------------------------------------------------------------------------------------------
# Clip animation backdrop, 152 x 152 PNG: a dark red square lighter towards its centre.

def backdrop():
    n = 152
    img = Image.new("RGBA", (n, n))
    pix = img.load()
    c = (n - 1) / 2
    inner = (0x5A, 0x10, 0x24)
    outer = (0x12, 0x05, 0x09)
    for y in range(n):
        for x in range(n):
            r = math.hypot(x - c, y - c) / (c * math.sqrt(2))
            t = min(1.0, r) ** 0.9
            col = lerp(inner, outer, t)
            # Fine grid lines every 19 pixels, like a scope graticule.
            if (x % 19 == 18 or y % 19 == 18) and 0 < x < n - 1 and 0 < y < n - 1:
                col = lerp(col, (0x80, 0x30, 0x48), 0.18)
            pix[x, y] = col + (255,)
    # Rounded corners.
    mask = Image.new("L", (n * SS, n * SS), 0)
    ImageDraw.Draw(mask).rounded_rectangle((0, 0, n * SS - 1, n * SS - 1), radius=sw(7), fill=255)
    img.putalpha(shrink(mask, (n, n)))
    return png(img)


# ---------------------------------------------------------------------------------------------
# Knob filmstrips, 9 columns by 10 rows; frame n shows n/89 of the travel.

def strip(frame_size, draw_frame):
    fw, fh = frame_size
    sheet = Image.new("RGBA", (fw * 9, fh * 10), (0, 0, 0, 0))
    for n in range(90):
        frame = draw_frame(n / 89.0)
        sheet.paste(frame, ((n % 9) * fw, (n // 9) * fh))
    return png(sheet)


def arc_points(cx, cy, r, a0, a1, steps):
    """Points along an arc; angles in degrees, 0 pointing up, clockwise."""
    pts = []
    for i in range(steps + 1):
        a = math.radians(a0 + (a1 - a0) * i / max(1, steps))
        pts.append((cx + r * math.sin(a), cy - r * math.cos(a)))
    return pts


def drive_frame(v):
    fw, fh = 99, 111
    img = big((fw, fh))
    d = ImageDraw.Draw(img)
    cx, cy = fw / 2, 50
    start, sweep = -135.0, 270.0

    # Scale ticks outside the ring.
    for i in range(16):
        a = start + sweep * i / 15
        major = i % 5 == 0
        (x0, y0), = arc_points(cx, cy, 47.5, a, a, 0)[:1]
        (x1, y1), = arc_points(cx, cy, 44.5 if major else 45.5, a, a, 0)[:1]
        lit = i / 15 <= v + 1e-9 and v > 0
        col = (RED + (230,)) if lit else ((0x5A, 0x5A, 0x62, 255) if major else (0x40, 0x40, 0x47, 255))
        d.line(s((x0, y0, x1, y1)), fill=col, width=sw(1.2 if major else 0.9))

    # Value ring: track, then the lit part with a soft glow.
    ring_r = 40.5
    track = arc_points(cx, cy, ring_r, start, start + sweep, 120)
    d.line([s(p) for p in track], fill=(0x2C, 0x2C, 0x33, 255), width=sw(3.2), joint="curve")
    if v > 0:
        lit = arc_points(cx, cy, ring_r, start, start + sweep * v, max(2, int(120 * v)))
        glow = big((fw, fh))
        ImageDraw.Draw(glow).line([s(p) for p in lit], fill=RED + (150,), width=sw(6), joint="curve")
        glow = glow.filter(ImageFilter.GaussianBlur(s(2.5)))
        img = Image.alpha_composite(img, glow)
        d = ImageDraw.Draw(img)
        d.line([s(p) for p in lit], fill=lerp((0xC0, 0x1A, 0x4A), RED, v) + (255,), width=sw(3.2), joint="curve")
        for p in (lit[0], lit[-1]):
            d.ellipse(s((p[0] - 1.6, p[1] - 1.6, p[0] + 1.6, p[1] + 1.6)), fill=lerp((0xC0, 0x1A, 0x4A), RED, v) + (255,))
    else:
        p = track[0]
        d.ellipse(s((p[0] - 1.6, p[1] - 1.6, p[0] + 1.6, p[1] + 1.6)), fill=(0x2C, 0x2C, 0x33, 255))

    # Knob body: shadow, bevelled rim, face with a top-lit gradient.
    body_r = 33.0
    shadow = big((fw, fh))
    ImageDraw.Draw(shadow).ellipse(s((cx - body_r, cy - body_r + 3, cx + body_r, cy + body_r + 3)), fill=(0, 0, 0, 170))
    shadow = shadow.filter(ImageFilter.GaussianBlur(s(3)))
    img = Image.alpha_composite(img, shadow)

    face = big((fw, fh))
    fd = ImageDraw.Draw(face)
    steps = 48
    for i in range(steps):
        t = i / (steps - 1)
        r = body_r - t * 3.0
        col = lerp((0x4A, 0x4A, 0x52), (0x1A, 0x1A, 0x1F), t)  # rim light to dark
        fd.ellipse(s((cx - r, cy - r, cx + r, cy + r)), fill=col + (255,))
    # Face: vertical gradient clipped to a circle.
    face_r = body_r - 3.0
    grad = Image.new("RGBA", face.size)
    gd = ImageDraw.Draw(grad)
    top, bottom = cy - face_r, cy + face_r
    for y in range(int(s(top)), int(s(bottom)) + 1):
        t = (y / SS - top) / (bottom - top)
        gd.line([(0, y), (face.size[0], y)], fill=lerp((0x34, 0x34, 0x3B), (0x1F, 0x1F, 0x24), t) + (255,))
    mask = Image.new("L", face.size, 0)
    ImageDraw.Draw(mask).ellipse(s((cx - face_r, cy - face_r, cx + face_r, cy + face_r)), fill=255)
    face.paste(grad, (0, 0), mask)
    img = Image.alpha_composite(img, face)
    d = ImageDraw.Draw(img)

    # Pointer: a line from near the centre to the edge, with a bright tip.
    a = start + sweep * v
    (px0, py0), = arc_points(cx, cy, 12, a, a, 0)[:1]
    (px1, py1), = arc_points(cx, cy, face_r - 4, a, a, 0)[:1]
    d.line(s((px0, py0, px1, py1)), fill=(0xEC, 0xEC, 0xEE, 255), width=sw(2.4))
    for (x, y) in ((px0, py0), (px1, py1)):
        d.ellipse(s((x - 1.2, y - 1.2, x + 1.2, y + 1.2)), fill=(0xEC, 0xEC, 0xEE, 255))
    return shrink(img, (fw, fh))


def curve_frame(v):
    fw, fh = 90, 27
    img = big((fw, fh))
    d = ImageDraw.Draw(img)
    x0, x1, y = 6.0, 84.0, 13.5
    # Track.
    d.line(s((x0, y, x1, y)), fill=(0x2C, 0x2C, 0x33, 255), width=sw(3))
    for x in (x0, x1):
        d.ellipse(s((x - 1.5, y - 1.5, x + 1.5, y + 1.5)), fill=(0x2C, 0x2C, 0x33, 255))
    xv = x0 + (x1 - x0) * v
    if v > 0:
        glow = big((fw, fh))
        ImageDraw.Draw(glow).line(s((x0, y, xv, y)), fill=VIOLET + (140,), width=sw(5))
        glow = glow.filter(ImageFilter.GaussianBlur(s(1.8)))
        img = Image.alpha_composite(img, glow)
        d = ImageDraw.Draw(img)
        d.line(s((x0, y, xv, y)), fill=VIOLET + (255,), width=sw(3))
        d.ellipse(s((x0 - 1.5, y - 1.5, x0 + 1.5, y + 1.5)), fill=VIOLET + (255,))
    # Handle.
    shadow = big((fw, fh))
    ImageDraw.Draw(shadow).ellipse(s((xv - 6, y - 5, xv + 6, y + 7)), fill=(0, 0, 0, 190))
    shadow = shadow.filter(ImageFilter.GaussianBlur(s(1.5)))
    img = Image.alpha_composite(img, shadow)
    d = ImageDraw.Draw(img)
    d.ellipse(s((xv - 5.5, y - 5.5, xv + 5.5, y + 5.5)), fill=(0x50, 0x50, 0x58, 255))
    d.ellipse(s((xv - 4.6, y - 4.6, xv + 4.6, y + 4.6)), fill=(0x2E, 0x2E, 0x35, 255))
    d.ellipse(s((xv - 1.4, y - 1.4, xv + 1.4, y + 1.4)), fill=(0xEC, 0xEC, 0xEE, 255))
    return shrink(img, (fw, fh))


# ---------------------------------------------------------------------------------------------
# Quality switch faces, 34 x 34, and the trim knob face, 20 x 20.

def quality_off():
    n = 34
    img = big((n, n))
    d = ImageDraw.Draw(img)
    d.rounded_rectangle(s((3, 3, 31, 31)), radius=sw(7), outline=(0x3A, 0x3A, 0x42, 255), width=sw(1.2))
    d.ellipse(s((13, 13, 21, 21)), fill=(0x4A, 0x4A, 0x52, 255))
    return png(shrink(img, (n, n)))


def quality_on():
    n = 34
    img = big((n, n))
    glow = big((n, n))
    ImageDraw.Draw(glow).rounded_rectangle(s((3, 3, 31, 31)), radius=sw(7), fill=VIOLET + (120,))
    img = Image.alpha_composite(img, glow.filter(ImageFilter.GaussianBlur(s(1.5))))
    d = ImageDraw.Draw(img)
    d.rounded_rectangle(s((3, 3, 31, 31)), radius=sw(7), fill=VIOLET + (255,))
    d.ellipse(s((13, 13, 21, 21)), fill=(0xF4, 0xF0, 0xFF, 255))
    return png(shrink(img, (n, n)))


def trim_face():
    n = 20
    img = big((n, n))
    d = ImageDraw.Draw(img)
    d.ellipse(s((0.5, 0.5, 19.5, 19.5)), fill=(0x4C, 0x4C, 0x54, 255))
    d.ellipse(s((1.5, 1.5, 18.5, 18.5)), fill=(0x2A, 0x2A, 0x30, 255))
    # Pointer at twelve o'clock: rotation shows as its position.
    d.rounded_rectangle(s((9.0, 2.5, 11.0, 9.0)), radius=sw(1), fill=(0xEC, 0xEC, 0xEE, 255))
    return png(shrink(img, (n, n)))


def png(image):
    buf = io.BytesIO()
    image.convert("RGBA").save(buf, "PNG", optimize=True)
    return buf.getvalue()


def main():
    subset_font()
    outputs = [
        ("background.jpg", background()),
        ("clipBackdrop.png", backdrop()),
        ("curveKnob.png", strip((90, 27), curve_frame)),
        ("driveKnob.png", strip((99, 111), drive_frame)),
        ("qualityOff.png", quality_off()),
        ("qualityOn.png", quality_on()),
        ("trimKnob.png", trim_face()),
    ]
    for name, data in outputs:
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(data)
        print(f"{name}: {len(data)} bytes")
    print(f"B612Regular.otf: {os.path.getsize(FONT_FILE)} bytes")


if __name__ == "__main__":
    main()
