#include <gtest/gtest.h>

#include "engine/core/RandomSource.hpp"
#include "engine/widgets/ParticleEmmiter.hpp"
#include "support/FakeTexture.hpp"
#include "support/RecordingGraphics.hpp"

namespace {

class FixedRandom : public RandomSource {
public:
    int next() override { return 250; }
};

ParticleEmmiterSettings settingsAt(float x, float y) {
    ParticleEmmiterSettings settings;
    settings.lifetime = 1000;
    settings.velocityX = 0.5f;
    settings.velocityY = -1.0f;
    settings.accelerationY = 0.25f;
    settings.originX = x;
    settings.originY = y;
    settings.red = 10;
    settings.green = 20;
    settings.blue = 30;
    return settings;
}

}  // namespace

TEST(ParticleEmmiter, ParticlesFlyFadeAndAreReborn) {
    FakeTexture spark(8, 6, 8, 8);
    ParticleEmmiter emitter(3, &spark);
    FixedRandom fixed;
    emitter.setRandomSource(fixed);
    emitter.setSpread(4, 2);
    emitter.start(settingsAt(100.0f, 50.0f));
    ASSERT_EQ(emitter.getParticles().size(), 3u);
    const ParticleEmmiter::Particle& p = emitter.getParticles()[0];
    EXPECT_EQ(p.maxAge, 750u) << "lifetime - random mod lifetime";
    EXPECT_FLOAT_EQ(p.scale, 1.0f) << "(250 mod 100 - 50) * 0.01 + 1";
    EXPECT_EQ(p.color, Color::white());

    emitter.update(100, nullptr);
    EXPECT_EQ(p.alpha, 229);
    EXPECT_FLOAT_EQ(p.scale, 0.9f);
    EXPECT_EQ(p.color, Color(10, 20, 30, 229));
    EXPECT_FLOAT_EQ(p.x, 100.5f);
    EXPECT_FLOAT_EQ(p.y, 49.0f);
    emitter.update(100, nullptr);
    EXPECT_FLOAT_EQ(p.y, 48.25f) << "the velocity grows by the acceleration every frame";

    // Past its own maximum age the particle is done at once and reborn near the origin.
    emitter.update(600, nullptr);
    EXPECT_EQ(p.age, 0u);
    EXPECT_EQ(p.alpha, 255);
    EXPECT_FLOAT_EQ(p.x, 250 % 5 + 100.0f - 4.0f);
    EXPECT_FLOAT_EQ(p.y, 250 % 3 + 50.0f - 2.0f);
    EXPECT_FLOAT_EQ(p.velocityX, 0.5f - (250 % 101) * 0.01f);
    EXPECT_FLOAT_EQ(p.velocityY, -1.0f - (250 % 199) * 0.01f) << "a negative base spreads by its magnitude";

    emitter.setOrigin(0.0f, 0.0f);
    emitter.update(1000, nullptr);
    EXPECT_FLOAT_EQ(p.x, 250 % 5 - 4.0f) << "rebirth follows the moved origin";
}

TEST(ParticleEmmiter, EachSparkIsDrawnScaledAboutItsCentre) {
    FakeTexture spark(8, 6, 8, 8);
    ParticleEmmiter emitter(1, &spark);
    FixedRandom fixed;
    emitter.setRandomSource(fixed);
    RecordingGraphics idle;
    emitter.draw(&idle, nullptr);
    EXPECT_TRUE(idle.calls.empty()) << "nothing before start";

    emitter.start(settingsAt(100.0f, 50.0f));
    emitter.update(500, nullptr);
    RecordingGraphics graphics;
    emitter.draw(&graphics, nullptr);
    EXPECT_EQ(graphics.ops(), (std::vector<std::string>{"pushMatrix", "translate", "scale", "translate",
                                                        "drawImage", "popMatrix"}));
    const auto translations = graphics.callsOf("translate");
    const ParticleEmmiter::Particle& p = emitter.getParticles()[0];
    EXPECT_EQ(translations[0].args, (std::vector<float>{p.x, p.y}));
    EXPECT_EQ(translations[1].args, (std::vector<float>{-4.0f, -3.0f}));
    EXPECT_EQ(graphics.callsOf("scale")[0].args, (std::vector<float>{0.5f, 0.5f}));
    EXPECT_EQ(graphics.callsOf("drawImage")[0].color, Color(10, 20, 30, 127));

    emitter.stop();
    RecordingGraphics stopped;
    emitter.draw(&stopped, nullptr);
    EXPECT_TRUE(stopped.calls.empty());
}

TEST(ParticleEmmiter, DegenerateSettingsDoNotFail) {
    ParticleEmmiter emitter(2, nullptr);
    ParticleEmmiterSettings settings;
    emitter.setSpread(-3, -3);
    emitter.start(settings);
    emitter.update(16, nullptr);
    const ParticleEmmiter::Particle& p = emitter.getParticles()[0];
    EXPECT_EQ(p.alpha, 255) << "a zero lifetime makes every frame a rebirth";
    EXPECT_FLOAT_EQ(p.x, 0.0f);
    RecordingGraphics graphics;
    emitter.draw(&graphics, nullptr);
    EXPECT_TRUE(graphics.calls.empty()) << "no texture, nothing drawn";
}
