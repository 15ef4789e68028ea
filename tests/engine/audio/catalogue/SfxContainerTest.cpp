#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/ProcessRandom.hpp"
#include "engine/core/RandomSource.hpp"
#include "engine/audio/catalogue/SfxContainer.hpp"
#include "engine/audio/Sound.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/resources/ResourceRegistry.hpp"

namespace {

// A sound that remembers how it was played; "playing" lasts until stopped.
class RecordingSound : public Sound {
public:
    RecordingSound(std::string path, std::vector<std::string>& log) : log_(log) { path_ = std::move(path); }
    void load() override {}
    void play() override { start("play " + path_); }
    void play(int loops) override { start("play " + path_ + " loops " + std::to_string(loops)); }
    void fadeIn(int, int) override {}
    void fadeOut(int) override {}
    void stop() override {
        log_.push_back("stop " + path_);
        playing_ = false;
    }
    bool isPlaying() override { return playing_; }

private:
    void start(const std::string& entry) {
        log_.push_back(entry);
        playing_ = true;
    }
    std::vector<std::string>& log_;
    bool playing_ = false;
};

std::string writeFile(const std::string& name, const std::string& text) {
    const std::string path = std::string(CHRONA_BINARY_DIR) + "/" + name;
    std::ofstream(path) << text;
    return path;
}

const char* kCatalogue = R"(<?xml version="1.0"?>
<SFX defaultPath="content/sfx/">
  <Sound name="DOOR" path="door.wav"/>
  <RandomSound name="CLICK">
    <Sound path="click_a.wav"/>
    <Sound/>
    <Sound path="click_b.wav"/>
    <Sound path="click_c.wav"/>
  </RandomSound>
  <Sound path="nameless.wav"/>
  <RandomSound name="EMPTY"/>
</SFX>)";

struct Fixture {
    SeededRandom random{7};
    std::vector<std::string> log;
    SfxContainer container{random, [this](const std::string& path) {
                               return std::make_unique<RecordingSound>(path, log);
                           }};
};

}  // namespace

TEST(SfxContainer, CatalogueRegistersNumberedKeysUnderTheDefaultPath) {
    Fixture f;
    EXPECT_FALSE(f.container.isLoaded());
    ASSERT_TRUE(f.container.load(writeFile("sfx_catalogue.xml", kCatalogue)));
    EXPECT_TRUE(f.container.isLoaded());
    EXPECT_EQ(f.container.getDefaultPath(), "content/sfx/");
    EXPECT_EQ(f.container.keysOf("CLICK"), (std::vector<std::string>{"CLICK_0", "CLICK_1", "CLICK_2"}));
    EXPECT_EQ(f.container.keysOf("DOOR"), std::vector<std::string>{"DOOR_0"});
    EXPECT_TRUE(f.container.keysOf("EMPTY").empty());
    EXPECT_TRUE(f.container.keysOf("NOPE").empty());
    EXPECT_EQ(f.container.getSound("CLICK_2")->getPath(), "content/sfx/click_c.wav");
    EXPECT_EQ(f.container.getSound("DOOR_0")->getPath(), "content/sfx/door.wav");
    EXPECT_EQ(f.container.getSound("CLICK_3"), nullptr);
    EXPECT_EQ(f.container.getResourceManager()->getSound("CLICK_2"), f.container.getSound("CLICK_2"));

    // A name registered again continues its numbering.
    f.container.registerFile("DOOR", "door2.wav");
    EXPECT_EQ(f.container.keysOf("DOOR"), (std::vector<std::string>{"DOOR_0", "DOOR_1"}));
}

TEST(SfxContainer, BrokenOrForeignFilesLeaveTheCatalogueEmpty) {
    Fixture f;
    EXPECT_FALSE(f.container.load(writeFile("sfx_broken.xml", "<SFX><Sound name=\"A\" path=\"a.wav\">")));
    EXPECT_FALSE(f.container.load(writeFile("sfx_foreign.xml", "<Sounds><Sound name=\"A\" path=\"a.wav\"/></Sounds>")));
    EXPECT_FALSE(f.container.load(std::string(CHRONA_BINARY_DIR) + "/no_such_sfx.xml"));
    EXPECT_FALSE(f.container.isLoaded());
    EXPECT_TRUE(f.container.keysOf("A").empty());

    // Without defaultPath the paths are taken as they are.
    ASSERT_TRUE(f.container.load(writeFile("sfx_plain.xml", "<SFX><Sound name=\"A\" path=\"a.wav\"/></SFX>")));
    EXPECT_EQ(f.container.getSound("A_0")->getPath(), "a.wav");
}

TEST(SfxContainer, RandomChoiceFollowsTheInjectedSource) {
    Fixture f;
    ASSERT_TRUE(f.container.load(writeFile("sfx_random.xml", kCatalogue)));
    SeededRandom reference(7);
    std::vector<std::string> expected;
    const std::vector<std::string> files{"click_a", "click_b", "click_c"};
    for (int i = 0; i < 30; ++i) {
        expected.push_back("play content/sfx/" + files[reference.next() % 3] + ".wav");
        f.container.play("CLICK");
    }
    EXPECT_EQ(f.log, expected);
    // Over thirty plays every variant comes up.
    for (const std::string& file : files) {
        EXPECT_NE(std::find(f.log.begin(), f.log.end(), "play content/sfx/" + file + ".wav"), f.log.end());
    }
}

TEST(SfxContainer, TheProcessWideCatalogueLeavesTheGamesRandomSequenceAlone) {
    // How often an effect is played can hang on the audio device (a sound is
    // restarted once it has ended), so one seed must deal the same game
    // however many plays there were.
    std::vector<std::string> log;
    SfxContainer catalogue;
    catalogue.setSoundFactory([&log](const std::string& path) { return std::make_unique<RecordingSound>(path, log); });
    ASSERT_TRUE(catalogue.load(writeFile("sfx_process.xml", kCatalogue)));
    ProcessRandom::instance().seed(99);
    const int first = ProcessRandom::instance().next();
    ProcessRandom::instance().seed(99);
    for (int i = 0; i < 30; ++i) {
        catalogue.play("CLICK");
    }
    EXPECT_EQ(ProcessRandom::instance().next(), first);
    // The variants still vary.
    std::sort(log.begin(), log.end());
    EXPECT_EQ(std::unique(log.begin(), log.end()) - log.begin(), 3);
}

TEST(SfxContainer, PlayStopAndTheEnabledSwitch) {
    Fixture f;
    ASSERT_TRUE(f.container.load(writeFile("sfx_switch.xml", kCatalogue)));

    f.container.play("DOOR", true);
    EXPECT_EQ(f.log, std::vector<std::string>{"play content/sfx/door.wav loops -1"});
    EXPECT_TRUE(f.container.isPlaying("DOOR"));
    EXPECT_FALSE(f.container.isPlaying("CLICK"));

    // Off: nothing starts, but what plays can still be asked about and stopped.
    f.container.setEnabled(false);
    f.container.play("CLICK");
    f.container.play("DOOR");
    EXPECT_EQ(f.log.size(), 1u);
    EXPECT_TRUE(f.container.isPlaying("DOOR"));
    f.container.stop("DOOR");
    EXPECT_FALSE(f.container.isPlaying("DOOR"));
    EXPECT_EQ(f.log.back(), "stop content/sfx/door.wav");

    // Stopping what never played, unknown or empty names: nothing happens.
    f.log.clear();
    f.container.setEnabled(true);
    f.container.stop("CLICK");
    f.container.stop("NOPE");
    f.container.play("NOPE");
    f.container.play("EMPTY");
    EXPECT_TRUE(f.log.empty());
    EXPECT_FALSE(f.container.isPlaying("NOPE"));
}

TEST(SfxContainer, ItsManagerIsListedForVideoModeChangesWhileItLives) {
    ResourceManager* manager = nullptr;
    {
        Fixture f;
        manager = f.container.getResourceManager();
        const auto& listed = ResourceRegistry::instance().managers();
        EXPECT_NE(std::find(listed.begin(), listed.end(), manager), listed.end());
    }
    const auto& listed = ResourceRegistry::instance().managers();
    EXPECT_EQ(std::find(listed.begin(), listed.end(), manager), listed.end());
}
