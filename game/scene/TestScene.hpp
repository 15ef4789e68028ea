#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/core/RandomSource.hpp"
#include "engine/widgets/TarvikButtonListener.hpp"
#include "game/scene/HOScene.hpp"

class ConfigFile;
class Font;
class HintButton;
class TarvikButton;

// The smallest playable hidden-object scene, for trying scenes out: goal
// panels chosen by the step's identifier, lifted items drawn above the
// widgets, a hint button (or H) that sparkles around a random findable goal
// and then recharges, and a main-menu button (or Escape) to leave. When it
// leaves (by the button or after the last step) the registry is emptied and
// the title screen replaces it.
class TestScene : public HOScene, public TarvikButtonListener {
public:
    static constexpr const char* IndexFile = "content/config/scene/sceneIndex.xml";
    static constexpr const char* ConfigPath = "content/config/scene/";
    static constexpr const char* RendererRules = "ItemRendererRules.xml";
    static constexpr const char* GroupRules = "ItemGroupRules.xml";
    static constexpr const char* PanelFont = "content/fonts/TrajanPro18.fnt";
    static constexpr int MainMenuResult = 0;
    static constexpr int MainMenuButtonId = 2;
    // The round socket of the goal panel picture (200 pixels high) that
    // holds the 110-pixel hint button; the 80-pixel menu button sits in the
    // top-right corner.
    static constexpr int PanelHeight = 200;
    static constexpr int HintSocketX = 90;
    static constexpr int HintSocketY = 124;
    static constexpr int HintButtonSize = 110;
    static constexpr int MenuButtonSize = 80;

    TestScene(int sceneId, const std::string& configPath, const std::string& itemRendererConf,
              const std::string& mechanicsConf, const std::string& itemGroupConf);
    // A location scene with the standard rule files and its mechanics file
    // (the scene index is read first when nobody has read it yet). Its goals
    // and hints draw from a source of their own seeded with seed, so a seeded
    // run picks the same goals whatever sounds and particles drew before.
    static TestScene* forLocation(int sceneId, std::uint32_t seed);

    // Sparkles around one findable goal picked at random; false when none is findable.
    bool useHint();
    void onTarvikButton(int id, int code) override;
    HintButton* getHintButton() const { return hintButton_; }
    TarvikButton* getMainMenuButton() const { return mainMenuButton_; }

    // Tuning parameters of the panels (the application's when not set).
    void setGameParameters(const ConfigFile* parameters) { parameters_ = parameters; }
    // The font descriptor of the panels, read when the scene is built.
    void setPanelFontPath(const std::string& path) { panelFontPath_ = path; }

protected:
    void onInitialise() override;
    void createControls() override;
    void onKey(const KeyEvent& event) override;
    void onDrawOverlay(Graphics* graphics) override;
    void setupGoalRenderer(const MechanicsStep& step) override;
    // Says where the press was, for authors trying their scene out.
    void onItemMissed() override;
    void onAllStepsDone() override;
    void onStepScreenResult(int result) override;
    // Sets of alike pieces are found together and listed as one line with a count.
    void fillGoals(const MechanicsStep& step) override;

private:
    const ConfigFile* parameters_ = nullptr;
    std::string panelFontPath_ = PanelFont;
    Font* font_ = nullptr;
    HintButton* hintButton_ = nullptr;
    TarvikButton* mainMenuButton_ = nullptr;
    std::unique_ptr<SeededRandom> choices_;
};
