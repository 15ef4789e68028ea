#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/SingletonContainer.hpp"
#include "engine/persistence/SaveGameEntry.hpp"
#include "game/persistence/PlayerProfile.hpp"

class PiecesFile;
class RandomSource;
class SceneIndex;

// Every player profile and which one is current (-1: none; callers must not
// assume one exists). The process-wide instance is the save entry
// "PLAYER_PROFILES": the save store owns it once it is registered.
class PlayerProfiles : public SaveGameEntry, public SingletonContainer<PlayerProfiles> {
public:
    enum class NameCheck { Valid, Invalid, Exists };

    PlayerProfiles();
    ~PlayerProfiles() override;

    // The scene ids and piece ids that every new profile starts from.
    void setContent(const SceneIndex& index, const PiecesFile& pieces);
    // The source of the location and piece shuffles: the process-wide one
    // unless a reproducible run or a test gives another (not owned).
    void setRandomSource(RandomSource& random) { random_ = &random; }
    RandomSource& random() const { return *random_; }

    // How the game flow's position reaches the current profile: read when
    // the profiles are saved, set when they are loaded or one is selected.
    void linkFlowPosition(std::function<int()> get, std::function<void(int)> set);

    PlayerProfile* currentProfile() const;
    int currentIndex() const { return current_; }
    int count() const { return static_cast<int>(profiles_.size()); }
    PlayerProfile* at(int index) const;

    // A new profile with the given name, appended to the list.
    PlayerProfile& add(const std::string& name);
    // A profile for one run only (trying a scene out): appended and made
    // current like any other, but never written to the save file, which
    // keeps naming the profile that was current before it.
    PlayerProfile& addTransient(const std::string& name);
    bool isTransient(const PlayerProfile* profile) const { return profile && profile == transient_; }

    // Makes the profile at index current (an index outside the list gives
    // none) and moves the game flow to its position.
    void select(int index);
    // Deleting the current profile leaves none current; deleting one before
    // it keeps the same profile current.
    void remove(int index);

    // Whether the name entry may accept name: empty or the field's prompt
    // text is invalid; an existing name is "exists" when creating and
    // invalid when renaming.
    NameCheck checkName(const std::string& name, const std::string& prompt, bool renaming) const;

    // Payload: profile count, each profile record (only into a file store's
    // image), current index.
    bool readFrom(SaveGame& store) override;
    bool writeTo(SaveGame& store) override;

private:
    std::vector<std::unique_ptr<PlayerProfile>> profiles_;
    int current_ = -1;
    PlayerProfile* transient_ = nullptr;
    int currentBeforeTransient_ = -1;
    std::vector<int> sceneIds_;
    std::vector<int> pieceIds_;
    RandomSource* random_;
    std::function<int()> getFlowPosition_;
    std::function<void(int)> setFlowPosition_;
};
