// libFuzzer target: a scene's item file.
// Seeds: content/scenes/*.xml tests/data/hoscene/scenes/*.xml tests/data/content-broken/scenes/*.xml
#include <cstdint>

#include "game/scene/data/SceneIndexEntry.hpp"
#include "game/scene/data/SceneItemLoader.hpp"
#include "support/FuzzInputFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = FuzzInputFile::write(data, size, "items.xml");
    SceneIndexEntry entry;
    entry.path = path.substr(0, path.rfind('/') + 1);
    entry.fileName = "items";
    SceneItemLoader::readItemFile(entry, "EN");
    return 0;
}
