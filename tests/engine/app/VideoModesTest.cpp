#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "engine/app/ScreenshotFolder.hpp"
#include "engine/app/VideoModes.hpp"

TEST(VideoModes, AspectAndFullScreenChoice) {
    VideoModes none;
    EXPECT_TRUE(none.isWide());  // cannot be measured
    EXPECT_EQ(none.chooseFullScreen(1024, 768), VideoMode{});

    VideoModes any;
    any.kind = VideoModes::Kind::Any;
    EXPECT_EQ(any.chooseFullScreen(1024, 768), VideoMode{});

    VideoModes square;
    square.kind = VideoModes::Kind::Listed;
    square.modes = {{1280, 1024}, {1024, 768}, {800, 600}};
    EXPECT_DOUBLE_EQ(square.desktopAspect(), 1.25);
    EXPECT_FALSE(square.isWide());
    EXPECT_EQ(square.chooseFullScreen(1024, 768), (VideoMode{1024, 768}));

    VideoModes wide;
    wide.kind = VideoModes::Kind::Listed;
    wide.modes = {{1920, 1080}, {1680, 1050}, {1280, 800}, {1280, 720}, {1024, 600}};
    EXPECT_TRUE(wide.isWide());
    // The last collected wide mode that holds the canvas wins.
    EXPECT_EQ(wide.chooseFullScreen(1024, 768), (VideoMode{1280, 800}));
    EXPECT_EQ(wide.chooseFullScreen(2000, 1200), VideoMode{});
}

TEST(Letterbox, CentresTheCanvasOnTheSurface) {
    const Letterbox wide = Letterbox::centre(1280, 800, 1024, 768);
    EXPECT_EQ(wide.offsetX, 128);
    EXPECT_EQ(wide.offsetY, 16);
    const Letterbox same = Letterbox::centre(1024, 768, 1024, 768);
    EXPECT_EQ(same.offsetX, 0);
    EXPECT_EQ(same.offsetY, 0);
    const Letterbox smaller = Letterbox::centre(800, 600, 1024, 768);
    EXPECT_EQ(smaller.offsetX, 0);
    EXPECT_EQ(smaller.offsetY, 0);
}

TEST(ScreenshotFolder, TakesTheFirstFreeNumberAndStopsAtTheLimit) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("chrona_shots_test_" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    const ScreenshotFolder folder(dir.string() + "/a/b/");
    EXPECT_EQ(folder.nextFreePath(), dir.string() + "/a/b/ScrShot1.bmp");
    std::ofstream(dir / "a/b/ScrShot1.bmp") << "x";
    std::ofstream(dir / "a/b/ScrShot3.bmp") << "x";
    EXPECT_EQ(folder.nextFreePath(), dir.string() + "/a/b/ScrShot2.bmp");
    for (int n = 1; n <= ScreenshotFolder::kMaxShots; ++n) {
        std::ofstream(dir / ("a/b/ScrShot" + std::to_string(n) + ".bmp"));
    }
    EXPECT_EQ(folder.nextFreePath(), "");
    std::filesystem::remove_all(dir);
}
