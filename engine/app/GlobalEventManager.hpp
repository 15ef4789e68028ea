#pragma once

#include <map>
#include <set>

class GlobalEventListener;

// Lets long-lived objects hear about application-wide events (code 0: the
// video mode changed). Listeners are not owned; each registration gets an id
// that its owner uses to subscribe to codes and to unregister.
class GlobalEventManager {
public:
    static constexpr int VideoModeChanged = 0;

    virtual ~GlobalEventManager() = default;

    // -1 for a null listener; ids count up from 0.
    int addListener(GlobalEventListener* listener);
    void subscribe(int id, int eventCode);
    void removeListener(int id);
    // Every listener subscribed to the code, in registration order. A listener
    // may unregister itself or others while being notified.
    void notifyAll(int eventCode);

private:
    struct Entry {
        GlobalEventListener* listener;
        std::set<int> codes;
    };
    std::map<int, Entry> entries_;
    int lastId_ = -1;
};
