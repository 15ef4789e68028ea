#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/SingletonContainer.hpp"
#include "game/story/flow/DialogRequest.hpp"
#include "game/story/flow/FlowEntry.hpp"
#include "game/story/flow/ScreenCreator.hpp"
#include "game/story/flow/ScreenFactory.hpp"

class PlayerProfile;
class PlayerProfiles;
class ScreenBase;
class SceneIndex;
class StateStack;

// The story as a straight line of screens read from the flow file, the
// current position in it, and the table of creators that build a screen by
// type name. Screens never name their successor: when one ends it asks the
// flow for the next screen and pushes what it gets (none when the line is
// over or the type has no creator). The game part sessions, new game,
// continue and the map choice read and write the current player profile.
class GameFlow : public SingletonContainer<GameFlow> {
public:
    static constexpr const char* FlowFile = "content/config/GameFlow.xml";

    GameFlow();

    // Empties the list and reads the file. Every problem is one line
    // (missing, empty or broken file, another root, a Screen without type or
    // of an unknown type, a DialogScreen without fileName, a scene id the
    // index does not hold, a session id used twice); entries with a fault
    // stay in the list so that saved positions keep their meaning. The
    // result tells whether the file was read.
    bool load(const std::string& path, const SceneIndex& index);

    void registerCreator(const std::string& type, ScreenCreator creator);
    bool hasCreator(const std::string& type) const { return creators_.count(type) != 0; }

    // The screen of the current entry, or of the following one after
    // advancing; asking again without advancing builds a fresh screen.
    ScreenBase* nextScreen(bool advance);
    // A screen of the type, outside the list (a scene's Screen step).
    ScreenBase* createScreen(const std::string& type, const FlowParameters& parameters);

    int position() const { return position_; }
    // Not checked against the list: nextScreen gives none out of range.
    void setPosition(int position) { position_ = position; }
    const std::vector<FlowEntry>& entries() const { return entries_; }

    // The main menu's commands: the first dialogue of a new game (the
    // current profile starts over), and the screen where the current
    // profile's game goes on.
    ScreenBase* newGame();
    ScreenBase* continueGame();
    // The map, opened from the flow, chose a scene: a session not yet played
    // moves on to the next entry, a session in progress resumes there.
    ScreenBase* chooseLocation(int sceneId);
    // The screen after a story dialogue (one whose flag keeps it from
    // pushing nothing), decided by its file and leave code.
    ScreenBase* afterDialogue(const std::string& fileName, int leaveCode);
    // The opening cut-scene that follows the logos.
    ScreenBase* firstStoryScreen();
    // Every file of the fixed story chain (the opening, the tutorial, what
    // follows each dialogue), once each, with the mode it plays in.
    static std::vector<DialogRequest> storyChainFiles();

    // Installs the factory of the screens and lets it register its creators.
    void setScreenFactory(std::unique_ptr<ScreenFactory> factory);
    // The installed factory, or none (logic tests without screens).
    ScreenFactory* screens() const { return factory_.get(); }
    // A leaving screen's hand-over: pops it and starts next; with no next
    // screen (the flow is over or the type cannot be built) the main menu
    // follows, so the player is never left without a screen.
    void handOver(StateStack* stack, ScreenBase* next);

    // The profiles read the position when they are saved and set it when
    // they are loaded or one is selected; always through the live instance.
    static void linkProfiles(PlayerProfiles& profiles);

private:
    ScreenBase* startGamePartSession(const FlowParameters& parameters);
    // The scene creator's screen for the profile's current scene.
    ScreenBase* currentScene(const PlayerProfile& profile, const FlowParameters& parameters);
    ScreenBase* dialogue(const std::string& fileName, int musicId, bool justPlayAnimation);
    ScreenBase* newLocation(int sceneId, bool advance);
    // Whether the flow stands on the entry of that game part session.
    bool standsOnSession(int sessionId) const;
    static PlayerProfile* profile();

    std::unique_ptr<ScreenFactory> factory_;
    std::map<std::string, ScreenCreator> creators_;
    std::vector<FlowEntry> entries_;
    int position_ = 0;
};
