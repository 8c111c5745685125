#include "TimeManager.h"

#include "FoundationTestUtil.h"

#include <gtest/gtest.h>

#include <cstring>

using FoundationTest::ScopedTimeZone;

namespace {

// A TimeManager whose cache and run-time origin a test can pin.
class PinnedClock : public TimeManager {
public:
    void PinCache(time_t t)
    {
        m_SetTime = t;
        localtime_r(&t, &m_TM);
    }
    void MoveStartBack(tint64 nSeconds) { _tstart.tv_sec -= nSeconds; }
    void SetStart(const timeval& tv) { _tstart = tv; }
};

// A broken-down time with every other field zero.
tm Broken(int year, int month, int day, int hour, int minute, int second)
{
    tm t;
    memset(&t, 0, sizeof(t));
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

// Local calendar time to time_t, through the C library.
time_t Local(int year, int month, int day, int hour, int minute, int second)
{
    tm t = Broken(year, month, day, hour, minute, second);
    t.tm_isdst = -1;
    return mktime(&t);
}

}  // namespace

// POSIX TZ signs are inverted: "CST-8" is UTC+8.
class TimeCodes : public testing::Test {
protected:
    ScopedTimeZone m_zone{"CST-8"};
};

TEST_F(TimeCodes, CodesOfTheCachedInstant)
{
    PinnedClock clock;
    clock.PinCache(Local(2024, 5, 6, 7, 8, 9));
    const struct {
        const char* szName;
        tuint32 uGot;
        tuint32 uExpected;
    } rows[] = {
        {"Time2DWORD", clock.Time2DWORD(), 2405060708u},
        {"Time2DWORDHour", clock.Time2DWORDHour(), 70809u},
        {"Time2Day", clock.Time2Day(), 20240506u},
        {"CurrentDate", clock.CurrentDate(), 1628205577u},
        {"GetDayTime", clock.GetDayTime(), 24126u},
        {"GetQuarterTime", clock.GetQuarterTime(), 2412628u},
        {"GetWeekTime", clock.GetWeekTime(), 24018u},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.szName);
        EXPECT_EQ(row.uGot, row.uExpected);
    }
    EXPECT_EQ(clock.GetYear(), 2024);
    EXPECT_EQ(clock.GetMonth(), 5);
    EXPECT_EQ(clock.GetWeek(), 1);
}

TEST_F(TimeCodes, HourTimeCountsDaysFrom2007AtUtcPlus8)
{
    PinnedClock clock;
    clock.PinCache(1167772800);  // 2007-01-03 05:20 at UTC+8
    EXPECT_EQ(clock.GetHourTime(), 221u);
}

TEST_F(TimeCodes, DWORDHour2ANSITimeUsesTheCachedDate)
{
    PinnedClock clock;
    clock.PinCache(Local(2024, 5, 6, 7, 8, 9));
    EXPECT_EQ(clock.DWORDHour2ANSITime(120030), Local(2024, 5, 6, 12, 0, 30));
}

TEST(TimeConversions, MinuteCodeOfArguments)
{
    const struct {
        tint32 nYear, nMonth, nDay, nHour, nMinute;
        tuint32 uExpected;
    } rows[] = {
        {2024, 5, 6, 7, 8, 2405060708u},
        {2000, 1, 1, 0, 0, 1010000u},
        {2024, 1, 1, 0, 60, 2401010060u},  // minute 60 passes
        {2030, 12, 31, 23, 59, 3012312359u},  // above INT_MAX: computed unsigned
        {2043, 1, 1, 0, 0, 6042704u},          // 4301010000 wraps modulo 2^32
        {2024, 13, 1, 0, 0, 0u},
        {1999, 1, 1, 0, 0, 0u},
        {2501, 1, 1, 0, 0, 0u},
        {2024, 0, 1, 0, 0, 0u},
        {2024, 1, 32, 0, 0, 0u},
        {2024, 1, 1, 24, 0, 0u},
        {2024, 1, 1, 0, 61, 0u},
        {2024, 1, 1, -1, 0, 0u},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.uExpected);
        EXPECT_EQ(TimeManager::Time2DWORD(row.nYear, row.nMonth, row.nDay, row.nHour, row.nMinute),
                  row.uExpected);
    }
}

TEST(TimeConversions, MinuteCodeToBrokenDownTime)
{
    tm t;
    memset(&t, 0x55, sizeof(t));
    TimeManager::DWORD2Time(2405060708u, t);
    EXPECT_EQ(t.tm_year, 124);
    EXPECT_EQ(t.tm_mon, 4);
    EXPECT_EQ(t.tm_mday, 6);
    EXPECT_EQ(t.tm_hour, 7);
    EXPECT_EQ(t.tm_min, 8);
    EXPECT_EQ(t.tm_sec, 0);
    EXPECT_EQ(t.tm_wday, 1);
    EXPECT_EQ(t.tm_yday, 0);
    EXPECT_EQ(t.tm_isdst, 0);
}

TEST(TimeConversions, WeekdayFormula)
{
    const struct {
        tint32 nYear, nMonth, nDay, nExpected;
    } rows[] = {
        {2024, 5, 6, 1}, {2024, 1, 1, 1}, {2000, 2, 29, 2}, {2023, 12, 31, 0}, {2007, 1, 6, 6},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.nDay);
        EXPECT_EQ(TimeManager::ConvertWDay(row.nYear, row.nMonth, row.nDay), row.nExpected);
    }
}

TEST(TimeConversions, PackedDateRoundTripAndNullTm)
{
    tm t = Broken(2024, 5, 6, 7, 8, 9);
    tuint32 uDate = 0;
    TimeManager::ConvertTU(&t, uDate);
    EXPECT_EQ(uDate, 1628205577u);

    tm back;
    memset(&back, 0x55, sizeof(back));
    TimeManager::ConvertUT(1628205577u, &back);
    EXPECT_EQ(back.tm_year, 124);
    EXPECT_EQ(back.tm_mon, 4);
    EXPECT_EQ(back.tm_mday, 6);
    EXPECT_EQ(back.tm_hour, 7);
    EXPECT_EQ(back.tm_min, 8);
    EXPECT_EQ(back.tm_sec, 9);
    EXPECT_EQ(back.tm_wday, 0);

    // From 2032 on the year field reaches bit 31: computed unsigned.
    tm late;
    memset(&late, 0, sizeof(late));
    late.tm_year = 140;
    late.tm_mday = 1;
    TimeManager::ConvertTU(&late, uDate);
    EXPECT_EQ(uDate, 2684485632u);  // 40 << 26 | 1 << 17
    TimeManager::ConvertUT(uDate, &back);
    EXPECT_EQ(back.tm_year, 140);
    EXPECT_EQ(back.tm_mday, 1);

    tuint32 uUntouched = 77;
    TimeManager::ConvertTU(nullptr, uUntouched);
    EXPECT_EQ(uUntouched, 77u);
    TimeManager::ConvertUT(1628205577u, nullptr);  // nothing to fill, nothing happens
}

TEST(TimeConversions, HourCodePlusSecondsDoesNotWrapAtMidnight)
{
    const struct {
        tuint32 uTime, uSeconds, uExpected;
    } rows[] = {
        {235959, 1, 240000}, {120000, 3661, 130101}, {101010, 0, 101010}, {5959, 61, 10100},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.uExpected);
        EXPECT_EQ(TimeManager::DWORDHourAddSec(row.uTime, row.uSeconds), row.uExpected);
    }
}

TEST_F(TimeCodes, DifferencesOfCodes)
{
    EXPECT_EQ(TimeManager::DiffDWORDTime(2405060708u, 2405060808u), 60u);
    EXPECT_EQ(TimeManager::DiffDWORDTime(2405060808u, 2405060708u), 60u);
    EXPECT_EQ(TimeManager::DiffDWORDTime(2405060708u, 2405070708u), 1440u);

    tuint32 uA = 0;
    tuint32 uB = 0;
    tm t = Broken(2024, 5, 6, 7, 8, 9);
    TimeManager::ConvertTU(&t, uA);
    t.tm_min = 9;
    TimeManager::ConvertTU(&t, uB);
    EXPECT_EQ(TimeManager::DiffTime(uA, uB), 60000u);
    EXPECT_EQ(TimeManager::DiffTime(uB, uA), 60000u);
    EXPECT_EQ(TimeManager::DiffTime_InSecond(uA, uB), 60u);

    // 2000-01-01 to 2024-05-06: far more milliseconds than 32 bits hold; saturates.
    tuint32 uOld = 0;
    t = Broken(2000, 1, 1, 0, 0, 0);
    TimeManager::ConvertTU(&t, uOld);
    EXPECT_EQ(TimeManager::DiffTime(uOld, uA), 0xFFFFFFFFu);
    EXPECT_EQ(TimeManager::DiffTime_InSecond(uOld, uA), 768294489u);
}

TEST(TimeConversions, WholeDayCounts)
{
    const struct {
        time_t tPrev, tNext;
        tint32 nExpected;
    } rows[] = {
        {0, 86400 * 3 + 5, 3},
        {86400 * 2, 0, -2},
        {86400 * 2 + 5, 0, -2},  // -2.00006 days: toward zero, not down to -3
        {1000, 0, 0},
        {0, 86399, 0},
        {1000, 1000, 0},
        {0, 1000000000000000LL, 0x7FFFFFFF},   // beyond 32 bits: clamped, never converted wild
        {1000000000000000LL, 0, -0x7FFFFFFF - 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.nExpected);
        EXPECT_EQ(TimeManager::DiffDayCount(row.tPrev, row.tNext), row.nExpected);
    }
}

TEST_F(TimeCodes, GameDaysThatBeginAtOtherHours)
{
    const time_t t0359 = Local(2024, 5, 6, 3, 59, 0);
    const time_t t0400 = Local(2024, 5, 6, 4, 0, 0);
    const time_t t1159 = Local(2024, 5, 6, 11, 59, 59);
    const time_t t1200 = Local(2024, 5, 6, 12, 0, 0);
    const time_t t1800 = Local(2024, 5, 6, 18, 0, 0);
    const time_t t2000 = Local(2024, 5, 6, 20, 0, 0);
    const time_t tNext0100 = Local(2024, 5, 7, 1, 0, 0);
    EXPECT_TRUE(TimeManager::IsDiffDay04(t0359, t0400));
    EXPECT_FALSE(TimeManager::IsDiffDay00(t0359, t0400));
    EXPECT_TRUE(TimeManager::IsDiffDay12(t1159, t1200));
    EXPECT_FALSE(TimeManager::IsDiffDay12(t1200, tNext0100));
    EXPECT_TRUE(TimeManager::IsDiffDay18(t0400, t1800));
    EXPECT_TRUE(TimeManager::IsDiffDay20(t1800, t2000));
    EXPECT_FALSE(TimeManager::IsDiffDay20(t2000, tNext0100));
    EXPECT_TRUE(TimeManager::IsDiffDay00(t2000, tNext0100));
    EXPECT_EQ(TimeManager::GetHour(t1800), 18);
    // Before the epoch plus the shift both instants become 0: the same day.
    EXPECT_FALSE(TimeManager::IsDiffDay04(10, 20));
}

TEST(TimeConversions, MovedInstantsBeforeTheEpochCountAsTheEpoch)
{
    // At UTC the epoch starts a day, so only the raise to 0 keeps a moved-back
    // instant on the epoch's day instead of 1969-12-31.
    ScopedTimeZone zone("UTC0");
    const struct {
        const char* szName;
        bool (*pfnIsDiffDay)(time_t, time_t);
        time_t tShift;
    } rows[] = {
        {"IsDiffDay04", &TimeManager::IsDiffDay04, 14400},
        {"IsDiffDay12", &TimeManager::IsDiffDay12, 43200},
        {"IsDiffDay18", &TimeManager::IsDiffDay18, 64800},
        {"IsDiffDay20", &TimeManager::IsDiffDay20, 72000},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.szName);
        EXPECT_FALSE(row.pfnIsDiffDay(0, row.tShift));
        EXPECT_FALSE(row.pfnIsDiffDay(row.tShift, 0));
        EXPECT_TRUE(row.pfnIsDiffDay(0, row.tShift + 86400));
    }
}

TEST(RunTime, StartsAtZeroAndFollowsTheWallClock)
{
    PinnedClock clock;
    const tuint32 uRun = clock.RunTime();
    EXPECT_LT(uRun, 1000u);
    EXPECT_EQ(clock.StartTime(), 0u);

    const time_t tNow = time(nullptr);
    EXPECT_LE(clock.GetANSITime() - tNow, 1);
    const tint64 nMs = clock.GetTimeMs();
    EXPECT_LE(nMs / 1000 - static_cast<tint64>(tNow), 1);
    EXPECT_GE(nMs / 1000 - static_cast<tint64>(tNow), -1);
}

TEST(RunTime, SixtyDaysWrapThirtyTwoBitsWithoutOverflow)
{
    PinnedClock clock;
    clock.MoveStartBack(60LL * 86400);
    // 5184000000 ms modulo 2^32 = 889032704
    const tuint32 uRun = clock.SysRunTime();
    EXPECT_GE(uRun, 889032704u);
    EXPECT_LT(uRun, 889032704u + 5000u);
    EXPECT_EQ(clock.RunTime() - uRun < 5000u, true);

    // A wall clock set back before the start gives run time 0, not a wrapped huge value.
    PinnedClock early;
    early.MoveStartBack(-3600);
    EXPECT_EQ(early.SysRunTime(), 0u);
    EXPECT_EQ(early.RunTime(), 0u);
}

TEST(RunTime, SysRunTimeTruncatesToWholeMilliseconds)
{
    // A start at .999999 s: nearly every later reading has fewer microseconds, the case
    // where dividing the microseconds' difference alone rounds up.
    PinnedClock clock;
    timeval tvNow;
    gettimeofday(&tvNow, nullptr);
    const timeval tvStart = {tvNow.tv_sec - 5, 999999};
    clock.SetStart(tvStart);
    auto MsSinceStart = [&tvStart](const timeval& tv) {
        const tint64 nUs = (static_cast<tint64>(tv.tv_sec) - tvStart.tv_sec) * 1000000 +
                           (static_cast<tint64>(tv.tv_usec) - tvStart.tv_usec);
        return nUs / 1000;
    };
    int nChecked = 0;
    for (int i = 0; i < 1000000 && nChecked < 20; ++i) {
        timeval tvBefore;
        timeval tvAfter;
        gettimeofday(&tvBefore, nullptr);
        const tuint32 uRun = clock.SysRunTime();
        gettimeofday(&tvAfter, nullptr);
        const tint64 nExpected = MsSinceStart(tvBefore);
        if (MsSinceStart(tvAfter) != nExpected) {
            continue;  // a millisecond turned during the call
        }
        ASSERT_EQ(static_cast<tint64>(uRun), nExpected);
        ++nChecked;
    }
    EXPECT_EQ(nChecked, 20);
}

TEST(RunTime, ProcessClockIsBuiltBeforeMain)
{
    EXPECT_GT(gTimeManager.Time2Day(), 20000000u);
    EXPECT_LE(gTimeManager.GetANSITime() - time(nullptr), 1);
}
