#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "game/content/ContentChecker.hpp"

namespace {

const std::string kBroken = std::string(CHRONA_TEST_DATA_DIR) + "/content-broken";

}  // namespace

TEST(ContentChecker, ReportsEveryPlantedFaultByFileAndLine) {
    const ContentReport report = ContentChecker(kBroken).run();
    std::ostringstream printed;
    report.print(printed);
    const std::string text = printed.str();
    const auto expect = [&text](const std::string& file, int line, const std::string& what) {
        const std::string wanted = kBroken + "/" + file + ":" + std::to_string(line) + ": " + what;
        EXPECT_NE(text.find(wanted), std::string::npos) << "missing: " << wanted << "\nreport:\n" << text;
    };
    expect("config/config.xml", 8, "the cursor image \"content/images/cursors/missing.png\" does not exist");
    expect("config/config.xml", 12,
           "the logo screen \"content/animations/Logo/StudioLogo.xml\" does not exist");
    EXPECT_EQ(text.find("config.xml:11:"), std::string::npos) << "the logo that exists is fine\n" << text;
    expect("config/GameParameters.cfg", 0, "the tuning key Points.ItemFound is missing");
    expect("config/GameParameters.cfg", 2, "the tuning key PlayerName.Length needs a whole number");
    expect("fonts/Broken.fnt", 4, "the page image \"content/fonts/Broken_0.png\" does not exist");
    expect("config/labels/EN.xml", 3,
           "the label SCENE_DESCRIPTION_100 has characters without a glyph in content/fonts/Tiny.fnt: 0xE9");
    expect("config/sfx.xml", 2, "the sound \"content/sfx/click.wav\" does not exist");
    expect("config/scene/music.xml", 3, "not well-formed XML");
    expect("animations/Fx/Fx.xml", 5, "the key frame lacks Alpha");
    expect("animations/Fx/Fx.xml", 7, "the animation's image \"content/animations/Fx/gone.png\" does not exist");
    expect("config/scene/sceneIndex.xml", 2, "the label SCENE_100 is missing from content/config/labels/DE.xml");
    expect("config/scene/sceneIndex.xml", 3, "the scene id 100 is listed twice");
    expect("config/scene/sceneIndex.xml", 4, "\"content/scenes/s200/s200.xml\" does not exist");
    expect("config/scene/ItemGroupRules.xml", 6, "a Rule needs groupId, typeId and type");
    expect("scenes/s100/s100.xml", 4, "the goal OBJ_HIDDEN is hidden: only 0% of it can be clicked");
    expect("scenes/s100/s100.xml", 5, "the Item lacks angle");
    expect("scenes/s100/s100.xml", 8, "the goal has no name for the goal panel");
    expect("scenes/s100/s100.xml", 6, "the image \"content/scenes/s100/lost.png\" does not exist");
    expect("scenes/s100/s100.xml", 6, "the silhouette \"content/scenes/s100/silhouettes/lost.png\" does not exist");
    expect("config/scene/mech_location00_present.xml", 1,
           "the steps choose 3 objects, but a scene is completed when 30 are found");
    expect("config/scene/mech_location00_present.xml", 3,
           "the rule asks for 5 of typeIds 1,2 but only 2 candidates are left");
    expect("config/scene/mech_location00_present.xml", 5, "the step names no goal panel");
    expect("config/scene/mech_location00_present.xml", 7, "a Collect needs name, typeId and pick");
    expect("config/GameFlow.xml", 3, "the screen type \"Cinema\" is unknown");
    expect("config/GameFlow.xml", 4, "the DialogScreen lacks fileName");
    expect("config/GameFlow.xml", 5, "the scene id 150 is not in the scene index");
    expect("config/GameFlow.xml", 6, "the itemRendererConf \"content/config/scene/Missing.xml\" does not exist");
    EXPECT_EQ(text.find("GameFlow.xml:2:"), std::string::npos) << text;
    expect("config/minigames/Klotsky/easy.xml", 0, "the board is solved in 4 moves, fewer than 5");
    expect("config/minigames/Klotsky/easy.xml", 8, "the piece's picture \"content/images/Gone.png\" does not exist");
    expect("config/minigames/Klotsky/stuck.xml", 0, "the board cannot be solved");
    expect("config/minigames/Klotsky/stuck.xml", 6, "the Marker has no texturePath: the piece cannot be seen");
    expect("config/minigames/Memory/odd.xml", 1, "the grid holds 3 cards: one would have no pair");
    expect("config/minigames/ConcentricDials/two.xml", 0, "the board is solved in 2 turns, fewer than 3");
    expect("config/minigames/ConcentricDials/gone.xml", 0, "the picture \"content/images/dials/Gone.png\" does not exist");
    expect("config/minigames/ConcentricDials/blank.xml", 0, "a ring can never be grabbed: no solid part of it is left free by the rings above");
    expect("config/minigames/ConcentricDials/noring.xml", 3, "the Piece names no ring picture (imgDial)");
    expect("config/minigames/Shooter/shooter.xml", 4,
           "line 1 carries 2 pictures: it needs at least 3 so that one is always out of view");
    expect("config/minigames/Shooter/shooter.xml", 7, "the picture \"content/images/dials/Gone.png\" does not exist");
    expect("config/minigames/Shooter/shooter.xml", 0,
           "the gallery's picture \"content/images/minigames/MgShooter/Mask.png\" does not exist");
    EXPECT_EQ(text.find("line 0 carries"), std::string::npos) << "three pictures are enough\n" << text;
    expect("config/minigames/Shooter/shooter.xml", 8,
           "the picture \"Core.png\" rides line 0 as well: the goal plaque cannot tell which one to shoot");

    // The visible goal, its label and its silhouette are fine.
    EXPECT_EQ(text.find("s100.xml:3:"), std::string::npos) << text;
    EXPECT_EQ(text.find("s100.xml:3:"), std::string::npos) << text;
}

TEST(ContentChecker, AMissingFolderIsReportedNotFatal) {
    const ContentReport report = ContentChecker(kBroken + "/no-such-folder").run();
    ASSERT_FALSE(report.clean());
    EXPECT_EQ(report.problems().front().file, kBroken + "/no-such-folder/config/config.xml");
    EXPECT_EQ(report.problems().front().what, "the file is missing");
}
