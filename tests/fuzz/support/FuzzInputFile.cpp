#include "support/FuzzInputFile.hpp"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <unistd.h>

namespace {

class ScratchFolder {
public:
    ScratchFolder()
        : path_(std::filesystem::path(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : ".") /
                ("chrona_fuzz_" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path_);
        if (!std::freopen("/dev/null", "w", stdout)) {
            std::abort();
        }
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::string& file(const std::string& name) {
        auto known = files_.find(name);
        if (known == files_.end()) {
            known = files_.emplace(name, (path_ / name).string()).first;
        }
        return known->second;
    }

private:
    std::filesystem::path path_;
    std::map<std::string, std::string> files_;
};

}  // namespace

const std::string& FuzzInputFile::write(const std::uint8_t* data, std::size_t size, const std::string& fileName) {
    static ScratchFolder folder;
    const std::string& path = folder.file(fileName);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::abort();
    }
    if (size > 0 && std::fwrite(data, 1, size, file) != size) {
        std::abort();
    }
    std::fclose(file);
    return path;
}
