#include <gtest/gtest.h>

#include "engine/app/ClickCounter.hpp"
#include "engine/core/Clock.hpp"
#include "engine/app/FrameTimer.hpp"
#include "engine/core/Timer.hpp"

TEST(FrameTimer, StallGivesOneFrameAndZeroStaysZero) {
    FrameTimer frames;
    frames.start(1000);
    EXPECT_EQ(frames.beginFrame(1200), 16u);  // a 200 ms stall is one 16 ms update
    EXPECT_EQ(frames.beginFrame(1200), 0u);   // no time passed: 0, not a minimum step
    EXPECT_EQ(frames.beginFrame(1210), 10u);
    EXPECT_EQ(frames.sleepAfter(1214), 12u);  // 4 ms spent on the frame
    EXPECT_EQ(frames.sleepAfter(1226), 0u);   // exactly 16 ms spent: no sleep
    EXPECT_EQ(frames.sleepAfter(1300), 0u);
}

TEST(ClickCounter, EventsWithin100msCountUp) {
    ClickCounter clicks;
    EXPECT_EQ(clicks.onButtonEvent(1000), 1);  // press
    EXPECT_EQ(clicks.onButtonEvent(1040), 2);  // release 40 ms later
    EXPECT_EQ(clicks.onButtonEvent(1080), 3);  // second press 80 ms after the first
    EXPECT_EQ(clicks.onButtonEvent(1180), 1);  // exactly 100 ms: restarts
    EXPECT_EQ(clicks.onButtonEvent(1279), 2);
    EXPECT_EQ(clicks.onButtonEvent(5000), 1);
}

TEST(Timer, CountsFromStartAndSkipsPausedStretches) {
    ManualClock clock;
    clock.set(500);
    Timer timer(clock);
    EXPECT_EQ(timer.now(), 0u);
    clock.advance(100);
    EXPECT_EQ(timer.now(), 100u);
    timer.pause();
    clock.advance(1000);
    EXPECT_EQ(timer.now(), 100u);
    timer.pause();  // pausing twice keeps the first moment
    clock.advance(50);
    timer.resume();
    EXPECT_EQ(timer.now(), 100u);
    timer.resume();  // resuming a running clock changes nothing
    clock.advance(30);
    EXPECT_EQ(timer.now(), 130u);
}
