#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "engine/render/GLTexture.hpp"
#include "engine/render/GLTextureFactory.hpp"
#include "engine/render/ImageGraphics.hpp"
#include "engine/render/MinimalSurfaceImage.hpp"
#include "engine/render/PngWriter.hpp"
#include "engine/render/ScreenCapture.hpp"
#include "support/LogCapture.hpp"
#include "support/GLWindow.hpp"
#include "support/PictureFolder.hpp"

namespace {

// A 60 x 40 picture: a red disc-like blob with soft alpha on a clear ground,
// and a blue bar at the bottom.
Color sample(int x, int y) {
    if (y >= 34) {
        return Color(0, 0, 255, 255);
    }
    const int dx = x - 30;
    const int dy = y - 16;
    const int d2 = dx * dx + dy * dy;
    return d2 < 100 ? Color(255, 40, 0, 255) : d2 < 196 ? Color(255, 40, 0, 120) : Color(0, 0, 0, 0);
}

bool sameFrames(const SDLSurfaceImage& a, const SDLSurfaceImage& b) {
    for (int y = 0; y < a.getHeight(); ++y) {
        for (int x = 0; x < a.getWidth(); ++x) {
            if (a.getPixel(x, y) != b.getPixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}

class GLTextureTest : public testing::Test {
protected:
    void SetUp() override { window.beginFrame(); }

    std::unique_ptr<SDLSurfaceImage> drawn(Texture* texture) {
        window.beginFrame();
        window.graphics().drawImage(5, 5, texture, Color::white());
        return window.readFrame();
    }

    GLWindow& window = GLWindow::get();
};

}  // namespace

TEST_F(GLTextureTest, EveryKeepModeSurvivesAContextRecreation) {
    PictureFolder folder;
    const std::string path = folder.write("blob.png", 60, 40, sample);
    GLTextureFactory factory;
    for (int keep : {Texture::KeepImage, Texture::KeepAlphaMap, Texture::KeepNothing}) {
        std::unique_ptr<Texture> texture(factory.load(path, nullptr, keep));
        ASSERT_TRUE(texture->isUploaded());
        const auto before = drawn(texture.get());
        EXPECT_EQ(before->getPixel(35, 21), Color(255, 40, 0, 255)) << keep;
        EXPECT_EQ(before->getPixel(35, 42), Color(0, 0, 255, 255)) << keep;

        texture->release();
        window.reopen();
        texture->restore();
        const auto after = drawn(texture.get());
        EXPECT_TRUE(sameFrames(*before, *after)) << "keep mode " << keep;
        EXPECT_EQ(texture->getStorageWidth(), 64);
        EXPECT_EQ(texture->getWidth(), 60);
    }
}

TEST_F(GLTextureTest, KeptAlphaMapAnswersHitTests) {
    PictureFolder folder;
    const std::string path = folder.write("blob.png", 60, 40, sample);
    GLTexture texture(path, nullptr, Texture::KeepAlphaMap);
    auto* hits = dynamic_cast<MinimalSurfaceImage*>(texture.getImage());
    ASSERT_NE(hits, nullptr);
    EXPECT_FALSE(hits->isTransparent(30, 16));
    EXPECT_EQ(hits->getPixel(30, 28).a, 120);
    EXPECT_TRUE(hits->isTransparent(2, 2));
    EXPECT_FALSE(hits->isTransparent(500, 2));
    // The alpha map survives a restore too.
    texture.release();
    texture.restore();
    hits = dynamic_cast<MinimalSurfaceImage*>(texture.getImage());
    ASSERT_NE(hits, nullptr);
    EXPECT_EQ(hits->getPixel(30, 28).a, 120);
}

TEST_F(GLTextureTest, CountersFollowFileTextures) {
    PictureFolder folder;
    const std::string path = folder.write("wide.png", 300, 200, sample);
    const std::int32_t live = GLTexture::liveCount();
    const std::int32_t memory = GLTexture::textureMemory();
    LogCapture traces(Log::Debug);
    {
        GLTexture texture(path, nullptr, Texture::KeepNothing);
        EXPECT_EQ(GLTexture::liveCount(), live + 1);
        EXPECT_EQ(GLTexture::textureMemory(), memory + 524288);
        EXPECT_EQ(texture.getStorageWidth(), 512);
        EXPECT_EQ(texture.getStorageHeight(), 256);
        // Textures made from pictures count as live but not as memory.
        GLTexture made(new SDLSurfaceImage(300, 200), nullptr, Texture::KeepImage);
        EXPECT_EQ(GLTexture::liveCount(), live + 2);
        EXPECT_EQ(GLTexture::textureMemory(), memory + 524288);
        traces.take();
    }
    EXPECT_EQ(traces.takeText(),
              "Texture count: " + std::to_string(live + 1) + "\nTexture count: " + std::to_string(live) + "\n");
    EXPECT_EQ(GLTexture::liveCount(), live);
    EXPECT_EQ(GLTexture::textureMemory(), memory);
}

TEST_F(GLTextureTest, UnreadableFileGivesAnEmptyTexture) {
    LogCapture captured;
    GLTexture texture(std::string("/nonexistent/picture.png"), nullptr, Texture::KeepImage);
    const std::string said = captured.takeText();
    EXPECT_NE(said.find("/nonexistent/picture.png"), std::string::npos);
    EXPECT_EQ(texture.getName(), 0u);
    EXPECT_EQ(texture.getWidth(), 0);
    // Drawing it paints nothing.
    const auto frame = drawn(&texture);
    window.graphics().drawImage(5, 5, 20, 20, &texture, Rect(0, 0, 20, 20), Color::white());
    EXPECT_EQ(frame->getPixel(7, 7), Color(0, 0, 0, 255));
    EXPECT_EQ(window.readFrame()->getPixel(7, 7), Color(0, 0, 0, 255));
    texture.release();
    texture.restore();
    EXPECT_EQ(texture.getName(), 0u);
}

TEST_F(GLTextureTest, WidePathsAndScreenGrabs) {
    PictureFolder folder;
    const std::string path = folder.write("blob.png", 60, 40, sample);
    const std::u16string wide(path.begin(), path.end());
    GLTexture fromWide(wide, nullptr, Texture::KeepImage);
    EXPECT_EQ(fromWide.getWidth(), 60);
    EXPECT_EQ(fromWide.getImage()->getPixel(30, 16), Color(255, 40, 0, 255));

    // A grab of the frame drawn becomes a texture that draws the same frame.
    const auto first = drawn(&fromWide);
    const SurfacePtr grab = readScreen(GLWindow::Width, GLWindow::Height);
    GLTexture screen(grab.get(), GLWindow::Width, GLWindow::Height, nullptr, Texture::KeepNothing);
    EXPECT_EQ(screen.getWidth(), GLWindow::Width);
    EXPECT_EQ(screen.getStorageWidth(), 512);
    ASSERT_NE(screen.getImage(), nullptr);
    window.beginFrame();
    window.graphics().drawImage(0, 0, &screen, Color::white());
    EXPECT_TRUE(sameFrames(*first, *window.readFrame()));
}

TEST_F(GLTextureTest, ReplacedPictureIsDrawnInPlace) {
    auto* red = new SDLSurfaceImage(16, 16);
    red->graphics()->fillRect(0, 0, 16, 16, Color(255, 0, 0));
    GLTexture texture(red, nullptr, Texture::KeepImage);
    auto* green = new SDLSurfaceImage(16, 8);
    green->graphics()->fillRect(0, 0, 16, 8, Color(0, 255, 0));
    texture.replacePicture(green);
    EXPECT_EQ(texture.getImage(), green);
    auto frame = drawn(&texture);
    EXPECT_EQ(frame->getPixel(10, 8), Color(0, 255, 0, 255));
    EXPECT_EQ(frame->getPixel(10, 17), Color(255, 0, 0, 255));
}

TEST_F(GLTextureTest, SharedArtLoadsAndDraws) {
    const std::string content = CHRONA_CONTENT_DIR;
    GLTexture button(content + "/images/menus/BtnN.png", nullptr, Texture::KeepAlphaMap);
    GLTexture lit(content + "/images/menus/BtnO.png", nullptr, Texture::KeepAlphaMap);
    GLTexture burst(content + "/animations/PieceCollectedEff/BackgroundEff_BIG.png", nullptr, Texture::KeepNothing);
    GLTexture cursor(content + "/images/cursors/cursor.png", nullptr, Texture::KeepNothing);
    GLTexture sparkle(content + "/fx/particle1.png", nullptr, Texture::KeepNothing);
    EXPECT_EQ(button.getStorageWidth(), 256);
    EXPECT_EQ(button.getStorageHeight(), 64);
    EXPECT_EQ(burst.getWidth(), 512);
    EXPECT_EQ(cursor.getWidth(), 32);
    // The button's rounded ends leave its corners clickable-through.
    ASSERT_NE(button.getImage(), nullptr);
    EXPECT_TRUE(button.getImage()->isTransparent(0, 0));
    EXPECT_FALSE(button.getImage()->isTransparent(110, 30));

    window.beginFrame();
    GLGraphics& g = window.graphics();
    g.fillRect(0, 0, GLWindow::Width, GLWindow::Height, Color(60, 45, 70));
    g.drawImage(-96, -136, &burst, Color::white());
    g.drawImage(50, 20, &button, Color::white());
    g.drawImage(50, 90, &lit, Color::white());
    g.drawImage(20, 170, &sparkle, Color::white());
    g.drawImage(150, 180, &cursor, Color::white());
    auto frame = window.readFrame();
    writePng(frame->getSurface(), std::string(CHRONA_BINARY_DIR) + "/tmp/gl-shared-art.png");
    const Color face = frame->getPixel(160, 50);
    EXPECT_GT(face.r, face.b);
    EXPECT_NE(frame->getPixel(160, 50), frame->getPixel(160, 120));
}
