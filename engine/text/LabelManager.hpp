#pragma once

#include <map>
#include <string>

#include "engine/core/ReferenceCountable.hpp"

// The table of localized labels: label key -> text in the single-byte
// character set of the fonts. Filled once at start-up from the labels file of
// the configured language; an unknown key yields a visible error text.
class LabelManager : public ReferenceCountable {
public:
    // Replaces the table with the labels of a file (root <Strings>; each child
    // element gives its first attribute's name as key and value as text).
    // A file that cannot be read leaves the table empty and is reported.
    void load(const std::string& path);
    std::string getLabel(const std::string& key) const;
    bool hasLabel(const std::string& key) const { return labels_.count(key) != 0; }
    std::size_t size() const { return labels_.size(); }
    const std::map<std::string, std::string>& getLabels() const { return labels_; }
    // The line of the file the label was read from; 0 for an unknown key.
    int lineOf(const std::string& key) const;

private:
    std::map<std::string, std::string> labels_;
    std::map<std::string, int> lines_;
};
