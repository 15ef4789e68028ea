#include "game/story/cutscenes/CutsceneList.hpp"

#include "engine/core/XmlFile.hpp"

namespace CutsceneList {

std::vector<std::string> read(const std::string& path) {
    std::vector<std::string> animations;
    const XmlFile file(path, "AnimationSequence");
    const tinyxml2::XMLElement* root = file.root();
    if (!root) {
        return animations;
    }
    for (const tinyxml2::XMLElement* element = root->FirstChildElement("Animation"); element;
         element = element->NextSiblingElement("Animation")) {
        const std::string animation = XmlFile::text(element, "animationPath");
        if (file.hasAll(element, {"animationPath"}) && file.needsFile(element, animation, "the animation")) {
            animations.push_back(animation);
        }
    }
    if (animations.empty()) {
        file.warn(root, "the cut-scene has no animation that can be played");
    }
    return animations;
}

}  // namespace CutsceneList
