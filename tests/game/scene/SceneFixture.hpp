#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/config/Config.hpp"
#include "engine/core/ContentPath.hpp"
#include "game/scene/data/ItemRegistry.hpp"
#include "game/scene/renderers/ItemRendererFactory.hpp"
#include "game/scene/data/SceneIndex.hpp"
#include "game/scene/data/SceneMechanics.hpp"

// A goal rule over these kinds.
inline CollectRule collectRule(std::vector<int> typeIds, int pick, int count = -1) {
    CollectRule rule;
    rule.name = "r";
    rule.typeIds = std::move(typeIds);
    rule.pick = pick;
    rule.count = count;
    return rule;
}

// The hidden-object fixture content: scene 101 (and 102) with its rules and
// mechanics files, read through a fresh index, registry and renderer factory.
class SceneFixture : public ::testing::Test {
protected:
    static constexpr const char* ConfigPath = "content/config/s101/";

    void SetUp() override {
        Config::reset();
        Config::instance().setContentFolder(std::string(CHRONA_TEST_DATA_DIR) + "/hoscene");
        ItemRegistry::reset();
        ItemRendererFactory::reset();
        SceneIndex::reset();
        SceneIndex::instance().load(ContentPath::resolve("content/config/scene/sceneIndex.xml"));
    }
    void TearDown() override {
        ItemRegistry::reset();
        ItemRendererFactory::reset();
        SceneIndex::reset();
        Config::reset();
    }
};
