// libFuzzer target: the animation list of a cut-scene.
// Seeds: content/animations/CutScenes/*.xml tests/data/story/dialogue/animations/Cut/List.xml
#include <cstdint>

#include "game/story/cutscenes/CutsceneList.hpp"
#include "support/FuzzInputFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CutsceneList::read(FuzzInputFile::write(data, size, "cutscene.xml"));
    return 0;
}
