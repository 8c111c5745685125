#include "Compat.h"

#include <gtest/gtest.h>

#include <chrono>

TEST(Compat, SleepWaitsAtLeastTheMilliseconds)
{
    const auto tStart = std::chrono::steady_clock::now();
    NSRobot::sleep(20);
    const auto nMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                         std::chrono::steady_clock::now() - tStart)
                         .count();
    EXPECT_GE(nMs, 20);

    const auto tZero = std::chrono::steady_clock::now();
    NSRobot::sleep(0);
    NSRobot::sleep(-5);
    EXPECT_LT(std::chrono::steady_clock::now() - tZero, std::chrono::seconds(1));
}
