#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/animation/Animation2D.hpp"
#include "engine/animation/AnimationPlayer.hpp"
#include "engine/config/Config.hpp"
#include "engine/core/ContentPath.hpp"
#include "engine/render/CpuTextureFactory.hpp"
#include "engine/render/Texture.hpp"
#include "game/scene/controls/RewardWidget.hpp"
#include "support/LogCapture.hpp"
#include "support/TestApp.hpp"

// The badge and logo animations the game plays by name: each reads without a
// single warning, its pictures decode, and it keeps to its place and time.

namespace {

class EndLog : public AnimationPlayerListener {
public:
    void animationFinished(int id) override { ends.push_back(id); }
    std::vector<int> ends;
};

// Where an object is drawn at its current properties: scaled about the
// picture's centre.
struct Box {
    float left;
    float top;
    float right;
    float bottom;
};

Box drawnBox(const AnimationElement2D& element) {
    const float width = static_cast<float>(element.getTexture()->getWidth());
    const float height = static_cast<float>(element.getTexture()->getHeight());
    const float halfWidth = width * element.current.scaleX / 200.0f;
    const float halfHeight = height * element.current.scaleY / 200.0f;
    const float centreX = element.current.x + width / 2.0f;
    const float centreY = element.current.y + height / 2.0f;
    return Box{centreX - halfWidth, centreY - halfHeight, centreX + halfWidth, centreY + halfHeight};
}

const AnimationElement2D* elementShowing(const Animation2D& animation, const std::string& picture) {
    for (const auto& element : animation.getElements()) {
        if (element->getFile() == picture) {
            return element.get();
        }
    }
    return nullptr;
}

void advance(Animation2D& animation, int milliseconds) {
    for (int t = 0; t < milliseconds; t += 10) {
        animation.update(10, nullptr);
    }
}

// Loads a shipped animation with its pictures decoded; every line a loader
// writes meanwhile fails the test.
Animation2D* loadQuietly(AnimationPlayer& player, const std::string& contentPath) {
    LogCapture log;
    Animation2D* animation = player.loadAnimation(ContentPath::resolve(contentPath), 1);
    EXPECT_EQ(log.takeText(), "") << contentPath;
    EXPECT_FALSE(animation->getElements().empty()) << contentPath;
    for (const auto& element : animation->getElements()) {
        EXPECT_GT(element->getTexture() ? element->getTexture()->getWidth() : 0, 0)
            << contentPath << ": the picture " << element->getFile() << " does not decode";
    }
    return animation;
}

class ShippedArt : public ::testing::Test {
protected:
    void SetUp() override {
        Config::reset();
        Config::instance().setContentFolder(CHRONA_CONTENT_DIR);
    }
    void TearDown() override { Config::reset(); }

    TestApp app;
    CpuTextureFactory textures;
};

}  // namespace

// Each medal springs in from nothing, stands centred above the reward text
// band (which starts at 384 + 170) for about two seconds, and has faded when
// the animation reports its end, about three seconds after it began.
TEST_F(ShippedArt, BadgesSpringInHoldCentredAboveTheTextAndFade) {
    const int textBandTop = 768 / 2 + 170;
    for (int badge : {RewardWidget::Gold, RewardWidget::Silver, RewardWidget::Bronze}) {
        const std::string path = RewardWidget::animationFile(badge);
        SCOPED_TRACE(path);
        EndLog log;
        AnimationPlayer player(&log, &textures);
        Animation2D* animation = loadQuietly(player, path);
        EXPECT_FALSE(animation->isLooping());
        EXPECT_GE(animation->getLength(), 2800);
        EXPECT_LE(animation->getLength(), 3600);
        const AnimationElement2D* medal = elementShowing(*animation, "Medal.png");
        ASSERT_NE(medal, nullptr);
        ASSERT_NE(medal->getTexture(), nullptr);

        player.playAnimation(1);
        advance(*animation, 10);
        EXPECT_LT(medal->current.alpha, 60.0f) << "the medal is not there at once";
        EXPECT_LT(medal->current.scaleX, 40.0f);

        int now = 10;
        for (int at : {800, 1600, 2400}) {
            advance(*animation, at - now);
            now = at;
            SCOPED_TRACE(at);
            EXPECT_GT(medal->current.alpha, 250.0f) << "held fully visible";
            EXPECT_NEAR(medal->current.scaleX, 100.0f, 1.0f) << "settled at its natural size";
            const Box box = drawnBox(*medal);
            EXPECT_NEAR((box.left + box.right) / 2.0f, 512.0f, 1.0f) << "centred on the screen";
            EXPECT_GT(box.top, 40.0f);
            EXPECT_LT(box.bottom, static_cast<float>(textBandTop) - 10.0f) << "clear of the text band";
            EXPECT_GT(box.bottom - box.top, 250.0f) << "large enough to read as a reward";
        }
        advance(*animation, animation->getLength() - 2400 - 30);
        EXPECT_TRUE(log.ends.empty()) << "ended before its length";
        EXPECT_LT(medal->current.alpha, 30.0f) << "faded out by the end";
        advance(*animation, 40);
        EXPECT_EQ(log.ends, std::vector<int>({1}));
    }
}

// The configuration lists the studio logo and the game's title as animation
// logo screens; each covers the whole 1024 x 768 screen with an opaque dark
// background for its whole pass and lasts a few seconds.
TEST_F(ShippedArt, LogoScreensAreFullScreenAnimationsOfAFewSeconds) {
    ASSERT_TRUE(Config::instance().load(ContentPath::resolve("content/config/config.xml")));
    const std::vector<Config::LogoScreen>& logos = Config::instance().getLogoScreens();
    ASSERT_EQ(logos.size(), 2u);
    EXPECT_EQ(logos[0].fileName, "StudioLogo.xml");
    EXPECT_EQ(logos[1].fileName, "GameLogo.xml");
    for (const Config::LogoScreen& logo : logos) {
        const std::string path = logo.folder + logo.fileName;
        SCOPED_TRACE(path);
        EXPECT_EQ(logo.type, "ANIMATION");
        EndLog log;
        AnimationPlayer player(&log, &textures);
        Animation2D* animation = loadQuietly(player, path);
        EXPECT_EQ(animation->getWidth(), 1024);
        EXPECT_EQ(animation->getHeight(), 768);
        EXPECT_GE(animation->getLength(), 2500);
        EXPECT_LE(animation->getLength(), 4000);
        const AnimationElement2D* background = elementShowing(*animation, "Background.png");
        ASSERT_NE(background, nullptr);
        EXPECT_EQ(background, animation->getElements().front().get()) << "drawn first, under everything";
        ASSERT_NE(background->getTexture(), nullptr);
        EXPECT_EQ(background->getTexture()->getWidth(), 1024);
        EXPECT_EQ(background->getTexture()->getHeight(), 768);

        player.playAnimation(1);
        for (int t = 0; t + 100 < animation->getLength(); t += 100) {
            advance(*animation, 100);
            ASSERT_EQ(background->current.alpha, 255.0f) << "the screen behind shows through at " << t;
            const Box box = drawnBox(*background);
            ASSERT_LE(box.left, 0.0f);
            ASSERT_LE(box.top, 0.0f);
            ASSERT_GE(box.right, 1024.0f);
            ASSERT_GE(box.bottom, 768.0f);
        }
        advance(*animation, 200);
        EXPECT_EQ(log.ends, std::vector<int>({1}));
    }
}
