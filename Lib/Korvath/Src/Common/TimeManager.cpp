#include "TimeManager.h"

#include <cstring>

TimeManager gTimeManager;

namespace {

const tuint32 UINT32_ALL = 0xFFFFFFFFu;

// Milliseconds from a to b, truncated, in 64 bits (never through a double that could
// overflow). The microseconds are summed before the division: dividing their difference
// alone rounds a negative one up and gave a result 1 ms high.
tint64 MsBetween(const timeval& a, const timeval& b)
{
    const tint64 nUs = (static_cast<tint64>(b.tv_sec) - a.tv_sec) * 1000000 +
                       (static_cast<tint64>(b.tv_usec) - a.tv_usec);
    return nUs / 1000;
}

tuint32 SaturateU32(tint64 n)
{
    if (n < 0) {
        return 0;
    }
    return n > static_cast<tint64>(UINT32_ALL) ? UINT32_ALL : static_cast<tuint32>(n);
}

tint64 Abs64(tint64 n)
{
    return n < 0 ? -n : n;
}

tuint32 QuarterOfDay(const tm& rTm)
{
    return static_cast<tuint32>(rTm.tm_hour * 4 + rTm.tm_min / 15);
}

}  // namespace

TimeManager::TimeManager()
{
    Init();
}

TimeManager::~TimeManager() {}

void TimeManager::Init()
{
    m_StartTime = 0;
    m_CurrentTime = 0;
    memset(&_tstart, 0, sizeof(_tstart));
    memset(&_tz, 0, sizeof(_tz));
    gettimeofday(&_tstart, &_tz);
    SetTime();
}

void TimeManager::SetTime()
{
    m_SetTime = _ansitime();
    memset(&m_TM, 0, sizeof(m_TM));
    _localtime(m_SetTime, m_TM);
}

time_t TimeManager::GetANSITime() const
{
    return _ansitime();
}

tint64 TimeManager::GetTimeMs() const
{
    timeval tv;
    gettimeofday(&tv, nullptr);
    return static_cast<tint64>(tv.tv_sec) * 1000 + tv.tv_usec / 1000;
}

tuint32 TimeManager::SysRunTime()
{
    timeval tvNow;
    gettimeofday(&tvNow, nullptr);
    tint64 nMs = MsBetween(_tstart, tvNow);
    if (nMs < 0) {
        nMs = 0;  // the wall clock was set back before the start
    }
    // Held in 32 bits: wraps after 2^32 ms, by unsigned arithmetic.
    m_CurrentTime = static_cast<tuint32>(static_cast<tuint64>(nMs));
    return m_CurrentTime;
}

tuint32 TimeManager::RunTime()
{
    SysRunTime();
    if (m_CurrentTime >= m_StartTime) {
        return m_CurrentTime - m_StartTime;
    }
    return UINT32_ALL - m_StartTime + m_CurrentTime;
}

tuint32 TimeManager::Time2DWORD() const
{
    return Time2DWORD(m_TM.tm_year + 1900, m_TM.tm_mon + 1, m_TM.tm_mday, m_TM.tm_hour, m_TM.tm_min);
}

tuint32 TimeManager::Time2DWORDHour() const
{
    return static_cast<tuint32>(m_TM.tm_hour) * 10000 + static_cast<tuint32>(m_TM.tm_min) * 100 +
           static_cast<tuint32>(m_TM.tm_sec);
}

tuint32 TimeManager::Time2Day() const
{
    return static_cast<tuint32>(m_TM.tm_year + 1900) * 10000 +
           static_cast<tuint32>(m_TM.tm_mon + 1) * 100 + static_cast<tuint32>(m_TM.tm_mday);
}

tuint32 TimeManager::CurrentDate() const
{
    tm tmCopy = m_TM;
    tuint32 uDate = 0;
    ConvertTU(&tmCopy, uDate);
    return uDate;
}

tuint32 TimeManager::GetDayTime() const
{
    tm tmSet;
    _localtime(m_SetTime, tmSet);
    return static_cast<tuint32>((tmSet.tm_year - 100) * 1000 + tmSet.tm_yday);
}

tuint32 TimeManager::GetHourTime() const
{
    tm tmSet;
    _localtime(m_SetTime, tmSet);
    // Days since 2007-01-01 00:00 UTC+8, in 64 bits before the 32-bit result.
    const tint64 nDays = (static_cast<tint64>(m_SetTime) - 1167580800LL) / 86400;
    return static_cast<tuint32>(nDays * 100 + QuarterOfDay(tmSet));
}

tuint32 TimeManager::GetQuarterTime() const
{
    tm tmSet;
    _localtime(m_SetTime, tmSet);
    return static_cast<tuint32>((tmSet.tm_year - 100) * 1000 + tmSet.tm_yday) * 100 +
           QuarterOfDay(tmSet);
}

tuint32 TimeManager::GetWeekTime() const
{
    tm tmSet;
    _localtime(m_SetTime, tmSet);
    tint32 nYear = (tmSet.tm_year - 100) * 1000;
    if (tmSet.tm_yday > tmSet.tm_wday) {
        // ceil((yday - wday) / 7) for a positive difference
        return static_cast<tuint32>(nYear + (tmSet.tm_yday - tmSet.tm_wday + 6) / 7);
    }
    return static_cast<tuint32>(nYear);
}

tuint32 TimeManager::Time2DWORD(tint32 year, tint32 month, tint32 day, tint32 hour, tint32 minute)
{
    if (year < 2000 || year > 2500 || month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 ||
        hour > 23 || minute < 0 || minute > 60) {
        return 0;
    }
    // Unsigned: from 2022 on the code passes INT_MAX; past 2042 it wraps modulo 2^32.
    tuint32 uCode = static_cast<tuint32>(year - 2000);
    uCode = uCode * 100 + static_cast<tuint32>(month);
    uCode = uCode * 100 + static_cast<tuint32>(day);
    uCode = uCode * 100 + static_cast<tuint32>(hour);
    uCode = uCode * 100 + static_cast<tuint32>(minute);
    return uCode;
}

void TimeManager::DWORD2Time(tuint32 Date, tm& TM)
{
    memset(&TM, 0, sizeof(TM));
    tint32 nYY = static_cast<tint32>(Date / 100000000);
    TM.tm_year = nYY + 100;
    tint32 nMM = static_cast<tint32>((Date % 100000000) / 1000000);
    TM.tm_mon = nMM - 1;
    TM.tm_mday = static_cast<tint32>((Date % 1000000) / 10000);
    TM.tm_hour = static_cast<tint32>((Date % 10000) / 100);
    TM.tm_min = static_cast<tint32>(Date % 100);
    TM.tm_wday = ConvertWDay(nYY + 2000, nMM, TM.tm_mday);
}

tuint32 TimeManager::DiffDWORDTime(tuint32 Date1, tuint32 Date2)
{
    tm tm1;
    tm tm2;
    DWORD2Time(Date1, tm1);
    DWORD2Time(Date2, tm2);
    time_t t1 = 0;
    time_t t2 = 0;
    _maketime(tm1, t1);
    _maketime(tm2, t2);
    return SaturateU32(Abs64((static_cast<tint64>(t2) - t1) / 60));
}

tuint32 TimeManager::DWORDHourAddSec(const tuint32& dwTime, tuint32 secTime)
{
    tuint32 uHour = dwTime / 10000;
    tuint32 uMinute = (dwTime % 10000) / 100;
    tuint32 uSecond = dwTime % 100 + secTime;
    if (uSecond > 59) {
        uMinute += uSecond / 60;
        uSecond %= 60;
    }
    if (uMinute > 59) {
        uHour += uMinute / 60;
        uMinute %= 60;
    }
    return uHour * 10000 + uMinute * 100 + uSecond;
}

time_t TimeManager::DWORDHour2ANSITime(const tuint32& dwTime) const
{
    tm tmDay;
    memset(&tmDay, 0, sizeof(tmDay));
    tmDay.tm_year = m_TM.tm_year;
    tmDay.tm_mon = m_TM.tm_mon;
    tmDay.tm_mday = m_TM.tm_mday;
    tmDay.tm_hour = static_cast<tint32>(dwTime / 10000);
    tmDay.tm_min = static_cast<tint32>((dwTime % 10000) / 100);
    tmDay.tm_sec = static_cast<tint32>(dwTime % 100);
    tmDay.tm_isdst = 0;
    time_t t = 0;
    _maketime(tmDay, t);
    return t;
}

void TimeManager::ConvertTU(tm* TM, tuint32& Date)
{
    if (TM == nullptr) {
        return;
    }
    tuint32 u = static_cast<tuint32>(TM->tm_year % 100) & 0x3F;
    u = (u << 4) + (static_cast<tuint32>(TM->tm_mon) & 0xF);
    u = (u << 5) + (static_cast<tuint32>(TM->tm_mday) & 0x1F);
    u = (u << 5) + (static_cast<tuint32>(TM->tm_hour) & 0x1F);
    u = (u << 6) + (static_cast<tuint32>(TM->tm_min) & 0x3F);
    u = (u << 6) + (static_cast<tuint32>(TM->tm_sec) & 0x3F);
    Date = u;
}

void TimeManager::ConvertUT(tuint32 Date, tm* TM)
{
    if (TM == nullptr) {
        return;
    }
    memset(TM, 0, sizeof(tm));
    TM->tm_year = static_cast<tint32>(Date >> 26) + 100;
    TM->tm_mon = static_cast<tint32>((Date >> 22) & 0xF);
    TM->tm_mday = static_cast<tint32>((Date >> 17) & 0x1F);
    TM->tm_hour = static_cast<tint32>((Date >> 12) & 0x1F);
    TM->tm_min = static_cast<tint32>((Date >> 6) & 0x3F);
    TM->tm_sec = static_cast<tint32>(Date & 0x3F);
}

namespace {

// Whole seconds between two packed dates, absolute, in 64 bits.
tint64 PackedSecondsApart(tuint32 Date1, tuint32 Date2)
{
    tm tm1;
    tm tm2;
    TimeManager::ConvertUT(Date1, &tm1);
    TimeManager::ConvertUT(Date2, &tm2);
    time_t t1 = 0;
    time_t t2 = 0;
    _maketime(tm1, t1);
    _maketime(tm2, t2);
    return Abs64(static_cast<tint64>(t2) - t1);
}

}  // namespace

tuint32 TimeManager::DiffTime(tuint32 Date1, tuint32 Date2)
{
    // 64 bits: a difference of more than ~49 days would overflow 32-bit milliseconds;
    // such a difference saturates instead of wrapping.
    return SaturateU32(PackedSecondsApart(Date1, Date2) * 1000);
}

tuint32 TimeManager::DiffTime_InSecond(tuint32 Date1, tuint32 Date2)
{
    return SaturateU32(PackedSecondsApart(Date1, Date2));
}

tint32 TimeManager::DiffDayCount(time_t uPrevANSITime, time_t uNextANSITime)
{
    // Whole 24-hour periods, truncated toward zero, in 64 bits and clamped to 32.
    tint64 nDays = (static_cast<tint64>(uNextANSITime) - static_cast<tint64>(uPrevANSITime)) / 86400;
    if (nDays > 0x7FFFFFFF) {
        return 0x7FFFFFFF;
    }
    if (nDays < -0x7FFFFFFF - 1) {
        return -0x7FFFFFFF - 1;
    }
    return static_cast<tint32>(nDays);
}

bool TimeManager::IsDiffDay00(time_t uPrevANSITime, time_t uNextANSITime)
{
    tm tmPrev;
    tm tmNext;
    _localtime(uPrevANSITime, tmPrev);
    _localtime(uNextANSITime, tmNext);
    return tmPrev.tm_year != tmNext.tm_year || tmPrev.tm_yday != tmNext.tm_yday;
}

namespace {

bool IsDiffDayFrom(time_t uPrev, time_t uNext, time_t nShift)
{
    time_t uPrevShifted = uPrev - nShift;
    time_t uNextShifted = uNext - nShift;
    if (uPrevShifted < 0) {
        uPrevShifted = 0;
    }
    if (uNextShifted < 0) {
        uNextShifted = 0;
    }
    return TimeManager::IsDiffDay00(uPrevShifted, uNextShifted);
}

}  // namespace

bool TimeManager::IsDiffDay04(time_t uPrevANSITime, time_t uNextANSITime)
{
    return IsDiffDayFrom(uPrevANSITime, uNextANSITime, 14400);
}

bool TimeManager::IsDiffDay12(time_t uPrevANSITime, time_t uNextANSITime)
{
    return IsDiffDayFrom(uPrevANSITime, uNextANSITime, 43200);
}

bool TimeManager::IsDiffDay18(time_t uPrevANSITime, time_t uNextANSITime)
{
    return IsDiffDayFrom(uPrevANSITime, uNextANSITime, 64800);
}

bool TimeManager::IsDiffDay20(time_t uPrevANSITime, time_t uNextANSITime)
{
    return IsDiffDayFrom(uPrevANSITime, uNextANSITime, 72000);
}

tint32 TimeManager::GetHour(time_t uANSITime)
{
    tm tmLocal;
    _localtime(uANSITime, tmLocal);
    return tmLocal.tm_hour;
}

tint32 TimeManager::ConvertWDay(tint32 year, tint32 month, tint32 day)
{
    if (month == 1 || month == 2) {
        month += 12;
        year -= 1;
    }
    return (day + 2 * month + 3 * (month + 1) / 5 + year + year / 4 - year / 100 + year / 400 + 1) % 7;
}
