#include <gtest/gtest.h>

#include <functional>

#include "engine/app/GlobalEventManager.hpp"
#include "engine/screens/GlobalEventListener.hpp"

namespace {

using Log = std::vector<std::string>;

class NamedListener : public GlobalEventListener {
public:
    NamedListener(std::string name, Log* log) : name_(std::move(name)), log_(log) {}
    void onGlobalEvent(int eventCode, int argument) override {
        log_->push_back(name_ + " " + std::to_string(eventCode) + " " + std::to_string(argument));
        if (onEvent) {
            onEvent();
        }
    }
    std::function<void()> onEvent;

private:
    std::string name_;
    Log* log_;
};

TEST(GlobalEventManagerTest, SubscribersHearTheirCodesInRegistrationOrder) {
    Log log;
    GlobalEventManager events;
    NamedListener first("first", &log), second("second", &log), deaf("deaf", &log);
    EXPECT_EQ(-1, events.addListener(nullptr));
    const int a = events.addListener(&first);
    const int b = events.addListener(&second);
    const int c = events.addListener(&deaf);
    EXPECT_EQ(0, a);
    EXPECT_EQ(1, b);
    EXPECT_EQ(2, c);
    events.subscribe(b, GlobalEventManager::VideoModeChanged);
    events.subscribe(a, GlobalEventManager::VideoModeChanged);
    events.subscribe(c, 5);

    events.notifyAll(GlobalEventManager::VideoModeChanged);
    EXPECT_EQ((Log{"first 0 0", "second 0 0"}), log);

    log.clear();
    events.removeListener(a);
    events.notifyAll(GlobalEventManager::VideoModeChanged);
    EXPECT_EQ((Log{"second 0 0"}), log);
    EXPECT_EQ(3, events.addListener(&first)) << "ids are never reused";
}

TEST(GlobalEventManagerTest, ListenersMayUnregisterWhileBeingNotified) {
    Log log;
    GlobalEventManager events;
    NamedListener first("first", &log), second("second", &log);
    const int a = events.addListener(&first);
    const int b = events.addListener(&second);
    events.subscribe(a, 0);
    events.subscribe(b, 0);
    first.onEvent = [&] {
        events.removeListener(a);
        events.removeListener(b);
    };
    events.notifyAll(0);
    EXPECT_EQ((Log{"first 0 0"}), log);
    events.notifyAll(0);
    EXPECT_EQ((Log{"first 0 0"}), log);
}

}  // namespace
