#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/transitions/TransitionListener.hpp"
#include "engine/transitions/EmptyTransition.hpp"
#include "engine/transitions/FadeInTransition.hpp"
#include "engine/transitions/FadeOutTransition.hpp"
#include "engine/transitions/PortalEffectTransition.hpp"
#include "support/FakeTexture.hpp"
#include "support/RecordingGraphics.hpp"

namespace {

class RecordingTransitionListener : public TransitionListener {
public:
    void onTransitionFinished(int transitionId) override { finished.push_back(transitionId); }
    std::vector<int> finished;
};

int veilAlpha(Transition& transition) {
    RecordingGraphics graphics;
    transition.drawUpper(&graphics);
    const auto fills = graphics.callsOf("fillRect");
    EXPECT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].args, (std::vector<float>{0.0f, 0.0f, 1024.0f, 768.0f}));
    return fills[0].color.a;
}

float length(const Point& p) {
    return std::sqrt(p.x * p.x + p.y * p.y);
}

}  // namespace

TEST(Transitions, EmptyTransitionReportsInsideStart) {
    RecordingTransitionListener listener;
    EmptyTransition empty;
    empty.start(&listener, 12);
    EXPECT_FALSE(empty.isRunning());
    EXPECT_EQ(listener.finished, std::vector<int>{12});
}

TEST(Transitions, FadesStepThroughTheIncrementerValues) {
    RecordingTransitionListener listener;
    FadeInTransition fadeIn(500);
    fadeIn.start(&listener, 1);
    std::vector<int> alphas{veilAlpha(fadeIn)};
    for (int frame = 0; frame < 5; ++frame) {
        fadeIn.update(100);
        alphas.push_back(veilAlpha(fadeIn));
    }
    EXPECT_EQ(alphas, (std::vector<int>{255, 203, 152, 101, 50, 0}));
    EXPECT_TRUE(listener.finished.empty()) << "the end is reported on the following update";
    fadeIn.update(100);
    EXPECT_EQ(listener.finished, std::vector<int>{1});
    EXPECT_FALSE(fadeIn.isRunning());
    fadeIn.update(100);
    EXPECT_EQ(listener.finished.size(), 1u);

    // Started again, it begins from black again.
    fadeIn.start(&listener, 2);
    EXPECT_EQ(veilAlpha(fadeIn), 255);

    FadeOutTransition fadeOut(500);
    fadeOut.start(&listener, 3);
    alphas = {veilAlpha(fadeOut)};
    for (int frame = 0; frame < 5; ++frame) {
        fadeOut.update(100);
        alphas.push_back(veilAlpha(fadeOut));
    }
    EXPECT_EQ(alphas, (std::vector<int>{0, 51, 102, 153, 204, 255}));
    fadeOut.update(16);
    EXPECT_EQ(listener.finished, (std::vector<int>{1, 3}));
}

TEST(Transitions, ZeroLengthFadesEndAtTheirEndValue) {
    RecordingTransitionListener listener;
    FadeInTransition fadeIn(0);
    fadeIn.start(&listener, 1);
    fadeIn.update(16);
    EXPECT_EQ(listener.finished, std::vector<int>{1});
    EXPECT_EQ(veilAlpha(fadeIn), 0) << "a finished fade in must not leave the screen black";
    FadeOutTransition fadeOut(0);
    fadeOut.start(&listener, 2);
    fadeOut.update(16);
    EXPECT_EQ(veilAlpha(fadeOut), 255);
}

TEST(Transitions, PortalOpensAlongTheSpiral) {
    FakeTexture openingGrab(1024, 768, 1024, 1024);
    FakeTexture portal(1000, 700, 1024, 1024);
    FakeTexture spark(16, 16, 16, 16);
    PortalEffectTransition opening(1, &openingGrab, nullptr, &portal, &spark);
    RecordingTransitionListener listener;
    opening.start(&listener, 5);
    int frames = 0;
    while (listener.finished.empty() && frames < 1000) {
        opening.update(16);
        ++frames;
        if (frames == 2) {
            RecordingGraphics graphics;
            opening.drawUpper(&graphics);
            const auto images = graphics.callsOf("drawImage");
            ASSERT_FALSE(images.empty());
            EXPECT_EQ(images[0].texture, &openingGrab);
            EXPECT_EQ(images[0].args[0], 0.0f);
            EXPECT_EQ(graphics.callsOf("translate")[0].args, (std::vector<float>{512.0f, 384.0f}));
            const auto triangles = graphics.callsOf("drawTexturedPolygon");
            ASSERT_EQ(triangles.size(), 1u);
            const auto& t = triangles[0].args;
            ASSERT_EQ(t.size(), 12u);
            // Centre vertex shows the picture's centre; every vertex maps undistorted.
            EXPECT_FLOAT_EQ(t[2], 500.0f / 1024.0f);
            EXPECT_FLOAT_EQ(t[3], 350.0f / 1024.0f);
            EXPECT_FLOAT_EQ(t[6], (500.0f + t[4]) / 1024.0f);
            EXPECT_FLOAT_EQ(t[11], (350.0f + t[9]) / 1024.0f);
            EXPECT_LT(triangles[0].color.a, 255) << "the hole is still faint at the start";
        }
    }
    EXPECT_EQ(frames, 7200 / 16 + 1);
    EXPECT_EQ(listener.finished, std::vector<int>{5});
    const std::vector<Point>& spiral = opening.getSpiral();
    ASSERT_EQ(spiral.size(), static_cast<std::size_t>(7200 / 16));
    EXPECT_NEAR(length(spiral.back()), 8 * 3.14159265f * 30 + 1, 0.01f);
    EXPECT_NEAR(length(spiral.back()), 755.0f, 0.5f);
    for (std::size_t i = 1; i < spiral.size(); ++i) {
        EXPECT_GT(length(spiral[i]), length(spiral[i - 1])) << "the hole grows outward";
    }

    RecordingGraphics finished;
    opening.drawUpper(&finished);
    EXPECT_TRUE(finished.calls.empty()) << "a finished portal draws nothing";
}

TEST(Transitions, PortalClosesFromTheOutside) {
    FakeTexture closingGrab(1024, 768, 1024, 1024);
    FakeTexture portal(1024, 768, 1024, 1024);
    PortalEffectTransition closing(-1, nullptr, &closingGrab, &portal, nullptr, 1000);
    RecordingTransitionListener listener;
    closing.start(&listener, 6);
    EXPECT_FLOAT_EQ(closing.getAngle(), PortalEffectTransition::kFullAngle);
    for (int frame = 0; frame < 3; ++frame) {
        closing.update(100);
    }
    EXPECT_NEAR(closing.getAngle(), PortalEffectTransition::kFullAngle * 0.7f, 1e-4f);

    RecordingGraphics graphics;
    closing.drawUpper(&graphics);
    EXPECT_EQ(graphics.callsOf("drawImage")[0].texture, &closingGrab) << "no opening grab: the closing one";
    const float a = closing.getAngle();
    const auto radiusAt = [](float t) { return t > 0.0f ? t * 30.0f + 1.0f : 0.0f; };
    auto quads = graphics.callsOf("drawTexturedPolygon");
    ASSERT_FALSE(quads.empty());
    // The quads sweep the outermost turn: from the spiral out to radius 512.
    const auto& first = quads.front().args;
    ASSERT_EQ(first.size(), 16u);
    EXPECT_NEAR(length(Point(first[0], first[1])), radiusAt(a - 2 * 3.14159265f), 0.05f);
    EXPECT_NEAR(length(Point(first[8], first[9])), 512.0f, 0.05f);
    EXPECT_NEAR(length(Point(first[12], first[13])), 512.0f, 0.05f);
    const auto& last = quads.back().args;
    EXPECT_NEAR(length(Point(last[4], last[5])), radiusAt(a), 0.05f);
    EXPECT_NEAR(last[6], (512.0f + last[4]) / 1024.0f, 1e-6f) << "undistorted picture";

    // Near the end only the part of the last turn the spiral still reaches is open.
    for (int frame = 0; frame < 6; ++frame) {
        closing.update(100);
    }
    RecordingGraphics nearlyClosed;
    closing.drawUpper(&nearlyClosed);
    quads = nearlyClosed.callsOf("drawTexturedPolygon");
    int fromCentre = 0;
    for (const auto& quad : quads) {
        if (quad.args[0] == 0.0f && quad.args[1] == 0.0f) {
            ++fromCentre;
        }
    }
    EXPECT_GT(fromCentre, static_cast<int>(quads.size()) / 2) << "most directions are covered right to the centre";

    for (int frame = 0; frame < 1; ++frame) {
        closing.update(100);
    }
    EXPECT_FLOAT_EQ(closing.getAngle(), 0.0f);
    EXPECT_NEAR(length(closing.getSpiral().back()), 1.0f, 1e-5f);
    // The parallel action of angle and scale ends one frame after its steps,
    // and the portal reports on the update after that.
    closing.update(100);
    EXPECT_TRUE(listener.finished.empty());
    closing.update(100);
    EXPECT_EQ(listener.finished, std::vector<int>{6});
}

TEST(Transitions, PortalWithoutPicturesDrawsOnlyItsSparks) {
    FakeTexture spark(16, 16, 16, 16);
    PortalEffectTransition opening(1, nullptr, nullptr, nullptr, &spark, 1000);
    opening.start(nullptr, 0);
    for (int frame = 0; frame < 5; ++frame) {
        opening.update(100);
    }
    RecordingGraphics graphics;
    opening.drawUpper(&graphics);
    EXPECT_TRUE(graphics.callsOf("drawTexturedPolygon").empty());
    const auto images = graphics.callsOf("drawImage");
    ASSERT_FALSE(images.empty());
    for (const auto& image : images) {
        EXPECT_EQ(image.texture, &spark);
    }
}
