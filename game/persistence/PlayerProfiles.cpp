#include "game/persistence/PlayerProfiles.hpp"

#include <algorithm>

#include "engine/core/ProcessRandom.hpp"
#include "engine/persistence/Buffer.hpp"
#include "engine/persistence/FileSaveGame.hpp"
#include "game/scene/data/SceneIndex.hpp"
#include "game/story/pieces/PiecesFile.hpp"

namespace {

void writeInt(SaveGame& store, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    const unsigned char bytes[4] = {static_cast<unsigned char>(u & 0xFF), static_cast<unsigned char>((u >> 8) & 0xFF),
                                    static_cast<unsigned char>((u >> 16) & 0xFF), static_cast<unsigned char>(u >> 24)};
    store.writeBytes(bytes, 4);
}

std::int32_t readInt(SaveGame& store) {
    unsigned char bytes[4] = {};
    store.readBytes(bytes, 4);
    return static_cast<std::int32_t>(bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                                      (static_cast<std::uint32_t>(bytes[3]) << 24));
}

Buffer* fileImage(SaveGame& store) {
    auto* file = dynamic_cast<FileSaveGame*>(&store);
    return file ? file->image() : nullptr;
}

}  // namespace

PlayerProfiles::PlayerProfiles() : random_(&ProcessRandom::instance()) {}

PlayerProfiles::~PlayerProfiles() = default;

void PlayerProfiles::setContent(const SceneIndex& index, const PiecesFile& pieces) {
    sceneIds_ = index.idsInFileOrder();
    pieceIds_ = pieces.pieceIds();
}

void PlayerProfiles::linkFlowPosition(std::function<int()> get, std::function<void(int)> set) {
    getFlowPosition_ = std::move(get);
    setFlowPosition_ = std::move(set);
}

PlayerProfile* PlayerProfiles::currentProfile() const {
    return at(current_);
}

PlayerProfile* PlayerProfiles::at(int index) const {
    return index >= 0 && index < count() ? profiles_[static_cast<std::size_t>(index)].get() : nullptr;
}

PlayerProfile& PlayerProfiles::add(const std::string& name) {
    profiles_.push_back(std::make_unique<PlayerProfile>(name, sceneIds_, pieceIds_, *random_));
    return *profiles_.back();
}

void PlayerProfiles::select(int index) {
    current_ = at(index) ? index : -1;
    if (current_ >= 0 && setFlowPosition_) {
        setFlowPosition_(profiles_[static_cast<std::size_t>(current_)]->flowPosition);
    }
}

PlayerProfile& PlayerProfiles::addTransient(const std::string& name) {
    currentBeforeTransient_ = current_;
    PlayerProfile& profile = add(name);
    transient_ = &profile;
    select(count() - 1);
    return profile;
}

void PlayerProfiles::remove(int index) {
    if (!at(index)) {
        return;
    }
    if (at(index) == transient_) {
        transient_ = nullptr;
    }
    profiles_.erase(profiles_.begin() + index);
    if (current_ == index) {
        current_ = -1;
    } else if (current_ > index) {
        --current_;
    }
}

PlayerProfiles::NameCheck PlayerProfiles::checkName(const std::string& name, const std::string& prompt,
                                                    bool renaming) const {
    if (name.empty() || name == prompt) {
        return NameCheck::Invalid;
    }
    for (const auto& profile : profiles_) {
        if (profile->name == name) {
            return renaming ? NameCheck::Invalid : NameCheck::Exists;
        }
    }
    return NameCheck::Valid;
}

bool PlayerProfiles::writeTo(SaveGame& store) {
    writeInt(store, count() - (transient_ ? 1 : 0));
    PlayerProfile* current = currentProfile();
    if (current && !isTransient(current) && getFlowPosition_) {
        current->flowPosition = getFlowPosition_();
    }
    if (Buffer* image = fileImage(store)) {
        for (const auto& profile : profiles_) {
            if (profile.get() != transient_) {
                profile->write(*image);
            }
        }
    }
    int saved = isTransient(current) ? currentBeforeTransient_ : current_;
    // The profiles behind the transient one move up a place in the file.
    const auto place = std::find_if(profiles_.begin(), profiles_.end(),
                                    [this](const std::unique_ptr<PlayerProfile>& p) { return p.get() == transient_; });
    if (transient_ && saved > static_cast<int>(place - profiles_.begin())) {
        --saved;
    }
    writeInt(store, saved);
    return true;
}

bool PlayerProfiles::readFrom(SaveGame& store) {
    profiles_.clear();
    current_ = -1;
    transient_ = nullptr;
    if (Buffer* image = fileImage(store)) {
        image->readList([&] {
            PlayerProfile& profile = add(std::string());
            profile.read(*image);
        });
    } else {
        readInt(store);
    }
    select(readInt(store));
    return true;
}
