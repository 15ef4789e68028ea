#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "engine/config/Config.hpp"
#include "game/content/ContentFiles.hpp"
#include "game/content/LabelCheck.hpp"
#include "game/content/StoryCheck.hpp"
#include "support/FakeFont.hpp"
#include "support/LogCapture.hpp"

namespace {

const std::string kStory = std::string(CHRONA_TEST_DATA_DIR) + "/story/dialogue";

class StoryCheckRun : public ::testing::Test {
protected:
    void SetUp() override { Config::instance().setContentFolder(kStory); }
    void TearDown() override { Config::reset(); }

    // The report of the story rules over the test story, and what the loaders said.
    void run() {
        LogCapture log;
        ContentReport report;
        ContentFiles files(kStory, report);
        LabelCheck labels(files);
        labels.load();
        StoryCheck(files, labels, &font_, &font_).run();
        labels.finish({});
        std::ostringstream printed;
        report.print(printed);
        report_ = printed.str();
        loaders_ = log.takeText();
    }
    void expect(const std::string& file, int line, const std::string& what) const {
        const std::string wanted = kStory + "/" + file + ":" + std::to_string(line) + ": " + what;
        EXPECT_NE(report_.find(wanted), std::string::npos) << "missing: " << wanted << "\nreport:\n" << report_;
    }

    // Letters 10 pixels wide, lines 20 high.
    FakeFont font_;
    std::string report_;
    std::string loaders_;
};

}  // namespace

TEST_F(StoryCheckRun, FindsTextsThatOverflowTheirBoxesAndMissingLabelsAndFiles) {
    run();
    // 107 letters need four lines of 300 pixels, the box holds three.
    expect("story/dialogs/Tutorial.xml", 7, "the text of LINE_LONG needs 300 x 80 pixels but its box is 300 x 60");
    // With a twelve-letter name the greeting still fits in two lines.
    EXPECT_EQ(report_.find("Tutorial.xml:10:"), std::string::npos) << report_;
    expect("story/characters/Crowded.xml", 4, "the text of NAME_WENDELINE needs 90 x 20 pixels but its box is 30 x 36");
    expect("story/dialogs/Tutorial.xml", 8, "the label LINE_MISSING is missing from content/config/labels/EN.xml");
    // The rest of the chain is not there.
    expect("story/dialogs/Tutorial_TimeZapper.xml", 0, "the story chain plays this file; it is missing");
    expect("animations/CutScenes/Outro/Sequence03/Sequence03.xml", 0,
           "the story chain plays this file; it is missing");
    // The flow's own story entries.
    expect("config/GameFlow.xml", 5, "the story file \"content/story/dialogs/Gone.xml\" does not exist");
    EXPECT_EQ(report_.find("GameFlow.xml:3:"), std::string::npos) << report_;
    EXPECT_EQ(report_.find("GameFlow.xml:4:"), std::string::npos) << report_;
    EXPECT_EQ(report_.find("Talk.xml"), std::string::npos) << report_;
    // The credits' long line.
    expect("config/credits.xml", 4, "the line is 840 pixels wide but only 600 fit centred on StartX");
    EXPECT_EQ(report_.find("credits.xml:3:"), std::string::npos) << report_;

    // What the loaders found on the way, each once.
    for (const std::string& fault :
         {kStory + "/story/characters/Crowded.xml:10: the LeaveAnimation \"content/story/characters/Vanish.xml\" "
                   "does not exist",
          kStory + "/story/dialogs/Tutorial.xml:9: the character 5 is not in the character library"}) {
        EXPECT_NE(loaders_.find(fault), std::string::npos) << fault << "\n" << loaders_;
        EXPECT_EQ(loaders_.find(fault), loaders_.rfind(fault)) << fault;
    }
}

TEST_F(StoryCheckRun, AFolderWithoutAStoryIsNotAskedForOne) {
    const std::string minimal = std::string(CHRONA_TEST_DATA_DIR) + "/content-min";
    Config::instance().setContentFolder(minimal);
    ContentReport report;
    ContentFiles files(minimal, report);
    LabelCheck labels(files);
    StoryCheck(files, labels, &font_, &font_).run();
    std::ostringstream printed;
    report.print(printed);
    EXPECT_EQ(printed.str(), "");
}
