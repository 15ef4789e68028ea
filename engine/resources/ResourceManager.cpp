#include "engine/resources/ResourceManager.hpp"

#include <SDL_mixer.h>

#include "engine/core/ShutdownFlag.hpp"
#include "engine/audio/Music.hpp"
#include "engine/audio/Sound.hpp"
#include "engine/render/Texture.hpp"
#include "engine/render/TextureFactory.hpp"
#include "engine/text/Font.hpp"

namespace {

// Stores value under name; an earlier entry of that name is deleted first.
template <typename T>
void replaceEntry(std::map<std::string, T*>& entries, const std::string& name, T* value) {
    auto it = entries.find(name);
    if (it == entries.end()) {
        entries.emplace(name, value);
        return;
    }
    if (it->second != value) {
        delete it->second;
    }
    it->second = value;
}

template <typename T>
T* findEntry(const std::map<std::string, T*>& entries, const std::string& name) {
    auto it = entries.find(name);
    return it == entries.end() ? nullptr : it->second;
}

template <typename T>
void deleteEntries(std::map<std::string, T*>& entries) {
    for (auto& entry : entries) {
        delete entry.second;
    }
    entries.clear();
}

}  // namespace

ResourceManager::~ResourceManager() {
    for (Texture* texture : textures_) {
        delete texture;
    }
    textures_.clear();
    textureIndex_.clear();
    deleteEntries(fonts_);
    // After the audio device is closed the mixer may not be called any more;
    // the audio objects are then left to the end of the process.
    if (ShutdownFlag::isSet()) {
        return;
    }
    deleteEntries(music_);
    for (auto& entry : rawMusic_) {
        Mix_FreeMusic(entry.second);
    }
    rawMusic_.clear();
    deleteEntries(sounds_);
    rawData_.clear();
}

void ResourceManager::addTexture(const std::string& name, Texture* texture) {
    auto it = textureIndex_.find(name);
    if (it == textureIndex_.end()) {
        textures_.push_back(texture);
        textureIndex_.emplace(name, textures_.size() - 1);
        return;
    }
    Texture*& slot = textures_[it->second];
    if (slot != texture) {
        delete slot;
    }
    slot = texture;
}

Texture* ResourceManager::sharedTexture(const std::string& name, const std::string& path, TextureFactory& factory,
                                        int keepMode) {
    Texture* texture = getTexture(name);
    if (!texture) {
        texture = factory.load(path, nullptr, keepMode);
        addTexture(name, texture);
    }
    return texture;
}

Texture* ResourceManager::getTexture(const std::string& name) const {
    auto it = textureIndex_.find(name);
    return it == textureIndex_.end() ? nullptr : textures_[it->second];
}

void ResourceManager::removeTexture(const std::string& name) {
    auto it = textureIndex_.find(name);
    if (it == textureIndex_.end()) {
        return;
    }
    const std::size_t position = it->second;
    const std::size_t last = textures_.size() - 1;
    textureIndex_.erase(it);
    if (position != last) {
        textures_[position] = textures_[last];
        for (auto& entry : textureIndex_) {
            if (entry.second == last) {
                entry.second = position;
                break;
            }
        }
    }
    textures_.pop_back();
}

void ResourceManager::deleteTexture(const std::string& name) {
    Texture* texture = getTexture(name);
    removeTexture(name);
    delete texture;
}

int ResourceManager::indexOfTexture(const std::string& name) const {
    auto it = textureIndex_.find(name);
    return it == textureIndex_.end() ? -1 : static_cast<int>(it->second);
}

void ResourceManager::addFont(const std::string& name, Font* font) {
    replaceEntry(fonts_, name, font);
}

Font* ResourceManager::getFont(const std::string& name) const {
    return findEntry(fonts_, name);
}

void ResourceManager::addMusic(const std::string& name, Music* music) {
    replaceEntry(music_, name, music);
}

Music* ResourceManager::getMusic(const std::string& name) const {
    return findEntry(music_, name);
}

void ResourceManager::addSound(const std::string& name, Sound* sound) {
    replaceEntry(sounds_, name, sound);
}

Sound* ResourceManager::getSound(const std::string& name) const {
    return findEntry(sounds_, name);
}

void ResourceManager::addRawMusic(const std::string& name, Mix_Music* music) {
    auto it = rawMusic_.find(name);
    if (it == rawMusic_.end()) {
        rawMusic_.emplace(name, music);
        return;
    }
    if (it->second != music) {
        Mix_FreeMusic(it->second);
    }
    it->second = music;
}

Mix_Music* ResourceManager::getRawMusic(const std::string& name) const {
    return findEntry(rawMusic_, name);
}

void ResourceManager::addRawData(const std::string& name, std::unique_ptr<unsigned char[]> data) {
    rawData_[name] = std::move(data);
}

unsigned char* ResourceManager::getRawData(const std::string& name) const {
    auto it = rawData_.find(name);
    return it == rawData_.end() ? nullptr : it->second.get();
}

void ResourceManager::releaseAll(int kinds) {
    if (kinds & Textures) {
        for (Texture* texture : textures_) {
            if (texture != nullptr) {
                texture->release();
            }
        }
    }
    if (kinds & Fonts) {
        for (auto& entry : fonts_) {
            if (entry.second != nullptr) {
                entry.second->releasePages();
            }
        }
    }
}

void ResourceManager::restoreAll(int kinds) {
    if (kinds & Textures) {
        for (Texture* texture : textures_) {
            if (texture != nullptr) {
                texture->restore();
            }
        }
    }
    if (kinds & Fonts) {
        for (auto& entry : fonts_) {
            if (entry.second != nullptr) {
                entry.second->restorePages();
            }
        }
    }
}
