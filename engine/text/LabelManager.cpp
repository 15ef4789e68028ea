#include "engine/text/LabelManager.hpp"

#include "engine/core/XmlFile.hpp"

void LabelManager::load(const std::string& path) {
    labels_.clear();
    lines_.clear();
    const XmlFile file(path, "Strings");
    const tinyxml2::XMLElement* root = file.root();
    if (root == nullptr) {
        return;
    }
    for (auto* element = root->FirstChildElement(); element != nullptr; element = element->NextSiblingElement()) {
        if (const tinyxml2::XMLAttribute* first = element->FirstAttribute()) {
            labels_[first->Name()] = first->Value();
            lines_[first->Name()] = element->GetLineNum();
        }
    }
}

std::string LabelManager::getLabel(const std::string& key) const {
    const auto it = labels_.find(key);
    return it != labels_.end() ? it->second : "error::label not found! -> " + key;
}

int LabelManager::lineOf(const std::string& key) const {
    const auto it = lines_.find(key);
    return it != lines_.end() ? it->second : 0;
}
