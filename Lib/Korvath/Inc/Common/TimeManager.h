#pragma once
// The process-wide clock: run time in milliseconds since start, one cached calendar instant
// (m_SetTime, m_TM, changed only by SetTime) and conversions between broken-down times and
// the game's compact codes (YYMMDDHHMM, HHMMSS, YYYYMMDD, the 32-bit packed date, period numbers).
// gTimeManager is built during static initialisation; afterwards the workers only call the
// read-only live operations. SetTime, SysRunTime and RunTime write members without a lock.

#include "BaseLib.h"

#include <sys/time.h>

class TimeManager {
public:
    TimeManager();
    ~TimeManager();

    // Caches the current calendar instant and its local broken-down form.
    void SetTime();

    time_t GetANSITime() const;  // live, not the cache
    tint64 GetTimeMs() const;    // live wall clock in milliseconds
    tuint32 SysRunTime();        // milliseconds since Init (wraps after 2^32 ms)
    tuint32 RunTime();

    tuint32 StartTime() const { return m_StartTime; }
    tint32 GetYear() const { return m_TM.tm_year + 1900; }
    tint32 GetMonth() const { return m_TM.tm_mon + 1; }
    tint32 GetDay() const { return m_TM.tm_mday; }
    tint32 GetHour() const { return m_TM.tm_hour; }
    tint32 GetMinute() const { return m_TM.tm_min; }
    tint32 GetSecond() const { return m_TM.tm_sec; }
    tint32 GetYDay() const { return m_TM.tm_yday; }
    tint32 GetWeek() const { return m_TM.tm_wday; }

    // Codes of the cached instant.
    tuint32 Time2DWORD() const;      // YYMMDDHHMM
    tuint32 Time2DWORDHour() const;  // HHMMSS
    tuint32 Time2Day() const;        // YYYYMMDD
    tuint32 CurrentDate() const;     // packed date
    tuint32 GetDayTime() const;      // YY * 1000 + day of the year
    tuint32 GetHourTime() const;     // days since 2007-01-01 UTC+8 * 100 + quarter hour
    tuint32 GetQuarterTime() const;  // (YY * 1000 + day of the year) * 100 + quarter hour
    tuint32 GetWeekTime() const;     // YY * 1000 + week of the year

    // YYMMDDHHMM of the arguments; 0 when out of range. Years past 2042 wrap modulo 2^32.
    static tuint32 Time2DWORD(tint32 year, tint32 month, tint32 day, tint32 hour, tint32 minute);
    static void DWORD2Time(tuint32 Date, tm& TM);
    static tuint32 DiffDWORDTime(tuint32 Date1, tuint32 Date2);  // minutes
    static tuint32 DWORDHourAddSec(const tuint32& dwTime, tuint32 secTime);
    time_t DWORDHour2ANSITime(const tuint32& dwTime) const;

    static void ConvertTU(tm* TM, tuint32& Date);
    static void ConvertUT(tuint32 Date, tm* TM);
    static tuint32 DiffTime(tuint32 Date1, tuint32 Date2);           // milliseconds
    static tuint32 DiffTime_InSecond(tuint32 Date1, tuint32 Date2);  // seconds
    static tint32 DiffDayCount(time_t uPrevANSITime, time_t uNextANSITime);

    static bool IsDiffDay00(time_t uPrevANSITime, time_t uNextANSITime);
    static bool IsDiffDay04(time_t uPrevANSITime, time_t uNextANSITime);
    static bool IsDiffDay12(time_t uPrevANSITime, time_t uNextANSITime);
    static bool IsDiffDay18(time_t uPrevANSITime, time_t uNextANSITime);
    static bool IsDiffDay20(time_t uPrevANSITime, time_t uNextANSITime);

    static tint32 GetHour(time_t uANSITime);
    static tint32 ConvertWDay(tint32 year, tint32 month, tint32 day);

private:
    void Init();

protected:
    // Protected so that a test clock can pin the cache to a known instant.
    tuint32 m_StartTime;
    tuint32 m_CurrentTime;
    time_t m_SetTime;
    tm m_TM;
    timeval _tstart;
    struct timezone _tz;
};

extern TimeManager gTimeManager;
