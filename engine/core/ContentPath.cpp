#include "engine/core/ContentPath.hpp"

namespace {
std::string g_folder;
}

const std::string& ContentPath::folder() {
    return g_folder;
}

void ContentPath::setFolder(const std::string& folder) {
    g_folder = folder;
}

std::string ContentPath::resolve(const std::string& path) {
    static const std::string prefix = "content";
    const std::string& folder = g_folder;
    if (folder.empty() || path.compare(0, prefix.size(), prefix) != 0) {
        return path;
    }
    if (path.size() == prefix.size()) {
        return folder;
    }
    const char next = path[prefix.size()];
    if (next != '/' && next != '\\') {
        return path;
    }
    std::string resolved = folder;
    if (resolved.back() == '/') {
        resolved.pop_back();
    }
    return resolved + path.substr(prefix.size());
}
