#include "support/PngImage.hpp"

#include <png.h>

#include <cstdio>
#include <set>

bool PngImage::load(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        return false;
    }
    image.format = PNG_FORMAT_RGBA;
    rgba.assign(PNG_IMAGE_SIZE(image), 0);
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    return true;
}

std::size_t PngImage::distinctColours() const {
    std::set<std::uint32_t> colours;
    for (std::size_t i = 0; i + 3 < rgba.size(); i += 4) {
        colours.insert(static_cast<std::uint32_t>(rgba[i]) << 16 | static_cast<std::uint32_t>(rgba[i + 1]) << 8 |
                       rgba[i + 2]);
    }
    return colours.size();
}
