#pragma once

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <memory>
#include <string>

// An SVG picture opened for drawing with cairo, and the few cairo helpers
// the story-art bakers share. Every failure prints one line naming the file.
class SvgPicture {
public:
    struct SurfaceDeleter {
        void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
    };
    struct ContextDeleter {
        void operator()(cairo_t* cr) const { cairo_destroy(cr); }
    };
    using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
    using Context = std::unique_ptr<cairo_t, ContextDeleter>;

    // False (after its line) when the file cannot be read or has no size.
    bool open(const std::string& path);
    // Draws the picture at its own size into cr's user space.
    bool render(cairo_t* cr) const;

    int width() const { return width_; }
    int height() const { return height_; }

    static bool write(cairo_surface_t* surface, const std::string& path);
    // Prints "TOOL FILE: what" and gives false.
    static bool fail(const std::string& file, const std::string& what);

private:
    struct HandleDeleter {
        void operator()(RsvgHandle* handle) const { g_object_unref(handle); }
    };

    std::unique_ptr<RsvgHandle, HandleDeleter> handle_;
    std::string path_;
    int width_ = 0;
    int height_ = 0;
};
