#include "tools/storyart/SvgPicture.hpp"

#include <cmath>
#include <cstdio>

namespace {

std::string takeMessage(GError* error, const char* otherwise) {
    const std::string message = error ? error->message : otherwise;
    if (error) {
        g_error_free(error);
    }
    return message;
}

}  // namespace

bool SvgPicture::fail(const std::string& file, const std::string& what) {
    std::printf("storyart %s: %s\n", file.c_str(), what.c_str());
    return false;
}

bool SvgPicture::open(const std::string& path) {
    path_ = path;
    GError* error = nullptr;
    handle_.reset(rsvg_handle_new_from_file(path.c_str(), &error));
    if (!handle_) {
        return fail(path, takeMessage(error, "cannot read"));
    }
    gdouble width = 0;
    gdouble height = 0;
    if (!rsvg_handle_get_intrinsic_size_in_pixels(handle_.get(), &width, &height) || width < 1 || height < 1) {
        return fail(path, "the svg element needs a width and a height");
    }
    width_ = static_cast<int>(std::lround(width));
    height_ = static_cast<int>(std::lround(height));
    return true;
}

bool SvgPicture::render(cairo_t* cr) const {
    GError* error = nullptr;
    const RsvgRectangle viewport{0, 0, static_cast<double>(width_), static_cast<double>(height_)};
    return rsvg_handle_render_document(handle_.get(), cr, &viewport, &error) ||
           fail(path_, takeMessage(error, "cannot render"));
}

bool SvgPicture::write(cairo_surface_t* surface, const std::string& path) {
    const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    return status == CAIRO_STATUS_SUCCESS || fail(path, cairo_status_to_string(status));
}
