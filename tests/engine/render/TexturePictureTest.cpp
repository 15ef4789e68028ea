#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "engine/render/CpuTexture.hpp"
#include "engine/render/CpuTextureFactory.hpp"
#include "engine/render/MinimalSurfaceImage.hpp"
#include "engine/render/SDLSurfaceImage.hpp"
#include "engine/render/SilhouetteImageFilter.hpp"
#include "engine/render/TexturePicture.hpp"
#include "support/LogCapture.hpp"
#include "support/PictureFolder.hpp"

namespace {

const std::string kStripes = std::string(CHRONA_TEST_DATA_DIR) + "/render/stripes.jpg";

Color opaque(int, int) {
    return Color(90, 120, 150, 255);
}

}  // namespace

TEST(TexturePicture, StorageIsThePowerOfTwoAboveThePicture) {
    PictureFolder folder;
    const std::string path = folder.write("wide.png", 300, 200, opaque);
    TexturePicture picture = TexturePicture::fromFile(path, nullptr);
    ASSERT_FALSE(picture.isEmpty());
    EXPECT_EQ(picture.getSourceWidth(), 300);
    EXPECT_EQ(picture.getSourceHeight(), 200);
    EXPECT_EQ(picture.getStorageWidth(), 512);
    EXPECT_EQ(picture.getStorageHeight(), 256);
    EXPECT_EQ(picture.memoryBytes(), 524288);
    // The picture sits at the top-left; the padding is transparent.
    EXPECT_EQ(picture.image()->getPixel(299, 199), Color(90, 120, 150, 255));
    EXPECT_EQ(picture.image()->getPixel(300, 0).a, 0);
    EXPECT_EQ(picture.image()->getPixel(0, 200).a, 0);

    EXPECT_EQ(TexturePicture::storageSize(1), 1);
    EXPECT_EQ(TexturePicture::storageSize(3), 4);
    EXPECT_EQ(TexturePicture::storageSize(1024), 1024);
    EXPECT_EQ(TexturePicture::storageSize(1025), 2048);
}

TEST(TexturePicture, OnlyStorageAbove1024IsWarned) {
    PictureFolder folder;
    const std::string fits = folder.write("fits.png", 1024, 2, opaque);
    const std::string wide = folder.write("wide.png", 1025, 2, opaque);
    LogCapture captured1;
    TexturePicture::fromFile(fits, nullptr);
    EXPECT_EQ(captured1.takeText(), "");
    LogCapture captured2;
    TexturePicture::fromFile(wide, nullptr);
    EXPECT_EQ(captured2.takeText(), "WARNING: tex " + wide + " size: 2048x2\n");
}

TEST(TexturePicture, MaskPathsFollowTheExtension) {
    EXPECT_EQ(TexturePicture::maskPath("room.JPEG"), "room_.JPEG");
    EXPECT_EQ(TexturePicture::maskPath("scenes/room.jpg"), "scenes/room_.jpg");
    EXPECT_EQ(TexturePicture::maskPath("room.Jpg"), "room_.Jpg");
    EXPECT_EQ(TexturePicture::maskPath("room.png"), "");
    EXPECT_EQ(TexturePicture::extension("dir.v2/file"), "");
    EXPECT_EQ(TexturePicture::maskPath("dir.v2/file"), "");
    EXPECT_EQ(TexturePicture::maskPath("dir.v2/file.jpeg"), "dir.v2/file_.jpeg");
    EXPECT_EQ(TexturePicture::extension("a.b.c"), "c");
}

TEST(TexturePicture, JpegMaskBrightnessBecomesAlpha) {
    PictureFolder folder;
    const std::string room = folder.copy(kStripes, "room.JPEG");
    // The mask holds three grey levels in the picture's three stripes.
    folder.write("room_.JPEG", 24, 16, [](int x, int) {
        return x < 8 ? Color(255, 255, 255) : x < 16 ? Color(10, 20, 31) : Color(0, 0, 0);
    });
    TexturePicture picture = TexturePicture::fromFile(room, nullptr);
    ASSERT_FALSE(picture.isEmpty());
    const Image* image = picture.image();
    EXPECT_EQ(image->getPixel(3, 5).a, 255);
    EXPECT_EQ(image->getPixel(11, 5).a, 20);
    EXPECT_EQ(image->getPixel(20, 5).a, 0);
    EXPECT_NEAR(image->getPixel(3, 5).r, 200, 4);
    EXPECT_NEAR(image->getPixel(11, 5).g, 200, 4);
    ASSERT_NE(picture.alphaMap(), nullptr);
    const int stride = picture.getStorageWidth();
    EXPECT_EQ(picture.alphaMap()[5 * stride + 3], 255);
    EXPECT_EQ(picture.alphaMap()[5 * stride + 11], 20);
    EXPECT_EQ(picture.alphaMap()[5 * stride + 30], 0);
}

TEST(TexturePicture, JpegWithoutAFittingMaskStaysOpaque) {
    PictureFolder folder;
    const std::string alone = folder.copy(kStripes, "alone.jpg");
    TexturePicture plain = TexturePicture::fromFile(alone, nullptr);
    EXPECT_EQ(plain.image()->getPixel(3, 5).a, 255);
    EXPECT_EQ(plain.image()->getPixel(23, 15).a, 255);
    EXPECT_EQ(plain.alphaMap(), nullptr);

    // A mask of another storage size does not match and is ignored.
    const std::string odd = folder.copy(kStripes, "odd.jpg");
    folder.write("odd_.jpg", 64, 16, [](int, int) { return Color(0, 0, 0); });
    TexturePicture mismatched = TexturePicture::fromFile(odd, nullptr);
    EXPECT_EQ(mismatched.image()->getPixel(3, 5).a, 255);
    EXPECT_EQ(mismatched.alphaMap(), nullptr);

    // PNG pictures never look for a mask.
    const std::string png = folder.write("sprite.png", 4, 4, [](int, int) { return Color(1, 2, 3, 77); });
    folder.write("sprite_.png", 4, 4, [](int, int) { return Color(255, 255, 255); });
    TexturePicture sprite = TexturePicture::fromFile(png, nullptr);
    EXPECT_EQ(sprite.image()->getPixel(1, 1), Color(1, 2, 3, 77));
    EXPECT_EQ(sprite.alphaMap(), nullptr);
}

TEST(TexturePicture, UnreadableFilesGiveEmptyTexturesAndOneLine) {
    PictureFolder folder;
    const std::string missing = folder.path("missing.png");
    LogCapture captured3;
    CpuTexture texture(missing, nullptr, Texture::KeepImage);
    const std::string said = captured3.takeText();
    EXPECT_NE(said.find(missing), std::string::npos);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
    EXPECT_EQ(texture.getWidth(), 0);
    EXPECT_EQ(texture.getStorageWidth(), 0);
    EXPECT_EQ(texture.getImage(), nullptr);
    EXPECT_FALSE(texture.isUploaded());

    // Neither a text file called .png nor a truncated PNG is decoded.
    const std::string text = folder.path("notes.png");
    std::FILE* f = std::fopen(text.c_str(), "w");
    std::fputs("not a picture", f);
    std::fclose(f);
    const std::string whole = folder.write("whole.png", 40, 40, opaque);
    const std::string cut = folder.path("cut.png");
    std::filesystem::copy_file(whole, cut);
    std::filesystem::resize_file(cut, 60);
    for (const std::string& bad : {text, cut}) {
        LogCapture captured4;
        TexturePicture picture = TexturePicture::fromFile(bad, nullptr);
        const std::string line = captured4.takeText();
        EXPECT_TRUE(picture.isEmpty()) << bad;
        EXPECT_NE(line.find(bad), std::string::npos);
    }
}

TEST(CpuTexture, KeepModesDecideWhatStaysOnTheCpu) {
    PictureFolder folder;
    const std::string path = folder.write("shape.png", 10, 6, [](int x, int) {
        return x < 5 ? Color(30, 60, 90, 0) : Color(30, 60, 90, 200);
    });
    CpuTextureFactory factory;
    std::unique_ptr<Texture> full(factory.load(path, nullptr, Texture::KeepImage));
    std::unique_ptr<Texture> alpha(factory.load(path, nullptr, Texture::KeepAlphaMap));
    std::unique_ptr<Texture> none(factory.load(path, nullptr, Texture::KeepNothing));

    for (const auto* t : {full.get(), alpha.get(), none.get()}) {
        EXPECT_EQ(t->getWidth(), 10);
        EXPECT_EQ(t->getHeight(), 6);
        EXPECT_EQ(t->getStorageWidth(), 16);
        EXPECT_EQ(t->getStorageHeight(), 8);
    }
    auto* rgba = dynamic_cast<SDLSurfaceImage*>(full->getImage());
    ASSERT_NE(rgba, nullptr);
    EXPECT_EQ(rgba->getPixel(7, 2), Color(30, 60, 90, 200));

    auto* hits = dynamic_cast<MinimalSurfaceImage*>(alpha->getImage());
    ASSERT_NE(hits, nullptr);
    EXPECT_EQ(hits->getWidth(), 16);
    EXPECT_TRUE(hits->isTransparent(2, 2));
    EXPECT_FALSE(hits->isTransparent(7, 2));
    EXPECT_EQ(hits->getPixel(7, 2), Color(0, 0, 0, 200));
    EXPECT_TRUE(hits->isTransparent(12, 2));
    EXPECT_FALSE(hits->isTransparent(-1, 2));
    EXPECT_FALSE(hits->isTransparent(16, 0));

    EXPECT_EQ(none->getImage(), nullptr);

    // The filter runs before the keep mode.
    SilhouetteImageFilter silhouette;
    std::unique_ptr<Texture> white(factory.load(path, &silhouette, Texture::KeepImage));
    EXPECT_EQ(white->getImage()->getPixel(7, 2), Color(255, 255, 255, 200));
    EXPECT_EQ(white->getImage()->getPixel(2, 2), Color(30, 60, 90, 0));
}

TEST(CpuTexture, AlphaMapOfAMaskedJpegComesFromTheMask) {
    PictureFolder folder;
    const std::string room = folder.copy(kStripes, "room.jpg");
    folder.write("room_.jpg", 24, 16, [](int x, int) { return x < 12 ? Color(0, 0, 0) : Color(90, 90, 90); });
    CpuTexture texture(room, nullptr, Texture::KeepAlphaMap);
    ASSERT_NE(texture.getImage(), nullptr);
    EXPECT_TRUE(texture.getImage()->isTransparent(4, 4));
    EXPECT_EQ(texture.getImage()->getPixel(20, 4).a, 90);
}
