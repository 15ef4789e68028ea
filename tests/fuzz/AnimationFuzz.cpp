// libFuzzer target: a key-frame animation file, loaded, played and advanced
// through its time line.
// Seeds: content/animations/*.xml tests/data/animations/*.xml assets/content/animations/*.xml
#include <cstdint>

#include "engine/animation/Animation2D.hpp"
#include "engine/animation/AnimationPlayer.hpp"
#include "engine/render/CpuTextureFactory.hpp"
#include "support/FuzzInputFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CpuTextureFactory textures;
    AnimationPlayer player(nullptr, &textures);
    Animation2D* animation = player.loadAnimation(FuzzInputFile::write(data, size, "anim.xml"), 1);
    player.playAnimation(1);
    for (int frame = 0; frame < 8; ++frame) {
        animation->update(250, nullptr);
    }
    player.stopAnimation(1);
    return 0;
}
