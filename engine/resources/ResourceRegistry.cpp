#include "engine/resources/ResourceRegistry.hpp"

#include <algorithm>

void ResourceRegistry::add(ResourceManager* manager) {
    if (manager && std::find(managers_.begin(), managers_.end(), manager) == managers_.end()) {
        managers_.push_back(manager);
    }
}

void ResourceRegistry::remove(ResourceManager* manager) {
    managers_.erase(std::remove(managers_.begin(), managers_.end(), manager), managers_.end());
}
