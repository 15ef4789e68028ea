#include "game/content/SceneCheck.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <sstream>

#include "engine/render/SDLSurfaceImage.hpp"

namespace {

using tinyxml2::XMLElement;

bool isCollection(int typeId) { return typeId >= 100 && typeId <= 299; }

// Alpha bytes of a picture, row by row; empty when it cannot be read.
struct AlphaPicture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> alpha;

    explicit AlphaPicture(const std::string& path) {
        SDLSurfaceImage image(path);
        width = image.getWidth();
        height = image.getHeight();
        alpha.resize(static_cast<std::size_t>(width) * height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                alpha[static_cast<std::size_t>(y) * width + x] = image.getPixel(x, y).a;
            }
        }
    }
    unsigned char at(int x, int y) const { return alpha[static_cast<std::size_t>(y) * width + x]; }
};

std::vector<int> readTypeIds(const char* text) {
    std::vector<int> ids;
    std::stringstream list(text ? text : "");
    std::string piece;
    while (std::getline(list, piece, ',')) {
        ids.push_back(std::atoi(piece.c_str()));
    }
    return ids;
}

}  // namespace

void SceneCheck::run() {
    readFlowPaths();
    readGroupRules();
    readRendererRules();
    const std::string indexFile = "content/config/scene/sceneIndex.xml";
    tinyxml2::XMLDocument document;
    if (!files_.loadXml(document, indexFile)) {
        return;
    }
    const XMLElement* root = document.FirstChildElement("Indexes");
    if (!root) {
        files_.report().add(files_.path(indexFile), 1, "the scene index needs the root element Indexes");
        return;
    }
    std::set<int> ids;
    for (const XMLElement* e = root->FirstChildElement("Index"); e; e = e->NextSiblingElement("Index")) {
        IndexEntry entry;
        entry.line = e->GetLineNum();
        if (e->QueryIntAttribute("id", &entry.id) != tinyxml2::XML_SUCCESS || !e->Attribute("fileName") ||
            !e->Attribute("path")) {
            files_.report().add(files_.path(indexFile), entry.line, "an Index needs id, fileName and path");
            continue;
        }
        entry.fileName = e->Attribute("fileName");
        entry.path = e->Attribute("path");
        if (!ids.insert(entry.id).second) {
            files_.report().add(files_.path(indexFile), entry.line,
                                "the scene id " + std::to_string(entry.id) + " is listed twice");
            continue;
        }
        if (entry.id < 100 || entry.id > 299) {
            files_.report().add(files_.path(indexFile), entry.line,
                                "the scene id " + std::to_string(entry.id) + " is not a location scene (100..299)");
            continue;
        }
        labels_.use("SCENE_" + std::to_string(entry.id), indexFile, entry.line);
        labels_.use("SCENE_DESCRIPTION_" + std::to_string(entry.id), indexFile, entry.line);
        checkScene(entry);
    }
}

void SceneCheck::readFlowPaths() {
    const std::string flow = "content/config/GameFlow.xml";
    if (!files_.exists(flow)) {
        return;
    }
    tinyxml2::XMLDocument document;
    if (!files_.loadXml(document, flow)) {
        return;
    }
    const XMLElement* root = document.FirstChildElement("GameFlow");
    for (const XMLElement* e = root ? root->FirstChildElement("Screen") : nullptr; e; e = e->NextSiblingElement("Screen")) {
        const char* type = e->Attribute("type");
        if (type && (std::string(type) == "scene" || std::string(type) == "GamePartSession") &&
            e->Attribute("configPath")) {
            paths_.config = e->Attribute("configPath");
            paths_.groupRules = e->Attribute("itemGroupConf") ? e->Attribute("itemGroupConf") : "";
            paths_.rendererRules = e->Attribute("itemRendererConf") ? e->Attribute("itemRendererConf") : "";
            return;
        }
    }
}

void SceneCheck::readGroupRules() {
    const std::string file = paths_.config + paths_.groupRules;
    tinyxml2::XMLDocument document;
    if (!files_.loadXml(document, file)) {
        return;
    }
    const XMLElement* root = document.FirstChildElement("ItemGroupRules");
    if (!root) {
        files_.report().add(files_.path(file), 1, "the group rules need the root element ItemGroupRules");
        return;
    }
    for (const XMLElement* e = root->FirstChildElement("Rule"); e; e = e->NextSiblingElement("Rule")) {
        int group = 0, typeId = 0, type = 0;
        if (e->QueryIntAttribute("groupId", &group) != tinyxml2::XML_SUCCESS ||
            e->QueryIntAttribute("typeId", &typeId) != tinyxml2::XML_SUCCESS ||
            e->QueryIntAttribute("type", &type) != tinyxml2::XML_SUCCESS) {
            files_.report().add(files_.path(file), e->GetLineNum(), "a Rule needs groupId, typeId and type");
            continue;
        }
        groupRules_[{type, typeId}] = group;
    }
}

void SceneCheck::readRendererRules() {
    const std::string file = paths_.config + paths_.rendererRules;
    tinyxml2::XMLDocument document;
    if (!files_.loadXml(document, file)) {
        return;
    }
    const XMLElement* root = document.FirstChildElement("ItemRendererRules");
    if (!root) {
        files_.report().add(files_.path(file), 1, "the renderer rules need the root element ItemRendererRules");
        return;
    }
    for (const XMLElement* e = root->FirstChildElement("Rule"); e; e = e->NextSiblingElement("Rule")) {
        RendererRule rule{0, e->IntAttribute("groupId", -1), e->IntAttribute("typeId", -1), e->IntAttribute("type", -1)};
        if (e->QueryIntAttribute("renderer", &rule.renderer) != tinyxml2::XML_SUCCESS) {
            files_.report().add(files_.path(file), e->GetLineNum(), "a Rule needs a renderer");
            continue;
        }
        if (rule.renderer < 0 || rule.renderer > 3) {
            files_.report().add(files_.path(file), e->GetLineNum(),
                                "there is no renderer " + std::to_string(rule.renderer) + " (0..3)");
        }
        rendererRules_.push_back(rule);
    }
}

bool SceneCheck::hasRenderer(const SceneItem& item) const {
    const auto matches = [](int rule, int value) { return rule == -1 || value == -1 || rule == value; };
    for (const RendererRule& rule : rendererRules_) {
        if (matches(rule.groupId, item.group) && matches(rule.typeId, item.typeId) && matches(rule.type, item.type)) {
            return rule.renderer >= 0 && rule.renderer <= 3;
        }
    }
    return false;
}

void SceneCheck::checkScene(const IndexEntry& entry) {
    const std::string indexFile = "content/config/scene/sceneIndex.xml";
    const std::string itemFile = entry.path + entry.fileName + (language_ == "EN" ? "" : language_) + ".xml";
    tinyxml2::XMLDocument document;
    if (!files_.loadXml(document, itemFile, indexFile, entry.line)) {
        return;
    }
    const XMLElement* root = document.FirstChildElement("Scene");
    if (!root) {
        files_.report().add(files_.path(itemFile), 1, "an item file needs the root element Scene");
        return;
    }
    if (!root->FirstChildElement("Screen")) {
        files_.report().add(files_.path(itemFile), root->GetLineNum(), "the scene has no Screen element");
    }
    const std::string prefix = parameters_.count("Game.Images.Silhouettes.Prefix")
                                   ? parameters_.at("Game.Images.Silhouettes.Prefix")
                                   : "";
    std::vector<SceneItem> items;
    static const char* const attributes[] = {"name", "image", "layer", "majorGroupID", "minorGroupID",
                                             "x",    "y",     "angle", "R",            "G",
                                             "B",    "A",     "type",  "infoTip",      "typeId"};
    for (const XMLElement* e = root->FirstChildElement("Item"); e; e = e->NextSiblingElement("Item")) {
        SceneItem item;
        item.index = static_cast<int>(items.size());
        item.line = e->GetLineNum();
        std::string missing;
        for (const char* attribute : attributes) {
            if (!e->Attribute(attribute)) {
                missing += std::string(missing.empty() ? "" : ", ") + attribute;
            }
        }
        if (!missing.empty()) {
            files_.report().add(files_.path(itemFile), item.line, "the Item lacks " + missing);
        }
        item.name = e->Attribute("name") ? e->Attribute("name") : "";
        item.image = e->Attribute("image") ? e->Attribute("image") : "";
        item.layer = e->IntAttribute("layer");
        item.x = static_cast<int>(e->FloatAttribute("x"));
        item.y = static_cast<int>(e->FloatAttribute("y"));
        item.type = e->IntAttribute("type");
        item.typeId = e->IntAttribute("typeId");
        const auto rule = groupRules_.find({item.type, item.typeId});
        item.group = rule == groupRules_.end() ? -1 : rule->second;
        const std::string infoTip = e->Attribute("infoTip") ? e->Attribute("infoTip") : "";
        if (!infoTip.empty()) {
            files_.require(infoTip, itemFile, item.line, "the animation");
        } else if (!item.image.empty()) {
            files_.require(entry.path + item.image, itemFile, item.line, "the image");
        }
        const bool displayed = item.group == 1 || item.group == 2 || item.group == 4 || item.group == 5 ||
                               item.group == 6;
        if (displayed && !hasRenderer(item)) {
            files_.report().add(files_.path(itemFile), item.line, "no renderer rule draws the item " + item.name);
        }
        if (item.group == 1 || item.group == 2) {
            if (item.name.empty()) {
                files_.report().add(files_.path(itemFile), item.line, "the goal has no name for the goal panel");
            }
            files_.require(entry.path + prefix + item.image, itemFile, item.line, "the silhouette");
        }
        items.push_back(item);
    }
    checkVisibility(itemFile, entry.path, items);
    checkMechanics(entry, items);
}

void SceneCheck::checkVisibility(const std::string& itemFile, const std::string& folder,
                                 const std::vector<SceneItem>& items) {
    struct Drawn {
        const SceneItem* item;
        int x, y;
        std::shared_ptr<AlphaPicture> picture;
    };
    std::vector<Drawn> drawn;
    for (const SceneItem& item : items) {
        const bool displayed = item.group == 1 || item.group == 2 || item.group == 4 || item.group == 5 ||
                               item.group == 6;
        if (displayed && files_.exists(folder + item.image)) {
            drawn.push_back({&item, item.x, item.y, std::make_shared<AlphaPicture>(files_.path(folder + item.image))});
        }
    }
    std::stable_sort(drawn.begin(), drawn.end(), [](const Drawn& a, const Drawn& b) {
        return a.item->layer != b.item->layer ? a.item->layer < b.item->layer : a.item->index < b.item->index;
    });
    // The goal panel lies over the bottom right corner of the scene.
    const std::string panel = "content/images/scenegui/GUIBase.png";
    if (files_.exists(panel)) {
        auto picture = std::make_shared<AlphaPicture>(files_.path(panel));
        drawn.push_back({nullptr, 1024 - picture->width, 768 - picture->height, picture});
    }
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const Drawn& goal = drawn[i];
        if (!goal.item || (goal.item->group != 1 && goal.item->group != 2)) {
            continue;
        }
        int opaque = 0;
        int visible = 0;
        for (int y = 0; y < goal.picture->height; ++y) {
            for (int x = 0; x < goal.picture->width; ++x) {
                if (goal.picture->at(x, y) < 128) {
                    continue;
                }
                ++opaque;
                const int sx = goal.x + x;
                const int sy = goal.y + y;
                bool covered = sx < 0 || sy < 0 || sx >= 1024 || sy >= 768;
                for (std::size_t j = i + 1; j < drawn.size() && !covered; ++j) {
                    const Drawn& above = drawn[j];
                    covered = sx >= above.x && sy >= above.y && sx < above.x + above.picture->width &&
                              sy < above.y + above.picture->height && above.picture->at(sx - above.x, sy - above.y) > 0;
                }
                visible += covered ? 0 : 1;
            }
        }
        if (opaque == 0 || visible < MinimumVisibleShare * opaque) {
            files_.report().add(files_.path(itemFile), goal.item->line,
                                "the goal " + goal.item->name + " is hidden: only " +
                                    std::to_string(opaque ? 100 * visible / opaque : 0) +
                                    "% of it can be clicked (at least 25% must)");
        }
    }
}

void SceneCheck::checkMechanics(const IndexEntry& entry, const std::vector<SceneItem>& items) {
    const int location = entry.id < 200 ? entry.id - 100 : entry.id - 200;
    char name[64];
    std::snprintf(name, sizeof(name), "mech_location%02d%s.xml", location, entry.id < 200 ? "_present" : "_past");
    const std::string file = paths_.config + name;
    tinyxml2::XMLDocument document;
    if (!files_.loadXml(document, file, "content/config/scene/sceneIndex.xml", entry.line)) {
        return;
    }
    const XMLElement* root = document.FirstChildElement("SceneMechanics");
    if (!root) {
        files_.report().add(files_.path(file), 1, "a mechanics file needs the root element SceneMechanics");
        return;
    }
    std::vector<const SceneItem*> pool;
    for (const SceneItem& item : items) {
        if (item.group == 1) {
            pool.push_back(&item);
        }
    }
    int chosenTotal = 0;
    int step = 0;
    for (const XMLElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) {
        const std::string kind = e->Name();
        ++step;
        if (kind == "Screen") {
            if (!e->Attribute("type")) {
                files_.report().add(files_.path(file), e->GetLineNum(), "a Screen step needs a type");
            }
            continue;
        }
        if (kind != "CollectGroup") {
            continue;
        }
        const std::string identifier = e->Attribute("identifier") ? e->Attribute("identifier") : "";
        if (identifier != "COUNT_STACK_GOAL_RENDERER" && identifier != "SILHOUETTE_GOAL_RENDERER") {
            files_.report().add(files_.path(file), e->GetLineNum(),
                                "the step names no goal panel (COUNT_STACK_GOAL_RENDERER or SILHOUETTE_GOAL_RENDERER)");
        }
        std::vector<const SceneItem*> chosen;
        for (const XMLElement* c = e->FirstChildElement("Collect"); c; c = c->NextSiblingElement("Collect")) {
            const char* pick = c->Attribute("pick");
            if (!c->Attribute("name") || !c->Attribute("typeId") || !pick) {
                files_.report().add(files_.path(file), c->GetLineNum(), "a Collect needs name, typeId and pick");
                continue;
            }
            const std::vector<int> typeIds = readTypeIds(c->Attribute("typeId"));
            const int count = c->IntAttribute("count", -1);
            std::vector<const SceneItem*> candidates;
            std::set<int> collections;
            for (const SceneItem* item : pool) {
                if (std::find(typeIds.begin(), typeIds.end(), item->typeId) != typeIds.end() &&
                    (!isCollection(item->typeId) || collections.insert(item->typeId).second)) {
                    candidates.push_back(item);
                }
            }
            if (candidates.empty() || (std::string(pick) != "all" && count > static_cast<int>(candidates.size()))) {
                files_.report().add(files_.path(file), c->GetLineNum(),
                                    "the rule asks for " + (count < 0 ? std::string("every") : std::to_string(count)) +
                                        " of typeIds " + c->Attribute("typeId") + " but only " +
                                        std::to_string(candidates.size()) + " candidates are left");
            }
            if (std::string(pick) != "all" && count >= 0 && count < static_cast<int>(candidates.size())) {
                candidates.resize(static_cast<std::size_t>(count));
            }
            chosen.insert(chosen.end(), candidates.begin(), candidates.end());
        }
        // Collections come whole; everything chosen leaves the candidates.
        std::set<const SceneItem*> goals;
        for (const SceneItem* item : chosen) {
            for (const SceneItem* other : pool) {
                if (other == item || (isCollection(item->typeId) && other->typeId == item->typeId)) {
                    goals.insert(other);
                }
            }
        }
        if (goals.empty()) {
            files_.report().add(files_.path(file), e->GetLineNum(), "step " + std::to_string(step) + " chooses no goals");
        }
        pool.erase(std::remove_if(pool.begin(), pool.end(), [&goals](const SceneItem* i) { return goals.count(i) > 0; }),
                   pool.end());
        chosenTotal += static_cast<int>(goals.size());
    }
    if (chosenTotal != ObjectsPerScene) {
        files_.report().add(files_.path(file), root->GetLineNum(),
                            "the steps choose " + std::to_string(chosenTotal) + " objects, but a scene is completed when " +
                                std::to_string(ObjectsPerScene) + " are found");
    }
}
