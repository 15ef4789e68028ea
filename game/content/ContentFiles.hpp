#pragma once

#include <string>

#include "game/content/ContentReport.hpp"

// Where the checked content lies: the game names files "content/..." and
// this maps them into the folder being checked.
class ContentFiles {
public:
    ContentFiles(const std::string& folder, ContentReport& report);

    // "content/x/y" (or "x/y") inside the checked folder.
    std::string path(const std::string& contentPath) const;
    bool exists(const std::string& contentPath) const;
    // Reports a missing file, naming the file and line that refer to it:
    // "<what> "<contentPath>" does not exist" (what may be empty).
    bool require(const std::string& contentPath, const std::string& from, int fromLine, const std::string& what) const;

    ContentReport& report() const { return report_; }
    const std::string& folder() const { return folder_; }

private:
    std::string folder_;
    ContentReport& report_;
};
