// libFuzzer target: a location's mechanics file.
// Seeds: content/config/scene/mech_*.xml tests/data/mech_*.xml
#include <cstdint>

#include "game/scene/data/SceneMechanics.hpp"
#include "support/FuzzInputFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SceneMechanics mechanics;
    mechanics.load(FuzzInputFile::write(data, size, "mech_location01_present.xml"));
    for (int i = 0; i < mechanics.size(); ++i) {
        mechanics.step(i)->attribute("type");
    }
    return 0;
}
