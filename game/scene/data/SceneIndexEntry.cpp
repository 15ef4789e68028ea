#include "game/scene/data/SceneIndexEntry.hpp"

std::string SceneIndexEntry::itemFilePath(const std::string& languageCode) const {
    return path + fileName + (languageCode == "EN" ? std::string() : languageCode) + ".xml";
}
