#pragma once

#include "engine/resources/ReferenceCountable.hpp"

// A bitmap font. Its page textures live in the OpenGL context and follow the
// release/restore of the resource manager that owns the font.
class Font : public ReferenceCountable {
public:
    ~Font() override = default;
    virtual void releaseTextures() = 0;
    virtual void restoreTextures() = 0;
};
