#pragma once

#include "engine/widgets/TextInputCursor.hpp"

// A thin vertical bar that is shown for one half period and hidden for the next.
class BlinkingVertCursor : public TextInputCursor {
public:
    static constexpr int Width = 2;

    BlinkingVertCursor(int height, const Color& color, int halfPeriod = 500);

    void update(int milliseconds) override;
    void draw(Graphics* graphics) override;
    void restart() override;

    bool isShown() const { return shown_; }

private:
    int halfPeriod_;
    int elapsed_ = 0;
    bool shown_ = true;
};
