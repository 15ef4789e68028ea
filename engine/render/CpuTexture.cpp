#include "engine/render/CpuTexture.hpp"

#include "engine/render/Image.hpp"
#include "engine/render/TexturePicture.hpp"

namespace {

int nextPowerOfTwo(int value) {
    int power = 1;
    while (power < value) {
        power *= 2;
    }
    return power;
}

}  // namespace

CpuTexture::CpuTexture(const std::string& path, ImageFilter* filter, int keepMode) {
    path_ = path;
    TexturePicture picture = TexturePicture::fromFile(path, filter);
    if (picture.isEmpty()) {
        return;
    }
    width_ = picture.getSourceWidth();
    height_ = picture.getSourceHeight();
    storageWidth_ = picture.getStorageWidth();
    storageHeight_ = picture.getStorageHeight();
    image_ = picture.keep(keepMode);
    uploaded_ = true;
}

CpuTexture::CpuTexture(int width, int height) {
    width_ = width;
    height_ = height;
    storageWidth_ = nextPowerOfTwo(width);
    storageHeight_ = nextPowerOfTwo(height);
    uploaded_ = true;
}
