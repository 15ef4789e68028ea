#include "game/story/dialogue/CharacterLibrary.hpp"

#include "engine/core/XmlFile.hpp"

namespace {

const char* const kAnimationElements[DialogCharacter::AnimationCount] = {
    "EntryAnimation", "BeginTalkAnimation", "EndTalkAnimation", "LeaveAnimation"};

IntRect readBox(const XmlFile& file, const tinyxml2::XMLElement* character, const char* name) {
    const tinyxml2::XMLElement* element = character->FirstChildElement(name);
    if (!element) {
        file.warn(character, std::string("the character lacks its ") + name);
        return IntRect();
    }
    if (!file.hasAll(element, {"x", "y", "w", "h"})) {
        return IntRect();
    }
    IntRect box(XmlFile::number(element, "x"), XmlFile::number(element, "y"), XmlFile::number(element, "w"),
                XmlFile::number(element, "h"));
    if (box.w <= 0 || box.h <= 0) {
        file.warn(element, std::string("the ") + name + " is empty: nothing can be written in it");
    }
    return box;
}

std::string readAnimation(const XmlFile& file, const tinyxml2::XMLElement* character, const char* name,
                          const std::string& prefix) {
    const tinyxml2::XMLElement* element = character->FirstChildElement(name);
    if (!element) {
        file.warn(character, std::string("the character lacks its ") + name);
        return std::string();
    }
    if (!file.hasAll(element, {"file"})) {
        return std::string();
    }
    const std::string path = prefix + XmlFile::text(element, "file");
    return file.needsFile(element, path, std::string("the ") + name) ? path : std::string();
}

}  // namespace

void CharacterLibrary::load(const std::string& path) {
    characters_.clear();
    defaultPath_.clear();
    fileName_ = path;
    const XmlFile file(path, "Characters");
    const tinyxml2::XMLElement* root = file.root();
    if (!root) {
        return;
    }
    if (const tinyxml2::XMLElement* defaults = root->FirstChildElement("Defaults")) {
        defaultPath_ = XmlFile::text(defaults, "path");
    }
    for (const tinyxml2::XMLElement* element = root->FirstChildElement("Character"); element;
         element = element->NextSiblingElement("Character")) {
        if (!file.hasAll(element, {"id", "name"})) {
            continue;
        }
        auto character = std::make_unique<DialogCharacter>();
        character->id = XmlFile::number(element, "id");
        character->name = XmlFile::text(element, "name");
        character->line = element->GetLineNum();
        character->textBox = readBox(file, element, "TextBox");
        character->nameBox = readBox(file, element, "NameBox");
        for (int i = 0; i < DialogCharacter::AnimationCount; ++i) {
            character->animations[static_cast<std::size_t>(i)] =
                readAnimation(file, element, kAnimationElements[i], defaultPath_);
        }
        if (characters_.count(character->id) != 0) {
            file.warn(element, "the character id " + std::to_string(character->id) + " is used twice");
            continue;
        }
        characters_[character->id] = std::move(character);
    }
    if (characters_.empty()) {
        file.warn(root, "the library has no usable Character");
    }
}

DialogCharacter* CharacterLibrary::find(int id) const {
    const auto it = characters_.find(id);
    return it == characters_.end() ? nullptr : it->second.get();
}
