#pragma once

namespace kve {

// Told by an action when it ends and, for actions given an id, just before:
// the tag is the one the action was started with, the id the one it was given.
class ActionListener {
public:
    virtual ~ActionListener() = default;
    virtual void actionFinished(int tag) = 0;
    virtual void actionEvent(int /*tag*/, int /*id*/) {}
};

}  // namespace kve
