#pragma once

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "engine/render/PngWriter.hpp"
#include "engine/render/SDLSurfaceImage.hpp"

// A fresh folder under the build tree for the pictures one test writes,
// removed with the object.
class PictureFolder {
public:
    PictureFolder() {
        const std::string base = std::string(CHRONA_BINARY_DIR) + "/tmp";
        std::filesystem::create_directories(base);
        std::string pattern = base + "/render-XXXXXX";
        dir_ = mkdtemp(pattern.data()) ? pattern : base;
    }
    ~PictureFolder() { std::filesystem::remove_all(dir_); }
    PictureFolder(const PictureFolder&) = delete;
    PictureFolder& operator=(const PictureFolder&) = delete;

    std::string path(const std::string& name) const { return dir_ + "/" + name; }

    // Writes a w x h PNG (whatever the name's extension) coloured by paint.
    std::string write(const std::string& name, int w, int h, const std::function<Color(int, int)>& paint) const {
        SDLSurfaceImage image(w, h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                image.setPixel(x, y, paint(x, y));
            }
        }
        writePng(image.getSurface(), path(name));
        return path(name);
    }

    std::string copy(const std::string& from, const std::string& name) const {
        std::filesystem::copy_file(from, path(name), std::filesystem::copy_options::overwrite_existing);
        return path(name);
    }

private:
    std::string dir_;
};
