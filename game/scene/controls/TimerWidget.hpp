#pragma once

#include <functional>

#include "engine/widgets/Widget.hpp"

class Texture;

// The time challenge's clock: a rail in a frame whose fill shrinks from the
// right as the time runs out, with a thumb at the end of the fill. It counts
// down only while running and not paused, and says once when the time is up.
// The pictures are not owned; any of them may be missing.
class TimerWidget : public Widget {
public:
    struct Pictures {
        Texture* background = nullptr;
        Texture* rail = nullptr;
        Texture* fill = nullptr;
        Texture* thumb = nullptr;
    };

    TimerWidget(int x, int y, const Pictures& pictures, std::function<void()> ranOut);

    // Counts down from remaining; the fill shows remaining against total.
    void start(int total, int remaining);
    void stop() { running_ = false; }
    void setPaused(bool paused) { paused_ = paused; }

    void update(int milliseconds, ScreenBase* screen) override;
    void draw(Graphics* graphics, ScreenBase* screen) override;

    bool isRunning() const { return running_; }
    bool isPaused() const { return paused_; }
    int getRemaining() const { return remaining_; }

private:
    Pictures pictures_;
    std::function<void()> ranOut_;
    int total_ = 1;
    int remaining_ = 0;
    bool running_ = false;
    bool paused_ = false;
};
