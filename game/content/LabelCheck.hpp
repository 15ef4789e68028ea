#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "game/content/ContentFiles.hpp"

// The label tables of every language under content/config/labels/: records
// which label keys the content uses (and where), then reports keys missing
// from a language and label characters that a font has no glyph for.
class LabelCheck {
public:
    explicit LabelCheck(const ContentFiles& files) : files_(files) {}

    void load();
    void use(const std::string& key, const std::string& contentPath, int line);
    void finish(const std::map<std::string, std::set<int>>& fontGlyphs);
    std::size_t languageCount() const { return languages_.size(); }
    // The text of key in every labels file that has it.
    std::vector<std::string> textsOf(const std::string& key) const;

private:
    struct Label {
        std::string text;
        int line = 0;
    };
    struct Use {
        std::string key;
        std::string file;
        int line = 0;
    };

    const ContentFiles& files_;
    std::map<std::string, std::map<std::string, Label>> languages_;  // labels file -> key -> label
    std::vector<Use> uses_;
};
