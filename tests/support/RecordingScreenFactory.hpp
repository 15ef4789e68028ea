#pragma once

#include <string>
#include <vector>

#include "game/story/flow/ScreenFactory.hpp"
#include "support/FakeScreen.hpp"

class GameFlow;

// A screen factory whose screens are fakes named after the request
// ("mainMenu", "map:VIEW:MODE:listened", "piece:LOCATION" ...); it keeps the
// names in order and the listeners it was given. Scene intros give none.
class RecordingScreenFactory : public ScreenFactory {
public:
    void registerCreators(GameFlow& /*flow*/) override {}
    ScreenBase* logos() override { return make("logos"); }
    ScreenBase* mainMenu() override { return make("mainMenu"); }
    ScreenBase* inGameMenu(InGameMenuListener* listener) override {
        menuListener = listener;
        return make("inGameMenu");
    }
    ScreenBase* quitDialog() override { return make("quitDialog"); }
    ScreenBase* options() override { return make("options"); }
    ScreenBase* credits() override { return make("credits"); }
    ScreenBase* profilesMenu() override { return make("profilesMenu"); }
    ScreenBase* map(NewMapScreenListener* listener, int view, int mode) override {
        mapListener = listener;
        return make("map:" + std::to_string(view) + ":" + std::to_string(mode) + (listener ? ":listened" : ""));
    }
    ScreenBase* pieceFound(int location) override { return make("piece:" + std::to_string(location)); }
    ScreenBase* afterCompletedScene() override { return make("afterCompletedScene"); }
    ScreenBase* sceneIntro(int /*sceneId*/, SceneIntroListener* /*listener*/) override { return nullptr; }

    std::vector<std::string> made;
    InGameMenuListener* menuListener = nullptr;
    NewMapScreenListener* mapListener = nullptr;

protected:
    ScreenBase* make(const std::string& name) {
        made.push_back(name);
        return new FakeScreen(name, FlowParameters());
    }
};
