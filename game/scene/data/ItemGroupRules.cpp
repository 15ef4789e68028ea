#include "game/scene/data/ItemGroupRules.hpp"

#include <iostream>

#include <tinyxml2.h>

#include "engine/core/ContentPath.hpp"
#include "engine/core/XmlNumber.hpp"

bool ItemGroupRules::load(const std::string& path) {
    tinyxml2::XMLDocument document;
    if (document.LoadFile(ContentPath::resolve(path).c_str()) != tinyxml2::XML_SUCCESS) {
        std::cout << "item group rules " << path << ": cannot be read (" << document.ErrorStr() << ")\n";
        return false;
    }
    const tinyxml2::XMLElement* root = document.FirstChildElement("ItemGroupRules");
    if (!root) {
        std::cout << "item group rules " << path << ": no ItemGroupRules element\n";
        return false;
    }
    for (const tinyxml2::XMLElement* rule = root->FirstChildElement("Rule"); rule;
         rule = rule->NextSiblingElement("Rule")) {
        const char* group = rule->Attribute("groupId");
        const char* typeId = rule->Attribute("typeId");
        const char* type = rule->Attribute("type");
        if (!group || !typeId || !type) {
            continue;
        }
        const int table = XmlNumber::leadingInt(type);
        if (table == 0 || table == 1) {
            tables_[table][XmlNumber::leadingInt(typeId)] = XmlNumber::leadingInt(group);
        }
    }
    return true;
}

int ItemGroupRules::groupFor(int type, int typeId) const {
    if (type != 0 && type != 1) {
        return -1;
    }
    auto found = tables_[type].find(typeId);
    return found == tables_[type].end() ? -1 : found->second;
}
