#include "game/content/MapCheck.hpp"

#include <set>
#include <string>

#include "game/scene/data/SceneIndex.hpp"
#include "game/story/map/MapFile.hpp"

void MapCheck::run() {
    const std::string file = files_.path(MapFile::FileName);
    if (!files_.exists(MapFile::FileName)) {
        files_.report().add(file, 0, "the map file is missing");
        return;
    }
    MapFile map;
    map.load();
    SceneIndex index;
    index.load("content/config/scene/sceneIndex.xml");
    std::set<int> pinned;
    for (const MapFile::Pin& pin : map.pins()) {
        const std::string scene = std::to_string(pin.sceneId);
        if (!pinned.insert(pin.sceneId).second) {
            files_.report().add(file, pin.line, "the scene " + scene + " has a pin already");
        }
        if (!index.find(pin.sceneId)) {
            files_.report().add(file, pin.line, "the scene " + scene + " is not in the scene index");
        }
        files_.require(map.path() + pin.normal, MapFile::FileName, pin.line, "the location card");
        files_.require(map.path() + pin.highlighted, MapFile::FileName, pin.line, "the location card");
        labels_.use("SCENE_" + scene, MapFile::FileName, pin.line);
        labels_.use("SCENE_DESCRIPTION_" + scene, MapFile::FileName, pin.line);
    }
    for (int id : index.idsInFileOrder()) {
        if (!pinned.count(id)) {
            files_.report().add(file, 0, "the scene " + std::to_string(id) + " has no pin on the map");
        }
    }
}
