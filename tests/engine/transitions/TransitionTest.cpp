#include <gtest/gtest.h>

#include "engine/transitions/TransitionListener.hpp"
#include "engine/transitions/EmptyTransition.hpp"

namespace {

class FinishLog : public TransitionListener {
public:
    void onTransitionFinished(int transitionId) override { ids.push_back(transitionId); }
    std::vector<int> ids;
};

TEST(TransitionTest, EmptyTransitionFinishesInsideStartEveryTime) {
    FinishLog listener;
    EmptyTransition transition;
    EXPECT_FALSE(transition.isRunning());
    transition.start(&listener, -1000);
    EXPECT_EQ((std::vector<int>{-1000}), listener.ids);
    EXPECT_FALSE(transition.isRunning());
    transition.update(16);
    EXPECT_EQ(1u, listener.ids.size());

    transition.start(&listener, -1001);
    EXPECT_EQ((std::vector<int>{-1000, -1001}), listener.ids);
    EXPECT_EQ(-1001, transition.getId());
    transition.start(nullptr, 3);
    EXPECT_EQ(2u, listener.ids.size());
}

}  // namespace
