#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/render/ImageFile.hpp"
#include "engine/render/SDLSurfaceImage.hpp"
#include "support/PictureFolder.hpp"

namespace fs = std::filesystem;

namespace {

const fs::path kArt = fs::path(CHRONA_TEST_DATA_DIR) / ".." / ".." / "assets" / "art";
const std::string kBaker = std::string(CHRONA_BINARY_DIR) + "/svgbake";

int bake(const std::string& in, const std::string& out, std::string* said) {
    const std::string command = "'" + kBaker + "' '" + in + "' '" + out + "'";
    std::FILE* pipe = popen(command.c_str(), "r");
    char buffer[512];
    while (pipe && std::fgets(buffer, sizeof(buffer), pipe)) {
        *said += buffer;
    }
    return pipe ? pclose(pipe) : -1;
}

bool paintsSomething(const SDLSurfaceImage& image) {
    for (int y = 0; y < image.getHeight(); ++y) {
        for (int x = 0; x < image.getWidth(); ++x) {
            if (!image.isTransparent(x, y)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

TEST(SvgBake, EveryArtSvgIsBakedAtItsOwnSize) {
    int checked = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kArt)) {
        if (entry.path().extension() != ".svg") {
            continue;
        }
        tinyxml2::XMLDocument svg;
        ASSERT_EQ(svg.LoadFile(entry.path().c_str()), tinyxml2::XML_SUCCESS) << entry.path();
        const int width = svg.RootElement()->IntAttribute("width");
        const int height = svg.RootElement()->IntAttribute("height");
        fs::path png = fs::path(CHRONA_CONTENT_DIR) / fs::relative(entry.path(), kArt);
        png.replace_extension(".png");
        SDLSurfaceImage baked(ImageFile::load(png.string()).release());
        ASSERT_NE(baked.getSurface(), nullptr) << png;
        EXPECT_EQ(baked.getWidth(), width) << png;
        EXPECT_EQ(baked.getHeight(), height) << png;
        EXPECT_TRUE(paintsSomething(baked)) << png;
        ++checked;
    }
    EXPECT_GE(checked, 9);
}

TEST(SvgBake, RendersShapesWhereTheSvgPutsThemAndReportsBrokenFiles) {
    PictureFolder folder;
    const std::string svg = folder.path("quarter.svg");
    std::FILE* f = std::fopen(svg.c_str(), "w");
    std::fputs("<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20'>"
               "<rect x='0' y='0' width='20' height='10' fill='#ff0000'/>"
               "<rect x='20' y='10' width='20' height='10' fill='#0000ff' fill-opacity='0.5'/></svg>",
               f);
    std::fclose(f);
    const std::string out = folder.path("deep/er/quarter.png");
    std::string said;
    ASSERT_EQ(bake(svg, out, &said), 0) << said;
    SDLSurfaceImage baked(ImageFile::load(out).release());
    ASSERT_EQ(baked.getWidth(), 40);
    EXPECT_EQ(baked.getPixel(5, 5), Color(255, 0, 0, 255));
    EXPECT_EQ(baked.getPixel(30, 5).a, 0);
    const Color half = baked.getPixel(30, 15);
    EXPECT_EQ(half.b, 255);
    EXPECT_NEAR(half.a, 128, 1);

    const std::string broken = folder.path("broken.svg");
    f = std::fopen(broken.c_str(), "w");
    std::fputs("<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20'><rect", f);
    std::fclose(f);
    said.clear();
    EXPECT_NE(bake(broken, folder.path("broken.png"), &said), 0);
    EXPECT_NE(said.find(broken), std::string::npos);
    EXPECT_FALSE(fs::exists(folder.path("broken.png")));
}
