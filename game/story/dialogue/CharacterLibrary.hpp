#pragma once

#include <map>
#include <memory>
#include <string>

#include "game/story/dialogue/DialogCharacter.hpp"

// The characters a dialogue can show, read from a character library file:
// an optional Defaults path put in front of every animation file, then one
// Character (id, name) with its TextBox, NameBox and four animations each.
class CharacterLibrary {
public:
    // Replaces what was read before. Every fault is one line naming the
    // file and line: a missing or broken file, a Character without id or
    // name, an id used twice, a box that lacks a value or is empty, an
    // animation that is not named or does not exist.
    void load(const std::string& path);

    DialogCharacter* find(int id) const;
    const std::map<int, std::unique_ptr<DialogCharacter>>& characters() const { return characters_; }
    const std::string& defaultPath() const { return defaultPath_; }
    const std::string& fileName() const { return fileName_; }

private:
    std::map<int, std::unique_ptr<DialogCharacter>> characters_;
    std::string defaultPath_;
    std::string fileName_;
};
