#pragma once

#include <string>

// One scene of the scene index: where its item file and images are, and the
// screen placement that its item file adds once it has been read.
struct SceneIndexEntry {
    int id = 0;
    int width = 0;
    int height = 0;
    int xOffset = 0;
    int yOffset = 0;
    std::string fileName;
    std::string path;  // ends with a separator: joined by plain concatenation
    int line = 0;      // of the Index element in the scene index

    // path + fileName + language suffix + ".xml"; the suffix is empty for
    // exactly "EN" and the language code itself otherwise.
    std::string itemFilePath(const std::string& languageCode) const;
};
