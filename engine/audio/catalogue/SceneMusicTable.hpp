#pragma once

#include <map>
#include <string>
#include <vector>

class RandomSource;

// Which music plays in which scene, read from "content/config/scene/music.xml".
// An index may list several files; each request picks one of them at random.
// Owned by the application; screens ask it for a path and load the music themselves.
class SceneMusicTable {
public:
    explicit SceneMusicTable(RandomSource& random);

    // Adds the file's entries; a broken file is reported and adds nothing.
    bool load(const std::string& path);
    // Base path + one of the index's files, or "" when the index has none.
    std::string musicFor(int sceneIndex);

    const std::string& getBasePath() const { return basePath_; }
    // The files listed for an index, in file order.
    const std::vector<std::string>& filesFor(int sceneIndex) const;

private:
    RandomSource& random_;
    std::string basePath_;
    std::map<int, std::vector<std::string>> files_;
};
