// libFuzzer target: the map layout, NewMapScreen.xml.
// Seeds: content/config/NewMapScreen.xml tests/data/story/Map*.xml
#include <cstdint>

#include "game/story/map/MapFile.hpp"
#include "support/FuzzInputFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MapFile map;
    map.load(FuzzInputFile::write(data, size, "NewMapScreen.xml"));
    for (const MapFile::Pin& pin : map.pins()) {
        map.find(pin.sceneId);
    }
    return 0;
}
