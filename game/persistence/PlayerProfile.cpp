#include "game/persistence/PlayerProfile.hpp"

#include <algorithm>

#include "engine/core/RandomSource.hpp"
#include "engine/persistence/Buffer.hpp"

namespace {

// Fisher-Yates over [first, end): every order equally likely.
void shuffleFrom(std::vector<int>& values, std::size_t first, RandomSource& random) {
    for (std::size_t i = values.size(); i > first + 1; --i) {
        const auto j = first + static_cast<std::size_t>(random.below(static_cast<int>(i - first)));
        std::swap(values[i - 1], values[j]);
    }
}

void writeFlags(Buffer& out, const std::map<int, bool>& flags) {
    out.writeInt32(static_cast<std::int32_t>(flags.size()));
    for (const auto& [key, value] : flags) {
        out.writeInt32(key);
        out.writeBool(value);
    }
}

void writeInts(Buffer& out, const std::vector<int>& values) {
    out.writeInt32(static_cast<std::int32_t>(values.size()));
    for (const int value : values) {
        out.writeInt32(value);
    }
}

void readFlags(Buffer& in, std::map<int, bool>& flags) {
    in.readList([&] {
        const int key = in.readInt32();
        flags[key] = in.readBool();
    });
}

void readInts(Buffer& in, std::vector<int>& values) {
    values.clear();
    in.readList([&] { values.push_back(in.readInt32()); });
}

bool& flagOf(LocationEntry& entry, PlayerProfile::Flag flag) {
    switch (flag) {
    case PlayerProfile::Flag::First:
        return entry.firstFlag;
    case PlayerProfile::Flag::Second:
        return entry.secondFlag;
    case PlayerProfile::Flag::Third:
        break;
    }
    return entry.thirdFlag;
}

}  // namespace

PlayerProfile::PlayerProfile(std::string profileName, const std::vector<int>& sceneIds,
                             const std::vector<int>& pieceIds, RandomSource& random)
    : name(std::move(profileName)) {
    for (const int id : sceneIds) {
        if (id < 100 || id > 219) {
            continue;
        }
        sceneUse[id] = false;
        const int location = id < 200 ? id - 100 : id - 200;
        if (std::find(locationOrder.begin(), locationOrder.end(), location) == locationOrder.end()) {
            locationOrder.push_back(location);
        }
    }
    shuffleFrom(locationOrder, 1, random);
    pieceOrder = pieceIds;
    shuffleFrom(pieceOrder, 0, random);
}

void PlayerProfile::resetProgress(RandomSource& random) {
    flowPosition = 0;
    shuffleFrom(locationOrder, 1, random);
    locationCursor = -1;
    currentSession = -1;
    currentScene = -1;
    sceneCarryOver = 0;
    started = false;
    score = 0;
    for (auto& entry : sceneUse) {
        entry.second = false;
    }
    sessions.clear();
    piecesShown.clear();
}

SessionRecord* PlayerProfile::currentSessionRecord() const {
    for (const auto& session : sessions) {
        if (session->id == currentSession) {
            return session.get();
        }
    }
    return nullptr;
}

bool PlayerProfile::isSceneCompleted(int sceneId) const {
    for (const auto& session : sessions) {
        for (const auto& entry : session->locations) {
            const SceneState& state = sceneId < 200 ? entry->present : entry->past;
            if (state.sceneId == sceneId && state.isFinished()) {
                return true;
            }
        }
    }
    return false;
}

bool PlayerProfile::locationFlag(int locationNumber, Flag flag) const {
    const SessionRecord* session = currentSessionRecord();
    LocationEntry* entry = session ? session->findLocation(locationNumber) : nullptr;
    return entry && flagOf(*entry, flag);
}

void PlayerProfile::setLocationFlag(int locationNumber, Flag flag, bool value) {
    const SessionRecord* session = currentSessionRecord();
    LocationEntry* entry = session ? session->findLocation(locationNumber) : nullptr;
    if (!entry) {
        return;
    }
    flagOf(*entry, flag) = value;
    if (flag == Flag::First && value) {
        entry->past.opened = true;
    }
}

void PlayerProfile::write(Buffer& out) const {
    out.writeString(name);
    out.writeBool(started);
    out.writeInt32(flowPosition);
    out.writeInt32(sceneCarryOver);
    out.writeInt32(currentSession);
    out.writeInt32(currentScene);
    writeFlags(out, sceneUse);
    writeInts(out, locationOrder);
    out.writeInt32(locationCursor);
    out.writeInt32(static_cast<std::int32_t>(sessions.size()));
    for (const auto& session : sessions) {
        session->write(out);
    }
    writeFlags(out, piecesShown);
    writeInts(out, pieceOrder);
    out.writeInt32(pieceCursor);
    out.writeInt32(reserved);
    out.writeInt32(score);
}

void PlayerProfile::read(Buffer& in) {
    name = in.readString();
    started = in.readBool();
    flowPosition = in.readInt32();
    sceneCarryOver = in.readInt32();
    currentSession = in.readInt32();
    currentScene = in.readInt32();
    readFlags(in, sceneUse);
    readInts(in, locationOrder);
    locationCursor = in.readInt32();
    in.readList([&] {
        auto session = std::make_unique<SessionRecord>();
        session->read(in);
        sessions.push_back(std::move(session));
    });
    readFlags(in, piecesShown);
    readInts(in, pieceOrder);
    pieceCursor = in.readInt32();
    reserved = in.readInt32();
    score = in.readInt32();
}
