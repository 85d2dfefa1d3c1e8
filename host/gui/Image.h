#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace aaxhost
{
/** An 8-bit RGBA picture, rows top to bottom, as read from a window or a PNG file. */
struct Image
{
    int width = 0, height = 0;
    std::vector<uint8_t> pixels; // width * height * 4 bytes: red, green, blue, alpha

    Image() = default;
    Image (int w, int h)
        : width (w)
        , height (h)
        , pixels ((size_t)w * (size_t)h * 4, 0)
    {
    }

    bool isEmpty() const noexcept { return width <= 0 || height <= 0; }

    const uint8_t* at (int x, int y) const noexcept
    {
        return pixels.data() + ((size_t)y * (size_t)width + (size_t)x) * 4;
    }
    uint8_t* at (int x, int y) noexcept { return pixels.data() + ((size_t)y * (size_t)width + (size_t)x) * 4; }
};

struct ImageFileError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

/** Writes a picture as an 8-bit RGBA PNG file; throws ImageFileError on failure. */
void writePngFile (const std::string& path, const Image& image);

/** Reads a PNG file as 8-bit RGBA; throws ImageFileError on failure. */
Image readPngFile (const std::string& path);
}
