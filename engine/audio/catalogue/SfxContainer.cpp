#include "engine/audio/catalogue/SfxContainer.hpp"

#include "engine/resources/ResourceRegistry.hpp"
#include "engine/audio/MixSound.hpp"
#include "engine/core/RandomSource.hpp"
#include "engine/core/XmlFile.hpp"
#include "engine/resources/ResourceManager.hpp"

namespace {

// The process-wide catalogue picks its variants from a sequence of its own:
// how often an effect is asked for can hang on the audio device (a sound
// restarted when it has ended), and those picks must not shift the random
// sequence the game plays by, or one seed would deal two different games.
RandomSource& variantRandom() {
    static SeededRandom random(0x5FC0u);
    return random;
}

}  // namespace

SfxContainer::SfxContainer() : SfxContainer(variantRandom()) {}

SfxContainer::SfxContainer(RandomSource& random, SoundFactory factory)
    : random_(random), factory_(std::move(factory)), manager_(std::make_unique<ResourceManager>()) {
    if (!factory_) {
        factory_ = [](const std::string& path) { return std::make_unique<MixSound>(path); };
    }
    ResourceRegistry::instance().add(manager_.get());
}

SfxContainer::~SfxContainer() {
    ResourceRegistry::instance().remove(manager_.get());
}

bool SfxContainer::load(const std::string& path) {
    const XmlFile file(path, "SFX");
    const tinyxml2::XMLElement* root = file.root();
    if (!root) {
        return false;
    }
    defaultPath_ = XmlFile::text(root, "defaultPath", defaultPath_);
    const auto registerSound = [this, &file](const char* name, const tinyxml2::XMLElement* sound) {
        if (sound->Attribute("path")) {
            const std::string soundFile = defaultPath_ + XmlFile::text(sound, "path");
            file.needsFile(sound, soundFile, "the sound");
            registerFile(name, soundFile);
        }
    };
    for (const tinyxml2::XMLElement* element = root->FirstChildElement(); element;
         element = element->NextSiblingElement()) {
        const std::string kind = element->Name();
        const char* name = element->Attribute("name");
        if (kind != "Sound" && kind != "RandomSound") {
            continue;
        }
        if (!name) {
            file.warn(element, "the effect has no name; skipped");
            continue;
        }
        if (kind == "Sound") {
            registerSound(name, element);
            continue;
        }
        for (const tinyxml2::XMLElement* variant = element->FirstChildElement("Sound"); variant;
             variant = variant->NextSiblingElement("Sound")) {
            registerSound(name, variant);
        }
    }
    loaded_ = true;
    return true;
}

void SfxContainer::registerFile(const std::string& name, const std::string& path) {
    std::vector<std::string>& keys = keys_[name];
    const std::string key = name + "_" + std::to_string(keys.size());
    manager_->addSound(key, factory_(path).release());
    keys.push_back(key);
}

int SfxContainer::play(const std::string& name, bool loop) {
    if (!enabled_) {
        return 0;
    }
    const std::vector<std::string>& keys = keysOf(name);
    if (keys.empty()) {
        return 0;
    }
    Sound* sound = getSound(keys[random_.below(static_cast<int>(keys.size()))]);
    if (!sound) {
        return 0;
    }
    if (loop) {
        sound->play(-1);
    } else {
        sound->play();
    }
    return sound->getLength();
}

void SfxContainer::stop(const std::string& name) {
    for (const std::string& key : keysOf(name)) {
        Sound* sound = getSound(key);
        if (sound && sound->isPlaying()) {
            sound->stop();
        }
    }
}

bool SfxContainer::isPlaying(const std::string& name) {
    for (const std::string& key : keysOf(name)) {
        Sound* sound = getSound(key);
        if (sound && sound->isPlaying()) {
            return true;
        }
    }
    return false;
}

const std::vector<std::string>& SfxContainer::keysOf(const std::string& name) const {
    static const std::vector<std::string> none;
    const auto found = keys_.find(name);
    return found == keys_.end() ? none : found->second;
}

Sound* SfxContainer::getSound(const std::string& key) const {
    return manager_->getSound(key);
}
