#include "engine/app/InputRecorder.hpp"

#include "engine/core/Log.hpp"

#include "engine/app/InputScript.hpp"

namespace {

const char* buttonWord(int sdlButton) {
    switch (sdlButton) {
        case 2: return "middle";
        case 3: return "right";
        default: return "left";
    }
}

}  // namespace

bool InputRecorder::open(const std::string& path, unsigned seed) {
    path_ = path;
    out_.open(path, std::ios::out | std::ios::trunc);
    if (!out_) {
        logWarning("Cannot record the input into %s", path.c_str());
        return false;
    }
    out_ << "# chrona input recording\nseed " << seed << "\n";
    return true;
}

void InputRecorder::flushWait() {
    if (pendingFrames_ > 0) {
        out_ << "wait " << pendingFrames_ << " " << pendingMs_ << "\n";
        pendingFrames_ = 0;
    }
}

void InputRecorder::mouseMove(int x, int y) {
    flushWait();
    out_ << "move " << x << " " << y << "\n";
}

void InputRecorder::mouseButton(bool down, int x, int y, int sdlButton) {
    flushWait();
    if (sdlButton == 4 || sdlButton == 5) {
        if (down) {
            out_ << "wheel " << (sdlButton == 4 ? "up " : "down ") << x << " " << y << "\n";
        }
        return;
    }
    out_ << (down ? "press " : "release ") << x << " " << y << " " << buttonWord(sdlButton) << "\n";
}

void InputRecorder::key(bool down, int sym, int mods, int unicode) {
    const std::string name = InputScript::keyName(sym);
    if (name.empty()) {
        return;
    }
    flushWait();
    out_ << (down ? "keydown " : "keyup ") << InputScript::modifierPrefix(mods) << name << " u=" << unicode << "\n";
}

void InputRecorder::endFrame(int ms) {
    if (pendingFrames_ > 0 && ms != pendingMs_) {
        flushWait();
    }
    pendingMs_ = ms;
    ++pendingFrames_;
}

void InputRecorder::close() {
    if (out_.is_open()) {
        flushWait();
        out_.close();
    }
}
