#include "game/story/cutscenes/StoryMusic.hpp"

#include "engine/audio/Music.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "game/menus/MenuServices.hpp"

namespace StoryMusic {

void play(ResourceManager& resources, int musicId) {
    if (musicId == -1) {
        return;
    }
    if (Music* music = MenuServices::current().sceneMusic(musicId)) {
        resources.addMusic("STORY_MUSIC", music);
        music->load();
        music->play(-1);
    }
}

}  // namespace StoryMusic
