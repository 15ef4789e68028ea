#include "game/scene/data/SceneMechanics.hpp"

#include <cstring>

#include "engine/core/XmlFile.hpp"
#include "engine/core/XmlNumber.hpp"

namespace {

std::string identifierOf(const tinyxml2::XMLElement* element) {
    const char* identifier = element->Attribute("identifier");
    return identifier ? identifier : "UNSPECIFIED";
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

MechanicsStep collectStep(const XmlFile& file, const tinyxml2::XMLElement* element) {
    MechanicsStep step;
    step.kind = MechanicsStep::CollectGroup;
    step.identifier = identifierOf(element);
    for (const tinyxml2::XMLElement* c = element->FirstChildElement("Collect"); c;
         c = c->NextSiblingElement("Collect")) {
        const char* name = c->Attribute("name");
        const char* typeIds = c->Attribute("typeId");
        const char* pick = c->Attribute("pick");
        if (!name || !typeIds || !pick) {
            file.warn(c, "a Collect needs name, typeId and pick");
            continue;
        }
        CollectRule rule;
        rule.name = name;
        rule.typeIds = XmlNumber::list(typeIds);
        rule.pick = pickOf(pick);
        rule.count = XmlFile::number(c, "count", -1);
        rule.questId = XmlFile::number(c, "questId", -1);
        rule.line = c->GetLineNum();
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
    line_ = 0;
    const XmlFile file(path, "SceneMechanics");
    if (!file.root()) {
        return false;
    }
    line_ = file.root()->GetLineNum();
    for (const tinyxml2::XMLElement* e = file.root()->FirstChildElement(); e; e = e->NextSiblingElement()) {
        const std::string kind = e->Name();
        if (kind == "CollectGroup") {
            steps_.push_back(collectStep(file, e));
            steps_.back().line = e->GetLineNum();
        } else if (kind == "Screen" && !e->Attribute("type")) {
            file.warn(e, "a Screen step needs a type");
        } else if (kind == "Screen") {
            MechanicsStep step;
            step.kind = MechanicsStep::Screen;
            step.identifier = e->Attribute("type");
            step.attributes = XmlFile::attributes(e);
            step.line = e->GetLineNum();
            steps_.push_back(step);
        } else if (kind == "CustomMechanics") {
            MechanicsStep step;
            step.kind = MechanicsStep::CustomMechanics;
            step.identifier = identifierOf(e);
            step.attributes = XmlFile::attributes(e);
            step.line = e->GetLineNum();
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
