#include "game/scene/data/ItemGroupRules.hpp"

#include "engine/core/XmlFile.hpp"

bool ItemGroupRules::load(const std::string& path) {
    const XmlFile file(path, "ItemGroupRules");
    if (!file.root()) {
        return false;
    }
    for (const tinyxml2::XMLElement* rule = file.root()->FirstChildElement("Rule"); rule;
         rule = rule->NextSiblingElement("Rule")) {
        if (!rule->Attribute("groupId") || !rule->Attribute("typeId") || !rule->Attribute("type")) {
            file.warn(rule, "a Rule needs groupId, typeId and type");
            continue;
        }
        const int table = XmlFile::number(rule, "type");
        if (table == 0 || table == 1) {
            tables_[table][XmlFile::number(rule, "typeId")] = XmlFile::number(rule, "groupId");
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
