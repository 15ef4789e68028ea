#include "game/story/flow/GameFlow.hpp"

#include <set>

#include "engine/core/XmlFile.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "engine/screens/StateStack.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "game/scene/data/SceneIndex.hpp"
#include "game/scene/data/SceneMechanics.hpp"
#include "game/story/flow/DialogRequest.hpp"
#include "game/story/flow/ResultCodes.hpp"
#include "game/story/flow/ScreenTypes.hpp"

namespace {

const std::string kDialogs = "content/story/dialogs/";
const std::string kIntro = "content/animations/CutScenes/Intro/";
const std::string kOutro = "content/animations/CutScenes/Outro/";
constexpr int kStoryMusic = 6666;
constexpr int kCutSceneMusic = 7777;

// What follows a dialogue of the story chain.
enum class Then {
    Dialogue,         // the dialogue of the row
    MenuOrDialogue,   // the main menu with a current profile, else the row's dialogue
    ProfilesMenu,     // where the first profile is made
    MainMenu,
    FirstLocation,    // the new-location screen of scene 100, staying on the entry
    NextLocation,     // the new-location screen of the next location in the order, moving on
    Advance,          // the next flow entry
    Progress,         // the player progress screen
};

struct ChainRow {
    std::string ended;
    Then then;
    std::string next = "";
    int music = kStoryMusic;
    bool justPlayAnimation = false;
};

const std::vector<ChainRow>& storyChain() {
    static const std::vector<ChainRow> rows = {
        {kIntro + "Sequence01/Sequence01.xml", Then::Dialogue, kIntro + "Sequence02/Sequence02.xml", kCutSceneMusic,
         true},
        {kIntro + "Sequence02/Sequence02.xml", Then::MenuOrDialogue, kDialogs + "IntroScene_03.xml"},
        {kDialogs + "IntroScene_03.xml", Then::Dialogue, kDialogs + "IntroScene_04.xml"},
        {kDialogs + "IntroScene_04.xml", Then::ProfilesMenu},
        {kDialogs + "IntroScene_05.xml", Then::MainMenu},
        {kDialogs + "Tutorial.xml", Then::Dialogue, kDialogs + "Tutorial_TimeZapper.xml"},
        {kDialogs + "Tutorial_TimeZapper.xml", Then::FirstLocation},
        {kDialogs + "CutScene_1.xml", Then::NextLocation},
        {kDialogs + "CutScene_2.xml", Then::NextLocation},
        {kDialogs + "CutScene_3.xml", Then::NextLocation},
        {kDialogs + "CutScene_4.xml", Then::NextLocation},
        {kDialogs + "CutScene_5.xml", Then::NextLocation},
        {kDialogs + "CutScene_6.xml", Then::Advance},
        {kOutro + "Sequence01/Sequence01.xml", Then::Dialogue, kOutro + "Sequence02/Sequence02.xml", kStoryMusic,
         true},
        {kOutro + "Sequence02/Sequence02.xml", Then::Dialogue, kOutro + "Sequence03/Sequence03.xml", kStoryMusic,
         true},
        {kOutro + "Sequence03/Sequence03.xml", Then::Progress},
    };
    return rows;
}

// Reports what the game cannot use in one Screen element.
void checkEntry(const XmlFile& file, const tinyxml2::XMLElement* screen, const SceneIndex& index,
                std::set<int>& sessionIds) {
    if (!file.hasAll(screen, {"type"})) {
        return;
    }
    const std::string type = XmlFile::text(screen, "type");
    if (!ScreenTypes::isFlowType(type)) {
        file.warn(screen, "the screen type \"" + type + "\" is unknown");
    } else if (type == ScreenTypes::DialogScreen) {
        file.hasAll(screen, {"fileName"}, "the DialogScreen");
    } else if (type == ScreenTypes::Scene && !index.entries().empty()) {
        const int sceneId = XmlFile::number(screen, "sceneId");
        if (!index.find(sceneId)) {
            file.warn(screen, "the scene id " + std::to_string(sceneId) + " is not in the scene index");
        }
    } else if (type == ScreenTypes::GamePartSession) {
        const int sessionId = XmlFile::number(screen, "sessionID");
        if (!sessionIds.insert(sessionId).second) {
            file.warn(screen, "the session id " + std::to_string(sessionId) +
                                  " is used twice: the later session would resume the earlier one");
        }
    }
}

}  // namespace

GameFlow::GameFlow() {
    registerCreator(ScreenTypes::GamePartSession,
                    [this](const FlowParameters& parameters) { return startGamePartSession(parameters); });
}

bool GameFlow::load(const std::string& path, const SceneIndex& index) {
    entries_.clear();
    const XmlFile file(path, "GameFlow");
    if (!file.root()) {
        return false;
    }
    std::set<int> sessionIds;
    for (const auto* screen = file.root()->FirstChildElement("Screen"); screen;
         screen = screen->NextSiblingElement("Screen")) {
        checkEntry(file, screen, index, sessionIds);
        FlowEntry entry;
        entry.type = XmlFile::text(screen, "type");
        entry.line = screen->GetLineNum();
        entry.parameters = FlowParameters(XmlFile::attributes(screen));
        entries_.push_back(std::move(entry));
    }
    if (entries_.empty()) {
        file.warn(file.root(), "the game flow has no Screen");
    }
    return true;
}

void GameFlow::registerCreator(const std::string& type, ScreenCreator creator) {
    creators_[type] = std::move(creator);
}

ScreenBase* GameFlow::nextScreen(bool advance) {
    if (advance) {
        ++position_;
    }
    if (position_ < 0 || position_ >= static_cast<int>(entries_.size())) {
        return nullptr;
    }
    const FlowEntry& entry = entries_[static_cast<std::size_t>(position_)];
    return createScreen(entry.type, entry.parameters);
}

void GameFlow::setScreenFactory(std::unique_ptr<ScreenFactory> factory) {
    factory_ = std::move(factory);
    if (factory_) {
        factory_->registerCreators(*this);
    }
}

void GameFlow::handOver(StateStack* stack, ScreenBase* next) {
    stack->popState();
    if (!next && factory_) {
        next = factory_->mainMenu();
    }
    if (next) {
        next->start(stack);
    }
}

ScreenBase* GameFlow::createScreen(const std::string& type, const FlowParameters& parameters) {
    const auto it = creators_.find(type);
    return it == creators_.end() ? nullptr : it->second(parameters);
}

PlayerProfile* GameFlow::profile() {
    return PlayerProfiles::instance().currentProfile();
}

ScreenBase* GameFlow::currentScene(const PlayerProfile& player, const FlowParameters& parameters) {
    FlowParameters scene = parameters;
    scene.set("sceneId", player.currentScene);
    scene.set("mechanicsConf", SceneMechanics::locationFileName(player.currentScene));
    return createScreen(ScreenTypes::Scene, scene);
}

ScreenBase* GameFlow::startGamePartSession(const FlowParameters& parameters) {
    PlayerProfile* player = profile();
    if (!player) {
        return nullptr;
    }
    const int sessionId = parameters.number("sessionID", 0);
    if (sessionId == player->currentSession) {
        return currentScene(*player, parameters);
    }
    auto record = std::make_unique<SessionRecord>();
    record->id = sessionId;
    player->currentSession = sessionId;
    const int count = parameters.number("numberOfLocations", 0);
    const int available = static_cast<int>(player->locationOrder.size());
    for (int i = 0; i < count && player->locationCursor + 1 < available; ++i) {
        const int location = player->locationOrder[static_cast<std::size_t>(++player->locationCursor)];
        record->locations.push_back(std::make_unique<LocationEntry>(location));
        player->sceneUse[100 + location] = true;
        player->sceneUse[200 + location] = true;
    }
    // With the order used up the session is kept empty: continue moves on past it.
    const bool handedOut = !record->locations.empty();
    if (handedOut) {
        player->currentScene = 100 + record->locations.front()->location;
    }
    player->sessions.push_back(std::move(record));
    return handedOut ? currentScene(*player, parameters) : nullptr;
}

ScreenBase* GameFlow::chooseLocation(int sceneId) {
    PlayerProfile* player = profile();
    if (!player) {
        return nextScreen(false);
    }
    player->currentScene = sceneId;
    bool untouched = true;
    if (const SessionRecord* session = player->currentSessionRecord()) {
        for (const auto& location : session->locations) {
            untouched = untouched && location->present.isUntouched() && location->past.isUntouched();
        }
    }
    return nextScreen(untouched);
}

ScreenBase* GameFlow::newGame() {
    position_ = 0;
    if (PlayerProfile* player = profile()) {
        player->resetProgress(PlayerProfiles::instance().random());
        player->sceneCarryOver = 0;
        player->started = true;
    }
    return dialogue(kDialogs + "Tutorial.xml", kStoryMusic, false);
}

ScreenBase* GameFlow::continueGame() {
    const PlayerProfile* player = profile();
    if (!player || player->currentSession == -1) {
        return createScreen(ScreenTypes::MainMenu, FlowParameters());
    }
    const SessionRecord* session = player->currentSessionRecord();
    // A session id without its record cannot say where it stands, and a game
    // left on the minigame, cut-scene or ending after a session stands past
    // it: the current entry again.
    if (!session || !standsOnSession(player->currentSession)) {
        return nextScreen(false);
    }
    // A game left on a completed scene or its piece goes on from there; the scene is not played again.
    const SceneState* current = session->findSceneState(player->currentScene);
    if (current && current->completed && factory_) {
        return factory_->afterCompletedScene();
    }
    bool locationOpen = false;
    bool sceneOpen = false;
    for (const auto& location : session->locations) {
        locationOpen = locationOpen || !location->thirdFlag;
        sceneOpen = sceneOpen || !location->present.completed || !location->past.completed;
    }
    if (locationOpen) {
        return nextScreen(false);
    }
    if (sceneOpen) {
        return createScreen(ScreenTypes::Map, FlowParameters());
    }
    return nextScreen(true);
}

bool GameFlow::standsOnSession(int sessionId) const {
    if (position_ < 0 || position_ >= static_cast<int>(entries_.size())) {
        return false;
    }
    const FlowEntry& entry = entries_[static_cast<std::size_t>(position_)];
    return entry.type == ScreenTypes::GamePartSession && entry.parameters.number("sessionID", 0) == sessionId;
}

ScreenBase* GameFlow::dialogue(const std::string& fileName, int musicId, bool justPlayAnimation) {
    DialogRequest request;
    request.fileName = fileName;
    request.musicId = musicId;
    request.justPlayAnimation = justPlayAnimation;
    return createScreen(ScreenTypes::DialogScreen, request.parameters());
}

ScreenBase* GameFlow::newLocation(int sceneId, bool advance) {
    FlowParameters parameters;
    parameters.set("sceneId", sceneId);
    parameters.set("advance", advance ? 1 : 0);
    return createScreen(ScreenTypes::NewLocation, parameters);
}

std::vector<DialogRequest> GameFlow::storyChainFiles() {
    std::vector<DialogRequest> files;
    const auto add = [&files](const std::string& fileName, bool animation) {
        for (const DialogRequest& known : files) {
            if (known.fileName == fileName) {
                return;
            }
        }
        DialogRequest request;
        request.fileName = fileName;
        request.justPlayAnimation = animation;
        files.push_back(request);
    };
    for (const ChainRow& row : storyChain()) {
        // The cut-scene sequences are animations, everything else dialogues.
        add(row.ended, row.ended.compare(0, kIntro.size(), kIntro) == 0 ||
                           row.ended.compare(0, kOutro.size(), kOutro) == 0);
        if (!row.next.empty()) {
            add(row.next, row.justPlayAnimation);
        }
    }
    return files;
}

ScreenBase* GameFlow::firstStoryScreen() {
    DialogRequest request;
    request.fileName = kIntro + "Sequence01/Sequence01.xml";
    request.musicId = kCutSceneMusic;
    request.loopMusic = 0;
    request.justPlayAnimation = true;
    return createScreen(ScreenTypes::DialogScreen, request.parameters());
}

ScreenBase* GameFlow::afterDialogue(const std::string& fileName, int leaveCode) {
    for (const ChainRow& row : storyChain()) {
        if (row.ended != fileName) {
            continue;
        }
        switch (row.then) {
        case Then::MenuOrDialogue:
            if (profile()) {
                return createScreen(ScreenTypes::MainMenu, FlowParameters());
            }
            return dialogue(row.next, row.music, row.justPlayAnimation);
        case Then::Dialogue:
            return dialogue(row.next, row.music, row.justPlayAnimation);
        case Then::ProfilesMenu:
            return createScreen(ScreenTypes::PlayerProfilesMenu, FlowParameters());
        case Then::MainMenu:
            return createScreen(ScreenTypes::MainMenu, FlowParameters());
        case Then::FirstLocation:
            return newLocation(100, false);
        case Then::NextLocation: {
            const PlayerProfile* player = profile();
            const int next = player ? player->locationCursor + 1 : -1;
            // Without a location left the flow simply moves on.
            if (next < 0 || next >= static_cast<int>(player->locationOrder.size())) {
                return nextScreen(true);
            }
            return newLocation(100 + player->locationOrder[static_cast<std::size_t>(next)], true);
        }
        case Then::Advance:
            return nextScreen(true);
        case Then::Progress: {
            FlowParameters parameters;
            parameters.set("overlay", 0);
            return createScreen(ScreenTypes::PlayerProgress, parameters);
        }
        }
    }
    if (leaveCode == ResultCodes::DialogDone) {
        return createScreen(ScreenTypes::MainMenu, FlowParameters());
    }
    position_ = 0;
    return nextScreen(false);
}

void GameFlow::linkProfiles(PlayerProfiles& profiles) {
    profiles.linkFlowPosition([] { return GameFlow::instance().position(); },
                              [](int position) { GameFlow::instance().setPosition(position); });
}
