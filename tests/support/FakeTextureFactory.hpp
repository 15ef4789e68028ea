#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "engine/render/TextureFactory.hpp"
#include "support/FakeTexture.hpp"

// Hands out 64 x 64 FakeTextures and remembers what was asked for. With
// requireFiles set, a path that does not exist gives an empty texture, as the
// real factories do for unreadable files.
class FakeTextureFactory : public TextureFactory {
public:
    struct Request {
        std::string path;
        ImageFilter* filter;
        int keepMode;
    };

    explicit FakeTextureFactory(bool requireFiles = false) : requireFiles_(requireFiles) {}

    Texture* load(const std::string& path, ImageFilter* filter, int keepMode) override {
        requests.push_back({path, filter, keepMode});
        const int side = requireFiles_ && !std::filesystem::exists(path) ? 0 : 64;
        return new FakeTexture(side, side, side, side);
    }

    std::vector<Request> requests;

private:
    bool requireFiles_;
};
