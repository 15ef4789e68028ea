#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/widgets/Widget.hpp"
#include "game/story/dialogue/CharacterLibrary.hpp"
#include "game/story/dialogue/DialogStep.hpp"

class AnimationPlayer;
class Font;
class ResourceManager;
class Texture;
class TextureFactory;

// A story conversation read from a dialogue file: a background, a start
// sound, a character library (with positions the file may change) and a
// sequence of Enter, Talk and Leave steps. Once its screen releases it, each
// step runs when the previous one was clicked away or its timeout ran out;
// after the last one the dialogue is finished, which it reports once.
// Characters animate in the player and widget manager given to start.
class Dialog : public Widget {
public:
    // Reads the file. A file that cannot be used gives an empty dialogue,
    // which finishes at its first update; every fault is one line naming
    // the file and line.
    Dialog(const std::string& path, TextureFactory& textures);
    ~Dialog() override;

    // Lets the characters play in the player, shown in manager (both may be null).
    void attach(AnimationPlayer* player, WidgetManager* manager);
    // Lets the steps run (a held dialogue stands still and ignores clicks).
    void release() { held_ = false; }
    // A click: a step waiting for one gives way to the next at the next update.
    void click();

    void update(int milliseconds, ScreenBase* screen) override;
    // The dialogue only draws through its screen; clicks go to the screen.
    bool hitTest(int /*x*/, int /*y*/) const override { return false; }

    // The speaker's words and name, in font.
    void drawSpeaker(Graphics* graphics, Font* font) const;
    // Drawn while a step waits for a click.
    virtual void drawWaitingForClick(Graphics* /*graphics*/) const {}

    // The text with the current player's name in place of each "%s".
    virtual std::string insertPlayerName(const std::string& text) const;
    // The text with name in place of each "%s"; name is taken as it is.
    static std::string fillName(const std::string& text, const std::string& name);

    const std::vector<DialogStep>& steps() const { return steps_; }
    const CharacterLibrary& library() const { return library_; }
    Texture* background() const { return background_; }
    const std::string& startSound() const { return startSound_; }
    const std::string& fileName() const { return fileName_; }
    bool isHeld() const { return held_; }
    bool isFinished() const { return finished_; }
    bool isWaitingForClick() const { return waitingForClick_; }
    int speaker() const { return speaker_; }
    // Index of the next step to run.
    std::size_t cursor() const { return cursor_; }

protected:
    // The last step has been played (called once).
    virtual void dialogueFinished() {}

private:
    void load(const std::string& path, TextureFactory& textures);
    void nextStep();

    std::string fileName_;
    CharacterLibrary library_;
    std::vector<DialogStep> steps_;
    std::size_t cursor_ = 0;
    bool waitingForClick_ = false;
    bool held_ = true;
    bool finished_ = false;
    int timeout_ = 0;
    int elapsed_ = 0;
    int speaker_ = -1;
    Texture* background_ = nullptr;
    std::string startSound_;
    std::unique_ptr<ResourceManager> resources_;
};
