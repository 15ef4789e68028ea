// libFuzzer target: a story dialogue file, read and played to its end with
// clicks and time.
// Seeds: content/story/dialogs/*.xml tests/data/story/dialogue/story/dialogs/*.xml
#include <cstdint>

#include "engine/animation/AnimationPlayer.hpp"
#include "engine/render/CpuTextureFactory.hpp"
#include "game/story/dialogue/Dialog.hpp"
#include "support/FuzzInputFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CpuTextureFactory textures;
    AnimationPlayer player(nullptr, &textures);
    Dialog dialog(FuzzInputFile::write(data, size, "dialog.xml"), textures);
    dialog.attach(&player, nullptr);
    dialog.release();
    for (int frame = 0; frame < 64 && !dialog.isFinished(); ++frame) {
        dialog.click();
        dialog.update(250, nullptr);
    }
    return 0;
}
