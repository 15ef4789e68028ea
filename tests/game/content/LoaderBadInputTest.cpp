#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <random>
#include <string>

#include "engine/core/ProcessRandom.hpp"
#include "engine/animation/AnimationPlayer.hpp"
#include "engine/audio/catalogue/SceneMusicTable.hpp"
#include "engine/audio/catalogue/SfxContainer.hpp"
#include "engine/audio/Sound.hpp"
#include "engine/config/Config.hpp"
#include "engine/config/ConfigFile.hpp"
#include "engine/config/FileNotFoundError.hpp"
#include "engine/core/ContentPath.hpp"
#include "engine/core/RandomSource.hpp"
#include "engine/text/AngelFont.hpp"
#include "engine/text/LabelManager.hpp"
#include "game/scene/data/ItemGroupRules.hpp"
#include "game/scene/data/SceneIndex.hpp"
#include "game/scene/data/SceneItemLoader.hpp"
#include "game/scene/data/SceneMechanics.hpp"
#include "game/scene/renderers/ItemRendererFactory.hpp"
#include "game/story/map/MapFile.hpp"
#include "game/story/pieces/PiecesFile.hpp"
#include "support/FakeTextureFactory.hpp"
#include "support/LogCapture.hpp"
#include "support/ScratchFolder.hpp"

namespace {

const std::string kContent = CHRONA_CONTENT_DIR;
const std::string kData = CHRONA_TEST_DATA_DIR;

// One loader of the game, the shipped file it reads and where a cut file
// surely ends too early: before its last tag, or before the end marker.
struct Loader {
    std::string name;
    std::string shipped;
    std::string lastPart;
    std::function<void(const std::string& path)> load;
};

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<Loader> loaders() {
    static RandomSource& random = ProcessRandom::instance();
    static FakeTextureFactory textures;
    return {
        {"config", kContent + "/config/config.xml", "<", [](const std::string& p) { Config().load(p); }},
        {"labels", kContent + "/config/labels/EN.xml", "<", [](const std::string& p) { LabelManager().load(p); }},
        {"font", kContent + "/fonts/TrajanPro18.fnt", "<", [](const std::string& p) { AngelFont(p, &textures); }},
        {"sfx", kContent + "/config/sfx.xml", "<",
         [](const std::string& p) {
             SfxContainer(random, [](const std::string&) { return std::unique_ptr<Sound>(); }).load(p);
         }},
        {"music", kContent + "/config/scene/music.xml", "<", [](const std::string& p) { SceneMusicTable(random).load(p); }},
        {"animation", kContent + "/animations/OptionsMenu/DialogStart.xml", "<",
         [](const std::string& p) { AnimationPlayer(nullptr, &textures).loadAnimation(p, 1); }},
        {"scene index", kContent + "/config/scene/sceneIndex.xml", "<", [](const std::string& p) { SceneIndex().load(p); }},
        {"item file", kContent + "/scenes/location00_present/location00_present.xml", "<",
         [](const std::string& p) {
             const std::filesystem::path file(p);
             SceneIndexEntry entry;
             entry.path = file.parent_path().string() + "/";
             entry.fileName = file.stem().string();
             SceneItemLoader::readItemFile(entry, "EN");
         }},
        {"group rules", kContent + "/config/scene/ItemGroupRules.xml", "<",
         [](const std::string& p) { ItemGroupRules().load(p); }},
        {"renderer rules", kContent + "/config/scene/ItemRendererRules.xml", "<",
         [](const std::string& p) { ItemRendererFactory().loadRules(p); }},
        {"mechanics", kContent + "/config/scene/mech_location00_present.xml", "<",
         [](const std::string& p) { SceneMechanics().load(p); }},
        {"pieces", kContent + "/images/LumoraPieces/Pieces.xml", "<", [](const std::string& p) { PiecesFile().load(p); }},
        {"map", kContent + "/config/NewMapScreen.xml", "<", [](const std::string& p) { MapFile().load(p); }},
        {"parameters", kContent + "/config/GameParameters.cfg", "EndConfigFile",
         [](const std::string& p) { ConfigFile{p}; }},
    };
}

// Loads the file and expects exactly one line, naming the file first.
void expectOneLine(const Loader& loader, const std::string& path, const std::string& what) {
    LogCapture log;
    loader.load(path);
    ASSERT_EQ(log.lines().size(), 1u) << loader.name << ", " << what << ":\n"
                                      << (log.lines().empty() ? std::string("(nothing)") : log.lines().back());
    EXPECT_EQ(log.lines().front().compare(0, path.size() + 1, path + ":"), 0)
        << loader.name << ", " << what << ": " << log.lines().front();
}

TEST(LoaderBadInput, EveryLoaderSaysOneLineNamingTheFileAndGoesOn) {
    const std::string folder = scratchFolder("badinput");
    std::mt19937 bytes(14);
    for (const Loader& loader : loaders()) {
        const std::string shipped = readAll(loader.shipped);
        const std::size_t end = shipped.rfind(loader.lastPart);
        ASSERT_NE(end, std::string::npos) << loader.shipped;
        const std::string path = folder + "x.xml";
        {
            LogCapture log;
            const std::string before = ContentPath::folder();
            ContentPath::setFolder(kContent);
            loader.load(loader.shipped);
            ContentPath::setFolder(before);
            EXPECT_TRUE(log.lines().empty()) << loader.name << " complains about the shipped file: " << log.lines().front();
        }
        for (int part = 0; part < 8; ++part) {
            const std::size_t cut = end * part / 8 + (part % 3);
            writeAll(path, shipped.substr(0, std::min(cut, end - 1)));
            expectOneLine(loader, path, "cut at byte " + std::to_string(cut));
        }
        std::string noise(600, '\0');
        for (char& c : noise) {
            c = static_cast<char>(bytes() & 0xFF);
        }
        writeAll(path, noise);
        expectOneLine(loader, path, "random bytes");
        std::filesystem::remove(path);
        if (loader.lastPart == "<") {
            expectOneLine(loader, path, "a missing file");
            writeAll(path, "<?xml version=\"1.0\"?>\n<NotThisFormat a=\"1\"/>\n");
            expectOneLine(loader, path, "a wrong root element");
        } else {
            EXPECT_THROW(loader.load(path), FileNotFoundError) << "the game cannot start without " << loader.name;
        }
    }
}

TEST(LoaderBadInput, FaultsOfElementsAreReportedAtTheirLinesAndTheRestIsRead) {
    const struct {
        std::string loader;
        std::string text;
        std::vector<std::string> lines;  // after "FILE:"
    } cases[] = {
        {"config", "<Config>\n<Application/>\n<Language active='EN'/>\n</Config>",
         {"1: the configuration needs a ScreenResolution with a width and a height",
          "3: the configuration names no labels file"}},
        {"font", "<font>\n<common lineHeight='0'/>\n<pages/>\n<chars>\n<char id='65' page='1'/>\n</chars>\n</font>",
         {"2: the font needs a common element with a positive lineHeight",
          "5: the glyph 65 lies on a page that does not exist"}},
        {"sfx", "<SFX>\n<Sound path='a.wav'/>\n</SFX>", {"2: the effect has no name; skipped"}},
        {"music", "<SceneMusic path='m/'>\n<Scene index='1'><Music file='none.ogg'/></Scene>\n</SceneMusic>",
         {"2: the music \"m/none.ogg\" does not exist"}},
        {"animation", "<Scene length='10'>\n<Object/>\n</Scene>", {"2: the Object lacks file"}},
        {"scene index",
         "<Indexes>\n<Index id='100' fileName='a' path='p/'/>\n<Index id='100' fileName='b' path='p/'/>\n"
         "<Index id='101'/>\n</Indexes>",
         {"3: the scene id 100 is listed twice", "4: the Index lacks fileName, path"}},
        {"item file", "<Scene>\n<Item name='x'/>\n</Scene>",
         {"1: the scene has no Screen element",
          "2: the Item lacks image, layer, majorGroupID, minorGroupID, x, y, angle, R, G, B, A, type, infoTip, typeId"}},
        {"group rules", "<ItemGroupRules>\n<Rule groupId='1' typeId='2'/>\n</ItemGroupRules>",
         {"2: a Rule needs groupId, typeId and type"}},
        {"renderer rules", "<ItemRendererRules>\n<Rule groupId='1'/>\n</ItemRendererRules>",
         {"2: a Rule needs a renderer"}},
        {"mechanics",
         "<SceneMechanics>\n<CollectGroup>\n<Collect name='a' typeId='1'/>\n</CollectGroup>\n<Screen/>\n"
         "</SceneMechanics>",
         {"3: a Collect needs name, typeId and pick", "5: a Screen step needs a type"}},
        {"parameters", "A = 1\nB = 2\n", {"2: the file ends before its end marker EndConfigFile"}},
    };
    const std::vector<Loader> all = loaders();
    const std::string path = scratchFolder("badinput") + "x.xml";
    for (const auto& c : cases) {
        const auto loader = std::find_if(all.begin(), all.end(), [&c](const Loader& l) { return l.name == c.loader; });
        ASSERT_NE(loader, all.end()) << c.loader;
        writeAll(path, c.text);
        std::vector<std::string> expected;
        for (const std::string& line : c.lines) {
            expected.push_back(path + ":" + line);
        }
        LogCapture log;
        loader->load(path);
        EXPECT_EQ(log.lines(), expected) << c.loader;
    }
}

}  // namespace
