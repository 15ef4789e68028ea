#include "tools/scenecompose/ContactSheet.hpp"

#include <algorithm>

ContactSheet::ContactSheet(int columns, int tileWidth, int tileHeight)
    : columns_(std::max(1, columns)), tileWidth_(std::max(1, tileWidth)), tileHeight_(tileHeight) {}

bool ContactSheet::add(SurfacePtr picture, const std::string& caption) {
    if (!picture || cairo_surface_status(picture.get()) != CAIRO_STATUS_SUCCESS ||
        cairo_image_surface_get_width(picture.get()) <= 0) {
        return false;
    }
    if (tileHeight_ <= 0) {
        tileHeight_ = std::max(1, tileWidth_ * cairo_image_surface_get_height(picture.get()) /
                                      cairo_image_surface_get_width(picture.get()));
    }
    tiles_.push_back({std::move(picture), caption});
    return true;
}

Picture ContactSheet::board() const {
    Picture result;
    if (tiles_.empty()) {
        return result;
    }
    const int count = static_cast<int>(tiles_.size());
    const int columns = std::min(columns_, count);
    const int rows = (count + columns - 1) / columns;
    const int cellWidth = tileWidth_ + Gap;
    const int cellHeight = tileHeight_ + CaptionHeight + Gap;
    result.surface.reset(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, columns * cellWidth + Gap, rows * cellHeight + Gap));
    cairo_t* cr = cairo_create(result.surface.get());
    cairo_set_source_rgb(cr, 0.09, 0.07, 0.06);
    cairo_paint(cr);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, CaptionHeight * 0.7);
    for (int i = 0; i < count; ++i) {
        const Tile& tile = tiles_[static_cast<std::size_t>(i)];
        const double left = Gap + (i % columns) * cellWidth;
        const double top = Gap + (i / columns) * cellHeight;
        const double width = cairo_image_surface_get_width(tile.picture.get());
        const double height = cairo_image_surface_get_height(tile.picture.get());
        const double scale = std::min(tileWidth_ / width, tileHeight_ / height);
        cairo_save(cr);
        cairo_translate(cr, left + (tileWidth_ - width * scale) / 2, top + (tileHeight_ - height * scale) / 2);
        cairo_scale(cr, scale, scale);
        cairo_set_source_surface(cr, tile.picture.get(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_set_source_rgb(cr, 0.93, 0.88, 0.76);
        cairo_move_to(cr, left + 2, top + tileHeight_ + CaptionHeight * 0.8);
        cairo_show_text(cr, tile.caption.c_str());
    }
    cairo_destroy(cr);
    cairo_surface_flush(result.surface.get());
    return result;
}
