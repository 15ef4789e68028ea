#include <gtest/gtest.h>

#include <string>

#include "engine/core/MouseEvent.hpp"
#include "engine/config/ConfigFile.hpp"
#include "engine/widgets/TarvikButtonListener.hpp"
#include "engine/widgets/TarvikButtonStyle.hpp"
#include "game/scene/controls/HintButton.hpp"
#include "game/scene/controls/SkipButton.hpp"
#include "support/FakeTexture.hpp"
#include "support/MouseEvents.hpp"

namespace {

class Presses : public TarvikButtonListener {
public:
    void onTarvikButton(int id, int code) override {
        if (code == 0) {
            pressed.push_back(id);
        }
    }
    std::vector<int> pressed;
};

const ConfigFile& parameters() {
    static const ConfigFile file(std::string(CHRONA_TEST_DATA_DIR) + "/hoscene/config/GameParameters.cfg");
    return file;
}

}  // namespace

TEST(HintButton, RechargesBeforeItCanBePressedAgain) {
    FakeTexture normal(64, 64, 64, 64);
    FakeTexture full(64, 60, 64, 64);
    Presses presses;
    HintButton button(&presses, TarvikButtonStyle::standard(&normal, &normal, nullptr, ""), &full, &parameters());
    button.setGeometry(0, 0, 64, 64);
    button.onMouseEnter();
    button.onMousePress(leftPress(0, 0));
    EXPECT_EQ(presses.pressed, std::vector<int>{HintButton::Id});
    EXPECT_TRUE(button.isRecharging());
    EXPECT_FALSE(button.isActive());
    button.onMousePress(leftPress(0, 0));
    EXPECT_EQ(presses.pressed.size(), 1u) << "a recharging button ignores presses";
    for (int t = 0; t < 1500; t += 20) {
        button.update(20, nullptr);
    }
    EXPECT_NEAR(button.getFill(), 30, 2) << "half of the 3000 ms refill";
    EXPECT_TRUE(button.isRecharging());
    // The refill's sequence adds a frame or two to the 3000 ms.
    for (int t = 0; t < 1600; t += 20) {
        button.update(20, nullptr);
    }
    EXPECT_FALSE(button.isRecharging());
    EXPECT_TRUE(button.isActive());
    // Going inactive forgot the pointer; the manager reports it over the button again.
    button.onMouseEnter();
    button.onMousePress(leftPress(0, 0));
    EXPECT_EQ(presses.pressed.size(), 2u);
}

TEST(SkipButton, BecomesUsableAfterItsCountdown) {
    FakeTexture normal(120, 40, 128, 64);
    FakeTexture full(120, 40, 128, 64);
    Presses presses;
    SkipButton button(&presses, TarvikButtonStyle::standard(&normal, &normal, nullptr, "Skip"), &full, &parameters());
    button.setGeometry(0, 0, 120, 40);
    button.onMouseEnter();
    EXPECT_TRUE(button.isRecharging()) << "the countdown starts at once";
    button.onMousePress(leftPress(0, 0));
    EXPECT_TRUE(presses.pressed.empty());
    for (int t = 0; t < 1000; t += 20) {
        button.update(20, nullptr);
    }
    EXPECT_NEAR(button.getFill(), 60, 4) << "half of the 2000 ms countdown";
    EXPECT_FALSE(button.isActive());
    for (int t = 0; t < 1100; t += 20) {
        button.update(20, nullptr);
    }
    EXPECT_TRUE(button.isActive());
    button.onMouseEnter();
    button.onMousePress(leftPress(0, 0));
    EXPECT_EQ(presses.pressed, std::vector<int>{SkipButton::Id});
}
