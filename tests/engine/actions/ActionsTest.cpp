#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/actions/ActionDelay.hpp"
#include "engine/actions/ActionSequence.hpp"
#include "engine/actions/LoopAction.hpp"
#include "engine/actions/ParalelAction.hpp"
#include "engine/actions/RelDecrementator.hpp"
#include "engine/actions/RelIncrementator.hpp"
#include "engine/actions/Setter.hpp"
#include "engine/core/Clock.hpp"
#include "engine/core/Timer.hpp"
#include "support/TestApp.hpp"
#include "tests/engine/actions/RecordingListener.hpp"

using Log = std::vector<std::string>;

TEST(KveActions, EmptyCompositesFinishInsideStart) {
    RecordingListener listener;
    kve::ActionSequence sequence;
    sequence.start(&listener, 4);
    EXPECT_FALSE(sequence.isRunning());
    kve::ParalelAction parallel;
    parallel.start(&listener, 5);
    EXPECT_FALSE(parallel.isRunning());
    EXPECT_EQ(listener.log, (Log{"finished 4", "finished 5"}));
}

TEST(KveActions, DelayReportsItsEventBeforeItsFinish) {
    RecordingListener listener;
    kve::ActionDelay delay(100);
    delay.setId(3);
    delay.start(&listener, 1);
    delay.update(99);
    EXPECT_TRUE(listener.log.empty());
    delay.update(1);
    EXPECT_EQ(listener.log, (Log{"event 1 3", "finished 1"}));

    kve::ActionDelay anonymous(10);
    RecordingListener quiet;
    anonymous.start(&quiet, 2);
    anonymous.update(10);
    EXPECT_EQ(quiet.log, (Log{"finished 2"}));
}

TEST(KveActions, DelayRunsOnTheGameClockUntilFed) {
    ManualClock clock;
    Timer timer(clock);
    RecordingListener listener;
    kve::ActionDelay delay(100, &timer);
    clock.advance(1000);
    delay.start(&listener, 0);
    clock.advance(60);
    delay.check();
    EXPECT_TRUE(delay.isRunning());
    timer.pause();
    clock.advance(500);
    delay.check();
    EXPECT_TRUE(delay.isRunning()) << "a paused clock holds the delay";
    timer.resume();
    clock.advance(40);
    delay.check();
    EXPECT_FALSE(delay.isRunning());

    // Once fed, the clock no longer counts.
    delay.start(&listener, 0);
    delay.update(10);
    clock.advance(1000);
    delay.check();
    EXPECT_TRUE(delay.isRunning());
    delay.update(90);
    EXPECT_FALSE(delay.isRunning());
}

TEST(KveActions, WithoutATimerTheApplicationsClockCounts) {
    TestApp app;
    app.manualClock().advance(5000);
    int value = 0;
    kve::RelIncrementator<int> up(1000, &value, 100);
    up.start(nullptr, 0);
    app.manualClock().advance(250);
    up.check();
    EXPECT_EQ(value, 25);
    app.getTimer()->pause();
    app.manualClock().advance(10000);
    up.check();
    EXPECT_EQ(value, 25) << "the game clock stands still while paused";
    app.getTimer()->resume();
    app.manualClock().advance(750);
    up.check();
    EXPECT_EQ(value, 100);
    EXPECT_FALSE(up.isRunning());
}

TEST(KveActions, IncrementatorValuesAndExactEnd) {
    int value = 0;
    kve::RelIncrementator<int> up(1000, &value, 255);
    RecordingListener listener;
    up.start(&listener, 0);
    up.update(500);
    EXPECT_EQ(value, 127);
    up.update(499);
    EXPECT_EQ(value, 254);
    EXPECT_TRUE(up.isRunning());
    up.update(1);
    EXPECT_EQ(value, 255);
    EXPECT_EQ(listener.log, (Log{"finished 0"}));

    // Started again, the start value is captured anew; overshooting still ends exactly.
    up.start(&listener, 0);
    up.update(2000);
    EXPECT_EQ(value, 510);

    int negative = 0;
    kve::RelIncrementator<int> down(1000, &negative, -255);
    down.start(nullptr, 0);
    down.update(500);
    EXPECT_EQ(negative, -127) << "truncation goes toward zero";

    unsigned char byte = 200;
    kve::RelIncrementator<unsigned char> wrap(1000, &byte, 100);
    wrap.start(nullptr, 0);
    wrap.update(250);
    EXPECT_EQ(byte, 225);
    wrap.update(500);
    EXPECT_EQ(byte, 19) << "low byte of 275, no clamping";
    wrap.update(250);
    EXPECT_EQ(byte, 44) << "low byte of 300";
    EXPECT_FALSE(wrap.isRunning());

    int instant = 7;
    kve::RelIncrementator<int> zero(0, &instant, 3);
    zero.start(nullptr, 0);
    EXPECT_TRUE(zero.isRunning()) << "a kve incrementer finishes at its first check";
    zero.check();
    EXPECT_EQ(instant, 10);
    EXPECT_FALSE(zero.isRunning());
}

TEST(KveActions, DecrementatorValues) {
    float offset = 810.0f;
    kve::RelDecrementator<float> scroll(1000, &offset, 100.0f);
    scroll.start(nullptr, 0);
    scroll.update(250);
    EXPECT_FLOAT_EQ(offset, 785.0f);
    scroll.update(750);
    EXPECT_FLOAT_EQ(offset, 710.0f);

    unsigned char byte = 50;
    kve::RelDecrementator<unsigned char> below(1000, &byte, 100);
    below.start(nullptr, 0);
    below.update(250);
    EXPECT_EQ(byte, 25);
    below.update(500);
    EXPECT_EQ(byte, 231) << "low byte of -25";
    below.update(250);
    EXPECT_EQ(byte, 206) << "low byte of -50";
}

TEST(KveActions, SequenceTimingWithSixtyMillisecondFrames) {
    int flag = 0;
    auto* delay = new kve::ActionDelay(100);
    auto* setter = new kve::Setter<int>(&flag, 1);
    kve::ActionSequence sequence;
    sequence.addAction(delay);
    sequence.addAction(setter);
    RecordingListener listener;
    sequence.start(&listener, 9);

    sequence.update(60);
    EXPECT_TRUE(delay->isRunning());
    sequence.update(60);
    EXPECT_FALSE(delay->isRunning()) << "frame 2 finishes the delay";
    EXPECT_EQ(flag, 0);
    sequence.update(60);
    EXPECT_EQ(flag, 1) << "frame 3 starts the setter";
    EXPECT_TRUE(setter->isRunning());
    sequence.update(60);
    EXPECT_FALSE(setter->isRunning()) << "frame 4 finishes the setter";
    EXPECT_TRUE(sequence.isRunning());
    sequence.update(60);
    EXPECT_FALSE(sequence.isRunning()) << "frame 5 finishes the sequence";
    EXPECT_EQ(listener.log, (Log{"finished 9"}));
}

TEST(KveActions, CompositesPassChildEventsOnAndReportTheirOwnFinish) {
    int a = 0;
    int b = 0;
    kve::ActionSequence sequence;
    sequence.addAction(new kve::Setter<int>(&a, 5), 7);
    sequence.addAction(new kve::Setter<int>(&b, 6), 8);
    RecordingListener listener;
    sequence.start(&listener, 2);
    for (int frame = 0; frame < 4; ++frame) {
        sequence.update(16);
    }
    EXPECT_EQ(a, 5);
    EXPECT_EQ(b, 6);
    // Child events keep the child's tag (its position) and id.
    EXPECT_EQ(listener.log, (Log{"event 0 7", "event 1 8", "finished 2"}));

    kve::ParalelAction parallel;
    parallel.addAction(new kve::ActionDelay(50), 1);
    parallel.addAction(new kve::ActionDelay(100), 2);
    RecordingListener parallelListener;
    parallel.start(&parallelListener, 3);
    parallel.update(50);
    parallel.update(50);
    EXPECT_TRUE(parallel.isRunning()) << "finishes in the frame after the last child";
    parallel.update(50);
    EXPECT_EQ(parallelListener.log, (Log{"event 0 1", "event 1 2", "finished 3"}));
}

TEST(KveActions, StopSilencesEverything) {
    auto* delay = new kve::ActionDelay(100);
    kve::ParalelAction parallel;
    parallel.addAction(delay);
    RecordingListener listener;
    parallel.start(&listener, 0);
    parallel.stop();
    EXPECT_FALSE(delay->isRunning());
    parallel.update(200);
    EXPECT_TRUE(listener.log.empty());
}

TEST(KveActions, OperatorsBuildCompositesAndAppendToThem) {
    int x = 0;
    kve::Action* chain =
        (new kve::Setter<int>(&x, 1))->followedBy(new kve::ActionDelay(10))->followedBy(new kve::Setter<int>(&x, 2));
    auto* sequence = dynamic_cast<kve::ActionSequence*>(chain);
    ASSERT_NE(sequence, nullptr);
    EXPECT_EQ(sequence->size(), 3u) << "followedBy on a sequence appends";

    kve::Action* both = (new kve::ActionDelay(10))->inParallel(new kve::ActionDelay(20));
    auto* parallel = dynamic_cast<kve::ParalelAction*>(both);
    ASSERT_NE(parallel, nullptr);
    EXPECT_EQ(parallel->inParallel(new kve::ActionDelay(30)), parallel);
    EXPECT_EQ(parallel->size(), 3u);

    RecordingListener listener;
    chain->start(&listener, 0);
    for (int frame = 0; frame < 8; ++frame) {
        chain->update(10);
    }
    EXPECT_EQ(x, 2);
    EXPECT_EQ(listener.log, (Log{"finished 0"}));
    delete chain;
    delete both;
}

TEST(KveActions, CloneIsAnIdleWorkingCopy) {
    int x = 0;
    kve::ActionSequence original;
    original.addAction(new kve::Setter<int>(&x, 4));
    original.addAction(new kve::RelIncrementator<int>(100, &x, 10));
    RecordingListener listener;
    original.start(&listener, 1);
    kve::Action* copy = original.clone();
    EXPECT_FALSE(copy->isRunning());
    copy->start(&listener, 6);
    for (int frame = 0; frame < 6; ++frame) {
        copy->update(50);
    }
    EXPECT_EQ(x, 14);
    EXPECT_EQ(listener.log, (Log{"finished 6"}));
    delete copy;
}

TEST(KveActions, LoopCountsRounds) {
    ManualClock clock;
    Timer timer(clock);
    RecordingListener listener;
    kve::LoopAction twice(new kve::ActionDelay(100, &timer), 2);
    twice.start(&listener, 5);
    clock.advance(100);
    twice.update(16);
    EXPECT_TRUE(twice.isRunning()) << "the first round restarts the body";
    EXPECT_EQ(twice.getCompletedRounds(), 1);
    clock.advance(50);
    twice.update(16);
    EXPECT_TRUE(twice.isRunning());
    clock.advance(50);
    twice.update(16);
    EXPECT_FALSE(twice.isRunning());
    EXPECT_EQ(listener.log, (Log{"finished 5"}));

    RecordingListener foreverListener;
    kve::LoopAction forever(new kve::ActionDelay(100, &timer), -1);
    forever.start(&foreverListener, 0);
    for (int round = 0; round < 50; ++round) {
        clock.advance(100);
        forever.check();
    }
    EXPECT_TRUE(forever.isRunning());
    EXPECT_TRUE(foreverListener.log.empty());
    EXPECT_EQ(forever.getCompletedRounds(), 0) << "an endless loop does not count";
}

TEST(KveActions, LoopOverABodyThatFinishesAtOnce) {
    RecordingListener listener;
    kve::LoopAction once(new kve::ActionSequence(), 1);
    once.start(&listener, 3);
    EXPECT_EQ(listener.log, (Log{"finished 3"}));

    // An endless loop over an empty body must not recurse; it goes round once per frame.
    kve::LoopAction forever(new kve::ActionSequence(), -1);
    forever.start(&listener, 4);
    for (int frame = 0; frame < 3; ++frame) {
        forever.update(16);
    }
    EXPECT_TRUE(forever.isRunning());
    forever.stop();
    EXPECT_FALSE(forever.isRunning());
    EXPECT_EQ(listener.log.size(), 1u);
}

TEST(KveActions, LoopPassesBodyEventsOn) {
    int x = 0;
    auto* body = new kve::ActionSequence();
    body->addAction(new kve::Setter<int>(&x, 1), 11);
    kve::LoopAction loop(body, 1);
    RecordingListener listener;
    loop.start(&listener, 2);
    for (int frame = 0; frame < 3; ++frame) {
        loop.update(16);
    }
    EXPECT_EQ(listener.log, (Log{"event 0 11", "finished 2"}));
}
