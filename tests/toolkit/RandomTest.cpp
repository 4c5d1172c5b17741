#include "Random.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <stdexcept>

namespace {

class RandomTest : public testing::Test {
protected:
    void TearDown() override { EndRandomScript(); }
};

TEST_F(RandomTest, ScriptedValuesComeInOrder)
{
    ScriptRandom({0.25, 0.0, 0.999, 0.5, 0.75});
    EXPECT_EQ(Random(4), 1);
    EXPECT_EQ(Random(10), 0);
    EXPECT_EQ(Random(10), 9);
    Randomize();
    EXPECT_EQ(ScriptedRandomLeft(), 2u);
    EXPECT_EQ(Random(), 0.5);
    EXPECT_EQ(Random(), 0.75);
    EXPECT_EQ(ScriptedRandomLeft(), 0u);
    EXPECT_THROW(Random(), std::logic_error);
    EXPECT_THROW(Random(3), std::logic_error);
}

TEST_F(RandomTest, EmptyRangeGivesZeroWithoutADraw)
{
    ScriptRandom({0.5});
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-5), 0);
    EXPECT_EQ(ScriptedRandomLeft(), 1u);
}

TEST_F(RandomTest, ValueJustBelowOneStaysBelowTheRange)
{
    ScriptRandom({0.99999999999999989});
    EXPECT_EQ(Random(INT_MAX), INT_MAX - 1);
}

TEST_F(RandomTest, ScriptOutsideTheUnitIntervalIsRefused)
{
    EXPECT_THROW(ScriptRandom({1.0}), std::logic_error);
    EXPECT_THROW(ScriptRandom({-0.1}), std::logic_error);
}

TEST_F(RandomTest, GeneratorStaysInRangeAndReachesEveryValue)
{
    Randomize();
    std::set<int> Seen;
    for (int Draw = 0; Draw < 1000; ++Draw) {
        const int Value = Random(5);
        ASSERT_GE(Value, 0);
        ASSERT_LT(Value, 5);
        Seen.insert(Value);
        const double Real = Random();
        ASSERT_GE(Real, 0.0);
        ASSERT_LT(Real, 1.0);
    }
    EXPECT_EQ(Seen.size(), 5u);
    EXPECT_EQ(Random(1), 0);
}

TEST_F(RandomTest, EndingTheScriptReturnsToTheGenerator)
{
    ScriptRandom({0.5});
    EndRandomScript();
    EXPECT_EQ(ScriptedRandomLeft(), 0u);
    EXPECT_NO_THROW(Random());
}

} // namespace
