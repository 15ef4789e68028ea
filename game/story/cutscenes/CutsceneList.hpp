#pragma once

#include <string>
#include <vector>

// The list file of a cut-scene: AnimationSequence with one Animation
// animationPath per key-frame animation, played in file order.
namespace CutsceneList {

// The animation files that exist, in order. Every fault is one line naming
// the file and line (a missing or broken file, an Animation without path, a
// path that does not exist, a list with nothing to play).
std::vector<std::string> read(const std::string& path);

}  // namespace CutsceneList
