#pragma once

#include "game/story/flow/ScreenFactory.hpp"

// The game's screens: the creators of every flow type and the screens that
// others open. Content that is not built yet (a dialogue file, a minigame
// board) is stood in for by a placeholder that names its type and file and
// leads on the way the real screen would, so the whole flow can be walked.
class GameScreens : public ScreenFactory {
public:
    void registerCreators(GameFlow& flow) override;

    ScreenBase* logos() override;
    ScreenBase* mainMenu() override;
    ScreenBase* inGameMenu(InGameMenuListener* listener) override;
    ScreenBase* quitDialog() override;
    ScreenBase* options() override;
    ScreenBase* credits() override;
    ScreenBase* profilesMenu() override;
    ScreenBase* map(NewMapScreenListener* listener, int view, int mode) override;
    ScreenBase* pieceFound(int location) override;
    ScreenBase* afterCompletedScene() override;
    // The caption of a scene the player arrives at; none for the scene just
    // introduced until the player has been to the main menu or the map.
    ScreenBase* sceneIntro(int sceneId, SceneIntroListener* listener) override;

private:
    int introducedScene_ = -1;
};
