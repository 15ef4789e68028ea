#include "game/scene/HOScene.hpp"

#include <algorithm>

#include "engine/core/Log.hpp"
#include "engine/animation/AnimationPlayer.hpp"
#include "engine/app/GameApp.hpp"
#include "engine/render/TextureFactory.hpp"
#include "engine/core/ProcessRandom.hpp"
#include "engine/config/Config.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/transitions/EmptyTransition.hpp"
#include "engine/transitions/FadeInTransition.hpp"
#include "engine/transitions/FadeOutTransition.hpp"
#include "engine/animation/AnimationWidget.hpp"
#include "engine/widgets/WidgetManager.hpp"
#include "game/scene/data/GoalChooser.hpp"
#include "game/scene/data/Item.hpp"
#include "game/scene/renderers/ItemGoalRenderer.hpp"
#include "game/scene/data/ItemRegistry.hpp"
#include "game/scene/renderers/ItemRenderer.hpp"
#include "game/scene/renderers/ItemRendererFactory.hpp"
#include "game/scene/data/SceneIndex.hpp"
#include "game/scene/data/SceneItemLoader.hpp"

namespace {
const int kStepFade = 500;
const Point kDefaultCollectTarget(70.0f, 700.0f);
}  // namespace

HOScene::HOScene(int sceneId, const std::string& configPath, const std::string& itemRendererConf,
                 const std::string& mechanicsConf, const std::string& itemGroupConf, int startStep)
    : ScreenBase("HOScene"),
      sceneId_(sceneId),
      itemRendererPath_(configPath + itemRendererConf),
      mechanicsPath_(configPath + mechanicsConf),
      itemGroupPath_(configPath + itemGroupConf),
      currentStep_(startStep - 1),
      random_(&ProcessRandom::instance()) {}

HOScene::~HOScene() {
    // The items stay in the registry for the next visit; their renderers
    // belong to this screen.
    for (Item* item : registry().itemsOfScene(sceneId_)) {
        item->setRenderer(nullptr);
    }
    animations_.reset();
}

ItemRegistry& HOScene::registry() const {
    return ItemRegistry::instance();
}

void HOScene::setTextureFactory(std::unique_ptr<TextureFactory> factory) {
    textures_ = std::move(factory);
}

TextureFactory& HOScene::textureFactory() {
    return textures_ ? *textures_ : gameApp()->getTextureFactory();
}

AnimationPlayer* HOScene::animationPlayer() {
    if (!animations_) {
        animations_ = std::make_unique<AnimationPlayer>(this, &textureFactory());
    }
    return animations_.get();
}

void HOScene::animationFinished(int id) {
    onAnimationEvent(id);
}

void HOScene::build() {
    onInitialise();
}

void HOScene::onEnter() {
    mechanics_.load(mechanicsPath_);
    loadItems();
    onAfterLoad();
    const MechanicsStep* step = mechanics_.step(std::max(currentStep_, 0));
    if (step && step->kind == MechanicsStep::CollectGroup) {
        setupGoalRenderer(*step);
    }
    createControls();
}

void HOScene::loadItems() {
    if (!SceneItemLoader::isLoaded(registry(), sceneId_)) {
        const SceneIndexEntry* entry = SceneItemLoader::load(sceneId_, itemGroupPath_, Config::instance().getActiveLanguage(),
                                                             SceneIndex::instance(), registry());
        if (entry) {
            setOffsets(getOffsetX() + entry->xOffset, getOffsetY() + entry->yOffset);
        }
        onItemsFirstLoaded();
    }
    onItemsLoaded();
    ItemRendererFactory::instance().loadRules(itemRendererPath_);
    const MechanicsStep* next = mechanics_.step(currentStep_ + 1);
    if (next && next->kind == MechanicsStep::CollectGroup) {
        advance(false);
    } else {
        rebuildDisplayed();
        advanceOnStart_ = true;
    }
    createRenderers();
}

void HOScene::createRenderers() {
    const ItemRendererFactory& factory = ItemRendererFactory::instance();
    for (Item* item : displayed_) {
        const ItemDescription& d = item->description();
        const ItemRendererFactoryInput query{registry().groupOf(item), d.typeId, d.type};
        ItemRenderer* renderer = factory.create(query, this, item);
        if (!renderer) {
            logWarning("scene %d: item %d \"%s\" has no renderer (renderer rule %d), it is not shown", sceneId_,
                       item->getIndex(), d.name.c_str(), factory.rendererIdFor(query));
        } else {
            renderer->loadResources(getResourceManager());
            renderer->setEnabled(false);
        }
        item->setRenderer(renderer);
    }
}

void HOScene::sortDisplayed() {
    std::stable_sort(displayed_.begin(), displayed_.end(), [](const Item* a, const Item* b) {
        if (a->description().layer != b->description().layer) {
            return a->description().layer < b->description().layer;
        }
        return a->getIndex() < b->getIndex();
    });
}

void HOScene::rebuildDisplayed() {
    displayed_.clear();
    for (int group : displayGroups_) {
        for (Item* item : registry().items(group, sceneId_)) {
            displayed_.push_back(item);
        }
    }
    sortDisplayed();
}

void HOScene::showPickup(const Point& centre) {
    // A burst that has played out is shown again: every change of the widget
    // list makes the widgets ignore the pointer until the next frame, and a
    // click then must not be lost.
    auto spent =
        std::find_if(pickups_.begin(), pickups_.end(), [](const AnimationWidget* b) { return b->isFinished(); });
    AnimationWidget* burst = spent != pickups_.end() ? *spent : nullptr;
    if (!burst) {
        AnimationWidget::Sheet sheet;
        sheet.texture = getResourceManager()->sharedTexture("SCENEGUI_ITEM_HIT_ANIM_FRAMES", PickupImage,
                                                            textureFactory(), Texture::KeepNothing);
        sheet.columns = 4;
        sheet.rows = 4;
        sheet.frames = 16;
        sheet.frameDuration = 80;
        burst = new AnimationWidget(sheet, false, 0);
        // Only a picture: presses go through it to the items below.
        burst->setEnabled(false);
        addWidget(burst);
        pickups_.push_back(burst);
    }
    burst->setGeometry(static_cast<int>(centre.x) - PickupSize / 2, static_cast<int>(centre.y) - PickupSize / 2,
                       PickupSize, PickupSize);
    burst->play();
}

void HOScene::onUpdate(int milliseconds) {
    // A renderer's update may move items between groups, which rebuilds the list.
    const std::vector<Item*> items = displayed_;
    for (Item* item : items) {
        if (ItemRenderer* renderer = item->getRenderer()) {
            renderer->update(milliseconds);
        }
    }
    onSceneUpdate(milliseconds);
}

void HOScene::drawItems(Graphics* graphics, bool onTop) {
    for (Item* item : displayed_) {
        ItemRenderer* renderer = item->getRenderer();
        if (!renderer || !renderer->isVisible()) {
            continue;
        }
        const bool lifted = renderer->isOnTop();
        if (onTop ? !lifted : (lifted && liftedSeparately_)) {
            continue;
        }
        graphics->pushMatrix();
        graphics->translate(item->description().x, item->description().y);
        renderer->draw(graphics);
        graphics->popMatrix();
    }
}

void HOScene::drawBackground(Graphics* graphics) {
    onDrawBackground(graphics);
    drawItems(graphics, false);
    onDrawForeground(graphics);
}

void HOScene::drawForeground(Graphics* graphics) {
    onDrawOverlay(graphics);
    drawDebugOverlay(graphics);
    if (blackout_) {
        graphics->fillRect(0, 0, 1024, 768, Color::black());
    }
}

void HOScene::drawDebugOverlay(Graphics* graphics) {
    if (!debugOverlay_) {
        return;
    }
    for (Item* item : displayed_) {
        if (ItemRenderer* renderer = item->getRenderer()) {
            const bool enabled = renderer->isEnabled();
            graphics->drawRect(renderer->getBounds(), enabled ? Color(0, 255, 0) : Color(255, 0, 0));
        }
    }
}

void HOScene::onEntered() {
    if (advanceOnStart_) {
        advanceOnStart_ = false;
        advance(true);
    }
    onStarted();
}

void HOScene::onLeft(int result) {
    if (result != StepScreenResult) {
        onStepScreenResult(result);
        return;
    }
    if (stepScreen_) {
        gameApp()->startState(stepScreen_);
    } else {
        advance(true);
    }
}

void HOScene::pause(StateStack* app) {
    ScreenBase::pause(app);
    onPause();
}

void HOScene::resume(StateStack* app) {
    ScreenBase::resume(app);
    if (stepScreen_) {
        const MechanicsStep* next = mechanics_.step(currentStep_ + 1);
        if (next && next->kind != MechanicsStep::Screen) {
            blackout_ = false;
        } else if (next && next->attributes.count("transition") != 0 && next->attribute("transition") != "fade") {
            blackout_ = false;
        }
        stepScreen_ = nullptr;
        getWidgetManager()->setInputEnabled(true);
        advance(true);
        setLeaveTransition(new FadeOutTransition(kStepFade));
    }
    getWidgetManager()->setInputEnabled(true);
    onResume();
}

void HOScene::onKeyEvent(const KeyEvent& event) {
    ScreenBase::onKeyEvent(event);
    onKey(event);
}

void HOScene::onTransitionFinished(int transitionId) {
    if (transitionId == EnterTransitionId) {
        ScreenBase::onTransitionFinished(transitionId);
    }
}

Item* HOScene::itemAt(int x, int y) const {
    for (auto it = displayed_.rbegin(); it != displayed_.rend(); ++it) {
        const ItemRenderer* renderer = (*it)->getRenderer();
        if (renderer && renderer->isVisible() && renderer->getBounds().contains(x, y) && renderer->hitTest(x, y)) {
            return *it;
        }
    }
    return nullptr;
}

void HOScene::onMousePressed(const MouseEvent& event) {
    // Without hover tracking nothing keeps the hovered item current, so the
    // press looks for itself.
    if (!hoverTracking_ || !hovered_) {
        hovered_ = itemAt(event.x, event.y);
    }
    ItemRenderer* renderer = hovered_ ? hovered_->getRenderer() : nullptr;
    if (renderer && renderer->isEnabled()) {
        renderer->mouseState(ItemRenderer::Pressed);
    } else {
        onItemMissed();
    }
    onMouse(event);
}

void HOScene::onMouseMoved(const MouseEvent& event) {
    if (!hoverTracking_) {
        hovered_ = nullptr;
    } else {
        Item* item = itemAt(event.x, event.y);
        if (item != hovered_) {
            if (hovered_ && hovered_->getRenderer() && hovered_->getRenderer()->isEnabled()) {
                hovered_->getRenderer()->mouseState(ItemRenderer::Left);
            }
            hovered_ = item;
            if (item && item->getRenderer() && item->getRenderer()->isEnabled()) {
                item->getRenderer()->mouseState(ItemRenderer::Entered);
            }
        }
    }
    onMouse(event);
}

void HOScene::onMouseReleased(const MouseEvent& event) {
    onMouse(event);
}

void HOScene::advance(bool setUpGoalRenderer) {
    if (stopped_ || currentStep_ >= mechanics_.size()) {
        return;
    }
    ++currentStep_;
    if (currentStep_ >= mechanics_.size()) {
        onAllStepsDone();
        return;
    }
    const MechanicsStep& step = *mechanics_.step(currentStep_);
    if (step.kind == MechanicsStep::CollectGroup && !registry().hasItems(ItemRegistry::Goals, sceneId_)) {
        fillGoals(step);
    }
    if (step.kind == MechanicsStep::Screen) {
        startStepScreen(step);
    }
    if (setUpGoalRenderer) {
        setupGoalRenderer(step);
    }
    itemsChanged(nullptr);
}

std::vector<Item*> HOScene::findableGoals() const {
    std::vector<Item*> findable;
    for (Item* goal : registry().items(ItemRegistry::Goals, sceneId_)) {
        if (goal->getRenderer() && goal->getRenderer()->isEnabled()) {
            findable.push_back(goal);
        }
    }
    return findable;
}

void HOScene::fillGoals(const MechanicsStep& step) {
    GoalChooser(registry(), sceneId_, *random_, false).fill(step);
}

void HOScene::itemsChanged(Item* item) {
    rebuildDisplayed();
    if (goalRenderer_) {
        goalRenderer_->fill(registry());
        goalRenderer_->layout(item);
    }
    onItemsChanged(item);
    const MechanicsStep* step = currentStep();
    if (step && step->kind == MechanicsStep::CollectGroup && !registry().hasItems(ItemRegistry::Goals, sceneId_)) {
        advance(true);
    }
}

void HOScene::itemCollected(Item* item) {
    onItemCollected(item);
}

void HOScene::bringToFront(Item* item) {
    int top = item->description().layer;
    for (const Item* other : displayed_) {
        top = std::max(top, other->description().layer + 1);
    }
    setItemLayer(item, top);
}

void HOScene::setItemLayer(Item* item, int layer) {
    item->description().layer = layer;
    sortDisplayed();
}

Point HOScene::collectTarget(Item* item) {
    return goalRenderer_ ? goalRenderer_->targetPoint(item) : kDefaultCollectTarget;
}

void HOScene::setGoalRenderer(ItemGoalRenderer* renderer) {
    int depth = 0;
    if (goalRenderer_) {
        depth = goalRenderer_->getZ();
        // The old panel may be in the middle of its own callback.
        safeRemoveWidget(goalRenderer_);
    }
    goalRenderer_ = renderer;
    if (!renderer) {
        return;
    }
    renderer->setOwner(this);
    renderer->initialise();
    renderer->fill(registry());
    renderer->layout(nullptr);
    // A panel of a later step takes its predecessor's place among the
    // widgets, under the controls the scene added after the first one.
    if (depth > 0) {
        WidgetBounds bounds = renderer->getBounds();
        bounds.z = depth;
        renderer->setBounds(bounds);
    }
    addWidget(renderer);
    onGoalRendererInstalled();
}

void HOScene::startStepScreen(const MechanicsStep& step) {
    if (stepScreen_ || !stepScreenFactory_) {
        return;
    }
    GameState* screen = stepScreenFactory_(step);
    if (!screen) {
        return;
    }
    stepScreen_ = screen;
    auto* stepScreenBase = dynamic_cast<ScreenBase*>(screen);
    const std::string transition = step.attribute("transition");
    if (transition == "none") {
        setEnterTransition(new EmptyTransition());
        setLeaveTransition(new EmptyTransition());
        if (stepScreenBase) {
            stepScreenBase->setEnterTransition(new EmptyTransition());
            stepScreenBase->setLeaveTransition(new EmptyTransition());
        }
    } else if (transition == "fade") {
        const MechanicsStep* previous = mechanics_.step(currentStep_ - 1);
        if (currentStep_ == 0 || (previous && previous->kind == MechanicsStep::Screen)) {
            setLeaveTransition(new EmptyTransition());
            blackout_ = true;
        } else {
            setLeaveTransition(new FadeOutTransition(kStepFade));
            blackout_ = false;
        }
        setEnterTransition(new FadeInTransition(kStepFade));
        if (stepScreenBase) {
            stepScreenBase->setLeaveTransition(new FadeOutTransition(kStepFade));
            stepScreenBase->setEnterTransition(new FadeInTransition(kStepFade));
        }
    }
    startLeave(StepScreenResult, true);
}
