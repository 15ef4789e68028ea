#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/actions/TinyAccelerator.hpp"
#include "engine/actions/TinyActionDelay.hpp"
#include "engine/actions/TinyActionSequence.hpp"
#include "engine/actions/TinyLoopAction.hpp"
#include "engine/actions/TinyParalelAction.hpp"
#include "engine/actions/TinyRelIncrementator.hpp"
#include "engine/actions/TinySetter.hpp"
#include "tests/engine/actions/RecordingListener.hpp"

using Log = std::vector<std::string>;

TEST(TinyActions, IncrementatorUsesASinglePrecisionReciprocal) {
    int alpha = 255;
    TinyRelIncrementator<int> fade(500, &alpha, -255);
    RecordingListener listener;
    fade.start(&listener, 1);
    std::vector<int> values;
    for (int frame = 0; frame < 5; ++frame) {
        fade.update(100);
        values.push_back(alpha);
    }
    EXPECT_EQ(values, (std::vector<int>{203, 152, 101, 50, 0}));
    EXPECT_EQ(listener.log, (Log{"finished 1"}));

    alpha = 0;
    TinyRelIncrementator<int> rise(500, &alpha, 255);
    rise.start(nullptr, 0);
    rise.update(100);
    EXPECT_EQ(alpha, 51);
    rise.update(1000);
    EXPECT_EQ(alpha, 255) << "an overshoot ends exactly at start + delta";

    float angle = 1.0f;
    TinyRelIncrementator<float> turn(1000, &angle, 2.0f);
    turn.start(nullptr, 0);
    turn.update(250);
    EXPECT_NEAR(angle, 1.5f, 1e-6f);
    turn.update(750);
    EXPECT_FLOAT_EQ(angle, 3.0f);
    EXPECT_FALSE(turn.isRunning());
}

TEST(TinyActions, ZeroLengthIncrementatorFinishesAtStart) {
    int value = 42;
    TinyRelIncrementator<int> instant(0, &value, 100);
    RecordingListener listener;
    instant.start(&listener, 7);
    EXPECT_FALSE(instant.isRunning());
    EXPECT_EQ(value, 42);
    EXPECT_EQ(listener.log, (Log{"finished 7"}));
    instant.update(100);
    EXPECT_EQ(value, 42);
}

TEST(TinyActions, AcceleratorDirections) {
    int x = 10;
    TinyAccelerator<int> speedUp(1000, &x, 100, 1);
    speedUp.start(nullptr, 0);
    speedUp.update(500);
    EXPECT_EQ(x, 35) << "a quarter of the way at half time";
    speedUp.update(250);
    EXPECT_EQ(x, 66);
    speedUp.update(250);
    EXPECT_EQ(x, 110);
    EXPECT_FALSE(speedUp.isRunning());

    int y = 10;
    TinyAccelerator<int> slowDown(1000, &y, 100, -1);
    slowDown.start(nullptr, 0);
    slowDown.update(500);
    EXPECT_EQ(y, 85) << "three quarters of the way at half time";
    slowDown.update(600);
    EXPECT_EQ(y, 110);

    int z = 0;
    TinyAccelerator<int> backwards(300, &z, -30, 1);
    RecordingListener listener;
    backwards.start(&listener, 2);
    for (int frame = 0; frame < 20; ++frame) {
        backwards.update(16);
    }
    EXPECT_EQ(z, -30);
    EXPECT_EQ(listener.log, (Log{"finished 2"}));
}

TEST(TinyActions, DelaySetterAndSequenceTiming) {
    bool shown = true;
    auto* delay = new TinyActionDelay(100);
    auto* hide = new TinySetter<bool>(&shown, false);
    TinyActionSequence sequence;
    sequence.addAction(delay);
    sequence.addAction(hide);
    RecordingListener listener;
    sequence.start(&listener, 3);
    sequence.update(60);
    sequence.update(60);
    EXPECT_FALSE(delay->isRunning());
    EXPECT_TRUE(shown);
    sequence.update(60);
    EXPECT_FALSE(shown);
    sequence.update(60);
    EXPECT_TRUE(sequence.isRunning());
    sequence.update(60);
    EXPECT_FALSE(sequence.isRunning());
    EXPECT_EQ(listener.log, (Log{"finished 3"}));

    RecordingListener empty;
    TinyActionSequence nothing;
    nothing.start(&empty, 1);
    TinyParalelAction none;
    none.start(&empty, 2);
    EXPECT_EQ(empty.log, (Log{"finished 1", "finished 2"}));
}

TEST(TinyActions, ParallelStepLastsAsLongAsItsLongestChild) {
    int a = 0;
    int b = 0;
    TinyAction* both =
        (new TinyRelIncrementator<int>(100, &a, 10))->inParallel(new TinyRelIncrementator<int>(300, &b, 30));
    ASSERT_NE(dynamic_cast<TinyParalelAction*>(both), nullptr);
    RecordingListener listener;
    both->start(&listener, 0);
    both->update(100);
    EXPECT_EQ(a, 10);
    both->update(200);
    EXPECT_EQ(b, 30);
    EXPECT_TRUE(both->isRunning());
    both->update(16);
    EXPECT_FALSE(both->isRunning());
    EXPECT_EQ(listener.log, (Log{"finished 0"}));

    both->start(nullptr, 0);
    both->stop();
    both->update(1000);
    EXPECT_EQ(a, 10) << "stopped children are not updated";
    EXPECT_EQ(b, 30);
    delete both;
}

TEST(TinyActions, LoopRoundsAndStop) {
    int blink = 255;
    auto* body = new TinyActionSequence();
    body->addAction(new TinyRelIncrementator<int>(150, &blink, -255));
    body->addAction(new TinyRelIncrementator<int>(150, &blink, 255));
    TinyLoopAction twice(body, 2);
    RecordingListener listener;
    twice.start(&listener, 4);
    int frames = 0;
    while (twice.isRunning() && frames < 100) {
        twice.update(50);
        ++frames;
    }
    EXPECT_FALSE(twice.isRunning());
    EXPECT_EQ(blink, 255);
    EXPECT_EQ(listener.log, (Log{"finished 4"}));
    // A round: three frames per step, one to start the second step, one for the
    // sequence to end; the loop restarts the body in that same frame.
    EXPECT_EQ(frames, 16);

    TinyLoopAction forever(new TinyActionDelay(10), -1);
    RecordingListener foreverListener;
    forever.start(&foreverListener, 0);
    for (int frame = 0; frame < 100; ++frame) {
        forever.update(10);
    }
    EXPECT_TRUE(forever.isRunning());
    EXPECT_TRUE(foreverListener.log.empty());
    forever.stop();
    EXPECT_FALSE(forever.isRunning());

    // A body that ends inside its own start goes round once per frame instead of recursing.
    int value = 0;
    TinyLoopAction spinning(new TinyRelIncrementator<int>(0, &value, 1), -1);
    spinning.start(nullptr, 0);
    spinning.update(16);
    EXPECT_TRUE(spinning.isRunning());
    TinyLoopAction counted(new TinyActionSequence(), 3);
    RecordingListener countedListener;
    counted.start(&countedListener, 9);
    counted.update(16);
    EXPECT_TRUE(counted.isRunning());
    counted.update(16);
    EXPECT_EQ(countedListener.log, (Log{"finished 9"}));
}

TEST(TinyActions, CloneKeepsTargetsAndChildren) {
    float x = 0.0f;
    TinyActionSequence original;
    original.addAction(new TinySetter<float>(&x, 2.0f));
    original.addAction(new TinyRelIncrementator<float>(100, &x, 8.0f));
    TinyAction* copy = original.followedBy(new TinyActionDelay(0))->clone();
    RecordingListener listener;
    copy->start(&listener, 1);
    for (int frame = 0; frame < 10; ++frame) {
        copy->update(50);
    }
    EXPECT_FLOAT_EQ(x, 10.0f);
    EXPECT_EQ(listener.log, (Log{"finished 1"}));
    EXPECT_FALSE(original.isRunning());
    delete copy;
}

TEST(TinyActions, SeamlessChainsLastExactlyTheSumOfTheirSteps) {
    float x = 0.0f;
    auto* setters = new TinyParalelAction();
    setters->setSeamless(true);
    setters->addAction(new TinySetter<float>(&x, 10.0f));
    auto* move = new TinyParalelAction();
    move->setSeamless(true);
    move->addAction(new TinyRelIncrementator<float>(1000, &x, 100.0f));
    move->addAction(new TinyActionDelay(400));
    TinyActionSequence chain;
    chain.setSeamless(true);
    chain.addAction(setters);
    chain.addAction(move);
    chain.addAction(new TinyActionDelay(500));
    RecordingListener listener;
    chain.start(&listener, 0);
    EXPECT_FLOAT_EQ(x, 10.0f);
    int elapsed = 0;
    while (chain.isRunning() && elapsed < 5000) {
        chain.update(40);
        elapsed += 40;
        if (elapsed == 320) {
            EXPECT_NEAR(x, 42.0f, 1e-3f) << "the move starts in the first frame";
        }
    }
    EXPECT_FLOAT_EQ(x, 110.0f);
    EXPECT_EQ(elapsed, 1520) << "ends in the frame that reaches 1500 ms";
    EXPECT_EQ(chain.getLeftover(), 20);
    EXPECT_EQ(listener.log, (Log{"finished 0"}));

    // One big frame runs through every step at once.
    x = 0.0f;
    chain.start(&listener, 1);
    chain.update(2000);
    EXPECT_FALSE(chain.isRunning());
    EXPECT_FLOAT_EQ(x, 110.0f);
    EXPECT_EQ(chain.getLeftover(), 500);
}
