#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/animation/Animation2D.hpp"
#include "engine/animation/AnimationPlayer.hpp"
#include "engine/render/Texture.hpp"
#include "support/FakeTextureFactory.hpp"
#include "support/TestApp.hpp"

namespace {

class EndLog : public AnimationPlayerListener {
public:
    void animationFinished(int id) override { ends.push_back(id); }
    std::vector<int> ends;
};

bool isDialogAnimation(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    return name.find("DialogStart") != std::string::npos || name.find("DialogClose") != std::string::npos;
}

}  // namespace

// Every animation the game ships reads completely: it has objects whose
// pictures exist, a length, and (unless it loops) reports its end after that
// length. Dialogs open and close briskly: 300 to 500 ms.
TEST(ShippedAnimations, EveryFileLoadsPlaysToItsEndAndDialogsAreBrisk) {
    TestApp app;
    const std::filesystem::path root = std::filesystem::path(CHRONA_CONTENT_DIR) / "animations";
    ASSERT_TRUE(std::filesystem::is_directory(root)) << root;
    int files = 0;
    int dialogs = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (entry.path().extension() != ".xml") {
            continue;
        }
        ++files;
        const std::string path = entry.path().string();
        SCOPED_TRACE(path);
        FakeTextureFactory textures(true);
        EndLog log;
        AnimationPlayer player(&log, &textures);
        Animation2D* animation = player.loadAnimation(path, 1);
        ASSERT_FALSE(animation->getElements().empty()) << "no objects read";
        EXPECT_GT(animation->getLength(), 0);
        for (const auto& element : animation->getElements()) {
            ASSERT_NE(element->getTexture(), nullptr);
            EXPECT_GT(element->getTexture()->getWidth(), 0) << "missing picture " << element->getFile();
        }
        if (isDialogAnimation(entry.path())) {
            ++dialogs;
            EXPECT_GE(animation->getLength(), 300);
            EXPECT_LE(animation->getLength(), 500);
        }
        if (animation->isLooping()) {
            continue;
        }
        player.playAnimation(1);
        for (int t = 0; t + 10 < animation->getLength(); t += 10) {
            animation->update(10, nullptr);
        }
        EXPECT_TRUE(log.ends.empty()) << "ended before its length";
        animation->update(20, nullptr);
        EXPECT_EQ(log.ends, std::vector<int>({1})) << "did not report its end at its length";
    }
    EXPECT_GT(files, 0);
    for (const char* required :
         {"UniversalDialog/MessageDialogStart.xml", "UniversalDialog/MessageDialogClose.xml",
          "OptionsMenu/DialogStart.xml", "OptionsMenu/DialogClose.xml", "PlayerName/DialogStart.xml",
          "PlayerName/DialogClose.xml", "PlayerProfiles/DialogStart.xml", "PlayerProfiles/DialogClose.xml"}) {
        EXPECT_TRUE(std::filesystem::exists(root / required)) << required;
    }
    EXPECT_GE(dialogs, 8);
}
