#include "game/scene/data/SceneItemLoader.hpp"

#include "engine/core/Log.hpp"
#include "engine/core/XmlFile.hpp"
#include "game/scene/data/Item.hpp"
#include "game/scene/data/ItemGroupRules.hpp"
#include "game/scene/data/ItemRegistry.hpp"
#include "game/scene/data/SceneIndex.hpp"

namespace {

std::unique_ptr<ItemDescription> readItem(const XmlFile& file, const tinyxml2::XMLElement* element,
                                          const std::string& directory) {
    auto description = std::make_unique<ItemDescription>();
    description->name = XmlFile::text(element, "name");
    description->line = element->GetLineNum();
    // An incomplete item keeps only its name.
    if (!file.hasAll(element, {"image", "layer", "majorGroupID", "minorGroupID", "x", "y", "angle", "R", "G", "B",
                               "A", "type", "infoTip", "typeId"})) {
        return description;
    }
    description->image = element->Attribute("image");
    description->directory = directory;
    description->layer = XmlFile::number(element, "layer");
    description->majorGroupID = XmlFile::number(element, "majorGroupID");
    description->minorGroupID = XmlFile::number(element, "minorGroupID");
    description->x = XmlFile::real(element, "x");
    description->y = XmlFile::real(element, "y");
    description->angle = XmlFile::real(element, "angle");
    description->R = XmlFile::number(element, "R");
    description->G = XmlFile::number(element, "G");
    description->B = XmlFile::number(element, "B");
    description->A = XmlFile::number(element, "A");
    description->type = XmlFile::number(element, "type");
    description->infoTip = element->Attribute("infoTip");
    description->typeId = XmlFile::number(element, "typeId");
    return description;
}

}  // namespace

std::vector<std::unique_ptr<ItemDescription>> SceneItemLoader::readItemFile(SceneIndexEntry& entry,
                                                                             const std::string& languageCode) {
    std::vector<std::unique_ptr<ItemDescription>> items;
    const std::string path = entry.itemFilePath(languageCode);
    const XmlFile file(path, "Scene");
    const tinyxml2::XMLElement* root = file.root();
    if (!root) {
        return items;
    }
    if (const tinyxml2::XMLElement* screen = root->FirstChildElement("Screen")) {
        entry.width = XmlFile::number(screen, "width");
        entry.height = XmlFile::number(screen, "height");
        entry.xOffset = XmlFile::number(screen, "xOffset");
        entry.yOffset = XmlFile::number(screen, "yOffset");
    } else {
        file.warn(root, "the scene has no Screen element");
    }
    for (const tinyxml2::XMLElement* element = root->FirstChildElement("Item"); element;
         element = element->NextSiblingElement("Item")) {
        items.push_back(readItem(file, element, entry.path));
    }
    return items;
}

bool SceneItemLoader::isLoaded(const ItemRegistry& registry, int sceneId) {
    for (int group : {1, 2, 3, 6}) {
        if (registry.hasItems(group, sceneId)) {
            return true;
        }
    }
    return false;
}

const SceneIndexEntry* SceneItemLoader::load(int sceneId, const std::string& groupRulesPath,
                                             const std::string& languageCode, SceneIndex& index,
                                             ItemRegistry& registry) {
    if (isLoaded(registry, sceneId)) {
        return nullptr;
    }
    SceneIndexEntry* entry = index.find(sceneId);
    if (!entry) {
        logWarning("scene %d: not in the scene index, no items", sceneId);
        return nullptr;
    }
    std::vector<std::unique_ptr<ItemDescription>> descriptions = readItemFile(*entry, languageCode);
    ItemGroupRules rules;
    rules.load(groupRulesPath);
    for (std::size_t i = 0; i < descriptions.size(); ++i) {
        const int group = rules.groupFor(descriptions[i]->type, descriptions[i]->typeId);
        registry.add(group, new Item(static_cast<int>(i), sceneId, std::move(descriptions[i])));
    }
    return entry;
}
