// libFuzzer target: the scene index, sceneIndex.xml.
// Seeds: content/config/scene/sceneIndex.xml tests/data/sceneIndex.xml
#include <cstdint>

#include "game/scene/data/SceneIndex.hpp"
#include "support/FuzzInputFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SceneIndex index;
    index.load(FuzzInputFile::write(data, size, "sceneIndex.xml"));
    for (int id : index.idsInFileOrder()) {
        index.find(id)->itemFilePath("DE");
    }
    return 0;
}
