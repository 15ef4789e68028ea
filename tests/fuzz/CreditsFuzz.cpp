// libFuzzer target: the credits file.
// Seeds: content/config/credits.xml assets/content/config/credits.xml
#include <cstdint>

#include "game/story/cutscenes/CreditsFile.hpp"
#include "support/FuzzInputFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CreditsFile credits;
    credits.load(FuzzInputFile::write(data, size, "credits.xml"));
    return 0;
}
