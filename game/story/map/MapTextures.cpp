#include "game/story/map/MapTextures.hpp"

#include "engine/render/Texture.hpp"
#include "engine/render/TextureFactory.hpp"
#include "engine/resources/ResourceManager.hpp"

namespace MapTextures {

namespace {

struct Entry {
    const char* key;
    const char* file;
    int keep;
};

// Pins are hit on their visible pixels only.
const Entry kTextures[] = {
    {"MAP_BG_PRESENT", "content/images/map/MapPresent.png", Texture::KeepNothing},
    {"MAP_BG_PAST", "content/images/map/MapPast.png", Texture::KeepNothing},
    {"MAP_PINPOINT", "content/images/map/PinGreen.png", Texture::KeepAlphaMap},
    {"MAP_PINPOINT_RED", "content/images/map/PinRed.png", Texture::KeepAlphaMap},
    {"MAP_PINPOINT_YELLOW", "content/images/map/PinYellow.png", Texture::KeepAlphaMap},
    {"MAP_CHECK_MARK_SMALL", "content/images/map/CheckMarkSmall.png", Texture::KeepAlphaMap},
    {"MAP_SWITCH_TIME_N", "content/images/map/SwitchTimeN.png", Texture::KeepAlphaMap},
    {"MAP_SWITCH_TIME_O", "content/images/map/SwitchTimeO.png", Texture::KeepNothing},
};

}  // namespace

void load(ResourceManager& resources, TextureFactory& textures) {
    for (const Entry& entry : kTextures) {
        resources.addTexture(entry.key, textures.load(entry.file, nullptr, entry.keep));
    }
}

}  // namespace MapTextures
