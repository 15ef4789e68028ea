#include "game/content/ContentFiles.hpp"

#include <filesystem>

ContentFiles::ContentFiles(const std::string& folder, ContentReport& report) : folder_(folder), report_(report) {
    while (folder_.size() > 1 && folder_.back() == '/') {
        folder_.pop_back();
    }
}

std::string ContentFiles::path(const std::string& contentPath) const {
    static const std::string prefix = "content/";
    const std::string inside =
        contentPath.compare(0, prefix.size(), prefix) == 0 ? contentPath.substr(prefix.size()) : contentPath;
    return folder_ + "/" + inside;
}

bool ContentFiles::exists(const std::string& contentPath) const {
    std::error_code ignored;
    return std::filesystem::is_regular_file(path(contentPath), ignored);
}

bool ContentFiles::require(const std::string& contentPath, const std::string& from, int fromLine,
                           const std::string& what) const {
    if (exists(contentPath)) {
        return true;
    }
    report_.add(path(from), fromLine, (what.empty() ? "" : what + " ") + "\"" + contentPath + "\" does not exist");
    return false;
}
