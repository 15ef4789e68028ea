#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/animation/Animation2D.hpp"
#include "engine/animation/AnimationPlayer.hpp"
#include "engine/render/TextureFactory.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "engine/widgets/WidgetManager.hpp"
#include "support/LogCapture.hpp"
#include "support/FakeTexture.hpp"
#include "support/RecordingGraphics.hpp"
#include "engine/resources/ResourceRegistry.hpp"
#include "support/TestApp.hpp"
#include "support/ScratchFolder.hpp"

namespace {

// Textures of 64 x 32 pixels, one per load, remembering the paths asked for.
class FakeTextureFactory : public TextureFactory {
public:
    Texture* load(const std::string& path, ImageFilter* /*filter*/, int /*keepMode*/) override {
        paths.push_back(path);
        return new FakeTexture(64, 32, 64, 32);
    }
    std::vector<std::string> paths;
};

class StageScreen : public ScreenBase {
public:
    StageScreen() : ScreenBase("stage") {}

protected:
    void build() override {}
    void onEnter() override {}
};

class RecordingPlayerListener : public AnimationPlayerListener {
public:
    void animationFinished(int id) override { finished.push_back(id); }
    std::vector<int> finished;
};

std::string keyFrame(int time, float x, float z = 0, float angle = 0, float scaleX = 100, int alpha = 255) {
    return "<KeyFrame TimeStamp='" + std::to_string(time) + "' TypeInterpolator='0' Type='0' x='" +
           std::to_string(x) + "' y='10' z='" + std::to_string(z) + "' ScaleX='" + std::to_string(scaleX) +
           "' ScaleY='100' Angle='" + std::to_string(angle) + "' Red='255' Green='255' Blue='255' Alpha='" +
           std::to_string(alpha) + "'/>";
}

std::string object(const std::string& file, const std::string& keyFrames) {
    return "<Object file='" + file + "' type='0'>" + keyFrames + "</Object>";
}

// Writes an animation file and returns its path.
std::string animationFile(const std::string& name, const std::string& body, int length, bool loop = false) {
    const std::string dir = scratchFolder("animations");
    const std::string path = dir + name + ".xml";
    std::ofstream(path) << "<Scene name='" << name << "' loop='" << (loop ? 1 : 0) << "' length='" << length
                        << "'><Screen Width='800' Height='600'/>" << body << "</Scene>";
    return path;
}

class AnimationPlayerTest : public testing::Test {
protected:
    FakeTextureFactory textures;
    RecordingPlayerListener listener;
    AnimationPlayer player{&listener, &textures};

    // Advances the animation in frames of step ms until time ms; true when its end was reported.
    bool runTo(Animation2D* animation, int& now, int time, int step = 100) {
        while (now < time) {
            animation->update(step, nullptr);
            now += step;
        }
        return !listener.finished.empty();
    }
};

}  // namespace

TEST(AnimationPlayer, RegistersItsTexturesForVideoModeChanges) {
    ResourceRegistry::reset();
    FakeTextureFactory textures;
    {
        AnimationPlayer player(nullptr, &textures);
        EXPECT_EQ(ResourceRegistry::instance().managers(), std::vector<ResourceManager*>{player.getResourceManager()});
    }
    EXPECT_TRUE(ResourceRegistry::instance().managers().empty());
}

TEST_F(AnimationPlayerTest, MovesLinearlyHoldsStillAndEndsAtItsLength) {
    const std::string path =
        animationFile("linear", object("ball.png", keyFrame(0, 0) + keyFrame(1000, 100)), 1500);
    Animation2D* animation = player.loadAnimation(path, 7);
    ASSERT_NE(animation, nullptr);
    EXPECT_EQ(animation->getName(), "linear");
    EXPECT_EQ(animation->getWidth(), 800);
    EXPECT_EQ(animation->getHeight(), 600);
    ASSERT_EQ(animation->getElements().size(), 1u);
    const AnimationElement2D& ball = *animation->getElements()[0];
    EXPECT_EQ(textures.paths, std::vector<std::string>{std::filesystem::path(path).parent_path().string() +
                                                       "/ball.png"});

    player.playAnimation(7);
    EXPECT_TRUE(player.isPlaying(7));
    int now = 0;
    EXPECT_FALSE(runTo(animation, now, 250, 50));
    EXPECT_NEAR(ball.current.x, 25.0f, 0.01f);
    EXPECT_FALSE(runTo(animation, now, 500, 50));
    EXPECT_NEAR(ball.current.x, 50.0f, 0.01f);
    EXPECT_FALSE(runTo(animation, now, 1000, 50));
    EXPECT_FLOAT_EQ(ball.current.x, 100.0f);
    EXPECT_FALSE(runTo(animation, now, 1450, 50));
    EXPECT_FLOAT_EQ(ball.current.x, 100.0f) << "still for the last 500 ms";
    EXPECT_TRUE(runTo(animation, now, 1500, 50));
    EXPECT_EQ(listener.finished, std::vector<int>{7});
    EXPECT_FALSE(player.isPlaying(7));
}

TEST_F(AnimationPlayerTest, AStepThatOnlyChangesDepthStillTakesItsTime) {
    const std::string path = animationFile(
        "depth", object("a.png", keyFrame(0, 0, 1) + keyFrame(1000, 0, 9) + keyFrame(2000, 100, 9)), 2000);
    Animation2D* animation = player.loadAnimation(path, 1);
    player.playAnimation(1, 3);
    const AnimationElement2D& a = *animation->getElements()[0];
    EXPECT_FLOAT_EQ(a.current.z, 4.0f) << "first depth plus the offset";
    int now = 0;
    runTo(animation, now, 1000);
    EXPECT_FLOAT_EQ(a.current.x, 0.0f);
    EXPECT_FLOAT_EQ(a.current.z, 4.0f) << "depth is not animated";
    EXPECT_FALSE(runTo(animation, now, 1500));
    EXPECT_NEAR(a.current.x, 50.0f, 0.01f);
    EXPECT_TRUE(runTo(animation, now, 2000));
    EXPECT_EQ(now, 2000);
}

TEST_F(AnimationPlayerTest, DrawsAboutTheImageCentreWithTheNegatedAngle) {
    const std::string path = animationFile("turn", object("card.png", keyFrame(0, 20, 0, 90, 50, 128)), 0);
    Animation2D* animation = player.loadAnimation(path, 2);
    RecordingGraphics graphics;
    animation->draw(&graphics, nullptr);
    EXPECT_EQ(graphics.ops(), (std::vector<std::string>{"pushMatrix", "translate", "rotate", "scale", "translate",
                                                        "drawImage", "popMatrix"}));
    const auto translations = graphics.callsOf("translate");
    // The 64 x 32 image turns and scales about its centre (20 + 32, 10 + 16).
    EXPECT_EQ(translations[0].args, (std::vector<float>{52.0f, 26.0f}));
    EXPECT_EQ(translations[1].args, (std::vector<float>{-32.0f, -16.0f}));
    EXPECT_EQ(graphics.callsOf("rotate")[0].args, (std::vector<float>{-90.0f, 0.0f, 0.0f, 1.0f}));
    EXPECT_EQ(graphics.callsOf("scale")[0].args, (std::vector<float>{0.5f, 1.0f}));
    const auto image = graphics.callsOf("drawImage")[0];
    EXPECT_EQ(image.args[0], 0.0f);
    EXPECT_EQ(image.color, Color(255, 255, 255, 128));

    animation->setVisible(false);
    RecordingGraphics hidden;
    animation->draw(&hidden, nullptr);
    EXPECT_TRUE(hidden.calls.empty());
}

TEST_F(AnimationPlayerTest, ObjectsAreDrawnInDepthOrderAndShareTextures) {
    const std::string path = animationFile(
        "layers",
        object("front.png", keyFrame(0, 0, 5)) + object("back.png", keyFrame(0, 0, 2.9f)) +
            object("front.png", keyFrame(0, 50, 5)),
        0);
    Animation2D* animation = player.loadAnimation(path, 3);
    ASSERT_EQ(textures.paths.size(), 2u) << "one texture per file";
    const auto& elements = animation->getElements();
    EXPECT_EQ(elements[0]->getFile(), "back.png");
    EXPECT_EQ(elements[1]->getFile(), "front.png");
    EXPECT_FLOAT_EQ(elements[1]->current.x, 0.0f) << "equal depths keep file order";
    EXPECT_EQ(elements[1]->getTexture(), elements[2]->getTexture());
    RecordingGraphics graphics;
    animation->draw(&graphics, nullptr);
    const auto images = graphics.callsOf("drawImage");
    ASSERT_EQ(images.size(), 3u);
    EXPECT_EQ(images[0].texture, elements[0]->getTexture());
    EXPECT_EQ(images[1].texture, elements[1]->getTexture());
}

TEST_F(AnimationPlayerTest, StopResetsAndPlayStartsAgainFromTheFirstKeyFrame) {
    const std::string path = animationFile("replay", object("ball.png", keyFrame(0, 0) + keyFrame(1000, 100)), 1000);
    Animation2D* animation = player.loadAnimation(path, 4);
    EXPECT_EQ(player.loadAnimation(path, 4), animation) << "loaded once per id";
    const AnimationElement2D& ball = *animation->getElements()[0];
    player.playAnimation(4);
    int now = 0;
    runTo(animation, now, 600);
    EXPECT_NEAR(ball.current.x, 60.0f, 0.01f);
    player.stopAnimation(4);
    EXPECT_FALSE(player.isPlaying(4));
    EXPECT_FLOAT_EQ(ball.current.x, 0.0f);
    animation->update(500, nullptr);
    EXPECT_FLOAT_EQ(ball.current.x, 0.0f) << "stopped: no timelines";

    player.playAnimation(4);
    now = 0;
    runTo(animation, now, 500);
    EXPECT_NEAR(ball.current.x, 50.0f, 0.01f);
    player.pauseAnimation(4, true);
    runTo(animation, now, 2000);
    EXPECT_NEAR(ball.current.x, 50.0f, 0.01f) << "paused";
    player.pauseAnimation(4, false);
    now = 500;
    EXPECT_TRUE(runTo(animation, now, 1000));
    EXPECT_FLOAT_EQ(ball.current.x, 100.0f);

    // Played again after its end, it runs its pass once more.
    player.playAnimation(4);
    EXPECT_FLOAT_EQ(ball.current.x, 0.0f);
    now = 0;
    runTo(animation, now, 1000);
    EXPECT_EQ(listener.finished, (std::vector<int>{4, 4}));
}

TEST_F(AnimationPlayerTest, LoopingAnimationsNeverReport) {
    const std::string path =
        animationFile("loop", object("ball.png", keyFrame(0, 0) + keyFrame(500, 100)), 1000, true);
    Animation2D* animation = player.loadAnimation(path, 5);
    EXPECT_TRUE(animation->isLooping());
    player.playAnimation(5);
    const AnimationElement2D& ball = *animation->getElements()[0];
    int now = 0;
    float highest = 0.0f;
    float lowestAfterFirstPass = 100.0f;
    while (now < 10000) {
        animation->update(50, nullptr);
        now += 50;
        highest = std::max(highest, ball.current.x);
        if (now > 1000) {
            lowestAfterFirstPass = std::min(lowestAfterFirstPass, ball.current.x);
        }
    }
    EXPECT_TRUE(listener.finished.empty());
    EXPECT_TRUE(player.isPlaying(5));
    EXPECT_FLOAT_EQ(highest, 100.0f);
    EXPECT_LT(lowestAfterFirstPass, 10.0f) << "each pass starts again from the first key frame";
}

TEST_F(AnimationPlayerTest, BrokenFilesSayWhatIsWrongAndPlayNothing) {
    const std::string dir = scratchFolder("animations");
    const std::string broken = dir + "broken.xml";
    std::ofstream(broken) << "<Scene length='100'><Object file='a.png'>";
    LogCapture captured1;
    Animation2D* animation = player.loadAnimation(broken, 8);
    const std::string said = captured1.takeText();
    EXPECT_NE(said.find(broken), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    ASSERT_NE(animation, nullptr);
    EXPECT_TRUE(animation->getElements().empty());
    EXPECT_EQ(animation->getName(), "anim noname");
    player.playAnimation(8);
    animation->update(1000, nullptr);
    EXPECT_TRUE(listener.finished.empty());

    LogCapture captured2;
    player.loadAnimation(dir + "absent.xml", 9);
    EXPECT_NE(captured2.takeText().find("absent.xml"), std::string::npos);

    // A key frame without one of its attributes is left out, with a line naming it.
    const std::string path = animationFile(
        "partial",
        object("ball.png",
               keyFrame(0, 0) +
                   "<KeyFrame TimeStamp='500' Type='0' x='1' y='1' z='0' ScaleX='100' ScaleY='100' Angle='0' "
                   "Red='1' Green='1' Blue='1'/>" +
                   keyFrame(1000, 100)),
        1000);
    LogCapture captured3;
    Animation2D* partial = player.loadAnimation(path, 10);
    const std::string warning = captured3.takeText();
    EXPECT_NE(warning.find("partial.xml"), std::string::npos);
    EXPECT_NE(warning.find("Alpha"), std::string::npos);
    EXPECT_EQ(partial->getElements()[0]->getKeyFrames().size(), 2u);

    player.playAnimation(99);
    player.stopAnimation(99);
    EXPECT_FALSE(player.isPlaying(99));
    EXPECT_EQ(player.getAnimation(99), nullptr);
}

TEST_F(AnimationPlayerTest, KeyFramesOfOtherTypesHoldTheValuesForTheirTime) {
    const std::string path = animationFile(
        "sound", object("ball.png", keyFrame(0, 0) + "<KeyFrame TimeStamp='400' Type='2'/>" + keyFrame(1000, 60)),
        1000);
    Animation2D* animation = player.loadAnimation(path, 11);
    player.playAnimation(11);
    const AnimationElement2D& ball = *animation->getElements()[0];
    int now = 0;
    runTo(animation, now, 400);
    EXPECT_FLOAT_EQ(ball.current.x, 0.0f);
    runTo(animation, now, 700);
    EXPECT_NEAR(ball.current.x, 30.0f, 0.01f);
    EXPECT_TRUE(runTo(animation, now, 1000));
    EXPECT_FLOAT_EQ(ball.current.x, 60.0f);
}

TEST_F(AnimationPlayerTest, KeyFramesKeepACopyOfTheirInterpolator) {
    const std::string path = animationFile(
        "interpolators",
        object("ball.png", keyFrame(0, 0) +
                               "<KeyFrame TimeStamp='100' TypeInterpolator='3' Type='0' x='1' y='1' z='0' "
                               "ScaleX='100' ScaleY='100' Angle='0' Red='1' Green='1' Blue='1' Alpha='1'/>"),
        100);
    Animation2D* animation = player.loadAnimation(path, 12);
    const auto& frames = animation->getElements()[0]->getKeyFrames();
    ASSERT_NE(frames.at(0)->interpolator, nullptr);
    EXPECT_FLOAT_EQ(frames.at(0)->interpolator->evaluate(2.0f), 1.2f) << "linear with factor 0.6";
    EXPECT_EQ(frames.at(100)->interpolator, nullptr) << "no function is registered for type 3";
}

TEST_F(AnimationPlayerTest, PlaysInAWidgetManagerAndCanBeRemovedFromItsOwnCallback) {
    const std::string path = animationFile("shown", object("ball.png", keyFrame(0, 0) + keyFrame(200, 10)), 200);
    TestApp app;
    StageScreen screen;
    WidgetManager& manager = *screen.getWidgetManager();
    Animation2D* animation = player.loadAnimation(path, 13);
    player.playAnimation(13, 0, 40, 30, &manager);
    EXPECT_TRUE(manager.contains(animation));
    EXPECT_EQ(animation->getX(), 40);
    EXPECT_EQ(animation->getY(), 30);
    player.playAnimation(13, 0, 40, 30, &manager);
    EXPECT_EQ(manager.getWidgets().size(), 1u);

    // The listener removes the animation while it is reporting its end.
    struct Remover : AnimationPlayerListener {
        AnimationPlayer* player = nullptr;
        int removed = -1;
        void animationFinished(int id) override {
            player->removeAnimation(id);
            removed = id;
        }
    } remover;
    remover.player = &player;
    player.setListener(&remover);
    manager.update(100, &screen);
    manager.update(100, &screen);
    EXPECT_EQ(remover.removed, 13);
    EXPECT_FALSE(manager.contains(animation));
    EXPECT_EQ(player.getAnimation(13), nullptr);
}
