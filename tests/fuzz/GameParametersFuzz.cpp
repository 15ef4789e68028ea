// libFuzzer target: the key = value parameter file, GameParameters.cfg.
// Seeds: content/config/GameParameters.cfg tests/data/GameParameters.cfg
#include <cstdint>

#include "engine/config/ConfigFile.hpp"
#include "support/FuzzInputFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ConfigFile parameters(FuzzInputFile::write(data, size, "GameParameters.cfg"));
    parameters.readInt("HintRechargeTime", 0);
    parameters.readBool("ShowCursor", false);
    parameters.readString("StartScene", "");
    return 0;
}
