#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/config/Config.hpp"
#include "engine/config/ContentPath.hpp"
#include "game/scene/ItemRegistry.hpp"
#include "game/scene/ItemRendererFactory.hpp"
#include "game/scene/SceneIndex.hpp"

// The hidden-object fixture content: scene 101 (and 102) with its rules and
// mechanics files, read through a fresh index, registry and renderer factory.
class SceneFixture : public ::testing::Test {
protected:
    static constexpr const char* ConfigPath = "content/config/s101/";

    void SetUp() override {
        Config::reset();
        config().setContentFolder(std::string(CHRONA_TEST_DATA_DIR) + "/hoscene");
        ItemRegistry::reset();
        ItemRendererFactory::reset();
        SceneIndex::destroyInstance();
        SceneIndex::instance().load(ContentPath::resolve("content/config/scene/sceneIndex.xml"));
    }
    void TearDown() override {
        ItemRegistry::reset();
        ItemRendererFactory::reset();
        SceneIndex::destroyInstance();
        Config::reset();
    }
};
