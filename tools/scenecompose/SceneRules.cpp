#include "tools/scenecompose/SceneRules.hpp"

#include <tinyxml2.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "tools/scenecompose/SceneComposer.hpp"

namespace {

// Group numbers of the scene code: candidates, decoys, foreground, background.
constexpr int CandidateGroup = 1;
constexpr int DecoyGroup = 4;
constexpr int ForegroundGroup = 5;
constexpr int BackgroundGroup = 6;
// Renderer ids: collectable objects and overlay scenery.
constexpr int CollectableRenderer = 0;
constexpr int OverlayRenderer = 1;

bool save(tinyxml2::XMLDocument& document, const std::string& path) {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    if (document.SaveFile(path.c_str()) != tinyxml2::XML_SUCCESS) {
        std::printf("%s:1: cannot write the file\n", path.c_str());
        return false;
    }
    return true;
}

tinyxml2::XMLElement* start(tinyxml2::XMLDocument& document, const char* root) {
    document.InsertEndChild(document.NewDeclaration());
    tinyxml2::XMLElement* element = document.NewElement(root);
    document.InsertEndChild(element);
    return element;
}

void groupRule(tinyxml2::XMLElement* root, int groupId, int typeId, int type) {
    tinyxml2::XMLElement* rule = root->InsertNewChildElement("Rule");
    rule->SetAttribute("groupId", groupId);
    rule->SetAttribute("typeId", typeId);
    rule->SetAttribute("type", type);
}

}  // namespace

bool SceneRules::writeIndex(const std::vector<ScenePlan>& plans, const std::string& path) {
    tinyxml2::XMLDocument document;
    tinyxml2::XMLElement* root = start(document, "Indexes");
    std::vector<const ScenePlan*> byId;
    for (const ScenePlan& plan : plans) {
        byId.push_back(&plan);
    }
    std::sort(byId.begin(), byId.end(), [](const ScenePlan* a, const ScenePlan* b) { return a->id < b->id; });
    for (const ScenePlan* planPointer : byId) {
        const ScenePlan& plan = *planPointer;
        tinyxml2::XMLElement* index = root->InsertNewChildElement("Index");
        index->SetAttribute("id", plan.id);
        index->SetAttribute("fileName", plan.fileName.c_str());
        index->SetAttribute("path", ("content/" + plan.folder).c_str());
    }
    return save(document, path);
}

bool SceneRules::writeGroupRules(const ObjectLibrary& library, const std::string& path) {
    tinyxml2::XMLDocument document;
    tinyxml2::XMLElement* root = start(document, "ItemGroupRules");
    groupRule(root, BackgroundGroup, SceneComposer::BackgroundTypeId, 1);
    groupRule(root, ForegroundGroup, SceneComposer::ForegroundTypeId, 1);
    for (const auto& [key, kind] : library.kinds()) {
        groupRule(root, CandidateGroup, kind.typeId, 0);
        groupRule(root, DecoyGroup, kind.typeId, 1);
    }
    return save(document, path);
}

bool SceneRules::writeRendererRules(const std::string& path) {
    tinyxml2::XMLDocument document;
    tinyxml2::XMLElement* root = start(document, "ItemRendererRules");
    for (int group : {BackgroundGroup, ForegroundGroup}) {
        tinyxml2::XMLElement* rule = root->InsertNewChildElement("Rule");
        rule->SetAttribute("renderer", OverlayRenderer);
        rule->SetAttribute("groupId", group);
    }
    root->InsertNewChildElement("Rule")->SetAttribute("renderer", CollectableRenderer);
    return save(document, path);
}
