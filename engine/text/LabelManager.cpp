#include "engine/text/LabelManager.hpp"

#include <tinyxml2.h>

#include <iostream>

#include "engine/core/ContentPath.hpp"

LabelManager::LabelManager() = default;
LabelManager::~LabelManager() = default;

void LabelManager::load(const std::string& path) {
    labels_.clear();
    document_ = std::make_unique<tinyxml2::XMLDocument>();
    if (document_->LoadFile(ContentPath::resolve(path).c_str()) != tinyxml2::XML_SUCCESS) {
        std::cout << "labels " << path << ": cannot read: " << document_->ErrorStr() << std::endl;
        return;
    }
    const tinyxml2::XMLElement* root = document_->FirstChildElement("Strings");
    if (root == nullptr) {
        std::cout << "labels " << path << ": no <Strings> root element" << std::endl;
        return;
    }
    for (auto* element = root->FirstChildElement(); element != nullptr; element = element->NextSiblingElement()) {
        if (const tinyxml2::XMLAttribute* first = element->FirstAttribute()) {
            labels_[first->Name()] = first->Value();
        }
    }
}

std::string LabelManager::getLabel(const std::string& key) const {
    const auto it = labels_.find(key);
    return it != labels_.end() ? it->second : "error::label not found! -> " + key;
}
