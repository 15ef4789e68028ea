#include "BotHands.hpp"

namespace {

const int kLeft = 1;

}  // namespace

void BotHands::wait(int frames) {
    if (frames > 0) {
        actions_.push_back({Action::Wait, frames});
    }
}

void BotHands::move(int x, int y) {
    actions_.push_back({Action::Move, x, y});
}

void BotHands::click(int x, int y) {
    move(x, y);
    wait(2);
    actions_.push_back({Action::Press, x, y});
    actions_.push_back({Action::Release, x, y});
    ++clicks_;
}

void BotHands::snap(int x, int y) {
    move(x, y);
    actions_.push_back({Action::Press, x, y});
    actions_.push_back({Action::Release, x, y});
    ++clicks_;
}

void BotHands::press(int x, int y) {
    move(x, y);
    wait(2);
    actions_.push_back({Action::Press, x, y});
}

void BotHands::release(int x, int y) {
    actions_.push_back({Action::Release, x, y});
}

void BotHands::drag(int fromX, int fromY, int toX, int toY, int steps) {
    press(fromX, fromY);
    for (int i = 1; i <= steps; ++i) {
        wait(1);
        move(fromX + (toX - fromX) * i / steps, fromY + (toY - fromY) * i / steps);
    }
    wait(1);
    release(toX, toY);
}

void BotHands::tap(int sym, int unicode, int mods) {
    actions_.push_back({Action::KeyDown, sym, unicode, mods});
    actions_.push_back({Action::KeyUp, sym, unicode, mods});
    wait(1);
}

void BotHands::type(const std::string& text) {
    for (const char c : text) {
        const int lower = c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
        tap(lower, static_cast<unsigned char>(c));
    }
}

void BotHands::play(ScriptPlayer::Sink& sink) {
    while (!actions_.empty()) {
        Action& action = actions_.front();
        switch (action.kind) {
            case Action::Wait:
                if (--action.a > 0) {
                    return;
                }
                actions_.pop_front();
                return;
            case Action::Move:
                sink.scriptMouse(ScriptPlayer::MouseMove, action.a, action.b, 0);
                break;
            case Action::Press:
                sink.scriptMouse(ScriptPlayer::MousePress, action.a, action.b, kLeft);
                break;
            case Action::Release:
                sink.scriptMouse(ScriptPlayer::MouseRelease, action.a, action.b, kLeft);
                break;
            case Action::KeyDown:
                sink.scriptKey(true, action.a, action.c, action.b);
                break;
            case Action::KeyUp:
                sink.scriptKey(false, action.a, action.c, action.b);
                break;
        }
        actions_.pop_front();
    }
}
