#include "engine/app/GlobalEventManager.hpp"

#include <vector>

#include "engine/screens/GlobalEventListener.hpp"

int GlobalEventManager::addListener(GlobalEventListener* listener) {
    if (listener == nullptr) {
        return -1;
    }
    ++lastId_;
    entries_[lastId_] = Entry{listener, {}};
    return lastId_;
}

void GlobalEventManager::subscribe(int id, int eventCode) {
    auto it = entries_.find(id);
    if (it != entries_.end()) {
        it->second.codes.insert(eventCode);
    }
}

void GlobalEventManager::removeListener(int id) {
    entries_.erase(id);
}

void GlobalEventManager::notifyAll(int eventCode) {
    std::vector<int> ids;
    for (const auto& entry : entries_) {
        if (entry.second.codes.count(eventCode) != 0) {
            ids.push_back(entry.first);
        }
    }
    for (int id : ids) {
        auto it = entries_.find(id);
        if (it != entries_.end()) {
            it->second.listener->onGlobalEvent(eventCode, 0);
        }
    }
}
