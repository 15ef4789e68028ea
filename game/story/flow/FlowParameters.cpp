#include "game/story/flow/FlowParameters.hpp"

#include "engine/core/XmlNumber.hpp"

std::string FlowParameters::text(const std::string& name, const std::string& absent) const {
    const auto it = values_.find(name);
    return it == values_.end() ? absent : it->second;
}

int FlowParameters::number(const std::string& name, int absent) const {
    const auto it = values_.find(name);
    return it == values_.end() ? absent : XmlNumber::leadingInt(it->second.c_str());
}

bool FlowParameters::flag(const std::string& name) const {
    return text(name) == "1";
}
