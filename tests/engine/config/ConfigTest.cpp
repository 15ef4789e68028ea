#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "engine/config/Config.hpp"
#include "support/TestApp.hpp"

namespace {

std::string writeFile(const std::string& name, const std::string& text) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path) << text;
    return path;
}

std::string configWithMode(const std::string& mode) {
    return "<Config><FullscreenMode mode=\"" + mode + "\"/></Config>";
}

const char* const kFullConfig = R"(<?xml version="1.0"?>
<Config>
  <Application>
    <ScreenResolution width="1024" height="768" bitDepth="32"/>
    <WindowCaption name="Chrona"/>
  </Application>
  <Savegame folder="Chrona" filename="save.dat"/>
  <Credits filename="content/config/credits.xml"/>
  <SurveyURL URL="http://example.invalid/survey"/>
  <Language active="en" labels="content/labels/en.xml"/>
  <LogoScreens>
    <Screen type="image" folder="content/logos/" filename="studio.png"/>
    <Screen type="animation" folder="content/logos/anim/" filename="engine.xml"/>
  </LogoScreens>
  <MouseCursors folder="content/cursors/">
    <Cursor id="5" imageFile="arrow.png"/>
    <Cursor id="7" imageFile="hand.png"/>
  </MouseCursors>
  <Volume soundVolume="60" musicVolume="40"/>
  <FullscreenMode mode="fullScreen"/>
</Config>
)";

class ConfigTest : public ::testing::Test {
protected:
    void SetUp() override { Config::reset(); }
};

TEST_F(ConfigTest, EveryElementFillsItsFields) {
    ASSERT_TRUE(Config::instance().load(writeFile("full.xml", kFullConfig)));
    const Config& c = Config::instance();
    EXPECT_TRUE(c.hasResolution());
    EXPECT_EQ(1024, c.getWidth());
    EXPECT_EQ(768, c.getHeight());
    EXPECT_EQ(32, c.getBitDepth());
    EXPECT_EQ("Chrona", c.getWindowCaption());
    EXPECT_EQ("Chrona", c.getSaveGameFolder());
    EXPECT_EQ("save.dat", c.getSaveGameFileName());
    EXPECT_EQ("content/config/credits.xml", c.getCreditsFile());
    EXPECT_EQ("http://example.invalid/survey", c.getSurveyUrl());
    EXPECT_EQ("en", c.getActiveLanguage());
    EXPECT_EQ("content/labels/en.xml", c.getLabelsFile());
    ASSERT_EQ(2u, c.getLogoScreens().size());
    EXPECT_EQ("image", c.getLogoScreens()[0].type);
    EXPECT_EQ("content/logos/", c.getLogoScreens()[0].folder);
    EXPECT_EQ("studio.png", c.getLogoScreens()[0].fileName);
    EXPECT_EQ("animation", c.getLogoScreens()[1].type);
    EXPECT_EQ("engine.xml", c.getLogoScreens()[1].fileName);
    EXPECT_EQ("content/cursors/", c.getCursorFolder());
    ASSERT_EQ(2u, c.getCursors().size());
    EXPECT_EQ(5, c.getCursors()[0].id);
    EXPECT_EQ(7, c.getCursors()[1].id);
    EXPECT_EQ(-1, c.getCurrentCursor());
    EXPECT_EQ(60, c.getSoundVolume());
    EXPECT_EQ(40, c.getMusicVolume());
    EXPECT_EQ(Config::FullScreenOn, c.getFullScreenMode());
    EXPECT_EQ(0, c.getOffsetX());
    EXPECT_FALSE(c.isWideDisplay());
}

TEST_F(ConfigTest, CursorsAreSelectedByPositionNotById) {
    ASSERT_TRUE(Config::instance().load(writeFile("cursors.xml", kFullConfig)));
    EXPECT_FALSE(Config::instance().setCursor(0)) << "no application yet";
    EXPECT_EQ(-1, Config::instance().getCurrentCursor());

    TestApp app;
    EXPECT_TRUE(Config::instance().setCursor(0));
    EXPECT_TRUE(Config::instance().setCursor(1));
    EXPECT_FALSE(Config::instance().setCursor(2));
    EXPECT_FALSE(Config::instance().setCursor(-1));
    EXPECT_EQ(1, Config::instance().getCurrentCursor());
    EXPECT_TRUE(Config::instance().reapplyCursor());
    EXPECT_EQ((std::vector<std::string>{"content/cursors/arrow.png", "content/cursors/hand.png",
                                        "content/cursors/hand.png"}),
              app.cursorImages);

    // The picture is looked for in the chosen content folder; a picture that
    // cannot be shown is reported to the caller.
    Config::instance().setContentFolder("/opt/chrona");
    app.cursorImageLoads = false;
    EXPECT_FALSE(Config::instance().setCursor(0));
    EXPECT_EQ("/opt/chrona/cursors/arrow.png", app.cursorImages.back());
}

TEST_F(ConfigTest, FullScreenModeTakesOnlyTheThreeExactWords) {
    const std::pair<const char*, int> cases[] = {
        {"auto", Config::FullScreenAuto}, {"windowed", Config::FullScreenWindowed},
        {"fullScreen", Config::FullScreenOn}, {"Windowed", Config::FullScreenUnset},
        {"fullscreen", Config::FullScreenUnset}, {"", Config::FullScreenUnset}};
    for (const auto& entry : cases) {
        Config::reset();
        ASSERT_TRUE(Config::instance().load(writeFile("mode.xml", configWithMode(entry.first))));
        EXPECT_EQ(entry.second, Config::instance().getFullScreenMode()) << entry.first;
    }
}

TEST_F(ConfigTest, AbsentPartsKeepTheirStartingValues) {
    ASSERT_TRUE(Config::instance().load(writeFile("sparse.xml",
                                        "<Config><Application><WindowCaption/></Application>"
                                        "<Savegame folder=\"Saves\"/><Volume musicVolume=\"abc\"/></Config>")));
    EXPECT_FALSE(Config::instance().hasResolution());
    EXPECT_EQ("", Config::instance().getWindowCaption());
    EXPECT_EQ("Saves", Config::instance().getSaveGameFolder());
    EXPECT_EQ("", Config::instance().getSaveGameFileName());
    EXPECT_EQ(0, Config::instance().getSoundVolume());
    EXPECT_EQ(0, Config::instance().getMusicVolume());
    EXPECT_TRUE(Config::instance().getCursors().empty());
    EXPECT_TRUE(Config::instance().getLogoScreens().empty());
    EXPECT_EQ(Config::FullScreenUnset, Config::instance().getFullScreenMode());

    Config::reset();
    EXPECT_FALSE(Config::instance().load(writeFile("broken.xml", "<Config><Volume soundVolume=\"10\"></Config")));
    EXPECT_FALSE(Config::instance().load(::testing::TempDir() + "no-such-config.xml"));
    EXPECT_FALSE(Config::instance().load(writeFile("other.xml", "<Settings/>")));
    EXPECT_FALSE(Config::instance().hasResolution());
    EXPECT_EQ(75, Config::instance().getSoundVolume());
    EXPECT_EQ(50, Config::instance().getMusicVolume());
}

}  // namespace
