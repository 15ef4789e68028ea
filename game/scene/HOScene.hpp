#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/animation/AnimationPlayerListener.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "game/scene/renderers/ItemRendererOwner.hpp"
#include "game/scene/data/ItemRegistry.hpp"
#include "game/scene/data/SceneMechanics.hpp"

class AnimationPlayer;
class AnimationWidget;
class GameState;
class Item;
class ItemGoalRenderer;
class ItemRegistry;
class RandomSource;
class SceneIndex;
class TextureFactory;

// The screen on which one hidden-object scene is played: it loads the scene's
// items and rules, gives each displayed item a renderer, draws the items in
// layer order, resolves each press to the topmost item under it and walks
// through the scene's mechanics steps. Scoring, hints and the scene's end are
// left to subclasses through the hooks below.
class HOScene : public ScreenBase, public ItemRendererOwner, public AnimationPlayerListener {
public:
    // The screen a Screen step shows, built from the step's attributes; null
    // when none can be made.
    using StepScreenFactory = std::function<GameState*(const MechanicsStep& step)>;

    static constexpr int StepScreenResult = 10000;
    // The burst over a found item: a 4 x 4 sheet of 80 ms frames in a 128-pixel box.
    static constexpr const char* PickupImage = "content/animations/ItemPickup/ItemPickup.png";
    static constexpr int PickupSize = 128;

    HOScene(int sceneId, const std::string& configPath, const std::string& itemRendererConf,
            const std::string& mechanicsConf, const std::string& itemGroupConf, int startStep);
    ~HOScene() override;

    // ItemRendererOwner
    void itemsChanged(Item* item) override;
    void itemCollected(Item* item) override;
    void bringToFront(Item* item) override;
    void setItemLayer(Item* item, int layer) override;
    Point collectTarget(Item* item) override;
    void showPickup(const Point& centre) override;
    TextureFactory& textureFactory() override;
    AnimationPlayer* animationPlayer() override;

    void animationFinished(int id) override;

    // ScreenBase
    void pause(StateStack* app) override;
    void resume(StateStack* app) override;
    void onKeyEvent(const KeyEvent& event) override;
    void onTransitionFinished(int transitionId) override;
    void onMousePressed(const MouseEvent& event) override;
    void onMouseMoved(const MouseEvent& event) override;
    void onMouseReleased(const MouseEvent& event) override;

    // The topmost displayed item whose renderer accepts the point, or null.
    Item* itemAt(int x, int y) const;
    // Goes to the next mechanics step; with setUpGoalRenderer clear the step's
    // goal panel is left to the caller.
    void advance(bool setUpGoalRenderer = true);
    // Removes the earlier panel and installs this one (the scene owns it).
    void setGoalRenderer(ItemGoalRenderer* renderer);

    int getSceneId() const { return sceneId_; }
    int getCurrentStep() const { return currentStep_; }
    const SceneMechanics& getMechanics() const { return mechanics_; }
    const std::vector<Item*>& getDisplayedItems() const { return displayed_; }
    ItemGoalRenderer* getGoalRenderer() const { return goalRenderer_; }
    GameState* getStepScreen() const { return stepScreen_; }
    bool isBlackout() const { return blackout_; }
    void setStopped(bool stopped) { stopped_ = stopped; }

    // The pickup burst widgets, playing or played out.
    const std::vector<AnimationWidget*>& getPickups() const { return pickups_; }

    // Test and tool seams; the game uses OpenGL textures, the process random
    // source and the process-wide scene index and registry.
    void setTextureFactory(std::unique_ptr<TextureFactory> factory);
    void setRandomSource(RandomSource* random) { random_ = random; }
    void setStepScreenFactory(StepScreenFactory factory) { stepScreenFactory_ = std::move(factory); }

protected:
    void build() override;
    void onEnter() override;
    void onUpdate(int milliseconds) override;
    void drawBackground(Graphics* graphics) override;
    void drawForeground(Graphics* graphics) override;
    void onEntered() override;
    void onLeft(int result) override;

    // Hooks of the scene classes, in the order of their slots.
    virtual void drawDebugOverlay(Graphics* graphics);
    virtual void onInitialise() {}
    virtual void createControls() {}
    virtual void onKey(const KeyEvent& /*event*/) {}
    virtual void onMouse(const MouseEvent& /*event*/) {}
    virtual void onDrawBackground(Graphics* /*graphics*/) {}
    virtual void onDrawForeground(Graphics* /*graphics*/) {}
    virtual void onDrawOverlay(Graphics* /*graphics*/) {}
    virtual void onSceneUpdate(int /*milliseconds*/) {}
    virtual void onPause() {}
    virtual void onResume() {}
    virtual void onItemsLoaded() {}
    virtual void onItemsFirstLoaded() {}
    virtual void onAfterLoad() {}
    virtual void onItemsChanged(Item* /*item*/) {}
    virtual void onItemCollected(Item* /*item*/) {}
    virtual void onItemMissed() {}
    virtual void setupGoalRenderer(const MechanicsStep& /*step*/) {}
    virtual void onAllStepsDone() {}
    virtual void onStepScreenResult(int /*result*/) {}
    virtual void onStarted() {}
    virtual void onGoalRendererInstalled() {}
    virtual void onAnimationEvent(int /*id*/) {}
    // Moves goals for a CollectGroup step from the candidate group to the goal group.
    virtual void fillGoals(const MechanicsStep& step);

    // Draws the displayed items whose renderer is (onTop) or is not (!onTop)
    // lifted above the widgets.
    void drawItems(Graphics* graphics, bool onTop);
    // When set, lifted items are left out of the main pass; the scene class
    // draws them in its overlay.
    void setLiftedItemsDrawnSeparately(bool separately) { liftedSeparately_ = separately; }
    // This scene's goals whose renderer is enabled: those the panel lists.
    std::vector<Item*> findableGoals() const;
    // Forgets the displayed items (their registry is about to be emptied).
    void clearDisplayed() { displayed_.clear(); hovered_ = nullptr; }
    RandomSource& random() const { return *random_; }
    ItemRegistry& registry() const;
    const MechanicsStep* currentStep() const { return mechanics_.step(currentStep_); }

    bool blackout_ = false;
    bool debugOverlay_ = false;

private:
    void loadItems();
    void rebuildDisplayed();
    void createRenderers();
    void startStepScreen(const MechanicsStep& step);
    void sortDisplayed();

    int sceneId_;
    std::string itemRendererPath_;
    std::string mechanicsPath_;
    std::string itemGroupPath_;
    SceneMechanics mechanics_;
    int currentStep_;
    std::vector<int> displayGroups_ = ItemRegistry::displayedGroups();
    std::vector<Item*> displayed_;
    Item* hovered_ = nullptr;
    ItemGoalRenderer* goalRenderer_ = nullptr;
    bool hoverTracking_ = false;
    GameState* stepScreen_ = nullptr;
    bool stopped_ = false;
    bool advanceOnStart_ = false;
    bool liftedSeparately_ = false;
    std::unique_ptr<TextureFactory> textures_;
    std::unique_ptr<AnimationPlayer> animations_;
    RandomSource* random_;
    StepScreenFactory stepScreenFactory_;
    std::vector<AnimationWidget*> pickups_;
};
