#include "Image.h"

#include <png.h>

namespace aaxhost
{
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
