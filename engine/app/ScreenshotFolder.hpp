#pragma once

#include <string>

// Where F8 screenshots go and which name the next one gets.
class ScreenshotFolder {
public:
    static constexpr int kMaxShots = 9998;

    explicit ScreenshotFolder(std::string folder) : folder_(std::move(folder)) {}

    // The first "ScrShotN.bmp" (N = 1 .. 9998) that does not exist yet, with
    // the folder in front; empty when all are taken or the folder cannot be made.
    std::string nextFreePath() const;

private:
    std::string folder_;
};
