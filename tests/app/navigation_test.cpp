// Index wrap-around, rotation remainders and the jump clamp of the commands.
#include <gtest/gtest.h>

#include <vector>

#include "app/navigation.h"

namespace {

TEST(NavigationTest, NextAndPreviousWrapAround)
{
    struct Case {
        int current, count, next, previous;
    };
    const Case cases[] = {
        {0, 1, 0, 0},    // one image: both stay on it
        {0, 12, 1, 11},  // BackSpace at the first goes to the last
        {11, 12, 0, 10}, // Space at the last goes to the first
        {5, 12, 6, 4},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.next, NextIndex(c.current, c.count)) << c.current << "/" << c.count;
        EXPECT_EQ(c.previous, PreviousIndex(c.current, c.count)) << c.current << "/" << c.count;
    }
}

TEST(NavigationTest, RotationSequencesKeepTheSignOfTheSum)
{
    struct Case {
        int start, turn;
        std::vector<int> sequence;
    };
    const Case cases[] = {
        {0, 1, {1, 2, 3, 0}},     // Left four times
        {0, -1, {-1, -2, -3, 0}}, // Right four times
        {3, -1, {2}},             // Right from 3
        {-3, 1, {-2}},            // Left from -3
        {-1, 1, {0}},
        {3, 1, {0}},
        {-3, -1, {0}},
    };
    for (const Case &c : cases) {
        int rotation = c.start;
        for (int expected : c.sequence) {
            rotation = TurnRotation(rotation, c.turn);
            EXPECT_EQ(expected, rotation) << "from " << c.start << " by " << c.turn;
        }
    }
}

TEST(NavigationTest, JumpTargetIsClampedToTheList)
{
    struct Case {
        UINT target;
        int count, index;
    };
    const Case cases[] = {
        {1, 12, 0}, {12, 12, 11}, {999, 12, 11}, {0, 12, 0},
        {7, 12, 6}, {999, 3, 2},  {1, 1, 0},     {0xFFFFFFFFu, 5, 4},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.index, JumpIndex(c.target, c.count)) << c.target << " of " << c.count;
}

}  // namespace
