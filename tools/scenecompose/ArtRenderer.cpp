#include "tools/scenecompose/ArtRenderer.hpp"

#include <librsvg/rsvg.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

bool readText(const std::string& path, std::string* text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    *text = buffer.str();
    return true;
}

void replaceAll(std::string* text, const std::string& from, const std::string& to) {
    for (std::size_t at = text->find(from); at != std::string::npos; at = text->find(from, at + to.size())) {
        text->replace(at, from.size(), to);
    }
}

// Bounding box of the pixels with any alpha; empty when there are none.
bool visibleBox(cairo_surface_t* surface, int* left, int* top, int* right, int* bottom) {
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    *left = width;
    *top = height;
    *right = -1;
    *bottom = -1;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            if (row[x] >> 24) {
                *left = std::min(*left, x);
                *right = std::max(*right, x);
                *top = std::min(*top, y);
                *bottom = std::max(*bottom, y);
            }
        }
    }
    return *right >= 0;
}

}  // namespace

bool ArtRenderer::loadMaterials(const std::string& path) {
    std::string text;
    const std::size_t begin = readText(path, &text) ? text.find("<defs>") : std::string::npos;
    const std::size_t end = text.find("</defs>");
    if (begin == std::string::npos || end == std::string::npos) {
        std::printf("%s:1: no <defs> block of shared paints\n", path.c_str());
        return false;
    }
    materials_ = text.substr(begin, end + 7 - begin);
    return true;
}

Picture ArtRenderer::renderObject(const std::string& svgPath, const std::string& paint, double size,
                                  double angle) const {
    std::string text;
    if (!readText(svgPath, &text)) {
        std::printf("%s:1: cannot read the picture\n", svgPath.c_str());
        return {};
    }
    const std::size_t open = text.find("<svg");
    const std::size_t close = open == std::string::npos ? open : text.find('>', open);
    if (close == std::string::npos) {
        std::printf("%s:1: no <svg> element\n", svgPath.c_str());
        return {};
    }
    text.insert(close + 1, materials_);
    replaceAll(&text, "url(#PAINT)", "url(#" + (paint.empty() ? std::string("red") : paint) + ")");
    const int box = static_cast<int>(std::ceil(size * 1.42)) + 4;
    Picture picture = render(text, svgPath, box, box, size / 128.0, angle, true);
    picture.x -= box / 2;
    picture.y -= box / 2;
    return picture;
}

Picture ArtRenderer::renderCanvas(const std::string& svgPath, int width, int height, bool cut) const {
    std::string text;
    if (!readText(svgPath, &text)) {
        std::printf("%s:1: cannot read the picture\n", svgPath.c_str());
        return {};
    }
    return render(text, svgPath, width, height, 0.0, 0.0, cut);
}

Picture ArtRenderer::render(const std::string& svgText, const std::string& name, int width, int height,
                            double scale, double angle, bool cut) const {
    GError* error = nullptr;
    RsvgHandle* handle =
        rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svgText.data()), svgText.size(), &error);
    if (!handle) {
        std::printf("%s:1: %s\n", name.c_str(), error ? error->message : "cannot parse");
        if (error) {
            g_error_free(error);
        }
        return {};
    }
    SurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    cairo_t* cr = cairo_create(surface.get());
    RsvgRectangle viewport{0, 0, static_cast<double>(width), static_cast<double>(height)};
    if (scale > 0) {
        // Object box of 128 * scale pixels, turned about the middle of the frame.
        const double side = 128.0 * scale;
        cairo_translate(cr, width / 2.0, height / 2.0);
        cairo_rotate(cr, angle * M_PI / 180.0);
        cairo_translate(cr, -side / 2.0, -side / 2.0);
        viewport = RsvgRectangle{0, 0, side, side};
    }
    const bool drawn = rsvg_handle_render_document(handle, cr, &viewport, &error);
    cairo_destroy(cr);
    g_object_unref(handle);
    if (!drawn) {
        std::printf("%s:1: %s\n", name.c_str(), error ? error->message : "cannot render");
        if (error) {
            g_error_free(error);
        }
        return {};
    }
    cairo_surface_flush(surface.get());
    Picture picture;
    int left = 0, top = 0, right = width - 1, bottom = height - 1;
    if (cut && !visibleBox(surface.get(), &left, &top, &right, &bottom)) {
        std::printf("%s:1: the picture draws nothing\n", name.c_str());
        return {};
    }
    if (!cut) {
        picture.surface = std::move(surface);
        return picture;
    }
    picture.surface.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, right - left + 1, bottom - top + 1));
    cairo_t* copy = cairo_create(picture.surface.get());
    cairo_set_source_surface(copy, surface.get(), -left, -top);
    cairo_set_operator(copy, CAIRO_OPERATOR_SOURCE);
    cairo_paint(copy);
    cairo_destroy(copy);
    cairo_surface_flush(picture.surface.get());
    picture.x = left;
    picture.y = top;
    return picture;
}

AlphaMask ArtRenderer::mask(const Picture& picture) {
    AlphaMask result(picture.width(), picture.height());
    if (!picture.surface) {
        return result;
    }
    const int stride = cairo_image_surface_get_stride(picture.surface.get());
    const unsigned char* data = cairo_image_surface_get_data(picture.surface.get());
    for (int y = 0; y < result.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < result.width; ++x) {
            result.set(x, y, static_cast<std::uint8_t>(row[x] >> 24));
        }
    }
    return result;
}

void ArtRenderer::tint(Picture* picture, int red, int green, int blue, double strength) {
    if (!picture->surface || strength <= 0) {
        return;
    }
    cairo_surface_flush(picture->surface.get());
    const int width = picture->width();
    const int stride = cairo_image_surface_get_stride(picture->surface.get());
    unsigned char* data = cairo_image_surface_get_data(picture->surface.get());
    // Per channel: keep (1 - strength), and mix in strength times the lit colour.
    const double factor[3] = {1 - strength + strength * red / 255.0, 1 - strength + strength * green / 255.0,
                              1 - strength + strength * blue / 255.0};
    for (int y = 0; y < picture->height(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = row[x];
            const auto channel = [p, &factor](int shift, int index) {
                return static_cast<std::uint32_t>((p >> shift & 0xff) * factor[index] + 0.5) << shift;
            };
            row[x] = (p & 0xff000000u) | channel(16, 0) | channel(8, 1) | channel(0, 2);
        }
    }
    cairo_surface_mark_dirty(picture->surface.get());
}

void ArtRenderer::castShadow(Picture* onto, const Picture& object, int x, int y, double opacity) {
    if (!onto->surface || !object.surface || opacity <= 0) {
        return;
    }
    // The shape, blurred by three box passes each way, moved down and right
    // by a share of the object's height.
    const int radius = std::max(2, object.height() / 24);
    const int width = object.width() + 4 * radius;
    const int height = object.height() + 4 * radius;
    const AlphaMask alpha = mask(object);
    std::vector<float> shade(static_cast<std::size_t>(width) * height, 0.0f);
    for (int row = 0; row < alpha.height; ++row) {
        for (int col = 0; col < alpha.width; ++col) {
            shade[static_cast<std::size_t>(row + 2 * radius) * width + col + 2 * radius] = alpha.at(col, row) / 255.0f;
        }
    }
    std::vector<float> line;
    const auto blur = [&](int count, int step, int lines, int lineStep) {
        line.resize(static_cast<std::size_t>(count));
        for (int l = 0; l < lines; ++l) {
            float* start = shade.data() + static_cast<std::size_t>(l) * lineStep;
            for (int pass = 0; pass < 3; ++pass) {
                for (int i = 0; i < count; ++i) {
                    float sum = 0;
                    for (int k = std::max(0, i - radius); k <= std::min(count - 1, i + radius); ++k) {
                        sum += start[static_cast<std::size_t>(k) * step];
                    }
                    line[static_cast<std::size_t>(i)] = sum / (2 * radius + 1);
                }
                for (int i = 0; i < count; ++i) {
                    start[static_cast<std::size_t>(i) * step] = line[static_cast<std::size_t>(i)];
                }
            }
        }
    };
    blur(width, 1, height, width);
    blur(height, width, width, 1);
    SurfacePtr maskSurface(cairo_image_surface_create(CAIRO_FORMAT_A8, width, height));
    const int stride = cairo_image_surface_get_stride(maskSurface.get());
    unsigned char* data = cairo_image_surface_get_data(maskSurface.get());
    for (int row = 0; row < height; ++row) {
        for (int col = 0; col < width; ++col) {
            data[static_cast<std::size_t>(row) * stride + col] =
                static_cast<unsigned char>(std::min(1.0f, shade[static_cast<std::size_t>(row) * width + col]) * 255);
        }
    }
    cairo_surface_mark_dirty(maskSurface.get());
    const int offset = std::max(3, object.height() / 10);
    cairo_t* cr = cairo_create(onto->surface.get());
    cairo_set_source_rgba(cr, 0.08, 0.05, 0.03, opacity);
    cairo_mask_surface(cr, maskSurface.get(), x - 2 * radius + offset * 0.6, y - 2 * radius + offset);
    cairo_destroy(cr);
    cairo_surface_flush(onto->surface.get());
}

bool ArtRenderer::writePng(const Picture& picture, const std::string& path) {
    if (!picture.surface) {
        return false;
    }
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    if (cairo_surface_write_to_png(picture.surface.get(), path.c_str()) != CAIRO_STATUS_SUCCESS) {
        std::printf("%s:1: cannot write the image\n", path.c_str());
        return false;
    }
    return true;
}

bool ArtRenderer::writeSilhouette(const Picture& picture, const std::string& path, int red, int green, int blue) {
    if (!picture.surface) {
        return false;
    }
    Picture flat;
    flat.surface.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture.width(), picture.height()));
    const AlphaMask alpha = mask(picture);
    const int stride = cairo_image_surface_get_stride(flat.surface.get());
    unsigned char* data = cairo_image_surface_get_data(flat.surface.get());
    for (int y = 0; y < alpha.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < alpha.width; ++x) {
            const std::uint32_t a = alpha.at(x, y);
            // Cairo keeps colours premultiplied by alpha.
            row[x] = a << 24 | (red * a / 255) << 16 | (green * a / 255) << 8 | (blue * a / 255);
        }
    }
    cairo_surface_mark_dirty(flat.surface.get());
    return writePng(flat, path);
}
