#pragma once

class ContentFiles;

// The shooting gallery of a content folder: its fixed file is read as the
// game reads it, every picture it names and the gallery's own pictures must
// exist, every line must carry more pictures than its band shows at once
// (so a goal that is not yet in view can always be drawn), and no picture may
// ride two lines (the goal plaque shows only the picture).
class ShooterCheck {
public:
    explicit ShooterCheck(const ContentFiles& files) : files_(files) {}

    void run();

private:
    const ContentFiles& files_;
};
