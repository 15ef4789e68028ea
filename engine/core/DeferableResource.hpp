#pragma once

#include <string>

// A file-backed resource that may be loaded later than it is created.
class DeferableResource {
public:
    virtual ~DeferableResource() = default;
    virtual void load() = 0;

    const std::string& getPath() const { return path_; }
    bool isNotLoaded() const { return notLoaded_; }

protected:
    bool notLoaded_ = false;
    std::string path_;
};
