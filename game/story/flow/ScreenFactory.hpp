#pragma once

class GameFlow;
class InGameMenuListener;
class NewMapScreenListener;
class ScreenBase;
class SceneIntroListener;

// The one place that knows the concrete screens. The flow builds the screens
// of its list through the creators registered here; every other screen a
// screen opens (a menu over a scene, the quit question, the map from a
// scene) comes from the same factory, so no screen names another. Every
// operation hands over a new screen the caller pushes, or none when the
// screen cannot be built. The game installs it in the flow
// (GameFlow::setScreenFactory); logic tests may install their own.
class ScreenFactory {
public:
    virtual ~ScreenFactory() = default;

    // Registers a creator for every type name of the flow and of its rules.
    virtual void registerCreators(GameFlow& flow) = 0;

    virtual ScreenBase* logos() = 0;
    virtual ScreenBase* mainMenu() = 0;
    virtual ScreenBase* inGameMenu(InGameMenuListener* listener) = 0;
    virtual ScreenBase* quitDialog() = 0;
    virtual ScreenBase* options() = 0;
    virtual ScreenBase* credits() = 0;
    virtual ScreenBase* profilesMenu() = 0;
    // The map over a scene (listener set) or on its own; mode -1 is the
    // normal map, 100 and 101 the main menu's modes.
    virtual ScreenBase* map(NewMapScreenListener* listener, int view, int mode) = 0;
    // The painting with the piece of a completed location, or (location -1)
    // the painting as it stands.
    virtual ScreenBase* pieceFound(int location) = 0;
    // Where a session goes on when the game was left on a scene already
    // completed: the scene again while the location's other scene is still
    // to be played (its ending leads there), else the location's piece if
    // the player has not had it yet,
    // else what follows the piece (the next location, the map or the next
    // flow entry).
    virtual ScreenBase* afterCompletedScene() = 0;
    // The caption over a scene as it opens; none when there is nothing to show.
    virtual ScreenBase* sceneIntro(int sceneId, SceneIntroListener* listener) = 0;
};
