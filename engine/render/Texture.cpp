#include "engine/render/Texture.hpp"

#include "engine/render/Image.hpp"

Texture::~Texture() {
    delete image_;
}
