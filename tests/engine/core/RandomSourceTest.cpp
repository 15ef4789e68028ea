#include <gtest/gtest.h>

#include <set>

#include "engine/core/ProcessRandom.hpp"

TEST(RandomSource, SeededSourcesRepeatAndStayInRange) {
    SeededRandom first(42);
    SeededRandom second(42);
    SeededRandom other(43);
    SeededRandom zero(0);
    std::set<int> positions;
    int differences = 0;
    for (int i = 0; i < 200; ++i) {
        const int value = first.next();
        EXPECT_EQ(value, second.next());
        EXPECT_GE(value, 0);
        differences += value != other.next();
        EXPECT_GE(zero.next(), 0);
        const int position = first.below(5);
        EXPECT_GE(position, 0);
        EXPECT_LT(position, 5);
        positions.insert(position);
        second.next();
    }
    EXPECT_GT(differences, 190);
    EXPECT_EQ(positions.size(), 5u);
    EXPECT_GE(ProcessRandom::instance().next(), 0);
}
