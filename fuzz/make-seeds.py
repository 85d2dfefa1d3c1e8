#!/usr/bin/env python3
"""Writes the seed corpora under fuzz/corpus/<target>/: typical inputs each fuzz target starts from.

Run it again after changing it; the fuzzers themselves only read the directories."""

import pathlib
import struct

HERE = pathlib.Path(__file__).resolve().parent
IDS = ["clip", "clipBypass", "clipCurve", "input", "output", "quality"]
DECLARATION = '<?xml version="1.0" encoding="UTF-8"?> '


def write(target, name, data):
    directory = HERE / "corpus" / target
    directory.mkdir(parents=True, exist_ok=True)
    (directory / name).write_bytes(data)


# processor_state_fuzzer: byte 0 odd = the whole block as given, even = the text alone.
def state_text(values, root="VantrelParameters"):
    children = "".join(
        f'<PARAM id="{i}"/>' if v is None else f'<PARAM id="{i}" value="{v}"/>' for i, v in values
    )
    return (DECLARATION + f"<{root}>{children}</{root}>").encode()


def state_block(text, declared=None):
    length = len(text) if declared is None else declared
    return b"VC2!" + struct.pack("<I", length & 0xFFFFFFFF) + text + b"\0"


defaults = [("clip", "0.0"), ("clipBypass", "0.0"), ("clipCurve", "80.0"),
            ("input", "0.0"), ("output", "0.0"), ("quality", "0.0")]
changed = [("quality", "1.0"), ("input", "-7.25"), ("output", "12.5"),
           ("clip", "14.99999904632568"), ("clipCurve", "100.0"), ("clipBypass", "1.0")]

write("processor_state", "defaults", b"\x01" + state_block(state_text(defaults)))
write("processor_state", "changed", b"\x01" + state_block(state_text(changed)))
write("processor_state", "text-only", b"\x00" + state_text(changed))
write("processor_state", "missing-curve", b"\x01" + state_block(state_text([p for p in defaults if p[0] != "clipCurve"])))
write("processor_state", "without-value", b"\x00" + state_text([("clipCurve", None), ("input", "3.0")]))
write("processor_state", "other-root", b"\x00" + state_text(changed, root="Something"))
write("processor_state", "unknown-and-duplicate", b"\x00" + state_text([("input", "1.0"), ("nope", "5"), ("input", "2.0")]))
write("processor_state", "out-of-range", b"\x00" + state_text([("input", "25"), ("clip", "-1e300"), ("clipCurve", "nan"), ("output", "inf"), ("quality", "abc")]))
write("processor_state", "truncated", b"\x01" + state_block(state_text(changed))[:60])
write("processor_state", "length-too-long", b"\x01" + state_block(state_text(defaults), declared=0x7FFFFFFF))
write("processor_state", "length-negative", b"\x01" + state_block(state_text(defaults), declared=-5))
write("processor_state", "nested", b"\x00" + (DECLARATION + "<VantrelParameters><PARAM id=\"input\" value=\"2\"><PARAM id=\"clip\" value=\"3\"/></PARAM></VantrelParameters>").encode())
write("processor_state", "escaped", b"\x00" + (DECLARATION + "<VantrelParameters><PARAM id=\"in&#112;ut\" value=\"&#52;.5\"/><!-- c --><![CDATA[x]]></VantrelParameters>").encode())
write("processor_state", "repeated-attribute", b"\x00" + (DECLARATION + '<VantrelParameters><PARAM id="clipCurve" value="abc" value="40.0"/></VantrelParameters>').encode())
write("processor_state", "unquoted-value", b"\x00" + (DECLARATION + '<VantrelParameters><PARAM id=input value=5.0/></VantrelParameters>').encode())
write("processor_state", "long-character-reference", b"\x00" + (DECLARATION + '<VantrelParameters><PARAM id="input" value="&#x000000002d;3.5"/></VantrelParameters>').encode())
write("processor_state", "nested-32-levels", b"\x00" + (DECLARATION + '<VantrelParameters><PARAM id="input" value="-1.5"/>' + "<a>" * 31 + "</a>" * 31 + "</VantrelParameters>").encode())
write("processor_state", "many-unknown-children", b"\x00" + state_text(defaults + [(f"other{i}", str(i)) for i in range(60)]))


# controls_chunk_fuzzer: byte 0 = mode (0: 'elck', size as given), the rest is the chunk's data.
def pad4(data):
    return data + b"\0" * (-len(data) % 4)


def record(tag, ident, value):
    return pad4(tag.encode() + ident.encode() + b"\0") + value


def chunk(records):
    return b"\x01\x01\x01\x01" + b"".join(records)


doubles = [record("d_", i, struct.pack(">d", v)) for i, v in zip(IDS, [0.0, 0.0, 0.8, 0.5, 0.5, 0.0])]
write("controls_chunk", "defaults", b"\x00" + chunk(doubles))
write("controls_chunk", "reversed", b"\x00" + chunk(list(reversed(doubles))))
write("controls_chunk", "every-kind", b"\x00" + chunk([
    record("f_", "input", struct.pack(">f", 0.25)),
    record("l_", "quality", struct.pack(">i", 1)),
    record("s_", "clip", struct.pack(">h", 3) + b"\0\0"),
    record("r_", "output", pad4(b"0.75\0")),
    record("x_", "clipCurve", b""),
    record("d_", "clipBypass", struct.pack(">d", 1.0)),
]))
write("controls_chunk", "hostile-values", b"\x00" + chunk([
    record("d_", "input", struct.pack(">d", float("nan"))),
    record("d_", "output", struct.pack(">d", float("inf"))),
    record("d_", "clip", struct.pack(">d", -1e308)),
    record("d_", "clipCurve", struct.pack(">d", 5e-324)),
]))
write("controls_chunk", "not-numbers", b"\x00" + chunk([
    record("d_", "quality", struct.pack(">d", float("-inf"))),
    record("d_", "input", struct.pack(">d", float("nan"))),
    record("d_", "output", struct.pack(">d", 0.25)),
    record("d_", "clipBypass", struct.pack(">d", float("inf"))),
]))
write("controls_chunk", "marker-only", b"\x00" + b"\x01\x01\x01\x01")
write("controls_chunk", "no-marker", b"\x00" + b"\x02\x01\x01\x01" + b"".join(doubles))
write("controls_chunk", "truncated-value", b"\x00" + chunk(doubles)[:-3])
write("controls_chunk", "unterminated-name", b"\x00" + b"\x01\x01\x01\x01d_" + b"a" * 300)
write("controls_chunk", "size-cut-short", b"\x3f" + chunk(doubles))
write("controls_chunk", "other-chunk-id", b"\x0f" + chunk(doubles))


# registration_fuzzer: every byte is one answer of the host (0-4 success, 5 failure, 6 success with
# a null pointer, 7 nonsense); an empty input is a well-behaved host.
write("registration", "well-behaved", b"")
write("registration", "fails-everything", b"\x05" * 64)
write("registration", "null-everything", b"\x06" * 64)
write("registration", "nonsense-everything", b"\x07" * 256)
write("registration", "fails-late", b"\x00" * 200 + b"\x05" * 50)
write("registration", "mixed", bytes((i * 37) % 8 for i in range(512)))
