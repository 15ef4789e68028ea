#include "game/scene/TestScene.hpp"

#include <SDL/SDL_keysym.h>

#include "engine/app/GameApp.hpp"
#include "engine/app/RandomSource.hpp"
#include "engine/audio/SfxContainer.hpp"
#include "engine/config/ContentPath.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/text/AngelFont.hpp"
#include "game/app/MyApp.hpp"
#include "game/menus/TitleScreen.hpp"
#include "game/scene/CountStackGoalRenderer.hpp"
#include "game/scene/Item.hpp"
#include "game/scene/ItemRegistry.hpp"
#include "game/scene/ItemRenderer.hpp"
#include "game/scene/ItemRendererFactory.hpp"
#include "game/scene/SceneIndex.hpp"
#include "game/scene/SilhouetteGoalRenderer.hpp"

TestScene::TestScene(int sceneId, const std::string& configPath, const std::string& itemRendererConf,
                     const std::string& mechanicsConf, const std::string& itemGroupConf)
    : HOScene(sceneId, configPath, itemRendererConf, mechanicsConf, itemGroupConf, 0) {
    ItemRendererFactory::reset();
    ItemRendererFactory::instance().registerStandardCreators(RandomSource::process());
    setLiftedItemsDrawnSeparately(true);
    if (myApp()) {
        parameters_ = myApp()->getGameParameters();
    }
}

TestScene* TestScene::forLocation(int sceneId) {
    SceneIndex& index = SceneIndex::instance();
    if (index.entries().empty()) {
        index.load(ContentPath::resolve(IndexFile));
    }
    return new TestScene(sceneId, ConfigPath, RendererRules, SceneMechanics::locationFileName(sceneId), GroupRules);
}

void TestScene::onInitialise() {
    auto* font = new AngelFont(ContentPath::resolve(panelFontPath_), &textureFactory());
    getResourceManager()->addFont("FONT_TrajanPro18", font);
    font_ = font;
}

void TestScene::onKey(const KeyEvent& event) {
    if (event.action != KeyEvent::Press) {
        return;
    }
    if (event.key == SDLK_h) {
        useHint();
    } else if (event.key == SDLK_ESCAPE) {
        startLeave(MainMenuResult, true);
    }
}

bool TestScene::useHint() {
    std::vector<Item*> findable;
    for (Item* goal : registry().items(ItemRegistry::Goals, getSceneId())) {
        if (goal->getRenderer() && goal->getRenderer()->isEnabled()) {
            findable.push_back(goal);
        }
    }
    if (findable.empty()) {
        return false;
    }
    findable[static_cast<std::size_t>(random().below(static_cast<int>(findable.size())))]->getRenderer()->startHint();
    SfxContainer::instance().play("SCENE_HINT_USED");
    return true;
}

void TestScene::onDrawOverlay(Graphics* graphics) {
    drawItems(graphics, true);
}

void TestScene::setupGoalRenderer(const MechanicsStep& step) {
    if (step.kind != MechanicsStep::CollectGroup) {
        return;
    }
    if (step.identifier == SilhouetteGoalRenderer::Identifier) {
        setGoalRenderer(new SilhouetteGoalRenderer(parameters_, font_));
    } else {
        setGoalRenderer(new CountStackGoalRenderer(parameters_, font_));
    }
}

void TestScene::onAllStepsDone() {
    startLeave(MainMenuResult, true);
}

void TestScene::onStepScreenResult(int /*result*/) {
    ItemRegistry::instance().clear();
    // Replacing the scene deletes it: nothing of it may be touched afterwards.
    gameApp()->changeState(new TitleScreen());
}
