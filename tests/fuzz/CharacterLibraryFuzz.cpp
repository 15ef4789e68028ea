// libFuzzer target: a character library of the story dialogues, read, and
// each character made to enter, talk, stop and leave.
// Seeds: content/story/characters/*.xml tests/data/story/dialogue/story/characters/Characters.xml
#include <cstdint>

#include "engine/animation/AnimationPlayer.hpp"
#include "engine/render/CpuTextureFactory.hpp"
#include "game/story/dialogue/CharacterLibrary.hpp"
#include "support/FuzzInputFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CpuTextureFactory textures;
    AnimationPlayer player(nullptr, &textures);
    CharacterLibrary library;
    library.load(FuzzInputFile::write(data, size, "characters.xml"));
    int slot = 0;
    for (const auto& entry : library.characters()) {
        DialogCharacter& character = *entry.second;
        character.attach(&player, nullptr, slot);
        slot += DialogCharacter::AnimationCount;
        character.playAnimation(DialogCharacter::EntryAnimation);
        character.talk("words", true);
        character.update(400);
        character.endTalk();
        character.update(600);
        character.playAnimation(DialogCharacter::LeaveAnimation);
    }
    return 0;
}
