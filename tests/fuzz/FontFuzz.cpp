// libFuzzer target: a bitmap font description (.fnt), its pages read through
// the CPU texture factory and its glyphs measured and laid out.
// Seeds: content/fonts/*.fnt tests/data/*.fnt
#include <cstdint>

#include "engine/render/CpuTextureFactory.hpp"
#include "engine/text/AngelFont.hpp"
#include "support/FuzzInputFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CpuTextureFactory textures;
    AngelFont font(FuzzInputFile::write(data, size, "font.fnt"), &textures);
    font.textWidth("AVA Wa, Tö.\xe9\xff");
    return 0;
}
