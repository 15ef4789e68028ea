#pragma once

#include <memory>
#include <string>

#include "engine/screens/ScreenBase.hpp"
#include "game/story/cutscenes/CreditsFile.hpp"

class Font;
class Texture;
class TextureFactory;
class Timer;

namespace kve {
class LoopAction;
}

// The credits over their background, scrolling up from just below the
// screen, one pass in the file's GlobalTiming, again and again; each line
// has a dark shadow. A click leaves them for the options dialog below.
class CreditsScreen : public ScreenBase {
public:
    static constexpr int LineSpacing = 24;
    // The offset at the start of every pass: just below the bottom of the screen.
    static constexpr float PassStart = 810.0f;
    // How far a pass scrolls for each line.
    static constexpr float ScrollPerLine = 25.0f * 1.85f;

    // Without a factory the pictures come from the menus' services; without
    // a timer the scroll runs on the game clock.
    explicit CreditsScreen(const std::string& path, TextureFactory* textures = nullptr, const Timer* timer = nullptr);
    ~CreditsScreen() override;

    void onMouseReleased(const MouseEvent& event) override;

    const CreditsFile& credits() const { return credits_; }
    float scrollOffset() const { return scrollOffset_; }
    // How far one pass scrolls.
    float passDistance() const { return static_cast<float>(credits_.lines.size()) * ScrollPerLine; }
    // Where line index is drawn now.
    int lineY(std::size_t index) const;
    static Font* font();
    static constexpr const char* FontFile = "content/fonts/TrajanPro14FX.fnt";

protected:
    void build() override {}
    void onEnter() override;
    void onUpdate(int milliseconds) override;
    void drawBackground(Graphics* graphics) override;
    void drawForeground(Graphics* graphics) override;
    void onLeft(int result) override;

private:
    CreditsFile credits_;
    Texture* background_ = nullptr;
    float scrollOffset_ = 600.0f;
    std::unique_ptr<kve::LoopAction> scroll_;
};
