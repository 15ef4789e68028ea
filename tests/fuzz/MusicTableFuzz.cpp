// libFuzzer target: the scene music table, music.xml.
// Seeds: content/config/scene/music.xml tests/data/music.xml
#include <cstdint>

#include "engine/audio/catalogue/SceneMusicTable.hpp"
#include "engine/core/RandomSource.hpp"
#include "support/FuzzInputFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SeededRandom random(1);
    SceneMusicTable table(random);
    table.load(FuzzInputFile::write(data, size, "music.xml"));
    for (int scene : {0, 1, 100, 200}) {
        table.musicFor(scene);
    }
    return 0;
}
