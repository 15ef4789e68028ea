#pragma once

#include <string>

#include "engine/render/Texture.hpp"

class ImageFilter;

// A texture decoded exactly like a GLTexture (power-of-two storage, JPEG
// mask, filter, keep mode) but never uploaded: sizes and the kept CPU image
// without an OpenGL context, for tests and content checks. bind, release and
// restore only count their calls.
class CpuTexture : public Texture {
public:
    CpuTexture(const std::string& path, ImageFilter* filter, int keepMode);
    // A blank picture of the given size with nothing kept (a frame grabbed
    // where nothing is drawn).
    CpuTexture(int width, int height);

    void load() override {}
    void bind() override { ++binds_; }
    void restore() override { ++restores_; }
    void release() override { ++releases_; }

    int getBinds() const { return binds_; }
    int getRestores() const { return restores_; }
    int getReleases() const { return releases_; }

private:
    int binds_ = 0;
    int restores_ = 0;
    int releases_ = 0;
};
