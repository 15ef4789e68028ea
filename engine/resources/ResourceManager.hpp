#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/ReferenceCountable.hpp"

class Font;
class Music;
class Sound;
class Texture;
class TextureFactory;
typedef struct _Mix_Music Mix_Music;

// A named cache that owns what its owner loaded: textures (kept in a list with
// a name index), fonts, music, sounds, raw mixer music and raw data blocks.
// Adding under an existing name deletes the earlier entry. The application
// releases and restores the GPU side of every manager around a context change.
class ResourceManager : public ReferenceCountable {
public:
    // Selectors of releaseAll / restoreAll.
    enum Kinds { Fonts = 1, Textures = 2, AllKinds = Fonts | Textures };

    ResourceManager() = default;
    ~ResourceManager() override;

    ResourceManager(const ResourceManager&) = delete;
    ResourceManager& operator=(const ResourceManager&) = delete;

    void addTexture(const std::string& name, Texture* texture);
    Texture* getTexture(const std::string& name) const;
    // The texture registered under name; the first call loads it from path
    // with the factory (with that keep mode) and registers it.
    Texture* sharedTexture(const std::string& name, const std::string& path, TextureFactory& factory, int keepMode);
    // Takes the texture out without deleting it: the caller owns it now. The
    // last texture of the list moves into the freed position.
    void removeTexture(const std::string& name);
    // Takes the texture out and deletes it (nothing when there is none).
    void deleteTexture(const std::string& name);
    const std::vector<Texture*>& getTextures() const { return textures_; }
    // Position of the named texture in the list, -1 when absent.
    int indexOfTexture(const std::string& name) const;

    void addFont(const std::string& name, Font* font);
    Font* getFont(const std::string& name) const;
    void addMusic(const std::string& name, Music* music);
    Music* getMusic(const std::string& name) const;
    void addSound(const std::string& name, Sound* sound);
    Sound* getSound(const std::string& name) const;
    void addRawMusic(const std::string& name, Mix_Music* music);
    Mix_Music* getRawMusic(const std::string& name) const;
    void addRawData(const std::string& name, std::unique_ptr<unsigned char[]> data);
    unsigned char* getRawData(const std::string& name) const;

    void releaseAll(int kinds);
    void restoreAll(int kinds);

private:
    std::vector<Texture*> textures_;
    std::map<std::string, std::size_t> textureIndex_;
    std::map<std::string, Font*> fonts_;
    std::map<std::string, Music*> music_;
    std::map<std::string, Sound*> sounds_;
    std::map<std::string, Mix_Music*> rawMusic_;
    std::map<std::string, std::unique_ptr<unsigned char[]>> rawData_;
};
