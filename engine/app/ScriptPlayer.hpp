#pragma once

#include <string>
#include <vector>

#include "engine/app/InputScript.hpp"

// Plays an input script frame by frame. At the start of every frame the
// commands due run against the sink (which turns them into input events);
// a wait lets frames pass. The script's end ends the run.
class ScriptPlayer {
public:
    class Sink {
    public:
        virtual ~Sink() = default;
        virtual void scriptMouse(int kind, int x, int y, int button) = 0;
        virtual void scriptKey(bool down, int sym, int mods, int unicode) = 0;
        virtual void scriptScreenshot(const std::string& file) = 0;
        // The name of the screen on top, empty when there is none.
        virtual std::string scriptTopScreen() = 0;
    };
    enum MouseKind { MouseMove, MousePress, MouseRelease };

    explicit ScriptPlayer(InputScript script) : script_(std::move(script)) {}

    // Collects what is due before this frame and returns the frame's length
    // in ms (0: the run's own step). After the last command finished() is set.
    int beginFrame();
    // Runs the commands collected by beginFrame against the sink. A failed
    // expectation sets finished() and failure().
    void runDue(Sink& sink);
    bool finished() const { return finished_; }
    const std::string& failure() const { return failure_; }

private:
    void run(const InputScript::Command& command, Sink& sink);

    InputScript script_;
    std::vector<const InputScript::Command*> due_;
    std::size_t next_ = 0;
    int waitLeft_ = 0;
    int waitMs_ = 0;
    bool finished_ = false;
    std::string failure_;
};
