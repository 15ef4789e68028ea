#include "tools/storyart/LocationCards.hpp"

#include <cstdio>
#include <filesystem>

#include "tools/storyart/SvgPicture.hpp"

namespace {

bool drawCard(const SvgPicture& scene, bool highlighted, const std::string& path) {
    const SvgPicture::Surface surface(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, LocationCards::Width, LocationCards::Height));
    const SvgPicture::Context cr(cairo_create(surface.get()));
    const double border = LocationCards::Border;
    const double innerWidth = LocationCards::Width - 2 * border;
    const double innerHeight = LocationCards::Height - 2 * border;
    cairo_save(cr.get());
    cairo_rectangle(cr.get(), border, border, innerWidth, innerHeight);
    cairo_clip(cr.get());
    cairo_translate(cr.get(), border, border);
    cairo_scale(cr.get(), innerWidth / scene.width(), innerHeight / scene.height());
    if (!scene.render(cr.get())) {
        return false;
    }
    cairo_restore(cr.get());
    if (highlighted) {
        cairo_rectangle(cr.get(), border, border, innerWidth, innerHeight);
        cairo_set_source_rgba(cr.get(), 1.0, 0.9, 0.6, 0.18);
        cairo_fill(cr.get());
    }
    cairo_rectangle(cr.get(), border / 2, border / 2, LocationCards::Width - border, LocationCards::Height - border);
    if (highlighted) {
        cairo_set_source_rgb(cr.get(), 0.88, 0.70, 0.32);
    } else {
        cairo_set_source_rgb(cr.get(), 0.33, 0.21, 0.12);
    }
    cairo_set_line_width(cr.get(), border);
    cairo_stroke(cr.get());
    cairo_rectangle(cr.get(), 0.5, 0.5, LocationCards::Width - 1, LocationCards::Height - 1);
    cairo_set_source_rgb(cr.get(), 0.16, 0.10, 0.05);
    cairo_set_line_width(cr.get(), 1);
    cairo_stroke(cr.get());
    return SvgPicture::write(surface.get(), path);
}

}  // namespace

bool LocationCards::write(const std::vector<std::string>& backgrounds, const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        return SvgPicture::fail(folder, error.message());
    }
    for (std::size_t n = 0; n < backgrounds.size(); ++n) {
        SvgPicture scene;
        if (!scene.open(backgrounds[n])) {
            return false;
        }
        char name[32];
        std::snprintf(name, sizeof(name), "Location%02zu", n);
        if (!drawCard(scene, false, folder + "/" + name + ".png") ||
            !drawCard(scene, true, folder + "/" + name + "_O.png")) {
            return false;
        }
    }
    return true;
}
