// MRVRectTest.cpp: rectangle arithmetic with inclusive edges.
#include "graphics/MRVRect.h"

#include <gtest/gtest.h>

namespace
{

TEST(MRVRect, IntersectCountsEdgesAsInsideAndMayOverwriteAnOperand)
{
    const struct
    {
        CMRVRect a, b;
        BOOL bMeet;
        CMRVRect expected;
    } cases[] = {
        {{0, 0, 10, 10}, {10, 10, 20, 20}, TRUE, {10, 10, 10, 10}}, // corners touch
        {{0, 0, 10, 10}, {11, 0, 20, 10}, FALSE, {0, 0, 0, 0}},     // one column apart
        {{0, 0, 10, 10}, {0, 11, 10, 20}, FALSE, {0, 0, 0, 0}},     // one row apart
        {{0, 0, 10, 10}, {5, 5, 15, 15}, TRUE, {5, 5, 10, 10}},
        {{0, 0, 640, 480}, {-5, -5, 700, 500}, TRUE, {0, 0, 640, 480}},
    };
    for (const auto& c : cases)
    {
        CMRVRect r(1, 2, 3, 4), a = c.a, b = c.b;
        EXPECT_EQ(r.Intersect(c.a, c.b), c.bMeet);
        EXPECT_EQ(a.Intersect(a, c.b), c.bMeet);
        EXPECT_EQ(b.Intersect(c.a, b), c.bMeet);
        EXPECT_TRUE(r == c.expected && a == c.expected && b == c.expected) << c.b.left << "," << c.b.top;
    }
}

// Contains, edges included, is checked through the hot-spot list's hit test.
TEST(MRVRect, UnionGrowsEachEdgeOutward)
{
    CMRVRect r(10, 20, 30, 40);
    r.Union(CMRVRect(100, 5, 120, 30));
    EXPECT_EQ(r, CMRVRect(10, 5, 120, 40));
}

} // namespace
