#pragma once

#include "engine/render/Texture.hpp"

// A texture with sizes only: no pixels, no OpenGL. Counts bind/release/restore.
class FakeTexture : public Texture {
public:
    FakeTexture(int width, int height, int storageWidth, int storageHeight) {
        width_ = width;
        height_ = height;
        storageWidth_ = storageWidth;
        storageHeight_ = storageHeight;
        uploaded_ = true;
    }
    void load() override {}
    void bind() override { ++binds; }
    void restore() override { ++restores; }
    void release() override { ++releases; }

    int binds = 0;
    int restores = 0;
    int releases = 0;
};
