#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/animation/AnimationPlayer.hpp"
#include "game/story/dialogue/MyDialog.hpp"
#include "support/LogCapture.hpp"
#include "tests/game/story/dialogue/StoryFixture.hpp"

namespace {

const char* const kTalk = "content/story/dialogs/Talk.xml";

// Counts the ends a dialogue reports.
struct EndCounter : DialogListener {
    void dialogFinished(int dialogId) override { ids.push_back(dialogId); }
    std::vector<int> ids;
};

class DialogLogic : public StoryFixture {
protected:
    // The dialogue of path, its characters playing in the test's player.
    std::unique_ptr<MyDialog> open(const std::string& path) {
        auto dialog = std::make_unique<MyDialog>(path, textures_, &ends_, 7);
        dialog->attach(&player_, nullptr);
        return dialog;
    }
    // Updates in steps of at most 10 ms.
    static void run(Dialog& dialog, int milliseconds) {
        for (; milliseconds > 0; milliseconds -= 10) {
            dialog.update(milliseconds < 10 ? milliseconds : 10, nullptr);
        }
    }
    // The player id of a character's animation (characters take four ids
    // each, in the library's order, from 100).
    bool playing(int characterOrder, int animation) const {
        return player_.isPlaying(100 + 4 * characterOrder + animation);
    }

    FakeTextureFactory textures_;
    AnimationPlayer player_{nullptr, &textures_};
    EndCounter ends_;
};

}  // namespace

TEST_F(DialogLogic, StepsAreReadWithTheirKindCharacterTimeoutAndNameFilledText) {
    LogCapture log;
    const auto dialog = open(kTalk);
    EXPECT_TRUE(log.lines().empty()) << log.takeText();
    const std::vector<DialogStep>& steps = dialog->steps();
    ASSERT_EQ(steps.size(), 7u);
    const struct {
        int kind;
        int character;
        int timeout;
        const char* text;
    } expected[] = {
        {DialogStep::Enter, 1, 400, "UNKNOWN"},
        {DialogStep::Talk, 1, -1, "Good evening, Ada. The clocks have stopped again."},
        {DialogStep::Talk, 1, -1, "Every one of them, at a quarter past nine."},
        {DialogStep::Enter, 2, 0, "UNKNOWN"},
        {DialogStep::Talk, 2, 1500, "Then we had better go and see why."},
        {DialogStep::Talk, 1, -1, "Good evening, Ada. The clocks have stopped again."},
        {DialogStep::Leave, 2, 400, "UNKNOWN"},
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(steps[i].kind, expected[i].kind);
        EXPECT_EQ(steps[i].character, expected[i].character);
        EXPECT_EQ(steps[i].timeout, expected[i].timeout);
        EXPECT_EQ(steps[i].text, expected[i].text);
    }
    // The library and the dialogue's own positions.
    const DialogCharacter* orla = dialog->library().find(1);
    ASSERT_NE(orla, nullptr);
    EXPECT_EQ(orla->name, "NAME_ORLA");
    EXPECT_EQ(orla->x, 620);
    EXPECT_EQ(orla->y, 180);
    EXPECT_EQ(orla->textBox.w, 600);
    EXPECT_EQ(orla->nameBox.h, 36);
    EXPECT_EQ(orla->animations[DialogCharacter::LeaveAnimation], "content/story/characters/Leave.xml");
    EXPECT_NE(dialog->background(), nullptr);
    EXPECT_EQ(dialog->startSound(), "DIALOG_OPEN");
}

TEST_F(DialogLogic, FaultyStepsAreEachReportedOnceAtTheirLineAndKeepSafeValues) {
    const std::string path = write("Faulty.xml", R"(<Dialog>
<Characters file="content/story/characters/Characters.xml"/>
<Sequence>
<Dance character="1" continue="click"/>
<Talk character="1" continue="later" textLabel="LINE_SAME"/>
<Enter character="2" continue="timeout" timeout="soon"/>
<Enter character="9" continue="click"/>
<Talk character="2" continue="click"/>
<Leave character="1" continue="timeout" timeout=" -5"/>
</Sequence>
</Dialog>
)");
    LogCapture log;
    const auto dialog = open(path);
    const std::vector<std::string> lines = log.take();
    ASSERT_EQ(lines.size(), 6u) << ::testing::PrintToString(lines);
    const char* expected[] = {":4: the step kind \"Dance\" is unknown", ":5: continue \"later\"",
                              ":6: the timeout \"soon\" is not a whole number", ":7: the character 9 is not",
                              ":8: the Talk lacks textLabel", ":9: the timeout -5 is negative"};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_NE(lines[i].find(path + expected[i]), std::string::npos) << lines[i];
    }
    const std::vector<DialogStep>& steps = dialog->steps();
    ASSERT_EQ(steps.size(), 6u);
    EXPECT_EQ(steps[0].kind, DialogStep::Unknown);
    EXPECT_EQ(steps[1].character, -1);
    EXPECT_EQ(steps[1].text, "Every one of them, at a quarter past nine.");
    EXPECT_EQ(steps[2].timeout, 0);
    EXPECT_EQ(steps[2].character, 2);
    EXPECT_EQ(steps[3].character, 9);
    EXPECT_EQ(steps[4].text, "UNKNOWN");
    EXPECT_EQ(steps[5].timeout, 0);

    // Played out, none of them stops the dialogue or touches a missing character.
    dialog->release();
    for (int i = 0; i < 10 && !dialog->isFinished(); ++i) {
        dialog->click();
        run(*dialog, 20);
    }
    EXPECT_TRUE(dialog->isFinished());
}

TEST_F(DialogLogic, UnusableFilesGiveAnEmptyDialogueThatEndsAtOnceWithOneLineEach) {
    const struct {
        const char* name;
        const char* text;
        const char* fault;
    } files[] = {
        {"Missing.xml", nullptr, "Missing.xml"},
        {"Empty.xml", "", "Empty.xml"},
        {"Cut.xml", "<Dialog><Sequence><Talk character=\"1\"", "Cut.xml"},
        {"Other.xml", "<Conversation/>", "Other.xml"},
        {"NoSequence.xml", "<Dialog><Characters file=\"content/story/characters/Characters.xml\"/></Dialog>",
         "has no Sequence"},
        {"NoLibrary.xml", "<Dialog><Characters file=\"content/story/nobody.xml\"/><Sequence/></Dialog>",
         "the character library \"content/story/nobody.xml\" does not exist"},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        const std::string path = file.text ? write(file.name, file.text) : folder_.file(file.name);
        LogCapture log;
        const auto dialog = open(path);
        const std::vector<std::string> lines = log.take();
        ASSERT_EQ(lines.size(), 1u) << ::testing::PrintToString(lines);
        EXPECT_NE(lines[0].find(file.fault), std::string::npos) << lines[0];
        EXPECT_TRUE(dialog->steps().empty());
        dialog->release();
        dialog->update(16, nullptr);
        EXPECT_TRUE(dialog->isFinished());
    }
    EXPECT_EQ(ends_.ids, std::vector<int>(6, 7));
}

TEST_F(DialogLogic, ClickStepsWaitForAClickAndTimeoutStepsForTheirTime) {
    const auto dialog = open(kTalk);
    // Held, the dialogue stands still and a click changes nothing.
    run(*dialog, 1000);
    dialog->click();
    run(*dialog, 1000);
    EXPECT_EQ(dialog->cursor(), 0u);

    dialog->release();
    dialog->update(1, nullptr);
    EXPECT_EQ(dialog->cursor(), 1u);  // the entry, 400 ms
    dialog->update(399, nullptr);
    EXPECT_EQ(dialog->cursor(), 1u);
    dialog->update(1, nullptr);
    EXPECT_EQ(dialog->cursor(), 2u);  // the first words wait for a click
    EXPECT_TRUE(dialog->isWaitingForClick());
    run(*dialog, 5000);
    EXPECT_EQ(dialog->cursor(), 2u);
    dialog->click();
    EXPECT_FALSE(dialog->isWaitingForClick());
    EXPECT_EQ(dialog->cursor(), 2u);  // the next step follows at the next update
    dialog->update(1, nullptr);
    EXPECT_EQ(dialog->cursor(), 3u);  // more words, another click
    dialog->click();
    dialog->update(1, nullptr);
    EXPECT_EQ(dialog->cursor(), 4u);  // an entry with a timeout of 0 ...
    dialog->update(0, nullptr);
    EXPECT_EQ(dialog->cursor(), 5u);  // ... gives way at the very next update
    // A click during a timeout step does not shorten it.
    dialog->click();
    dialog->update(200, nullptr);
    EXPECT_EQ(dialog->cursor(), 5u);
    dialog->update(1299, nullptr);
    EXPECT_EQ(dialog->cursor(), 5u);
    dialog->update(1, nullptr);
    EXPECT_EQ(dialog->cursor(), 6u);
}

TEST_F(DialogLogic, TheSpeakerChangeEndsThePreviousTalkAndBeginsOnlyForANewSpeaker) {
    const auto dialog = open(kTalk);
    dialog->release();
    dialog->update(1, nullptr);  // Orla enters
    EXPECT_TRUE(playing(0, DialogCharacter::EntryAnimation));
    EXPECT_EQ(dialog->speaker(), -1);
    run(*dialog, 400);  // Orla talks: a new speaker after her entry
    EXPECT_EQ(dialog->speaker(), 1);
    EXPECT_TRUE(playing(0, DialogCharacter::BeginTalkAnimation));
    EXPECT_FALSE(playing(0, DialogCharacter::EntryAnimation));
    player_.stopAnimation(100 + DialogCharacter::BeginTalkAnimation);

    dialog->click();
    dialog->update(1, nullptr);  // Orla again: no new begin-talk, no end-talk
    EXPECT_FALSE(playing(0, DialogCharacter::BeginTalkAnimation));
    EXPECT_FALSE(playing(0, DialogCharacter::EndTalkAnimation));
    EXPECT_EQ(dialog->library().find(1)->currentText(), "Every one of them, at a quarter past nine.");

    dialog->click();
    dialog->update(1, nullptr);  // Bram enters: Orla stops talking
    EXPECT_TRUE(playing(0, DialogCharacter::EndTalkAnimation));
    EXPECT_TRUE(playing(1, DialogCharacter::EntryAnimation));
    EXPECT_EQ(dialog->speaker(), -1);
    dialog->update(0, nullptr);  // Bram talks
    EXPECT_TRUE(playing(1, DialogCharacter::BeginTalkAnimation));
    EXPECT_EQ(dialog->speaker(), 2);
    player_.stopAnimation(100 + DialogCharacter::EndTalkAnimation);

    run(*dialog, 1500);  // Orla answers: Bram ends, Orla begins
    EXPECT_TRUE(playing(1, DialogCharacter::EndTalkAnimation));
    EXPECT_FALSE(playing(1, DialogCharacter::BeginTalkAnimation));
    EXPECT_TRUE(playing(0, DialogCharacter::BeginTalkAnimation));
    EXPECT_EQ(dialog->speaker(), 1);
    dialog->click();
    dialog->update(1, nullptr);  // Bram leaves while Orla was speaking: she ends too
    EXPECT_TRUE(playing(1, DialogCharacter::LeaveAnimation));
    EXPECT_TRUE(playing(0, DialogCharacter::EndTalkAnimation));
    EXPECT_EQ(dialog->speaker(), -1);
}

TEST_F(DialogLogic, TheWordsFadeInAfterHalfTheBeginTalkAndOutWhenTheSpeakerStops) {
    const auto dialog = open(kTalk);
    dialog->release();
    dialog->update(1, nullptr);
    run(*dialog, 400);  // Orla begins to talk (her begin-talk lasts 600 ms)
    const DialogCharacter& orla = *dialog->library().find(1);
    ASSERT_EQ(dialog->speaker(), 1);
    std::vector<int> alphas;
    for (int t = 0; t < 1000; t += 10) {
        alphas.push_back(orla.textAlpha());
        dialog->update(10, nullptr);
    }
    // Nothing shows for half of the begin-talk (300 ms) ...
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(alphas[static_cast<std::size_t>(i)], 0) << i * 10 << " ms";
    }
    // ... then the words grow steadily to full within the next half second ...
    const int firstShown = static_cast<int>(std::find_if(alphas.begin(), alphas.end(), [](int a) { return a > 0; }) -
                                            alphas.begin());
    EXPECT_LE(firstShown, 35);
    EXPECT_TRUE(std::is_sorted(alphas.begin(), alphas.end()));
    EXPECT_GT(alphas[55], 100);
    EXPECT_LT(alphas[55], 200);
    EXPECT_EQ(alphas.back(), 255);

    // The same speaker again: no begin-talk now, but the words fade in anew from nothing.
    dialog->click();
    dialog->update(1, nullptr);
    EXPECT_EQ(orla.textAlpha(), 0);
    run(*dialog, 850);
    EXPECT_EQ(orla.textAlpha(), 255);
    dialog->click();

    // Bram enters: Orla's words fade out over half a second.
    std::vector<int> fading;
    for (int t = 0; t < 700; t += 50) {
        dialog->update(t == 0 ? 1 : 50, nullptr);
        fading.push_back(orla.textAlpha());
    }
    EXPECT_EQ(fading.front(), 255);
    EXPECT_TRUE(std::is_sorted(fading.rbegin(), fading.rend()));
    EXPECT_GT(fading[5], 0);
    EXPECT_LT(fading[5], 255);
    EXPECT_EQ(fading.back(), 0);
}

TEST_F(DialogLogic, ThePlayersNameIsPutInPlaceOfEachPlaceholderAsItIs) {
    EXPECT_EQ(Dialog::fillName("Good evening, %s.", "Ada"), "Good evening, Ada.");
    EXPECT_EQ(Dialog::fillName("No name here, 100% sure.", "Ada"), "No name here, 100% sure.");
    EXPECT_EQ(Dialog::fillName("%s and %s", "Ada"), "Ada and Ada");
    EXPECT_EQ(Dialog::fillName("%s", ""), "");
    // A name that looks like formatting is shown as typed and never expanded.
    EXPECT_EQ(Dialog::fillName("Hi %s!", "%s%n%d%%"), "Hi %s%n%d%%!");
    const std::string longName(5000, 'W');
    EXPECT_EQ(Dialog::fillName("<%s>", longName), "<" + longName + ">");

    // The dialogue fills in the current player's name, whatever it holds.
    PlayerProfile& hostile = addProfile("%s %n 50%");
    (void)hostile;
    const auto dialog = open(kTalk);
    EXPECT_EQ(dialog->steps()[1].text, "Good evening, %s %n 50%. The clocks have stopped again.");
}

TEST_F(DialogLogic, TheEndIsReportedOnceWithTheDialoguesId) {
    const auto dialog = open(kTalk);
    dialog->release();
    for (int i = 0; i < 40; ++i) {
        dialog->click();
        run(*dialog, 100);
    }
    EXPECT_TRUE(dialog->isFinished());
    EXPECT_EQ(ends_.ids, std::vector<int>{7});
    EXPECT_EQ(dialog->cursor(), dialog->steps().size());
}
