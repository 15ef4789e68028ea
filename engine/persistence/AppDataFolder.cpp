#include "engine/persistence/AppDataFolder.hpp"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isDirectory(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string homeFolder() {
    const char* home = std::getenv("HOME");
    if (home && *home) {
        return home;
    }
    const passwd* entry = ::getpwuid(::getuid());
    return entry && entry->pw_dir ? entry->pw_dir : ".";
}

}  // namespace

std::string AppDataFolder::base(const std::string& overrideDir) {
    if (!overrideDir.empty()) {
        return overrideDir;
    }
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') {
        return xdg;
    }
    return homeFolder() + "/.local/share";
}

bool AppDataFolder::create(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        ::mkdir(path.substr(0, slash).c_str(), 0755);
    }
    ::mkdir(path.c_str(), 0755);
    return isDirectory(path);
}

std::string AppDataFolder::saveFilePath(const std::string& base, const std::string& folder,
                                        const std::string& fileName) {
    create(base + "/" + folder);
    return base + "/" + folder + "/" + fileName;
}
