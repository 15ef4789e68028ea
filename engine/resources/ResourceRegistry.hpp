#pragma once

#include <vector>

#include "engine/core/SingletonContainer.hpp"

class ResourceManager;

// The resource managers that hold textures in the OpenGL context besides the
// application's own: they are released and restored around every video-mode
// change. A manager joins while its owner lives; the list does not own them.
class ResourceRegistry : public SingletonContainer<ResourceRegistry> {
public:
    void add(ResourceManager* manager);
    void remove(ResourceManager* manager);
    const std::vector<ResourceManager*>& managers() const { return managers_; }

private:
    std::vector<ResourceManager*> managers_;
};
