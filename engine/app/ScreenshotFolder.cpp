#include "engine/app/ScreenshotFolder.hpp"

#include <filesystem>
#include <system_error>

std::string ScreenshotFolder::nextFreePath() const {
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    if (ec) {
        return std::string();
    }
    for (int n = 1; n <= kMaxShots; ++n) {
        const std::string path = folder_ + "ScrShot" + std::to_string(n) + ".bmp";
        if (!std::filesystem::exists(path, ec)) {
            return path;
        }
    }
    return std::string();
}
