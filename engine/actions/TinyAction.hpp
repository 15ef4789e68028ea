#pragma once

#include "engine/resources/ReferenceCountable.hpp"

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
    kve::ActionListener* getListener() const { return listener_; }

protected:
    TinyAction(const TinyAction& other);

    void finish();

    bool running_ = false;

private:
    int tag_ = -1;
    kve::ActionListener* listener_ = nullptr;
};
