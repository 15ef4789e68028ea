#pragma once

#include "engine/core/DeferableResource.hpp"
#include "engine/core/ReferenceCountable.hpp"

class Image;

// A picture that the renderer can draw. The picture size is what was loaded;
// the storage size is the power-of-two size of the uploaded texture, and the
// renderer divides pixel coordinates by it to get texture coordinates.
class Texture : public ReferenceCountable, public DeferableResource {
public:
    // What a texture loaded from a file keeps on the CPU side after upload.
    enum KeepMode { KeepImage = 0, KeepAlphaMap = 1, KeepNothing = 2 };

    ~Texture() override;

    virtual void bind() = 0;
    // Upload again after the OpenGL context was re-created.
    virtual void restore() = 0;
    // Drop the GPU side before the OpenGL context is re-created.
    virtual void release() = 0;

    int getWidth() const { return width_; }
    int getHeight() const { return height_; }
    int getStorageWidth() const { return storageWidth_; }
    int getStorageHeight() const { return storageHeight_; }
    // The CPU-side copy kept by the keep mode (full image, alpha map, or null).
    Image* getImage() const { return image_; }
    bool isUploaded() const { return uploaded_; }

protected:
    Image* image_ = nullptr;
    bool uploaded_ = false;
    int width_ = 0;
    int height_ = 0;
    int storageWidth_ = 0;
    int storageHeight_ = 0;
};
