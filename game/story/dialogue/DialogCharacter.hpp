#pragma once

#include <array>
#include <memory>
#include <string>

#include "engine/render/IntRect.hpp"

class AnimationPlayer;
class Font;
class Graphics;
class TinyActionSequence;
class WidgetManager;

// A character of the story as a dialogue shows it: four key-frame
// animations (entry, begin-talk, end-talk, leave) played at its position in
// the screen's shared player, a text box and a name box, and the text it
// speaks, which fades in as it starts talking and out when it stops.
class DialogCharacter {
public:
    enum Animation { EntryAnimation = 0, BeginTalkAnimation = 1, EndTalkAnimation = 2, LeaveAnimation = 3 };
    static constexpr int AnimationCount = 4;
    static constexpr int TextFadeMilliseconds = 500;

    DialogCharacter();
    ~DialogCharacter();
    DialogCharacter(const DialogCharacter&) = delete;
    DialogCharacter& operator=(const DialogCharacter&) = delete;

    int id = -1;
    // A label key shown in the name box.
    std::string name;
    IntRect textBox;
    IntRect nameBox;
    int x = 0;
    int y = 0;
    // Empty where the library names no file that exists: nothing plays there.
    std::array<std::string, AnimationCount> animations;
    // Where the line of the character's file starts (for reports).
    int line = 0;

    // Where its animations play: player ids slotBase .. slotBase + 3, shown in manager.
    void attach(AnimationPlayer* player, WidgetManager* manager, int slotBase);
    // Plays one of the four animations at the character's position; the
    // character's other animations are hidden so only one pose shows.
    void playAnimation(int index);
    // Starts talking: the begin-talk animation for a new speaker, and the
    // text fading in from nothing once half of that animation has played.
    void talk(const std::string& text, bool newSpeaker);
    // Stops talking: the end-talk animation and the text fading out.
    void endTalk();
    void update(int milliseconds);
    // The text in its box and the name (already localized) in its box, at
    // the current text alpha.
    void drawSpeech(Graphics* graphics, Font* font, const std::string& shownName) const;

    const std::string& currentText() const { return text_; }
    int textAlpha() const { return textAlpha_; }
    // The length of one of its animations once loaded (0 without a player or file).
    int animationLength(int index) const;

private:
    void fade(int from, int delay, int delta);

    AnimationPlayer* player_ = nullptr;
    WidgetManager* manager_ = nullptr;
    int slotBase_ = 0;
    std::string text_;
    int textAlpha_ = 0;
    std::unique_ptr<TinyActionSequence> fade_;
};
