#include "engine/render/CpuTexture.hpp"

#include "engine/render/Image.hpp"
#include "engine/render/TexturePicture.hpp"

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
