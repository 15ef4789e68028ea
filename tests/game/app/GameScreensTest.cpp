#include <gtest/gtest.h>

#include <memory>

#include "engine/resources/ResourceManager.hpp"
#include "game/app/GameScreens.hpp"
#include "game/scene/ChronaScene.hpp"
#include "game/story/cutscenes/SceneIntro.hpp"
#include "support/FakeTexture.hpp"
#include "tests/game/menus/MenuFixture.hpp"

namespace {

class GameScreensIntro : public MenuFixture {
protected:
    // Whether the factory gives a caption for the scene (the screen is not kept).
    bool introduces(int sceneId) {
        std::unique_ptr<ScreenBase> intro(screens_.sceneIntro(sceneId, nullptr));
        return dynamic_cast<SceneIntro*>(intro.get()) != nullptr;
    }

    GameScreens screens_;
};

}  // namespace

TEST_F(GameScreensIntro, AScenesCaptionShowsOnArrivalNotWhenItIsBuiltAgainForItsNextStep) {
    EXPECT_TRUE(introduces(100));
    EXPECT_FALSE(introduces(100)) << "the same scene going on";
    EXPECT_TRUE(introduces(200)) << "through the portal to the past";
    EXPECT_TRUE(introduces(100)) << "and back";
    std::unique_ptr<ScreenBase>(screens_.mainMenu());
    EXPECT_TRUE(introduces(100)) << "continued from the main menu";
    std::unique_ptr<ScreenBase>(screens_.map(nullptr, 0, -1));
    EXPECT_TRUE(introduces(100)) << "chosen on the map";
}

TEST_F(GameScreensIntro, ASceneReachedThroughThePortalOpensWithoutACaption) {
    EXPECT_TRUE(introduces(100));
    app_->getResourceManager()->addTexture(ChronaScene::PresentGrab, new FakeTexture(8, 8, 8, 8));
    EXPECT_FALSE(introduces(200));
    app_->getResourceManager()->deleteTexture(ChronaScene::PresentGrab);
    EXPECT_TRUE(introduces(200));
}
