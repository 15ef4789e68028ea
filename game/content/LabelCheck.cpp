#include "game/content/LabelCheck.hpp"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "engine/text/LabelManager.hpp"

void LabelCheck::load() {
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(files_.path("content/config/labels"), error)) {
        if (entry.path().extension() == ".xml") {
            files.push_back("content/config/labels/" + entry.path().filename().string());
        }
    }
    std::sort(files.begin(), files.end());
    if (files.empty()) {
        files_.report().add(files_.path("content/config/labels"), 0, "there is no labels file");
    }
    for (const std::string& file : files) {
        std::map<std::string, Label>& table = languages_[file];
        LabelManager labels;
        labels.load(file);
        for (const auto& [key, text] : labels.getLabels()) {
            table[key] = Label{text, labels.lineOf(key)};
        }
    }
}

void LabelCheck::use(const std::string& key, const std::string& contentPath, int line) {
    uses_.push_back({key, contentPath, line});
}

std::vector<std::string> LabelCheck::textsOf(const std::string& key) const {
    std::vector<std::string> texts;
    for (const auto& language : languages_) {
        const auto found = language.second.find(key);
        if (found != language.second.end()) {
            texts.push_back(found->second.text);
        }
    }
    return texts;
}

void LabelCheck::finish(const std::map<std::string, std::set<int>>& fontGlyphs) {
    for (const Use& use : uses_) {
        for (const auto& [file, table] : languages_) {
            if (!table.count(use.key)) {
                files_.report().add(files_.path(use.file), use.line,
                                    "the label " + use.key + " is missing from " + file);
            }
        }
    }
    for (const auto& [file, table] : languages_) {
        for (const auto& [key, label] : table) {
            for (const auto& [font, glyphs] : fontGlyphs) {
                std::string missing;
                std::set<int> seen;
                for (unsigned char c : label.text) {
                    if (c != '\n' && c != '\r' && !glyphs.count(c) && seen.insert(c).second) {
                        char code[16];
                        std::snprintf(code, sizeof(code), c < 128 ? "'%c'" : "0x%02X", c);
                        missing += (missing.empty() ? "" : ", ") + std::string(code);
                    }
                }
                if (!missing.empty()) {
                    files_.report().add(files_.path(file), label.line,
                                        "the label " + key + " has characters without a glyph in " + font + ": " +
                                            missing);
                }
            }
        }
    }
}
