#pragma once

#include "engine/render/TextureFactory.hpp"

// The checker reads animations and fonts for their faults and never draws
// them, so their pictures are not decoded.
class UndecodedTextures : public TextureFactory {
public:
    Texture* load(const std::string&, ImageFilter*, int) override { return nullptr; }
};
