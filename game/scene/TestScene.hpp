#pragma once

#include <string>

#include "game/scene/HOScene.hpp"

class ConfigFile;
class Font;

// The smallest playable hidden-object scene, for trying scenes out: goal
// panels chosen by the step's identifier, lifted items drawn above the
// widgets, a hint (H) that sparkles around a random findable goal, and
// Escape to leave. When it leaves (Escape or after the last step) the
// registry is emptied and the title screen replaces it.
class TestScene : public HOScene {
public:
    static constexpr const char* IndexFile = "content/config/scene/sceneIndex.xml";
    static constexpr const char* ConfigPath = "content/config/scene/";
    static constexpr const char* RendererRules = "ItemRendererRules.xml";
    static constexpr const char* GroupRules = "ItemGroupRules.xml";
    static constexpr const char* PanelFont = "content/fonts/TrajanPro18.fnt";
    static constexpr int MainMenuResult = 0;

    TestScene(int sceneId, const std::string& configPath, const std::string& itemRendererConf,
              const std::string& mechanicsConf, const std::string& itemGroupConf);
    // A location scene with the standard rule files and its mechanics file
    // (the scene index is read first when nobody has read it yet).
    static TestScene* forLocation(int sceneId);

    // Sparkles around one findable goal picked at random; false when none is findable.
    bool useHint();
    // Tuning parameters of the panels (the application's when not set).
    void setGameParameters(const ConfigFile* parameters) { parameters_ = parameters; }
    // The font descriptor of the panels, read when the scene is built.
    void setPanelFontPath(const std::string& path) { panelFontPath_ = path; }

protected:
    void onInitialise() override;
    void onKey(const KeyEvent& event) override;
    void onDrawOverlay(Graphics* graphics) override;
    void setupGoalRenderer(const MechanicsStep& step) override;
    void onAllStepsDone() override;
    void onStepScreenResult(int result) override;

private:
    const ConfigFile* parameters_ = nullptr;
    std::string panelFontPath_ = PanelFont;
    Font* font_ = nullptr;
};
