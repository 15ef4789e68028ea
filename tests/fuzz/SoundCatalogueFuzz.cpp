// libFuzzer target: the sound effect catalogue, sfx.xml, with silent sounds.
// Seeds: content/config/sfx.xml tests/data/sfx.xml
#include <cstdint>
#include <memory>

#include "engine/audio/catalogue/SfxContainer.hpp"
#include "engine/audio/Sound.hpp"
#include "engine/core/RandomSource.hpp"
#include "support/FuzzInputFile.hpp"

namespace {

class SilentSound : public Sound {
public:
    void load() override {}
    void play() override {}
    void play(int) override {}
    void fadeIn(int, int) override {}
    void fadeOut(int) override {}
    void stop() override {}
    bool isPlaying() override { return false; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SeededRandom random(1);
    SfxContainer catalogue(random, [](const std::string&) { return std::make_unique<SilentSound>(); });
    catalogue.load(FuzzInputFile::write(data, size, "sfx.xml"));
    catalogue.play("CLICK");
    return 0;
}
