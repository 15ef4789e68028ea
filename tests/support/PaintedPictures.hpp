#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "engine/render/GLTexture.hpp"
#include "engine/render/SDLSurfaceImage.hpp"

// A texture of w x h whose pixels are painted by colour(x, y); needs an OpenGL context.
template <typename Paint>
std::unique_ptr<GLTexture> paintedTexture(int w, int h, Paint colour) {
    auto* image = new SDLSurfaceImage(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            image->setPixel(x, y, colour(x, y));
        }
    }
    return std::make_unique<GLTexture>(image, nullptr, Texture::KeepImage);
}

// Where a test frame is saved for looking at.
inline std::string framePath(const std::string& name) {
    const std::string dir = std::string(CHRONA_BINARY_DIR) + "/tmp";
    std::filesystem::create_directories(dir);
    return dir + "/" + name;
}
