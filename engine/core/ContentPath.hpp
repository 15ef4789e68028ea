#pragma once

#include <string>

// Maps the paths the content names ("content/config/config.xml") onto the
// content folder chosen for this run. Other paths,
// and every path while no folder is chosen, are returned unchanged, so
// resolving twice gives the same result.
class ContentPath {
public:
    static std::string resolve(const std::string& path);
    // The folder that stands for "content/"; empty: the "content" folder of the working directory.
    static const std::string& folder();
    static void setFolder(const std::string& folder);
};
