#include "RandomUtil.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(Random, EmptyRangesReturnTheFirstArgument)
{
    srand(1);
    const int nFirst = rand();
    srand(1);
    EXPECT_EQ(Random::Gen(5, 5), 5);
    EXPECT_EQ(Random::Gen(7, 3), 7);
    EXPECT_EQ(rand(), nFirst) << "no draw was made";
}

TEST(Random, DrawsStayInTheirRanges)
{
    srand(2024);
    const struct {
        tint32 nMin, nMax;
    } rows[] = {{0, 10}, {1, 2}, {-5, 5}, {100, 103}, {-2000000000, 2000000000}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.nMin);
        for (int i = 0; i < 2000; ++i) {
            tint32 n = Random::Gen(row.nMin, row.nMax);
            ASSERT_GE(n, row.nMin);
            ASSERT_LT(n, row.nMax);
        }
    }
    for (int i = 0; i < 2000; ++i) {
        tfloat32 f = Random::Gen();
        ASSERT_GE(f, 0.0f);
        ASSERT_LE(f, 1.0f);
    }
}

TEST(Random, TopValuesOfRandGiveOneAndAreHeldBelowMax)
{
    // With seed 3, draw number 12672074 of glibc's rand() is 2147483642, one of the top 64
    // values that become exactly 2^31 as a float.
    const long nSkip = 12672074;
    srand(3);
    for (long i = 0; i < nSkip; ++i) {
        rand();
    }
    const int nTop = rand();
    ASSERT_GE(nTop, 2147483584) << "this C library's rand() differs; the case needs another seed";

    srand(3);
    for (long i = 0; i < nSkip; ++i) {
        rand();
    }
    EXPECT_EQ(Random::Gen(), 1.0f);

    srand(3);
    for (long i = 0; i < nSkip; ++i) {
        rand();
    }
    EXPECT_EQ(Random::Gen(0, 10), 9);
}

TEST(Random, Sampling)
{
    srand(7);
    for (int i = 0; i < 500; ++i) {
        ASSERT_FALSE(Random::Sampling(0, 10));
        ASSERT_TRUE(Random::Sampling(10, 10));
    }
    EXPECT_TRUE(Random::Sampling(1, 0));   // the draw is 0 for an empty denominator
    EXPECT_FALSE(Random::Sampling(0, -3));
    int nHits = 0;
    for (int i = 0; i < 4000; ++i) {
        nHits += Random::Sampling(1, 4) ? 1 : 0;
    }
    EXPECT_GT(nHits, 700);
    EXPECT_LT(nHits, 1300);
}
