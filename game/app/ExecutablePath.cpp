#include "game/app/ExecutablePath.hpp"

#include <filesystem>
#include <system_error>

std::string executableFolder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || !exe.has_parent_path()) {
        return ".";
    }
    return exe.parent_path().string();
}
