#pragma once

#include <string>

#include "engine/actions/ActionListener.hpp"
#include "game/scene/renderers/ItemGoalRenderer.hpp"

class ConfigFile;
class Font;
class Texture;

// What both goal panels share: the panel picture in the bottom-right corner
// of the design screen, the text font and the tuning parameters. The font
// and parameters are not owned; without a font no text is drawn.
class BaseGoalRenderer : public ItemGoalRenderer, public kve::ActionListener {
public:
    static constexpr const char* BackgroundImage = "content/images/scenegui/GUIBase.png";
    static constexpr const char* BackgroundName = "SCENEGUI_GOAL_RENDERER_BG";

    BaseGoalRenderer(const ConfigFile* parameters, Font* font);

    // Loads the panel picture through the owner scene and moves the panel
    // into the bottom-right corner.
    void initialise() override;
    void actionFinished(int /*tag*/) override {}
    // On the panel when inside it and over a visible pixel of its picture.
    bool hitTest(int x, int y) const override;

    Texture* getBackground() const { return background_; }

protected:
    int parameter(const std::string& key, int fallback) const;
    void drawBackground(Graphics* graphics);
    // Panel-relative point to screen coordinates.
    Point toScreen(float x, float y) const;

    const ConfigFile* parameters_;
    Font* font_;
    Texture* background_ = nullptr;
};
