#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/config/Config.hpp"
#include "engine/config/ConfigFile.hpp"
#include "engine/core/ContentPath.hpp"
#include "engine/render/GLTextureFactory.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/PngWriter.hpp"
#include "engine/render/SDLSurfaceImage.hpp"
#include "engine/text/LabelManager.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "game/scene/ChronaScene.hpp"
#include "game/scene/controls/ScoreWidget.hpp"
#include "game/scene/controls/TimerWidget.hpp"
#include "game/scene/data/Item.hpp"
#include "game/scene/data/ItemRegistry.hpp"
#include "game/scene/data/SceneIndex.hpp"
#include "game/scene/play/SceneTrial.hpp"
#include "game/scene/renderers/ItemRenderer.hpp"
#include "game/scene/renderers/ItemRendererFactory.hpp"
#include "support/GLWindow.hpp"
#include "support/MouseEvents.hpp"
#include "support/TestApp.hpp"

namespace {

void save(const SDLSurfaceImage& shot, const std::string& name) {
    writePng(shot.getSurface(), std::string(CHRONA_BINARY_DIR) + "/tmp/" + name);
}

int brightness(const Color& c) {
    return c.r + c.g + c.b;
}

// The whole 1024 x 768 canvas of the scene, drawn tile by tile through the
// small test window (a screen draws from its own origin, so the origin
// follows the tile), with extra drawn over it.
std::unique_ptr<SDLSurfaceImage> photograph(ChronaScene& scene, const std::function<void(Graphics&)>& extra) {
    int tile = 0;
    auto shot = GLWindow::get().photograph(1024, 768, [&](Graphics& g) {
        const int columns = (1024 + GLWindow::Width - 1) / GLWindow::Width;
        scene.setOffsets(-(tile % columns) * GLWindow::Width, -(tile / columns) * GLWindow::Height);
        ++tile;
        scene.draw(&g);
        extra(g);
    });
    scene.setOffsets(0, 0);
    return shot;
}

// The shipped content in a windowless application drawn through the test
// window; each test plays scenes of it with a run-only profile.
class ChronaSceneGL : public ::testing::Test {
protected:
    void SetUp() override {
        GLWindow::get();
        Config::reset();
        Config::instance().setContentFolder(CHRONA_CONTENT_DIR);
        Config::instance().load(ContentPath::resolve("content/config/config.xml"));
        app.getLabelManager()->load(Config::instance().getLabelsFile());
        ItemRegistry::reset();
        SceneIndex::reset();
        PlayerProfiles::reset();
        SceneIndex::instance().load(ContentPath::resolve("content/config/scene/sceneIndex.xml"));
        parameters = std::make_unique<ConfigFile>(ContentPath::resolve("content/config/GameParameters.cfg"));
    }
    void TearDown() override {
        app.leaveAllStates();
        PlayerProfiles::reset();
        ItemRegistry::reset();
        ItemRendererFactory::reset();
        SceneIndex::reset();
        Config::reset();
    }

    ChronaScene* start(int sceneId) {
        ChronaScene* scene = SceneTrial::start(sceneId);
        scene->setTextureFactory(std::make_unique<GLTextureFactory>());
        scene->setGameParameters(parameters.get());
        scene->setSaveAction([] {});
        app.startState(scene);
        return scene;
    }
    void run(int ms) {
        for (int t = 0; t < ms; t += 16) {
            app.updateStates(16);
        }
    }

    TestApp app{1024, 768};
    std::unique_ptr<ConfigFile> parameters;
};

}  // namespace

// The first present scene of the shipped content played for a few seconds:
// its timer running and score counting, then five misses and the pointer's
// spiral (its path drawn over the scene).
TEST_F(ChronaSceneGL, PresentSceneWithTimerScoreAndPenaltySpiral) {
    ChronaScene* scene = start(101);
    run(1500);
    ASSERT_TRUE(scene->hasTimeChallenge());
    for (int i = 0; i < 2; ++i) {
        for (Item* goal : ItemRegistry::instance().items(ItemRegistry::Goals, 101)) {
            if (goal->getRenderer() && goal->getRenderer()->isEnabled()) {
                const IntRect& b = goal->getRenderer()->getBounds();
                clickAt([&](const MouseEvent& e) { app.deliverMouse(e); }, b.x + b.w / 2, b.y + b.h / 2);
                app.updateStates(16);
                break;
            }
        }
    }
    run(20000);
    EXPECT_EQ(scene->getScoreWidget()->getValue(), 2 * parameters->readInt("Points.ItemFound", 0));
    EXPECT_LT(scene->getTimer()->getRemaining(), 300000 - 20000);

    const auto playing = photograph(*scene, [](Graphics&) {});
    save(*playing, "chrona-scene101-timer-score.png");
    EXPECT_GT(brightness(playing->getPixel(512, 30)), 0) << "the timer at the top";
    EXPECT_GT(brightness(playing->getPixel(100, 36)), 0) << "the score at the top left";

    for (int i = 0; i < 5; ++i) {
        clickAt([&](const MouseEvent& e) { app.deliverMouse(e); }, 1010, 100);
        app.updateStates(16);
    }
    ASSERT_TRUE(scene->getPenalty().isRunning());
    std::vector<Point> path;
    for (int t = 0; t < 1600; t += 16) {
        app.updateStates(16);
        path.push_back(app.getLastMousePosition());
    }
    const auto spiral = photograph(*scene, [&](Graphics& g) {
        for (std::size_t i = 1; i < path.size(); ++i) {
            g.drawLine(path[i - 1], path[i], 3.0f, true, Color(255, 220, 60));
        }
    });
    save(*spiral, "chrona-scene101-penalty-spiral.png");
    const Point last = path.back();
    EXPECT_GT(std::hypot(last.x - 400.0f, last.y - 300.0f), 150.0f);
}

// Each kind of message over a scene: the parchment dialog with its caption,
// its text naming the scene and its button, where the scene was before.
TEST_F(ChronaSceneGL, EveryNotificationKindIsShownOverTheScene) {
    for (int kind = ChronaScene::PastUnlocked; kind <= ChronaScene::TryAgain; ++kind) {
        SCOPED_TRACE("notification " + std::to_string(kind));
        ChronaScene* scene = start(kind < ChronaScene::PresentUnlocked ? 201 : 101);
        run(800);
        const auto bare = photograph(*scene, [](Graphics&) {});
        scene->showNotification(kind);
        run(1500);
        ASSERT_NE(scene->getNotice(), nullptr);
        const auto shown = photograph(*scene, [](Graphics&) {});
        save(*shown, "chrona-notification-" + std::to_string(kind) + ".png");
        int changed = 0;
        for (int y = 250; y < 520; y += 10) {
            for (int x = 340; x < 690; x += 10) {
                changed += brightness(shown->getPixel(x, y)) != brightness(bare->getPixel(x, y)) ? 1 : 0;
            }
        }
        EXPECT_GT(changed, 700) << "the dialog covers the middle of the screen";
        app.leaveAllStates();
        ItemRegistry::instance().clear();
    }
}
