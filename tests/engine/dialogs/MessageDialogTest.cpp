#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/animation/Animation2D.hpp"
#include "engine/animation/AnimationPlayer.hpp"
#include "engine/config/Config.hpp"
#include "engine/dialogs/MessageDialogSimple.hpp"
#include "engine/dialogs/MessageDialogSimpleListener.hpp"
#include "engine/dialogs/MessageQuestionDialog.hpp"
#include "engine/dialogs/NewMessageQuestionDialogListener.hpp"
#include "engine/widgets/SimpleImageButton.hpp"
#include "engine/widgets/TarvikButton.hpp"
#include "support/FakeTextureFactory.hpp"
#include "support/RecordingWidget.hpp"
#include "support/ScratchFolder.hpp"
#include "tests/engine/widgets/ControlTestKit.hpp"
#include "support/MouseEvents.hpp"

namespace {

using controls::FixedFont;

class AnswerLog : public NewMessageQuestionDialogListener, public MessageDialogSimpleListener {
public:
    void onDialogAnswer(int dialogId, int answer) override { answers.emplace_back(dialogId, answer); }
    void onDialogClosed(int dialogId, int answer) override { answers.emplace_back(dialogId, answer); }
    std::vector<std::pair<int, int>> answers;
};

std::string animationFile(const std::string& name, const std::string& text) {
    const std::string dir = scratchFolder("dialog-animations");
    std::ofstream(dir + name) << text;
    return dir + name;
}

// One object fading and growing over length ms.
std::string fade(int length) {
    auto frame = [](int time, int alpha) {
        return "<KeyFrame TimeStamp='" + std::to_string(time) +
               "' TypeInterpolator='0' Type='0' x='0' y='0' z='1' ScaleX='100' ScaleY='100' Angle='0' Red='255' "
               "Green='255' Blue='255' Alpha='" +
               std::to_string(alpha) + "'/>";
    };
    return "<Scene name='fade' loop='0' length='" + std::to_string(length) +
           "'><Screen Width='420' Height='520'/><Object file='frame.png' type='0'>" + frame(0, 0) +
           frame(length, 255) + "</Object></Scene>";
}

class MessageDialogTest : public ::testing::Test {
protected:
    MessageDialogTest()
        : sfx(random, [this](const std::string& path) { return std::make_unique<LoggedSound>(path, sounds); }) {
        for (const char* name : {"BUTTON_PRESS", "BUTTON_OVER", "DIALOG_OPENED", "DIALOG_CLOSED"}) {
            sfx.registerFile(name, name);
        }
        InterfaceSound::route(&sfx);
        Config::reset();
        app.setLastMousePosition(Point(-1000, -1000));
        description.openingAnimation = animationFile("open.xml", fade(400));
        description.closingAnimation = animationFile("close.xml", fade(300));
        description.textures = &textures;
        description.caption = "Leave?";
        description.message = "All progress will be lost.";
        description.buttonTexts = {"NO", "YES"};
        description.captionFont = &font;
        description.messageFont = &font;
        description.buttonFont = &font;
        description.buttonImage = &buttonImage;
        description.x = 300;
        description.y = 100;
    }
    ~MessageDialogTest() override { InterfaceSound::route(nullptr); }

    void frames(int count, int milliseconds = 100) {
        for (int i = 0; i < count; ++i) {
            screen.update(milliseconds);
        }
    }
    void mouse(int kind, int x, int y, int buttons = 0) {
        screen.getWidgetManager()->onMouseEvent(mouseEvent(kind, x, y, buttons));
    }
    void click(int x, int y) {
        clickAt([this](const MouseEvent& event) { screen.getWidgetManager()->onMouseEvent(event); }, x, y);
    }
    void key(int code) {
        KeyEvent event;
        event.key = code;
        screen.getWidgetManager()->onKeyEvent(event);
    }
    bool onScreen(const Widget* widget) const {
        const auto& widgets = screen.getWidgets();
        return std::find(widgets.begin(), widgets.end(), widget) != widgets.end();
    }
    std::vector<std::string> takeSounds() {
        std::vector<std::string> out;
        out.swap(sounds);
        return out;
    }

    TestApp app;
    controls::IdleScreen screen;
    SeededRandom random{1};
    std::vector<std::string> sounds;
    SfxContainer sfx;
    FakeTextureFactory textures;
    FixedFont font;
    FakeTexture buttonImage{220, 60, 220, 60};
    AnswerLog log;
    MessageDialogDescription description;
};

using Sounds = std::vector<std::string>;
using Answers = std::vector<std::pair<int, int>>;

TEST_F(MessageDialogTest, QuestionIsAnsweredOnlyAfterTheClosingAnimation) {
    auto* dialog = new MessageQuestionDialog(description, &log, 7);
    screen.addWidget(dialog);
    EXPECT_EQ(takeSounds(), Sounds({"DIALOG_OPENED"}));
    EXPECT_EQ(dialog->getState(), AnimatedDialog::Opening);

    // No buttons while the opening animation runs: a click there reaches nothing.
    frames(3);
    EXPECT_TRUE(dialog->getButtons().empty());
    click(300 + description.buttonX[1] + 10, 100 + description.buttonY[1] + 10);
    frames(2);
    ASSERT_EQ(dialog->getState(), AnimatedDialog::Shown);
    ASSERT_EQ(dialog->getButtons().size(), 2u);
    EXPECT_TRUE(log.answers.empty());
    takeSounds();

    // The second button (answer 1) lies at its place inside the dialog.
    TarvikButton* yes = dialog->getButtons()[1];
    EXPECT_EQ(yes->getX(), 300 + description.buttonX[1]);
    EXPECT_EQ(yes->getY(), 100 + description.buttonY[1]);
    const int yesX = yes->getX() + 10;
    const int yesY = yes->getY() + 10;
    EXPECT_GT(yes->getZ(), dialog->getZ());
    mouse(MouseEvent::Move, yesX, yesY);
    EXPECT_EQ(takeSounds(), Sounds({"BUTTON_OVER"}));
    mouse(MouseEvent::Press, yesX, yesY, MouseEvent::Left);
    mouse(MouseEvent::Release, yesX, yesY, MouseEvent::Left);
    EXPECT_EQ(takeSounds(), Sounds({"BUTTON_PRESS", "DIALOG_CLOSED"}));
    EXPECT_EQ(dialog->getState(), AnimatedDialog::Closing);
    EXPECT_EQ(dialog->getAnswer(), 1);
    EXPECT_TRUE(log.answers.empty()) << "told before the closing animation";

    frames(1);
    EXPECT_FALSE(onScreen(yes)) << "the buttons leave as the dialog starts closing";
    frames(1);
    EXPECT_TRUE(log.answers.empty());
    EXPECT_TRUE(onScreen(dialog));
    frames(1);
    EXPECT_EQ(log.answers, Answers({{7, 1}}));
    frames(1);
    EXPECT_FALSE(onScreen(dialog)) << "removed (and deleted) by the screen";
    EXPECT_EQ(log.answers.size(), 1u);
}

TEST_F(MessageDialogTest, EscapeDismissesWithMinusOneAndReturnConfirmsTheSimpleDialog) {
    auto* question = new MessageQuestionDialog(description, &log, 3);
    screen.addWidget(question);
    key(KeyEvent::EscapeKey);
    frames(5);
    EXPECT_EQ(question->getState(), AnimatedDialog::Shown) << "Escape while opening is ignored";
    takeSounds();
    key(KeyEvent::EscapeKey);
    EXPECT_EQ(takeSounds(), Sounds({"DIALOG_CLOSED"}));
    frames(4);
    EXPECT_EQ(log.answers, Answers({{3, -1}}));

    description.buttonCount = 1;
    auto* simple = new MessageDialogSimple(description, &log, 1000);
    screen.addWidget(simple);
    frames(5);
    ASSERT_NE(simple->getButton(), nullptr);
    key(13);
    frames(4);
    EXPECT_EQ(log.answers, Answers({{3, -1}, {1000, 0}}));

    simple = new MessageDialogSimple(description, &log, 1001);
    screen.addWidget(simple);
    frames(5);
    key(KeyEvent::EscapeKey);
    frames(4);
    EXPECT_EQ(log.answers.back(), std::make_pair(1001, -1));
}

TEST_F(MessageDialogTest, SimpleDialogButtonAnswersZeroAfterClosing) {
    description.buttonCount = 1;
    auto* dialog = new MessageDialogSimple(description, &log, 1000);
    screen.addWidget(dialog);
    frames(5);
    SimpleImageButton* ok = dialog->getButton();
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->getX(), 300 + description.buttonX[0]);
    takeSounds();
    click(ok->getX() + 5, ok->getY() + 5);
    EXPECT_EQ(takeSounds(), Sounds({"BUTTON_OVER", "BUTTON_PRESS", "DIALOG_CLOSED"}));
    frames(2);
    EXPECT_TRUE(log.answers.empty());
    frames(2);
    EXPECT_EQ(log.answers, Answers({{1000, 0}}));
}

TEST_F(MessageDialogTest, BackdropUnderneathAndDialogAboveEveryWidget) {
    auto* below = new RecordingWidget("below", nullptr, 0, 0, 5, 50, 50);
    below->color = Color(1, 2, 3);
    screen.addWidget(below);
    auto* dialog = new MessageQuestionDialog(description, &log, 1);
    screen.addWidget(dialog);
    // Added later and nearer than the dialog: drawn after it among the ordinary widgets.
    auto* above = new RecordingWidget("above", nullptr, 0, 0, 0, 50, 50);
    above->color = Color(4, 5, 6);
    screen.addWidget(above);
    ASSERT_GT(above->getZ(), dialog->getZ());
    frames(5);

    const Texture* frameImage =
        dialog->getAnimationPlayer()->getAnimation(AnimatedDialog::OpeningAnimationId)->getElements()[0]->getTexture();
    RecordingGraphics g;
    screen.getWidgetManager()->draw(&g, &screen);
    int belowAt = -1, dimAt = -1, aboveAt = -1, frameAt = -1, captionAt = -1;
    std::vector<int> buttonsAt;
    for (int i = 0; i < static_cast<int>(g.calls.size()); ++i) {
        const RecordingGraphics::Call& call = g.calls[i];
        if (call.op == "fillRect" && call.color == Color(1, 2, 3)) {
            belowAt = i;
        } else if (call.op == "fillRect" && call.color == Color(4, 5, 6)) {
            aboveAt = i;
        } else if (call.op == "fillRect" && call.args == std::vector<float>{0, 0, 1280, 768}) {
            dimAt = i;
            EXPECT_EQ(call.color, description.dimColor);
        } else if (call.op == "drawImage" && call.texture == frameImage) {
            frameAt = i;
        } else if (call.op == "drawImage" && call.texture == &buttonImage) {
            buttonsAt.push_back(i);
        }
    }
    for (std::size_t i = 0; i < font.lines.size(); ++i) {
        if (font.lines[i].text == "Leave?") {
            captionAt = static_cast<int>(i);
        }
    }
    ASSERT_GE(belowAt, 0);
    ASSERT_GE(dimAt, 0);
    ASSERT_GE(aboveAt, 0);
    ASSERT_GE(frameAt, 0) << "the dialog frame is drawn";
    EXPECT_LT(belowAt, dimAt) << "the backdrop dims what lies below the dialog";
    EXPECT_LT(aboveAt, frameAt) << "the dialog is drawn over a nearer ordinary widget";
    ASSERT_EQ(buttonsAt.size(), 2u);
    EXPECT_LT(frameAt, buttonsAt[0]) << "the buttons lie on the frame";
    EXPECT_GE(captionAt, 0) << "the caption is written";
}

TEST_F(MessageDialogTest, SimpleDialogDimsTheConfiguredScreen) {
    description.buttonCount = 1;
    auto* dialog = new MessageDialogSimple(description, &log, 1);
    screen.addWidget(dialog);
    frames(5);
    RecordingGraphics g;
    screen.getWidgetManager()->draw(&g, &screen);
    const std::vector<RecordingGraphics::Call> fills = g.callsOf("fillRect");
    ASSERT_FALSE(fills.empty());
    EXPECT_EQ(fills.front().args, std::vector<float>({0, 0, static_cast<float>(Config::instance().getWidth()),
                                                      static_cast<float>(Config::instance().getHeight())}));
    const std::vector<RecordingGraphics::Call> images = g.callsOf("drawImage");
    ASSERT_FALSE(images.empty());
    EXPECT_EQ(images.back().texture, &buttonImage) << "the button is drawn last, over the frame";
}

TEST_F(MessageDialogTest, DialogCopesWithAnimationsThatCannotPlay) {
    // A broken opening file: the dialog opens at once, with its buttons.
    description.openingAnimation = animationFile("broken.xml", "<Scene name='x' length='400'><Object file=");
    description.closingAnimation = animationFile("missing-frames.xml", "<Scene name='y' length='0'/>");
    auto* dialog = new MessageQuestionDialog(description, &log, 5);
    screen.addWidget(dialog);
    EXPECT_EQ(dialog->getState(), AnimatedDialog::Shown);
    frames(1);
    ASSERT_EQ(dialog->getButtons().size(), 2u);
    RecordingGraphics g;
    screen.getWidgetManager()->draw(&g, &screen);
    EXPECT_GE(g.callsOf("fillRect").size(), 2u) << "a plain frame stands in for the animation";
    // A closing animation with nothing to play: the answer comes at once.
    click(300 + description.buttonX[0] + 5, 100 + description.buttonY[0] + 5);
    EXPECT_EQ(log.answers, Answers({{5, 0}}));
    frames(1);
    EXPECT_FALSE(onScreen(dialog));

    // No animations at all: close reports false and the dialog leaves at once.
    description.openingAnimation.clear();
    description.closingAnimation.clear();
    auto* still = new MessageQuestionDialog(description, &log, 6);
    screen.addWidget(still);
    EXPECT_EQ(still->getState(), AnimatedDialog::Shown);
    EXPECT_FALSE(still->close());
    EXPECT_EQ(log.answers.back(), std::make_pair(6, -1));

    // Objects without key frames never report their end; the dialog goes on anyway.
    description.openingAnimation = animationFile(
        "silent.xml", "<Scene name='s' loop='0' length='300'><Object file='frame.png' type='0'/></Scene>");
    auto* silent = new MessageQuestionDialog(description, &log, 8);
    screen.addWidget(silent);
    frames(14);
    EXPECT_EQ(silent->getState(), AnimatedDialog::Shown);
}

}  // namespace
