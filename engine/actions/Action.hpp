#pragma once

#include "engine/core/ReferenceCountable.hpp"

namespace kve {

class ActionListener;

// A timed behaviour that writes into a field of its owner and tells its
// listener when it ends. The owner starts it, calls update with the frame time
// while it runs, and deletes it; listeners are not owned. A finished action can
// be started again and captures its values anew.
class Action : public ReferenceCountable {
public:
    Action() = default;
    ~Action() override = default;
    Action& operator=(const Action&) = delete;

    virtual void update(int milliseconds);
    virtual void check();
    virtual void start(ActionListener* listener, int tag);
    // Ends the action without telling anyone.
    virtual void stop();
    // An idle copy with the same id, listener and set-up values.
    virtual Action* clone() const;
    // A new parallel action owning this and other.
    virtual Action* inParallel(Action* other);
    // A new sequence owning this, then other.
    virtual Action* followedBy(Action* other);

    bool isRunning() const { return running_; }
    int getId() const { return id_; }
    void setId(int id) { id_ = id; }
    int getTag() const { return tag_; }
    ActionListener* getListener() const { return listener_; }

protected:
    Action(const Action& other);

    void finish();
    // Reports the event (when the action has an id) before the finish, so the
    // listener sees actionEvent first and actionFinished second.
    void complete();

    bool running_ = false;

private:
    int id_ = -1;
    int tag_ = -1;
    ActionListener* listener_ = nullptr;
};

}  // namespace kve
