#pragma once

#include "engine/resources/DeferableResource.hpp"
#include "engine/resources/ReferenceCountable.hpp"

// A bitmap font. Its page textures live in the OpenGL context and follow the
// release/restore of the resource manager that owns the font.
class Font : public ReferenceCountable, public DeferableResource {
public:
    ~Font() override = default;
    virtual void restorePages() = 0;
    virtual void releasePages() = 0;
};
