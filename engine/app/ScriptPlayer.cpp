#include "engine/app/ScriptPlayer.hpp"

int ScriptPlayer::beginFrame() {
    due_.clear();
    if (waitLeft_ > 0) {
        --waitLeft_;
        return waitMs_;
    }
    const auto& commands = script_.commands();
    while (next_ < commands.size()) {
        const InputScript::Command& c = commands[next_++];
        if (c.op == InputScript::Op::Wait) {
            if (c.a == 0) {
                continue;
            }
            waitLeft_ = c.a - 1;
            waitMs_ = c.b;
            return waitMs_;
        }
        due_.push_back(&c);
        if (c.op == InputScript::Op::Quit) {
            break;
        }
    }
    finished_ = true;
    return 0;
}

void ScriptPlayer::runDue(Sink& sink) {
    for (const InputScript::Command* c : due_) {
        run(*c, sink);
        if (!failure_.empty()) {
            break;
        }
    }
    due_.clear();
}

void ScriptPlayer::run(const InputScript::Command& c, Sink& sink) {
    switch (c.op) {
        case InputScript::Op::Move:
            sink.scriptMouse(MouseMove, c.a, c.b, 0);
            break;
        case InputScript::Op::Press:
            sink.scriptMouse(MousePress, c.a, c.b, c.button);
            break;
        case InputScript::Op::Release:
            sink.scriptMouse(MouseRelease, c.a, c.b, c.button);
            break;
        case InputScript::Op::Click:
        case InputScript::Op::Wheel:
            sink.scriptMouse(MousePress, c.a, c.b, c.button);
            sink.scriptMouse(MouseRelease, c.a, c.b, c.button);
            break;
        case InputScript::Op::KeyDown:
            sink.scriptKey(true, c.a, c.b, c.unicode);
            break;
        case InputScript::Op::KeyUp:
            sink.scriptKey(false, c.a, c.b, c.unicode);
            break;
        case InputScript::Op::Tap:
            sink.scriptKey(true, c.a, c.b, c.unicode);
            sink.scriptKey(false, c.a, c.b, 0);
            break;
        case InputScript::Op::Type:
            for (unsigned char ch : c.text) {
                const bool upper = ch >= 'A' && ch <= 'Z';
                const int sym = upper ? ch - 'A' + 'a' : ch;
                sink.scriptKey(true, sym, upper ? 1 : 0, ch);
                sink.scriptKey(false, sym, upper ? 1 : 0, 0);
            }
            break;
        case InputScript::Op::Screenshot:
            sink.scriptScreenshot(c.text);
            break;
        case InputScript::Op::ExpectScreen: {
            const std::string top = sink.scriptTopScreen();
            if (top != c.text) {
                failure_ = "line " + std::to_string(c.line) + ": expected the screen " + c.text + " but " +
                           (top.empty() ? std::string("no screen") : top) + " is on top";
                finished_ = true;
            }
            break;
        }
        case InputScript::Op::Quit:
            finished_ = true;
            break;
        case InputScript::Op::Wait:
            break;
    }
}
