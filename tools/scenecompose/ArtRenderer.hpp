#pragma once

#include <cairo.h>

#include <memory>
#include <string>

#include "tools/scenecompose/AlphaMask.hpp"

struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// A rendered picture cut to its visible pixels; (x, y) is where its top-left
// lies in the frame it was rendered for (the scene canvas, or the object's
// own box centred on its middle).
struct Picture {
    SurfacePtr surface;
    int x = 0;
    int y = 0;

    int width() const { return surface ? cairo_image_surface_get_width(surface.get()) : 0; }
    int height() const { return surface ? cairo_image_surface_get_height(surface.get()) : 0; }
};

// Renders the content pictures with librsvg. Object pictures are SVG bodies
// that refer to the shared paints of the materials file; the renderer splices
// those paints into each one and fills its "PAINT" parts with the chosen paint.
class ArtRenderer {
public:
    // False (and one line on standard output) when the materials cannot be read.
    bool loadMaterials(const std::string& path);

    // An object scaled so its 128-pixel canvas becomes `size` pixels, turned by
    // `angle` degrees about its middle; x and y are relative to the middle.
    Picture renderObject(const std::string& svgPath, const std::string& paint, double size, double angle) const;
    // A picture drawn on the whole scene canvas, cut to its visible part.
    Picture renderCanvas(const std::string& svgPath, int width, int height, bool cut) const;

    static AlphaMask mask(const Picture& picture);
    static bool writePng(const Picture& picture, const std::string& path);
    // Mixes the picture's colours towards their product with the light
    // colour (0..255 each) by `strength` (0..1); alpha is kept.
    static void tint(Picture* picture, int red, int green, int blue, double strength);
    // Paints the soft shadow of `object` (its shape, blurred) onto `onto`, the
    // object's top-left at (x, y), moved down and to the right.
    static void castShadow(Picture* onto, const Picture& object, int x, int y, double opacity);
    // The same shape in one flat colour, keeping the picture's alpha.
    static bool writeSilhouette(const Picture& picture, const std::string& path, int red, int green, int blue);

private:
    Picture render(const std::string& svgText, const std::string& name, int width, int height, double scale,
                   double angle, bool cut) const;

    std::string materials_;
};
