#include "engine/widgets/InterfaceSound.hpp"

#include "engine/audio/catalogue/SfxContainer.hpp"
#include "engine/audio/Sound.hpp"

namespace {

SfxContainer* routed = nullptr;

SfxContainer& catalogue() {
    return routed != nullptr ? *routed : SfxContainer::instance();
}

}  // namespace

void InterfaceSound::play(const std::string& name, Sound* fallback) {
    SfxContainer& sounds = catalogue();
    if (sounds.isEnabled()) {
        sounds.play(name);
    } else if (fallback != nullptr) {
        fallback->play();
    }
}

void InterfaceSound::route(SfxContainer* container) {
    routed = container;
}
