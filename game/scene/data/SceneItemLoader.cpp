#include "game/scene/data/SceneItemLoader.hpp"

#include <cstdio>
#include <iostream>

#include <tinyxml2.h>

#include "engine/core/ContentPath.hpp"
#include "game/scene/data/Item.hpp"
#include "game/scene/data/ItemGroupRules.hpp"
#include "game/scene/data/ItemRegistry.hpp"
#include "game/scene/data/SceneIndex.hpp"
#include "engine/core/XmlNumber.hpp"

namespace {

const char* const kItemAttributes[] = {"image", "layer", "majorGroupID", "minorGroupID", "x", "y", "angle",
                                       "R",     "G",     "B",            "A",            "type", "infoTip",
                                       "typeId"};

int intAttribute(const tinyxml2::XMLElement* element, const char* name) {
    return XmlNumber::leadingInt(element->Attribute(name));
}

float floatAttribute(const tinyxml2::XMLElement* element, const char* name) {
    float value = 0.0f;
    const char* text = element->Attribute(name);
    if (!text || std::sscanf(text, "%f", &value) != 1) {
        return 0.0f;
    }
    return value;
}

std::unique_ptr<ItemDescription> readItem(const tinyxml2::XMLElement* element, const std::string& directory) {
    auto description = std::make_unique<ItemDescription>();
    const char* name = element->Attribute("name");
    description->name = name ? name : "";
    for (const char* attribute : kItemAttributes) {
        if (!element->Attribute(attribute)) {
            // An incomplete item keeps only its name.
            return description;
        }
    }
    description->image = element->Attribute("image");
    description->directory = directory;
    description->layer = intAttribute(element, "layer");
    description->majorGroupID = intAttribute(element, "majorGroupID");
    description->minorGroupID = intAttribute(element, "minorGroupID");
    description->x = floatAttribute(element, "x");
    description->y = floatAttribute(element, "y");
    description->angle = floatAttribute(element, "angle");
    description->R = intAttribute(element, "R");
    description->G = intAttribute(element, "G");
    description->B = intAttribute(element, "B");
    description->A = intAttribute(element, "A");
    description->type = intAttribute(element, "type");
    description->infoTip = element->Attribute("infoTip");
    description->typeId = intAttribute(element, "typeId");
    return description;
}

}  // namespace

std::vector<std::unique_ptr<ItemDescription>> SceneItemLoader::readItemFile(SceneIndexEntry& entry,
                                                                             const std::string& languageCode) {
    std::vector<std::unique_ptr<ItemDescription>> items;
    const std::string path = entry.itemFilePath(languageCode);
    tinyxml2::XMLDocument document;
    if (document.LoadFile(ContentPath::resolve(path).c_str()) != tinyxml2::XML_SUCCESS) {
        std::cout << "item file " << path << ": cannot be read (" << document.ErrorStr() << ")\n";
        return items;
    }
    const tinyxml2::XMLElement* root = document.FirstChildElement("Scene");
    if (!root) {
        std::cout << "item file " << path << ": no Scene element\n";
        return items;
    }
    if (const tinyxml2::XMLElement* screen = root->FirstChildElement("Screen")) {
        entry.width = intAttribute(screen, "width");
        entry.height = intAttribute(screen, "height");
        entry.xOffset = intAttribute(screen, "xOffset");
        entry.yOffset = intAttribute(screen, "yOffset");
    }
    for (const tinyxml2::XMLElement* element = root->FirstChildElement("Item"); element;
         element = element->NextSiblingElement("Item")) {
        items.push_back(readItem(element, entry.path));
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
        std::cout << "scene " << sceneId << ": not in the scene index, no items\n";
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
