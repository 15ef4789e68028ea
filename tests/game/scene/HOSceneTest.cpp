#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "engine/core/MouseEvent.hpp"
#include "engine/animation/AnimationPlayer.hpp"
#include "engine/animation/AnimationWidget.hpp"
#include "engine/widgets/WidgetManager.hpp"
#include "game/scene/renderers/AnimPlayerItemRenderer.hpp"
#include "game/scene/renderers/CollectableItemRenderer.hpp"
#include "engine/render/Texture.hpp"
#include "game/scene/renderers/OverlayItemRenderer.hpp"
#include "game/scene/data/SceneItemLoader.hpp"
#include "game/scene/ProbeScene.hpp"
#include "game/scene/SceneFixture.hpp"
#include "support/LogCapture.hpp"
#include "support/TestApp.hpp"
#include "support/MouseEvents.hpp"

namespace {

std::string nameAt(const HOScene& scene, int x, int y) {
    const Item* item = scene.itemAt(x, y);
    return item ? item->description().name : "";
}

std::vector<std::string> goalNames(int sceneId = 101) {
    std::vector<std::string> names;
    for (const Item* item : ItemRegistry::instance().items(ItemRegistry::Goals, sceneId)) {
        names.push_back(item->description().name);
    }
    return names;
}

Item* item(int index) {
    for (Item* candidate : ItemRegistry::instance().itemsOfScene(101)) {
        if (candidate->getIndex() == index) {
            return candidate;
        }
    }
    return nullptr;
}

// Runs the application in 16 ms frames.
void run(TestApp& app, int milliseconds) {
    for (int t = 0; t < milliseconds; t += 16) {
        app.updateStates(16);
    }
}

class HOSceneTest : public SceneFixture {
protected:
    ProbeScene* start(ProbeScene* scene) {
        app.startState(scene);
        app.updateStates(16);
        return scene;
    }
    void TearDown() override {
        app.leaveAllStates();
        SceneFixture::TearDown();
    }
    TestApp app;
};

}  // namespace

TEST_F(HOSceneTest, HitTestFollowsLayersFileOrderAndPictureAlpha) {
    ProbeScene* scene = start(new ProbeScene("mech_keys.xml"));
    EXPECT_EQ(nameAt(*scene, 720, 310), "Mug") << "equal layers: the later item in the file";
    EXPECT_EQ(nameAt(*scene, 705, 310), "Cup");
    EXPECT_EQ(nameAt(*scene, 120, 520), "Gem") << "a transparent pixel of the ring falls through";
    EXPECT_EQ(nameAt(*scene, 101, 501), "Frame");
    EXPECT_EQ(nameAt(*scene, 310, 510), "Curtain");
    EXPECT_EQ(nameAt(*scene, 910, 610), "Backdrop") << "a type 2 item is never shown";
    EXPECT_EQ(nameAt(*scene, 810, 110), "Veil");
    EXPECT_EQ(nameAt(*scene, 140, 110), "Backdrop") << "right edge is exclusive";
    EXPECT_EQ(nameAt(*scene, 100, 100), "Key") << "left and top edges are inclusive";
    EXPECT_EQ(scene->getOffsetX(), 3) << "the item file's offsets shift the screen";
    EXPECT_EQ(scene->getOffsetY(), -2);
    EXPECT_EQ(item(12)->getRenderer(), nullptr);
    EXPECT_NE(dynamic_cast<OverlayItemRenderer*>(item(13)->getRenderer()), nullptr);
    EXPECT_NE(dynamic_cast<CollectableItemRenderer*>(item(0)->getRenderer()), nullptr);
}

TEST_F(HOSceneTest, DrawingOrderIsLayerThenFileOrder) {
    ProbeScene* scene = start(new ProbeScene("mech_keys.xml"));
    std::vector<int> order;
    for (const Item* displayed : scene->getDisplayedItems()) {
        order.push_back(displayed->getIndex());
    }
    // Backdrop (layer 0), layer 1 by index, Coin and Ring (2), Cup, Mug (3), Veil (4), Frame (5), Curtain (6).
    EXPECT_EQ(order, (std::vector<int>{15, 0, 1, 2, 4, 5, 9, 3, 11, 6, 7, 13, 8, 10}));
    app.graphics.calls.clear();
    scene->draw(&app.graphics);
    const auto images = app.graphics.callsOf("drawImage");
    ASSERT_EQ(images.size(), order.size());
    // Each item is drawn with the transform moved to its position.
    std::vector<std::vector<float>> expected;
    for (const Item* displayed : scene->getDisplayedItems()) {
        expected.push_back({displayed->description().x, displayed->description().y});
    }
    std::vector<std::vector<float>> drawnAt;
    for (const auto& call : app.graphics.callsOf("translate")) {
        if (std::find(expected.begin(), expected.end(), call.args) != expected.end()) {
            drawnAt.push_back(call.args);
        }
    }
    // The foreground and widget layers follow the items.
    ASSERT_GE(drawnAt.size(), expected.size());
    drawnAt.resize(expected.size());
    EXPECT_EQ(drawnAt, expected);
}

TEST_F(HOSceneTest, CollectingEveryGoalEndsTheStepsOnce) {
    ProbeScene* scene = start(new ProbeScene("mech_keys.xml"));
    EXPECT_EQ(goalNames(), (std::vector<std::string>{"Key", "Key"}));
    EXPECT_EQ(scene->panelsInstalled, 1);
    EXPECT_TRUE(item(0)->getRenderer()->isEnabled());
    EXPECT_FALSE(item(2)->getRenderer()->isEnabled()) << "a candidate that is no goal stays disabled";

    scene->onMousePressed(leftPress(510, 110));
    EXPECT_EQ(scene->missed, 1) << "a press on a non-goal is a miss";
    scene->onMousePressed(leftPress(110, 110));
    EXPECT_EQ(scene->collected, std::vector<Item*>{item(0)});
    EXPECT_EQ(scene->missed, 1);
    scene->onMousePressed(leftPress(110, 110));
    EXPECT_EQ(scene->missed, 2) << "the flying key is disabled";
    EXPECT_EQ(ItemRegistry::instance().groupOf(item(0)), ItemRegistry::Goals) << "in flight";
    run(app, 4000);
    EXPECT_EQ(ItemRegistry::instance().groupOf(item(0)), ItemRegistry::Collected);
    EXPECT_FLOAT_EQ(item(0)->description().x, 1024.0f);
    EXPECT_FLOAT_EQ(item(0)->description().y, 768.0f);
    EXPECT_EQ(scene->allStepsDone, 0);

    scene->onMousePressed(leftPress(310, 110));
    run(app, 4000);
    EXPECT_EQ(scene->allStepsDone, 1);
    EXPECT_TRUE(goalNames().empty());
    scene->itemsChanged(nullptr);
    scene->advance();
    EXPECT_EQ(scene->allStepsDone, 1) << "the end is announced once";
}

TEST_F(HOSceneTest, CollectedItemShrinksToThePanelOnlyWhenLarger) {
    ProbeScene* scene = start(new ProbeScene("mech_keys.xml"));
    scene->onMousePressed(leftPress(110, 110));
    auto* key = dynamic_cast<CollectableItemRenderer*>(item(0)->getRenderer());
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(key->isOnTop());
    EXPECT_EQ(item(0)->description().layer, 7) << "lifted above every displayed item";
    // The pickup burst: a 128-pixel box centred on the 40-pixel key at (100, 100).
    ASSERT_EQ(scene->getPickups().size(), 1u);
    AnimationWidget* burst = scene->getPickups()[0];
    EXPECT_EQ(burst->getX(), 120 - 64);
    EXPECT_EQ(burst->getY(), 120 - 64);
    EXPECT_EQ(burst->getWidth(), 128);
    EXPECT_TRUE(burst->isPlaying());
    EXPECT_NE(scene->getWidgetManager()->widgetAt(140, 140), burst) << "the burst lets presses through";
    run(app, 800);
    ASSERT_NE(key->getEffect(), nullptr);
    EXPECT_FLOAT_EQ(key->getEffect()->getScale(), 1.0f) << "a 40-pixel item keeps its size";
    run(app, 16 * 80 - 800 + 32);
    EXPECT_TRUE(burst->isFinished()) << "16 frames of 80 ms";
    const std::size_t widgets = scene->getWidgets().size();
    scene->onMousePressed(leftPress(310, 110));
    ASSERT_EQ(scene->getPickups().size(), 1u) << "a played-out burst is shown again";
    EXPECT_TRUE(burst->isPlaying());
    EXPECT_EQ(burst->getX(), 320 - 64);
    EXPECT_EQ(scene->getWidgets().size(), widgets);

    CollectedItemEffect::Particle before{};
    CollectedItemEffectListener* none = nullptr;
    CpuTextureFactory textures;
    std::unique_ptr<Texture> big(textures.load(ContentPath::resolve("content/scenes/s101/big.png"), nullptr, 0));
    SeededRandom random(3);
    CollectedItemEffect effect(big.get(), nullptr, none, random);
    effect.start(100, 100, 500, 700, 64.0f / 100.0f - 1.0f);
    for (int i = 0; i < 40 && !effect.hasArrived(); ++i) {
        before = effect.getParticles()[0];
        effect.update(100);
    }
    EXPECT_TRUE(effect.hasArrived());
    EXPECT_NEAR(effect.getScale(), 0.64f, 0.001f);
    // The centre of the 100 x 80 picture lands on the target.
    EXPECT_NEAR(effect.getX() + 50, 500, 1);
    EXPECT_NEAR(effect.getY() + 40, 700, 1);
    EXPECT_LE(before.alpha, 255);
    for (int i = 0; i < 10; ++i) {
        effect.update(100);
    }
    EXPECT_FALSE(effect.isRunning());
    EXPECT_EQ(effect.getAlpha(), 0);
}

TEST_F(HOSceneTest, DisabledItemInFrontShieldsAGoalAndEmptyStepIsPassed) {
    ProbeScene* scene = start(new ProbeScene("mech_empty_first.xml"));
    EXPECT_EQ(scene->getCurrentStep(), 1) << "the step whose rules match nothing is advanced past";
    EXPECT_EQ(goalNames(), (std::vector<std::string>{"Ring", "Gem"})) << "in the order of the rules";
    EXPECT_TRUE(item(11)->getRenderer()->isEnabled());
    scene->onMousePressed(leftPress(310, 510));
    EXPECT_EQ(scene->missed, 1);
    EXPECT_TRUE(scene->collected.empty()) << "the curtain shields the ring";
}

TEST_F(HOSceneTest, RendererlessItemIsNeitherDrawnNorHit) {
    LogCapture captured1;
    ProbeScene* scene = start(new ProbeScene("mech_empty_first.xml", 0, "renderers_missing_creator.xml"));
    const std::string output = captured1.takeText();
    EXPECT_NE(output.find("\"Curtain\" has no renderer"), std::string::npos) << output;
    EXPECT_EQ(item(10)->getRenderer(), nullptr);
    scene->onMousePressed(leftPress(310, 510));
    EXPECT_EQ(scene->collected, std::vector<Item*>{item(11)}) << "nothing shields the ring now";
}

TEST_F(HOSceneTest, PlainPictureIsTakenAtOnce) {
    ProbeScene* scene = start(new ProbeScene("mech_keys.xml", 0, "renderers.xml", true));
    scene->onMousePressed(leftPress(110, 110));
    EXPECT_EQ(ItemRegistry::instance().groupOf(item(0)), ItemRegistry::Collected);
    EXPECT_FLOAT_EQ(item(0)->description().x, 1024.0f);
    EXPECT_EQ(nameAt(*scene, 110, 110), "Backdrop");
    EXPECT_EQ(scene->panel->layouts, 2);
}

TEST_F(HOSceneTest, SecondVisitKeepsFoundItemsAndEarlierGoals) {
    ProbeScene* first = start(new ProbeScene("mech_two_steps.xml", 0, "renderers.xml", true));
    EXPECT_EQ(first->firstLoads, 1);
    EXPECT_EQ(goalNames(), (std::vector<std::string>{"Coin", "Coin"}));
    first->onMousePressed(leftPress(510, 110));
    app.leaveAllStates();
    EXPECT_EQ(item(3)->getRenderer(), nullptr) << "renderers go with their screen";

    ProbeScene* second = start(new ProbeScene("mech_two_steps.xml", 0, "renderers.xml", true));
    EXPECT_EQ(second->firstLoads, 0);
    EXPECT_EQ(second->getCurrentStep(), 0);
    EXPECT_EQ(goalNames(), std::vector<std::string>{"Coin"}) << "the earlier goal stays, no new choice";
    EXPECT_EQ(ItemRegistry::instance().groupOf(item(2)), ItemRegistry::Collected);
    EXPECT_EQ(nameAt(*second, 510, 110), "Backdrop");
    second->onMousePressed(leftPress(610, 110));
    EXPECT_EQ(second->getCurrentStep(), 1);
    EXPECT_EQ(goalNames(), (std::vector<std::string>{"Key", "Key"}));
    EXPECT_EQ(second->panelsInstalled, 2);
}

TEST_F(HOSceneTest, FillGoalsPicks) {
    auto goalsFor = [&](std::vector<CollectRule> rules, std::uint32_t seed = 7) {
        ItemRegistry::reset();
        SceneItemLoader::load(101, "content/config/s101/groups.xml", "EN", SceneIndex::instance(),
                              ItemRegistry::instance());
        ProbeScene scene("mech_keys.xml");
        SeededRandom random(seed);
        scene.setRandomSource(&random);
        MechanicsStep step;
        step.collect = std::move(rules);
        scene.fillGoals(step);
        std::vector<int> goals;
        for (const Item* goal : ItemRegistry::instance().items(ItemRegistry::Goals, 101)) {
            goals.push_back(goal->getIndex());
        }
        return goals;
    };
    EXPECT_EQ(goalsFor({collectRule({150, 160, 170}, CollectRule::First, 2)}), (std::vector<int>{2, 3}));
    EXPECT_EQ(goalsFor({collectRule({150, 160, 170}, CollectRule::First)}), (std::vector<int>{2, 3, 4, 11}));
    EXPECT_EQ(goalsFor({collectRule({150, 160, 170}, CollectRule::All, 1)}), (std::vector<int>{2, 3, 4, 11}));
    EXPECT_EQ(goalsFor({collectRule({170, 150}, CollectRule::Random)}).size(), 3u);
    EXPECT_EQ(goalsFor({collectRule({250}, CollectRule::All), collectRule({250}, CollectRule::First)}),
              (std::vector<int>{0, 1}))
        << "an item chosen twice is moved once";
    EXPECT_TRUE(goalsFor({collectRule({999}, CollectRule::All)}).empty());
    std::set<std::vector<int>> draws;
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        const std::vector<int> goals = goalsFor({collectRule({150, 160, 170}, CollectRule::Random, 2)}, seed);
        ASSERT_EQ(goals.size(), 2u);
        for (int index : goals) {
            EXPECT_TRUE(index == 2 || index == 3 || index == 4 || index == 11) << index;
        }
        draws.insert(goals);
    }
    EXPECT_GT(draws.size(), 2u) << "random picks differ with the seed";
}

TEST_F(HOSceneTest, OverlayCommandsVeilTheItemAndPressesDoNothing) {
    start(new ProbeScene("mech_keys.xml"));
    auto* veil = dynamic_cast<OverlayItemRenderer*>(item(13)->getRenderer());
    ASSERT_NE(veil, nullptr);
    ASSERT_NE(veil->getVariant(TexItemRenderer::BlackAndWhite), nullptr);
    veil->mouseState(ItemRenderer::OverlayShow);
    veil->update(250);
    EXPECT_GT(veil->getOverlayAlpha(), 100);
    veil->update(250);
    veil->update(16);
    EXPECT_EQ(veil->getOverlayAlpha(), 255);
    veil->mouseState(ItemRenderer::OverlayHide);
    EXPECT_EQ(veil->getOverlayAlpha(), 255);
    veil->update(500);
    veil->update(16);
    EXPECT_EQ(veil->getOverlayAlpha(), 0);
    veil->mouseState(ItemRenderer::OverlayPulse);
    for (int t = 0; t < 3000; t += 100) {
        veil->update(100);
    }
    EXPECT_EQ(veil->getOverlayAlpha(), 255) << "held while veiled";
    for (int t = 0; t < 3500; t += 100) {
        veil->update(100);
    }
    EXPECT_EQ(veil->getOverlayAlpha(), 0);
    veil->setEnabled(true);
    veil->mouseState(ItemRenderer::Pressed);
    EXPECT_EQ(ItemRegistry::instance().groupOf(item(13)), 6);
}

TEST_F(HOSceneTest, HintSparklesAroundTheItemAndEnds) {
    start(new ProbeScene("mech_keys.xml"));
    auto* key = dynamic_cast<CollectableItemRenderer*>(item(0)->getRenderer());
    ASSERT_NE(key, nullptr);
    key->startHint();
    EXPECT_TRUE(key->isOnTop());
    key->update(200);
    key->update(16);
    EXPECT_EQ(key->getHintAlpha(), 255);
    RecordingGraphics graphics;
    key->draw(&graphics);
    EXPECT_EQ(graphics.callsOf("drawImage").size(), 1u + CollectableItemRenderer::HintSparkles);
    for (int t = 0; t < 1500; t += 100) {
        key->update(100);
    }
    EXPECT_FALSE(key->isHintRunning());
    EXPECT_FALSE(key->isOnTop());
    graphics.calls.clear();
    key->draw(&graphics);
    EXPECT_EQ(graphics.callsOf("drawImage").size(), 1u);
}

TEST_F(HOSceneTest, AnimatedItemPlaysInTheScenePlayerAndIsNeverHit) {
    ProbeScene* scene = start(new ProbeScene("mech_keys.xml", 0, "renderers.xml", false, 102));
    const std::vector<Item*> scenery = ItemRegistry::instance().items(6, 102);
    ASSERT_EQ(scenery.size(), 1u);
    auto* candle = dynamic_cast<AnimPlayerItemRenderer*>(scenery[0]->getRenderer());
    ASSERT_NE(candle, nullptr);
    EXPECT_EQ(candle->getAnimation(), scene->animationPlayer()->getAnimation(scenery[0]->getIndex()));
    EXPECT_EQ(scene->itemAt(6, 6), nullptr);
    EXPECT_EQ(nameAt(*scene, 12, 12), "Stone");
}
