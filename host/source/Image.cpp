#include "Image.h"

#include <png.h>

#include <algorithm>
#include <cstring>

namespace aaxhost
{
Image Image::crop (int x, int y, int w, int h) const
{
    const auto left = std::clamp (x, 0, width), top = std::clamp (y, 0, height);
    const auto right = std::clamp (x + w, left, width), bottom = std::clamp (y + h, top, height);

    Image result (right - left, bottom - top);

    for (int row = 0; row < result.height; ++row)
        std::memcpy (result.at (0, row), at (left, top + row), (size_t)result.width * 4);

    return result;
}

void writePngFile (const std::string& path, const Image& image)
{
    if (image.isEmpty())
        throw ImageFileError ("cannot write an empty picture to " + path);

    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = (png_uint_32)image.width;
    png.height = (png_uint_32)image.height;
    png.format = PNG_FORMAT_RGBA;

    if (png_image_write_to_file (&png, path.c_str(), 0, image.pixels.data(), image.width * 4, nullptr) == 0)
        throw ImageFileError ("cannot write " + path + ": " + png.message);
}

Image readPngFile (const std::string& path)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;

    if (png_image_begin_read_from_file (&png, path.c_str()) == 0)
        throw ImageFileError ("cannot read " + path + ": " + png.message);

    png.format = PNG_FORMAT_RGBA;
    Image image ((int)png.width, (int)png.height);

    if (png_image_finish_read (&png, nullptr, image.pixels.data(), image.width * 4, nullptr) == 0)
    {
        png_image_free (&png);
        throw ImageFileError ("cannot decode " + path + ": " + png.message);
    }

    return image;
}
}
