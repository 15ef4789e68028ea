// svgbake IN.svg OUT.png
// Renders an SVG picture into an RGBA PNG at the SVG's own width and height
// (rounded up to whole pixels).
#include <cairo.h>
#include <librsvg/rsvg.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

int fail(const std::string& path, const std::string& what) {
    std::printf("svgbake %s: %s\n", path.c_str(), what.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::printf("usage: svgbake IN.svg OUT.png\n");
        return 2;
    }
    const std::string in = argv[1];
    const std::string out = argv[2];

    GError* error = nullptr;
    RsvgHandle* handle = rsvg_handle_new_from_file(in.c_str(), &error);
    if (!handle) {
        const std::string message = error ? error->message : "cannot read";
        if (error) {
            g_error_free(error);
        }
        return fail(in, message);
    }
    gdouble svgWidth = 0;
    gdouble svgHeight = 0;
    if (!rsvg_handle_get_intrinsic_size_in_pixels(handle, &svgWidth, &svgHeight) || svgWidth <= 0 ||
        svgHeight <= 0) {
        g_object_unref(handle);
        return fail(in, "the svg element needs a width and a height");
    }
    const int width = static_cast<int>(std::ceil(svgWidth));
    const int height = static_cast<int>(std::ceil(svgHeight));

    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(surface);
    const RsvgRectangle viewport{0, 0, static_cast<double>(width), static_cast<double>(height)};
    const bool drawn = rsvg_handle_render_document(handle, cr, &viewport, &error);
    cairo_destroy(cr);
    g_object_unref(handle);
    if (!drawn) {
        const std::string message = error ? error->message : "cannot render";
        if (error) {
            g_error_free(error);
        }
        cairo_surface_destroy(surface);
        return fail(in, message);
    }

    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(out).parent_path(), ignored);
    const cairo_status_t written = cairo_surface_write_to_png(surface, out.c_str());
    cairo_surface_destroy(surface);
    if (written != CAIRO_STATUS_SUCCESS) {
        return fail(out, cairo_status_to_string(written));
    }
    return 0;
}
