#pragma once

#include "engine/core/ReferenceCountable.hpp"

namespace kve {
class ActionListener;
}

// The light twin of kve::Action: it advances only by the frame times its
// owner passes to update, and reports only its finish, never events. The
// owner deletes it; the listener is not owned.
class TinyAction : public ReferenceCountable {
public:
    TinyAction() = default;
    ~TinyAction() override = default;
    TinyAction& operator=(const TinyAction&) = delete;

    virtual void update(int /*milliseconds*/) {}
    virtual void start(kve::ActionListener* listener, int tag);
    // Ends the action without telling anyone.
    virtual void stop();
    // An idle copy with the same listener and set-up values.
    virtual TinyAction* clone() const = 0;
    // A new parallel action owning this and other.
    virtual TinyAction* inParallel(TinyAction* other);
    // A new sequence owning this, then other.
    virtual TinyAction* followedBy(TinyAction* other);

    bool isRunning() const { return running_; }
    int getTag() const { return tag_; }
    // The milliseconds of the update in which the action finished that it did
    // not need; a seamless composite hands them on to its next step.
    int getLeftover() const { return leftover_; }
    kve::ActionListener* getListener() const { return listener_; }

protected:
    TinyAction(const TinyAction& other);

    void finish(int leftover = 0);
    // Finishes an action that has run elapsed of its length milliseconds
    // after an update of milliseconds.
    void finishOverrun(int elapsed, int length, int milliseconds);

    bool running_ = false;

private:
    int tag_ = -1;
    int leftover_ = 0;
    kve::ActionListener* listener_ = nullptr;
};
