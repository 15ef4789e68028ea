#include "game/scene/data/SceneMechanics.hpp"

#include <cstring>
#include <iostream>

#include <tinyxml2.h>

#include "engine/core/ContentPath.hpp"
#include "engine/core/XmlNumber.hpp"

namespace {

std::string identifierOf(const tinyxml2::XMLElement* element) {
    const char* identifier = element->Attribute("identifier");
    return identifier ? identifier : "UNSPECIFIED";
}

std::map<std::string, std::string> attributesOf(const tinyxml2::XMLElement* element) {
    std::map<std::string, std::string> attributes;
    for (const tinyxml2::XMLAttribute* a = element->FirstAttribute(); a; a = a->Next()) {
        attributes[a->Name()] = a->Value();
    }
    return attributes;
}

std::vector<int> typeIdList(const std::string& text) {
    std::vector<int> ids;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = text.find(',', start);
        const std::string part = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        ids.push_back(XmlNumber::leadingInt(part.c_str()));
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    return ids;
}

int pickOf(const char* text) {
    if (std::strcmp(text, "random") == 0) {
        return CollectRule::Random;
    }
    if (std::strcmp(text, "first") == 0) {
        return CollectRule::First;
    }
    return CollectRule::All;
}

MechanicsStep collectStep(const tinyxml2::XMLElement* element) {
    MechanicsStep step;
    step.kind = MechanicsStep::CollectGroup;
    step.identifier = identifierOf(element);
    for (const tinyxml2::XMLElement* c = element->FirstChildElement("Collect"); c;
         c = c->NextSiblingElement("Collect")) {
        const char* name = c->Attribute("name");
        const char* typeIds = c->Attribute("typeId");
        const char* pick = c->Attribute("pick");
        if (!name || !typeIds || !pick) {
            continue;
        }
        CollectRule rule;
        rule.name = name;
        rule.typeIds = typeIdList(typeIds);
        rule.pick = pickOf(pick);
        if (const char* count = c->Attribute("count")) {
            rule.count = XmlNumber::leadingInt(count);
        }
        if (const char* quest = c->Attribute("questId")) {
            rule.questId = XmlNumber::leadingInt(quest);
        }
        step.collect.push_back(rule);
    }
    return step;
}

}  // namespace

std::string MechanicsStep::attribute(const std::string& name, const std::string& fallback) const {
    auto found = attributes.find(name);
    return found == attributes.end() ? fallback : found->second;
}

bool SceneMechanics::load(const std::string& path) {
    steps_.clear();
    tinyxml2::XMLDocument document;
    if (document.LoadFile(ContentPath::resolve(path).c_str()) != tinyxml2::XML_SUCCESS) {
        std::cout << "mechanics file " << path << ": cannot be read (" << document.ErrorStr() << ")\n";
        return false;
    }
    const tinyxml2::XMLElement* root = document.FirstChildElement("SceneMechanics");
    if (!root) {
        std::cout << "mechanics file " << path << ": no SceneMechanics element\n";
        return false;
    }
    for (const tinyxml2::XMLElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) {
        const std::string kind = e->Name();
        if (kind == "CollectGroup") {
            steps_.push_back(collectStep(e));
        } else if (kind == "Screen" && e->Attribute("type")) {
            MechanicsStep step;
            step.kind = MechanicsStep::Screen;
            step.identifier = e->Attribute("type");
            step.attributes = attributesOf(e);
            steps_.push_back(step);
        } else if (kind == "CustomMechanics") {
            MechanicsStep step;
            step.kind = MechanicsStep::CustomMechanics;
            step.identifier = identifierOf(e);
            step.attributes = attributesOf(e);
            steps_.push_back(step);
        }
    }
    return true;
}

const MechanicsStep* SceneMechanics::step(int index) const {
    return index >= 0 && index < size() ? &steps_[static_cast<std::size_t>(index)] : nullptr;
}

std::string SceneMechanics::locationFileName(int sceneId) {
    if (sceneId < 100) {
        return "";
    }
    const bool present = sceneId < 200;
    const int number = sceneId - (present ? 100 : 200);
    return "mech_location" + std::string(number < 10 ? "0" : "") + std::to_string(number) +
           (present ? "_present" : "_past") + ".xml";
}
