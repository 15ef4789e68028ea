#include "game/persistence/SceneState.hpp"

#include "engine/persistence/Buffer.hpp"

namespace {

void writeItems(Buffer& out, const SceneState::ItemList& items) {
    out.writeInt32(static_cast<std::int32_t>(items.size()));
    for (const auto& item : items) {
        out.writeInt32(item.first);
        out.writeInt32(item.second);
    }
}

void readItems(Buffer& in, SceneState::ItemList& items) {
    items.clear();
    in.readList([&] {
        const int first = in.readInt32();
        items.emplace_back(first, in.readInt32());
    });
}

}  // namespace

void SceneState::write(Buffer& out) const {
    out.writeInt32(sceneId);
    out.writeInt32(badge);
    out.writeInt32(points);
    out.writeInt32(remainingTime);
    out.writeInt32(attempts);
    out.writeBool(completed);
    out.writeBool(opened);
    writeItems(out, collectedItems);
    writeItems(out, goalItems);
    writeItems(out, extraItems);
}

void SceneState::read(Buffer& in) {
    sceneId = in.readInt32();
    badge = in.readInt32();
    points = in.readInt32();
    remainingTime = in.readInt32();
    attempts = in.readInt32();
    completed = in.readBool();
    opened = in.readBool();
    readItems(in, collectedItems);
    readItems(in, goalItems);
    readItems(in, extraItems);
}
