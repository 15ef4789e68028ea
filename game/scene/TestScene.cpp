#include "game/scene/TestScene.hpp"


#include <SDL/SDL_keysym.h>

#include "engine/core/Log.hpp"
#include "engine/app/GameApp.hpp"
#include "engine/core/ProcessRandom.hpp"
#include "engine/audio/catalogue/SfxContainer.hpp"
#include "engine/config/Config.hpp"
#include "engine/core/ContentPath.hpp"
#include "engine/render/Texture.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/text/AngelFont.hpp"
#include "engine/widgets/TarvikButtonStyle.hpp"
#include "game/app/MyApp.hpp"
#include "game/scene/renderers/CountStackGoalRenderer.hpp"
#include "game/scene/data/GoalChooser.hpp"
#include "game/scene/controls/HintButton.hpp"
#include "game/scene/data/Item.hpp"
#include "game/scene/data/ItemRegistry.hpp"
#include "game/scene/renderers/ItemRenderer.hpp"
#include "game/scene/renderers/ItemRendererFactory.hpp"
#include "game/scene/data/SceneIndex.hpp"
#include "game/scene/renderers/SilhouetteGoalRenderer.hpp"
#include "game/story/flow/GameFlow.hpp"

TestScene::TestScene(int sceneId, const std::string& configPath, const std::string& itemRendererConf,
                     const std::string& mechanicsConf, const std::string& itemGroupConf)
    : HOScene(sceneId, configPath, itemRendererConf, mechanicsConf, itemGroupConf, 0) {
    ItemRendererFactory::reset();
    ItemRendererFactory::instance().registerStandardCreators(ProcessRandom::instance());
    setLiftedItemsDrawnSeparately(true);
    if (myApp()) {
        parameters_ = myApp()->getGameParameters();
    }
}

TestScene* TestScene::forLocation(int sceneId, std::uint32_t seed) {
    SceneIndex& index = SceneIndex::instance();
    if (index.entries().empty()) {
        index.load(ContentPath::resolve(IndexFile));
    }
    auto* scene =
        new TestScene(sceneId, ConfigPath, RendererRules, SceneMechanics::locationFileName(sceneId), GroupRules);
    scene->choices_ = std::make_unique<SeededRandom>(seed);
    scene->setRandomSource(scene->choices_.get());
    return scene;
}

void TestScene::onInitialise() {
    auto* font = new AngelFont(ContentPath::resolve(panelFontPath_), &textureFactory());
    getResourceManager()->addFont("FONT_TrajanPro18", font);
    font_ = font;
}

void TestScene::createControls() {
    ResourceManager& resources = *getResourceManager();
    auto picture = [&](const char* name, const char* file) {
        return resources.sharedTexture(name, std::string("content/images/scenegui/") + file, textureFactory(),
                                       Texture::KeepNothing);
    };
    // The hint button sits in the round socket at the left end of the goal panel.
    const TarvikButtonStyle hintStyle = TarvikButtonStyle::standard(
        picture("SCENEGUI_BTN_HINT_N", "BtnHintN.png"), picture("SCENEGUI_BTN_HINT_O", "BtnHintO.png"), nullptr, "",
        nullptr, picture("SCENEGUI_HINT_EMPTY", "HintEmpty.png"));
    hintButton_ = new HintButton(this, hintStyle, picture("SCENEGUI_HINT_FULL", "HintFull.png"), parameters_);
    const int panelTop = Config::instance().getHeight() - PanelHeight;
    hintButton_->setGeometry(HintSocketX - HintButtonSize / 2, panelTop + HintSocketY - HintButtonSize / 2,
                             HintButtonSize, HintButtonSize);
    addWidget(hintButton_);
    mainMenuButton_ = new TarvikButton(
        this, MainMenuButtonId,
        TarvikButtonStyle::standard(picture("SCENEGUI_BTN_MAIN_MENU_N", "BtnMenuN.png"),
                                    picture("SCENEGUI_BTN_MAIN_MENU_O", "BtnMenuO.png"), nullptr, ""));
    mainMenuButton_->setGeometry(Config::instance().getWidth() - MenuButtonSize - 8, 8, MenuButtonSize, MenuButtonSize);
    addWidget(mainMenuButton_);
}

void TestScene::onTarvikButton(int id, int code) {
    if (code != 0) {
        return;
    }
    if (id == HintButton::Id) {
        useHint();
    } else if (id == MainMenuButtonId) {
        startLeave(MainMenuResult, true);
    }
}

void TestScene::onKey(const KeyEvent& event) {
    if (event.action != KeyEvent::Press) {
        return;
    }
    // H is the hint button's key: it too waits for the recharge.
    if (event.key == SDLK_h && hintButton_ && hintButton_->isActive()) {
        hintButton_->startRecharge();
        useHint();
    } else if (event.key == SDLK_ESCAPE) {
        startLeave(MainMenuResult, true);
    }
}

bool TestScene::useHint() {
    const std::vector<Item*> findable = findableGoals();
    if (findable.empty()) {
        return false;
    }
    findable[static_cast<std::size_t>(random().below(static_cast<int>(findable.size())))]->getRenderer()->startHint();
    SfxContainer::instance().play("SCENE_HINT_USED");
    return true;
}

void TestScene::onItemMissed() {
    const Point at = gameApp()->getLastMousePosition();
    logInfo("scene %d: nothing to find at (%g, %g)", getSceneId(), at.x, at.y);
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

void TestScene::fillGoals(const MechanicsStep& step) {
    GoalChooser(registry(), getSceneId(), random(), true).fill(step);
}

void TestScene::onAllStepsDone() {
    startLeave(MainMenuResult, true);
}

void TestScene::onStepScreenResult(int /*result*/) {
    ItemRegistry::instance().clear();
    // Handing over deletes the scene: nothing of it may be touched afterwards.
    GameFlow::instance().handOver(gameApp(), nullptr);
}
