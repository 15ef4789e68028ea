#pragma once

#include <string>

// Maps the paths the content names ("content/config/config.xml") onto the
// content folder chosen for this run (Config's content folder). Other paths,
// and every path while no folder is chosen, are returned unchanged, so
// resolving twice gives the same result.
class ContentPath {
public:
    static std::string resolve(const std::string& path);
};
