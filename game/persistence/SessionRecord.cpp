#include "game/persistence/SessionRecord.hpp"

#include "engine/persistence/Buffer.hpp"

LocationEntry* SessionRecord::findLocation(int locationNumber) const {
    for (const auto& entry : locations) {
        if (entry->location == locationNumber) {
            return entry.get();
        }
    }
    return nullptr;
}

SceneState* SessionRecord::findSceneState(int sceneId) const {
    for (const auto& entry : locations) {
        if (entry->present.sceneId == sceneId) {
            return &entry->present;
        }
        if (entry->past.sceneId == sceneId) {
            return &entry->past;
        }
    }
    return nullptr;
}

void SessionRecord::write(Buffer& out) const {
    out.writeInt32(id);
    out.writeInt32(static_cast<std::int32_t>(locations.size()));
    for (const auto& entry : locations) {
        entry->write(out);
    }
}

void SessionRecord::read(Buffer& in) {
    id = in.readInt32();
    mapScene = -1;
    locations.clear();
    in.readList([&] {
        auto entry = std::make_unique<LocationEntry>();
        entry->read(in);
        locations.push_back(std::move(entry));
    });
}
