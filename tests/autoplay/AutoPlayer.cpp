#include "AutoPlayer.hpp"

#include <algorithm>
#include <csignal>
#include <fstream>

#include "ScreenLook.hpp"
#include "engine/app/GameApp.hpp"
#include "engine/core/KeyEvent.hpp"
#include "engine/dialogs/MessageDialog.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "engine/widgets/TarvikButton.hpp"
#include "engine/widgets/WidgetManager.hpp"
#include "game/menus/AnimatedDialogScreen.hpp"
#include "game/menus/InGameMenuListener.hpp"
#include "game/menus/MainMenu.hpp"
#include "game/menus/OptionsMenu.hpp"
#include "game/minigames/MiniGameBase.hpp"
#include "game/persistence/PlayerProfile.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "game/persistence/SessionRecord.hpp"
#include "game/persistence/screens/PlayerProfilesMenu.hpp"
#include "game/scene/ChronaScene.hpp"
#include "game/story/dialogue/Dialog.hpp"
#include "game/story/dialogue/DialogScreen.hpp"
#include "game/story/dialogue/MyDialog.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "game/story/map/MapPins.hpp"
#include "game/story/map/NewMapScreen.hpp"
#include "game/story/pieces/LumoraPieceFoundScreen.hpp"
#include "game/story/pieces/PlayerProgressScreen.hpp"

namespace {

// Frames a screen is left to settle after it came on top, before the bot acts.
const int kLook = 20;
// Frames on one screen without any input before the run counts as stuck
// (more than a time challenge lasts).
const long kStuck = 25000;
// How long the credits are watched.
const int kCreditsFrames = 400;
// The player's name, typed into the first profile.
const char* const kNames[] = {"Ada", "Bertil", "Casimir", "Dagny", "Elof"};
// The first answer of a question (no, resume) and the second (yes, main menu).
const std::size_t kFirst = 0;
const std::size_t kSecond = 1;
// How often one run may press Continue.
const int kContinues = 4;

int completedScenes(const PlayerProfile& player) {
    int completed = 0;
    for (const auto& session : player.sessions) {
        for (const auto& location : session->locations) {
            completed += (location->present.completed ? 1 : 0) + (location->past.completed ? 1 : 0);
        }
    }
    return completed;
}

// Every piece handed out and no session under way: the story was played to
// its end (the progress screen's "no" to another game starts the profile over).
bool storyOver(const PlayerProfile& player) {
    return player.pieceCursor + 1 >= static_cast<int>(player.pieceOrder.size()) && !player.pieceOrder.empty() &&
           player.currentSession < 0;
}

// The flow position, session and scene the profile names, and its session's scenes.
std::string whereTheProfileStands(const PlayerProfile& player) {
    std::string where = "flow position " + std::to_string(GameFlow::instance().position()) + ", session " +
                        std::to_string(player.currentSession) + ", scene " + std::to_string(player.currentScene);
    if (const SessionRecord* session = player.currentSessionRecord()) {
        for (const auto& location : session->locations) {
            where += "; location " + std::to_string(location->location) + (location->thirdFlag ? " done" : "");
            for (const SceneState* state : {&location->present, &location->past}) {
                where += state->completed ? " completed" : state->opened ? " opened" : " untouched";
            }
        }
    } else {
        where += " without its record";
    }
    return where;
}

}  // namespace

AutoPlayer::AutoPlayer(PlayStyle style, std::uint32_t seed, std::ostream& log)
    : style_(style), log_(log), random_(seed), scenes_(style, random_, record_), minigames_(style, random_, record_) {
    if (style == PlayStyle::Hasty) {
        // One of the dialogues after the first profile is made.
        dialogueToSkip_ = 5 + static_cast<int>(seed % 3);
    }
}

void AutoPlayer::beginFrame(ScriptPlayer::Sink& sink) {
    if (frame_ == 0) {
        reportStart();
    }
    ++frame_;
    record_.frames = frame_;
    if (frame_ == killFrame_) {
        std::raise(SIGKILL);
    }
    auto* top = dynamic_cast<ScreenBase*>(gameApp()->topState());
    observe(top);
    if (!hands_.busy() && top && !finished()) {
        decide(*top);
    }
    if (hands_.busy()) {
        idleSince_ = frame_;
    }
    hands_.play(sink);
    if (frame_ - idleSince_ > kStuck) {
        fail("nothing happened for " + std::to_string(kStuck) + " frames");
    }
    if (frame_ >= frameLimit_) {
        fail("the frame limit was reached");
    }
}

void AutoPlayer::observe(ScreenBase* top) {
    // A screen that left the stack is gone; the next at its address is new.
    const std::vector<GameState*>& states = gameApp()->getStates();
    const auto onStack = [&states](const void* screen) {
        return std::find(states.begin(), states.end(), screen) != states.end();
    };
    if (scenes_.visiting() && !onStack(scenes_.visiting())) {
        scenes_.left();
    }
    if (minigames_.playing() && !onStack(minigames_.playing())) {
        minigames_.left();
        done_ = done_ || stopAfterMinigame_;
    }
    if (top == top_) {
        return;
    }
    top_ = top;
    topSince_ = frame_;
    idleSince_ = frame_;
    lastScreen_ = top ? top->getName() : std::string();
    if (top) {
        ++record_.screens[top->getName()];
        if (top->getName() == killScreen_ && killFrame_ == 0) {
            killFrame_ = frame_ + 1 + killDelay_;
        }
    }
    mapSwitches_ = 0;
    if (!statusFile_.empty()) {
        std::ofstream(statusFile_) << lastScreen_ << "\n";
    }
}

void AutoPlayer::fail(const std::string& why) {
    if (failure_.empty()) {
        failure_ = "on " + lastScreen_ + " at frame " + std::to_string(frame_) + ": " + why;
        log_ << "autoplay: " << failure_ << "\n";
    }
}

bool AutoPlayer::press(const ScreenBase& screen, const Widget* widget) {
    Point at;
    if (!ScreenLook::pressable(screen, widget, &at)) {
        return false;
    }
    hands_.click(static_cast<int>(at.x), static_cast<int>(at.y));
    hands_.wait(kLook);
    return true;
}

bool AutoPlayer::answer(const ScreenBase& screen, std::size_t index) {
    const MessageDialog* dialog = ScreenLook::dialog(screen);
    return dialog && dialog->getButtons().size() > index && press(screen, dialog->getButtons()[index]);
}

void AutoPlayer::clickAnywhere() {
    hands_.click(512, 400);
    hands_.wait(kLook);
}

void AutoPlayer::decide(ScreenBase& top) {
    const std::string& name = top.getName();
    if (frame_ - topSince_ < kLook && name != "HOScene") {
        return;
    }
    // A screen fading in or out, or whose widgets just changed, does not listen yet.
    if (top.getPhase() != ScreenBase::Shown) {
        return;
    }
    // A menu that opens as a dialog listens once it stands open.
    if (auto* menu = dynamic_cast<AnimatedDialogScreen*>(&top); menu && menu->getState() != AnimatedDialogScreen::Open) {
        return;
    }
    if (auto* scene = dynamic_cast<ChronaScene*>(&top)) {
        scenes_.arrive(*scene);
        const std::string stuck = scenes_.play(*scene, hands_, frame_);
        if (!stuck.empty()) {
            fail(stuck);
        }
        return;
    }
    if (auto* game = dynamic_cast<MiniGameBase*>(&top)) {
        minigames_.arrive(*game);
        const std::string stuck = minigames_.play(*game, hands_, frame_);
        if (!stuck.empty()) {
            fail(stuck);
        }
        return;
    }
    if (auto* dialog = dynamic_cast<DialogScreen*>(&top)) {
        dialogue(*dialog);
    } else if (name == "LogoSeqManager" || name == "NewLocationScreen") {
        clickAnywhere();
    } else if (name == "PlayerNameEntry") {
        hands_.type(kNames[random_() % (sizeof(kNames) / sizeof(kNames[0]))]);
        hands_.wait(5);
        hands_.tap(KeyEvent::ReturnKey, '\r');
        hands_.wait(kLook);
    } else if (name == "PlayerProfilesMenu") {
        press(top, ScreenLook::button(top, PlayerProfilesMenu::Select));
    } else if (name == "MainMenu") {
        mainMenu(top);
    } else if (name == "NewMapScreen") {
        map(top);
    } else if (auto* piece = dynamic_cast<LumoraPieceFoundScreen*>(&top)) {
        if (piece->isPromptShown()) {
            clickAnywhere();
        }
    } else if (name == "PlayerProgressScreen") {
        progress(top);
    } else if (name == "OptionsMenu") {
        press(top, ScreenLook::button(top, OptionsMenu::CreditsButton));
    } else if (name == "CreditsScreen") {
        record_.creditsSeen = true;
        if (frame_ - topSince_ >= kCreditsFrames) {
            done_ = true;
        }
    } else if (name == "InGameMenu") {
        const bool quit = scenes_.leavingThroughMenu();
        if (answer(top, quit ? kSecond : kFirst) && quit) {
            scenes_.leftThroughMenu();
            ++record_.menuQuits;
        }
    } else if (name == "NewQuitDialogScreen") {
        answer(top, kFirst);
    }
}

void AutoPlayer::dialogue(DialogScreen& screen) {
    // Counted once each time a dialogue comes on top, whatever the hands were busy with then.
    if (&screen != skippedDialogue_ && countedSince_ != topSince_) {
        countedSince_ = topSince_;
        ++dialogues_;
    }
    if (dialogues_ == dialogueToSkip_ && skippedDialogue_ == nullptr) {
        skippedDialogue_ = &screen;
        ++record_.dialoguesSkipped;
        hands_.tap(KeyEvent::EscapeKey, 27);
        hands_.wait(kLook);
        return;
    }
    const MyDialog* dialog = screen.dialog();
    if (dialog && dialog->isWaitingForClick() && screen.getPhase() == ScreenBase::Shown) {
        hands_.wait(10);
        clickAnywhere();
    }
}

void AutoPlayer::mainMenu(ScreenBase& screen) {
    if (ScreenLook::dialog(screen)) {
        // Starting over loses the progress: yes.
        answer(screen, kSecond);
        return;
    }
    const PlayerProfile* player = PlayerProfiles::instance().currentProfile();
    if (record_.progressSeen || (player && storyOver(*player))) {
        press(screen, ScreenLook::button(screen, MainMenu::Options));
        return;
    }
    const bool started = player && player->currentSession >= 0;
    // A restart continues once and a quit through the menu once more; more is a loop.
    if (started && ++continues_ > kContinues) {
        fail("Continue keeps leading back to the main menu (" + whereTheProfileStands(*player) + ")");
        return;
    }
    press(screen, ScreenLook::button(screen, started ? MainMenu::Continue : MainMenu::Play));
}

void AutoPlayer::map(ScreenBase& screen) {
    auto& mapScreen = static_cast<NewMapScreen&>(screen);
    const PlayerProfile* player = PlayerProfiles::instance().currentProfile();
    const SessionRecord* session = player ? player->currentSessionRecord() : nullptr;
    if (!session) {
        fail("the map shows with no session under way");
        return;
    }
    // The places in progress; a pin in the other view needs the switch first.
    bool elsewhere = false;
    for (const auto& location : session->locations) {
        for (const int sceneId : {location->present.sceneId, location->past.sceneId}) {
            if (MapPins::isUntouched(*player, sceneId) || MapPins::isCompleted(*player, sceneId)) {
                continue;
            }
            if (!MapPins::isShownIn(mapScreen.view(), sceneId)) {
                elsewhere = true;
            } else if (press(screen, mapScreen.pin(sceneId))) {
                return;
            }
        }
    }
    if (elsewhere && mapSwitches_ < 2 && press(screen, mapScreen.control(NewMapScreen::SwitchView))) {
        ++mapSwitches_;
        return;
    }
    fail("no place in progress can be chosen on the map (" + whereTheProfileStands(*player) + ")");
}

void AutoPlayer::progress(ScreenBase& screen) {
    if (!record_.progressSeen) {
        record_.progressSeen = true;
        readStanding();
    }
    if (ScreenLook::dialog(screen)) {
        answer(screen, kFirst);
    } else {
        press(screen, ScreenLook::button(screen, PlayerProgressScreen::OkButton));
    }
}

void AutoPlayer::readStanding() {
    const PlayerProfile* player = PlayerProfiles::instance().currentProfile();
    if (!player) {
        return;
    }
    record_.score = player->score;
    record_.scenesFinished = completedScenes(*player);
    for (const auto& [piece, shown] : player->piecesShown) {
        record_.pieces += shown ? 1 : 0;
    }
    const char* const kinds[] = {"gold", "silver", "bronze"};
    for (const auto& session : player->sessions) {
        for (const auto& location : session->locations) {
            if (location->present.badge >= 0 && location->present.badge < 3) {
                ++record_.badges[kinds[location->present.badge]];
            }
        }
    }
}

void AutoPlayer::reportStart() const {
    const PlayerProfiles& profiles = PlayerProfiles::instance();
    const PlayerProfile* player = profiles.currentProfile();
    log_ << "autoplay: the save holds " << profiles.count() << " profile(s)";
    if (player) {
        log_ << "; the current one, " << player->name << ", has score " << player->score << ", "
             << completedScenes(*player) << " scenes completed" << (storyOver(*player) ? ", the story over" : "");
    }
    // Out at once: a run killed later must still have said it.
    log_ << std::endl;
}
