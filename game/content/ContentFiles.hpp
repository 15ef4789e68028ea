#pragma once

#include <tinyxml2.h>

#include <string>

#include "game/content/ContentReport.hpp"

// Where the checked content lies, and the reading of its files with every
// failure reported: the game names files "content/..." and this maps them
// into the folder being checked.
class ContentFiles {
public:
    ContentFiles(const std::string& folder, ContentReport& report);

    // "content/x/y" (or "x/y") inside the checked folder.
    std::string path(const std::string& contentPath) const;
    bool exists(const std::string& contentPath) const;
    // Parses the file; a missing or broken file is reported (by the file
    // that refers to it when `from` is given) and gives false.
    bool loadXml(tinyxml2::XMLDocument& document, const std::string& contentPath, const std::string& from = "",
                 int fromLine = 0) const;
    // Reports a missing file, naming the file and line that refer to it.
    bool require(const std::string& contentPath, const std::string& from, int fromLine, const std::string& what) const;

    ContentReport& report() const { return report_; }
    const std::string& folder() const { return folder_; }

private:
    std::string folder_;
    ContentReport& report_;
};
