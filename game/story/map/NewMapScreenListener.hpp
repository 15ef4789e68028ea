#pragma once

// The scene that opened the map hears what the player did there.
class NewMapScreenListener {
public:
    enum Action {
        SameScene = 0,    // the scene that opened the map was chosen again
        OtherScene = 1,   // another scene was chosen (sceneId)
        MainMenu = 2,     // the player asked for the main menu
        Closed = 3,       // the map was left without a choice
    };

    virtual ~NewMapScreenListener() = default;
    virtual void mapAction(int action, int sceneId) = 0;
};
