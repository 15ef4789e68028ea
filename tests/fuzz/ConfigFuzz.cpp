// libFuzzer target: the start-up configuration, config.xml.
// Seeds: content/config/config.xml tests/data/config.xml assets/content/config.xml
#include <cstdint>

#include "engine/config/Config.hpp"
#include "support/FuzzInputFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Config::reset();
    Config& loaded = Config::instance();
    loaded.load(FuzzInputFile::write(data, size, "config.xml"));
    loaded.reapplyCursor();
    return 0;
}
