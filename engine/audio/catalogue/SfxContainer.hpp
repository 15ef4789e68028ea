#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/SingletonContainer.hpp"

class RandomSource;
class ResourceManager;
class Sound;

// The catalogue of named sound effects read from "content/config/sfx.xml".
// A name maps to one file or, for a RandomSound, to several of which each
// play picks one at random. The sounds live in the container's own resource
// manager, which joins the resource registry while the container lives; the
// game reaches the process-wide catalogue through instance().
class SfxContainer : public SingletonContainer<SfxContainer> {
public:
    using SoundFactory = std::function<std::unique_ptr<Sound>(const std::string& path)>;

    // The process-wide catalogue: sounds decoded by SDL_mixer, variants picked
    // from a sequence of its own, never from the process's random source.
    SfxContainer();
    // The default factory decodes files with SDL_mixer (MixSound).
    explicit SfxContainer(RandomSource& random, SoundFactory factory = {});
    ~SfxContainer();

    SfxContainer(const SfxContainer&) = delete;
    SfxContainer& operator=(const SfxContainer&) = delete;

    // Adds every effect of the file; a broken file is reported and adds nothing.
    bool load(const std::string& path);
    // How files registered from now on are turned into sounds (a test
    // records what plays instead of decoding files).
    void setSoundFactory(SoundFactory factory) { factory_ = std::move(factory); }
    // Registers one more file under name as the key name_N (N = files so far).
    void registerFile(const std::string& name, const std::string& path);

    // Returns the length in ms of the variant that started (0: none or unknown).
    int play(const std::string& name, bool loop = false);
    void stop(const std::string& name);
    bool isPlaying(const std::string& name);

    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool isEnabled() const { return enabled_; }
    bool isLoaded() const { return loaded_; }
    const std::string& getDefaultPath() const { return defaultPath_; }
    // The keys registered under name, in file order; empty for an unknown name.
    const std::vector<std::string>& keysOf(const std::string& name) const;
    // The sound registered under a key such as "CLICK_1", or null.
    Sound* getSound(const std::string& key) const;
    // The manager that owns the sounds, for the application's list of managers.
    ResourceManager* getResourceManager() const { return manager_.get(); }

private:
    RandomSource& random_;
    SoundFactory factory_;
    std::unique_ptr<ResourceManager> manager_;
    std::map<std::string, std::vector<std::string>> keys_;
    std::string defaultPath_;
    bool loaded_ = false;
    bool enabled_ = true;
};
