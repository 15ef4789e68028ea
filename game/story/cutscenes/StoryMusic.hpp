#pragma once

class ResourceManager;

// The music of a story screen: the scene-music catalogue's piece for an id
// (-1 keeps what plays), kept in the screen's resources and played in a loop.
namespace StoryMusic {

void play(ResourceManager& resources, int musicId);

}  // namespace StoryMusic
