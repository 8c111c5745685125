// The players' processor-time clock: clock()'s millisecond, with the system call left out
// only while the wall clock proves that the millisecond cannot have changed.

#include "CpuClock.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

// A scripted source: the clock and the wall time are what the test sets.
tint64 s_nClock = 0;
tint64 s_nWall = 0;

tint64 FakeClock()
{
    return s_nClock;
}

tint64 FakeWall()
{
    return s_nWall;
}

CpuClock FakeClockWith(tuint32 nProcessors)
{
    return CpuClock(CpuClock::Source{&FakeClock, &FakeWall, nProcessors});
}

} // namespace

TEST(CpuClock, CallsTheClockOnlyWhenTheMillisecondMayHaveChanged)
{
    // After a reading of c us, the millisecond stands for (999 - c % 1000) us of
    // processor time, that is that many us of wall time divided by the processors.
    struct Row {
        const char* name;
        tuint32 nProcessors;
        tint64 nFirst;      // clock() at the first Read
        tint64 nWallStep;   // wall nanoseconds between the two Reads
        tint64 nSecond;     // clock() if the second Read asks
        tuint64 nExpected;  // the second Read's milliseconds
        tuint64 nCalls;     // clock() calls after both Reads
    } rows[] = {
        {"well inside: 100 us of 399.5", 2, 5200, 100000, 5400, 5, 1},
        {"last nanosecond inside", 2, 5200, 399499, 5999, 5, 1},
        {"at the bound: asks again", 2, 5200, 399500, 6000, 6, 2},
        {"more processors, shorter bound", 8, 5200, 100000, 5300, 5, 2},
        {"last microsecond of a millisecond: always asks", 1, 5999, 0, 5999, 5, 2},
        {"first microsecond: 999 us", 1, 7000, 998999, 7999, 7, 1},
        {"no processors counts as one", 0, 7000, 998999, 7999, 7, 1},
        {"clock unavailable: 0, nothing kept", 1, -1, 0, -1, 0, 2},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        CpuClock clk = FakeClockWith(r.nProcessors);
        s_nWall = 1000000000;
        s_nClock = r.nFirst;
        EXPECT_EQ(r.nFirst < 0 ? 0u : tuint64(r.nFirst / 1000), clk.Read());
        s_nWall += r.nWallStep;
        s_nClock = r.nSecond;
        EXPECT_EQ(r.nExpected, clk.Read());
        EXPECT_EQ(r.nCalls, clk.ClockCalls());
    }
}

TEST(CpuClock, AReadingAfterTheBoundStartsANewOne)
{
    CpuClock clk = FakeClockWith(1);
    s_nWall = 0;
    s_nClock = 2500; // stands 499 us
    EXPECT_EQ(2u, clk.Read());
    s_nWall = 600000;
    s_nClock = 3100; // asked: stands 899 us from here
    EXPECT_EQ(3u, clk.Read());
    s_nWall = 600000 + 898999;
    s_nClock = 3999;
    EXPECT_EQ(3u, clk.Read());
    EXPECT_EQ(2u, clk.ClockCalls());
    s_nWall = 600000 + 899000;
    s_nClock = 4000;
    EXPECT_EQ(4u, clk.Read());
    EXPECT_EQ(3u, clk.ClockCalls());
}

TEST(CpuClock, TheSystemClockIsNeverAheadOfClockAndAskedFarLessOftenThanRead)
{
    CpuClock clk(CpuClock::SystemSource());
    const int nReads = 20000;
    volatile tuint64 nSpin = 0;
    for (int i = 0; i < nReads; ++i) {
        for (int j = 0; j < 200; ++j) {
            nSpin = nSpin + 1; // some processor time between the readings
        }
        const tuint64 nRead = clk.Read();
        const tuint64 nAfter = tuint64(tint64(clock()) * 1000 / 1000000);
        ASSERT_LE(nRead, nAfter) << "reading " << i;
    }
    // One call per millisecond of processor time at least, and each reading of a call
    // stands for part of it: far fewer calls than readings.
    EXPECT_LT(clk.ClockCalls(), tuint64(nReads / 2));
}
