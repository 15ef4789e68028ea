#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/config/Config.hpp"
#include "engine/config/ConfigFile.hpp"
#include "engine/core/ContentPath.hpp"
#include "engine/render/PngWriter.hpp"
#include "engine/render/SDLSurfaceImage.hpp"
#include "game/scene/renderers/CountStackGoalRenderer.hpp"
#include "game/scene/data/ItemRegistry.hpp"
#include "game/scene/renderers/ItemRendererFactory.hpp"
#include "game/scene/data/SceneIndex.hpp"
#include "game/scene/TestScene.hpp"
#include "support/GLWindow.hpp"
#include "support/TestApp.hpp"

namespace {

namespace fs = std::filesystem;

// A content folder joining the fixture scenes with the baked panel art.
std::string joinedContent() {
    const fs::path dir = fs::path(CHRONA_BINARY_DIR) / "tmp" / "scene-content";
    fs::remove_all(dir);
    fs::create_directories(dir / "images");
    const fs::path fixture = fs::path(CHRONA_TEST_DATA_DIR) / "hoscene";
    fs::create_directory_symlink(fixture / "config", dir / "config");
    fs::create_directory_symlink(fixture / "scenes", dir / "scenes");
    fs::create_directory_symlink(fs::path(CHRONA_CONTENT_DIR) / "images" / "scenegui", dir / "images" / "scenegui");
    fs::create_directory_symlink(fs::path(CHRONA_CONTENT_DIR) / "images" / "effects", dir / "images" / "effects");
    return dir.string();
}

bool near(const Color& a, const Color& b) {
    return std::abs(a.r - b.r) <= 12 && std::abs(a.g - b.g) <= 12 && std::abs(a.b - b.b) <= 12;
}

}  // namespace

TEST(SceneGL, FixtureSceneWithItsGoalPanel) {
    TestApp app(1024, 768);
    GLWindow& window = GLWindow::get();
    Config::reset();
    Config::instance().setContentFolder(joinedContent());
    Config::instance().load(ContentPath::resolve("content/config/config.xml"));
    ItemRegistry::reset();
    SceneIndex::reset();
    SceneIndex::instance().load(ContentPath::resolve("content/config/scene/sceneIndex.xml"));
    ConfigFile parameters(ContentPath::resolve("content/config/GameParameters.cfg"));

    auto* scene = new TestScene(101, "content/config/s101/", "renderers.xml", "mech_keys.xml", "groups.xml");
    scene->setGameParameters(&parameters);
    scene->setPanelFontPath(std::string(CHRONA_CONTENT_DIR) + "/fonts/TrajanPro18.fnt");
    app.startState(scene);
    for (int i = 0; i < 10; ++i) {
        app.updateStates(16);
    }
    ASSERT_NE(dynamic_cast<CountStackGoalRenderer*>(scene->getGoalRenderer()), nullptr);
    ASSERT_TRUE(scene->useHint());
    for (int i = 0; i < 30; ++i) {
        app.updateStates(16);
    }

    window.beginFrame();
    window.graphics().setup2D(1024, 768, 1000);
    scene->draw(&window.graphics());
    std::unique_ptr<SDLSurfaceImage> frame = window.readFrame();
    const std::string path = std::string(CHRONA_BINARY_DIR) + "/tmp/scene101-goal-panel.png";
    writePng(frame->getSurface(), path);

    // The window shows the 1024 x 768 canvas at 320 x 240: 0.3125 pixels a point.
    auto at = [&](int x, int y) { return frame->getPixel(x * 320 / 1024, y * 240 / 768); };
    EXPECT_TRUE(near(at(620, 120), Color(200, 60, 40))) << "the red goods of the scene";
    EXPECT_TRUE(near(at(115, 515), Color(40, 200, 90))) << "the gem inside the ring";
    EXPECT_FALSE(near(at(512, 740), at(512, 500))) << "the panel covers the bottom of the scene";

    app.leaveAllStates();
    ItemRegistry::reset();
    ItemRendererFactory::reset();
    SceneIndex::reset();
    Config::reset();
}
