// The locations of the default content, read from the baked scene index, item
// files and mechanics files: each is complete in both eras, holds enough to
// find, keeps its own kinds of goals, and plays to its end.
#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/ProcessRun.hpp"
#include "support/ScratchFolder.hpp"

namespace {

const std::string kContent = CHRONA_CONTENT_DIR;
const std::string kRoot = kContent + "/../";
const int kBackground = 900;
const int kForeground = 901;

bool isCollection(int typeId) { return typeId >= 201 && typeId <= 299; }

struct Goals {
    std::string renderer;
    int count = 0;
};

struct Scene {
    int id = 0;
    std::vector<int> candidates;  // typeId of every goal candidate
    std::vector<int> decoys;      // typeId of every decoy
    std::vector<Goals> steps;
};

std::string mechanicsFile(int id) {
    char name[64];
    std::snprintf(name, sizeof(name), "mech_location%02d_%s.xml", id % 100, id < 200 ? "present" : "past");
    return kContent + "/config/scene/" + name;
}

// Every scene of the index with its objects and its steps; a scene whose
// files cannot be read is reported and left out.
std::vector<Scene> readScenes() {
    std::vector<Scene> scenes;
    tinyxml2::XMLDocument index;
    EXPECT_EQ(index.LoadFile((kContent + "/config/scene/sceneIndex.xml").c_str()), tinyxml2::XML_SUCCESS);
    const tinyxml2::XMLElement* root = index.FirstChildElement("Indexes");
    for (const tinyxml2::XMLElement* e = root ? root->FirstChildElement("Index") : nullptr; e;
         e = e->NextSiblingElement("Index")) {
        Scene scene;
        scene.id = e->IntAttribute("id");
        tinyxml2::XMLDocument items;
        const std::string itemFile = kRoot + e->Attribute("path") + e->Attribute("fileName") + ".xml";
        const tinyxml2::XMLError read = items.LoadFile(itemFile.c_str());
        EXPECT_EQ(read, tinyxml2::XML_SUCCESS) << itemFile;
        const tinyxml2::XMLElement* sceneRoot = items.FirstChildElement("Scene");
        for (const tinyxml2::XMLElement* item = sceneRoot ? sceneRoot->FirstChildElement("Item") : nullptr; item;
             item = item->NextSiblingElement("Item")) {
            const int typeId = item->IntAttribute("typeId");
            if (typeId != kBackground && typeId != kForeground) {
                (item->IntAttribute("type") == 0 ? scene.candidates : scene.decoys).push_back(typeId);
            }
        }
        tinyxml2::XMLDocument mechanics;
        EXPECT_EQ(mechanics.LoadFile(mechanicsFile(scene.id).c_str()), tinyxml2::XML_SUCCESS) << scene.id;
        const tinyxml2::XMLElement* steps = mechanics.FirstChildElement("SceneMechanics");
        for (const tinyxml2::XMLElement* group = steps ? steps->FirstChildElement("CollectGroup") : nullptr; group;
             group = group->NextSiblingElement("CollectGroup")) {
            Goals goals;
            goals.renderer = group->Attribute("identifier") ? group->Attribute("identifier") : "";
            for (const tinyxml2::XMLElement* c = group->FirstChildElement("Collect"); c;
                 c = c->NextSiblingElement("Collect")) {
                const int typeId = c->IntAttribute("typeId");
                // A collection brings every piece of its kind in the scene.
                goals.count += isCollection(typeId) ? static_cast<int>(std::count(scene.candidates.begin(),
                                                                                  scene.candidates.end(), typeId))
                                                    : c->IntAttribute("count");
            }
            scene.steps.push_back(goals);
        }
        if (read == tinyxml2::XML_SUCCESS) {
            scenes.push_back(scene);
        }
    }
    return scenes;
}

}  // namespace

TEST(DefaultLocations, EveryLocationIsIndexedInBothEras) {
    const std::vector<Scene> scenes = readScenes();
    ASSERT_FALSE(scenes.empty());
    std::set<int> ids;
    for (const Scene& scene : scenes) {
        ids.insert(scene.id);
    }
    for (int id : ids) {
        EXPECT_TRUE((id >= 100 && id <= 119) || (id >= 200 && id <= 219)) << id << " is not a location scene";
        EXPECT_EQ(ids.count(id < 200 ? id + 100 : id - 100), 1u) << "scene " << id << " lacks its other era";
    }
    // Locations are numbered without gaps from the first one.
    const int present = static_cast<int>(std::count_if(ids.begin(), ids.end(), [](int id) { return id < 200; }));
    EXPECT_EQ(*ids.begin(), 100);
    EXPECT_EQ(*std::prev(ids.lower_bound(200)), 100 + present - 1);
}

TEST(DefaultLocations, EverySceneHoldsEnoughObjectsThreeStepsOfTenAndDecoys) {
    for (const Scene& scene : readScenes()) {
        SCOPED_TRACE("scene " + std::to_string(scene.id));
        EXPECT_GE(scene.candidates.size() + scene.decoys.size(), 45u);
        ASSERT_EQ(scene.steps.size(), 3u);
        std::set<std::string> renderers;
        for (const Goals& step : scene.steps) {
            EXPECT_EQ(step.count, 10);
            renderers.insert(step.renderer);
        }
        EXPECT_EQ(renderers, (std::set<std::string>{"COUNT_STACK_GOAL_RENDERER", "SILHOUETTE_GOAL_RENDERER"}));
        EXPECT_TRUE(std::any_of(scene.candidates.begin(), scene.candidates.end(), isCollection))
            << "no collection to find";
        EXPECT_FALSE(scene.decoys.empty());
        for (int decoy : scene.decoys) {
            EXPECT_EQ(std::count(scene.candidates.begin(), scene.candidates.end(), decoy), 0)
                << "kind " << decoy << " is both a decoy and a goal";
        }
    }
}

TEST(DefaultLocations, NoTwoLocationsShareMoreThanAThirdOfTheirGoalKinds) {
    std::map<int, std::set<int>> kinds;  // location number: goal kinds of both eras
    for (const Scene& scene : readScenes()) {
        kinds[scene.id % 100].insert(scene.candidates.begin(), scene.candidates.end());
    }
    ASSERT_FALSE(kinds.empty());
    for (auto a = kinds.begin(); a != kinds.end(); ++a) {
        for (auto b = std::next(a); b != kinds.end(); ++b) {
            std::vector<int> shared;
            std::set_intersection(a->second.begin(), a->second.end(), b->second.begin(), b->second.end(),
                                  std::back_inserter(shared));
            EXPECT_LE(shared.size() * 3, std::min(a->second.size(), b->second.size()))
                << "locations " << a->first << " and " << b->first << " share " << shared.size() << " of "
                << a->second.size() << " and " << b->second.size() << " goal kinds";
        }
    }
}

TEST(DefaultLocations, EverySceneIsPlayedToItsEndByClickingEachGoalOnce) {
    const std::string dir = scratchFolder("locationplay");
    for (const Scene& scene : readScenes()) {
        SCOPED_TRACE("scene " + std::to_string(scene.id));
        const ProcessRun played =
            ProcessRun::run(std::string(CHRONA_BINARY_DIR) + "/tests/goalscript --content " + kContent + " --scene " +
                            std::to_string(scene.id) + " --seed 5 --out " + dir + std::to_string(scene.id) + ".txt");
        EXPECT_EQ(played.exitCode, 0);
        // A past scene's first visit ends after its second step.
        const std::string finds = scene.id < 200 ? ", 30 finds" : ", 20 finds";
        EXPECT_NE(played.output.find("scene " + std::to_string(scene.id) + finds), std::string::npos)
            << played.output.substr(played.output.size() > 2000 ? played.output.size() - 2000 : 0);
    }
}
