#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <random>
#include <string>

#include "engine/animation/AnimationPlayer.hpp"
#include "engine/audio/SceneMusicTable.hpp"
#include "engine/audio/SfxContainer.hpp"
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
    static RandomSource& random = RandomSource::process();
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
        {"pieces", kData + "/story/Pieces.xml", "<", [](const std::string& p) { PiecesFile().load(p); }},
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

}  // namespace
