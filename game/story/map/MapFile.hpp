#pragma once

#include <string>
#include <vector>

// The map layout "content/config/NewMapScreen.xml": one pin per scene, at the
// pin's centre on the map, with the normal and highlighted pictures of its
// location (file names under path()). A Button with a negative or absent
// sceneId, or without buttonN or buttonO, is skipped with one line naming it.
class MapFile {
public:
    static constexpr const char* FileName = "content/config/NewMapScreen.xml";

    struct Pin {
        int sceneId = -1;
        int x = 0;
        int y = 0;
        std::string normal;       // under path()
        std::string highlighted;  // under path()
        int line = 0;
    };

    // A missing or broken file, or one without Buttons, leaves no pins and
    // says so in one line; the result tells whether any pin was read.
    bool load(const std::string& fileName = FileName);

    const std::string& path() const { return path_; }
    const std::vector<Pin>& pins() const { return pins_; }
    // The pin of the scene, or none.
    const Pin* find(int sceneId) const;

private:
    std::string path_;
    std::vector<Pin> pins_;
};
