#pragma once
// Local-time texts for the foundation's tests, built with strftime (not with the code
// under test), and a pin for the process's time zone.

#include <cstdlib>
#include <ctime>
#include <string>

namespace FoundationTest {

inline std::string LocalText(time_t t, const char* szFmt)
{
    tm tmLocal;
    localtime_r(&t, &tmLocal);
    char buf[64];
    strftime(buf, sizeof(buf), szFmt, &tmLocal);
    return buf;
}

// " (YYYY-MM-DD_HH:MM:SS)", the stamp that follows a record.
inline std::string Stamp(time_t t)
{
    return " (" + LocalText(t, "%Y-%m-%d_%H:%M:%S") + ")";
}

// "YYYY-MM-DD-HH", the date and hour part of a file name.
inline std::string FileHour(time_t t)
{
    return LocalText(t, "%Y-%m-%d-%H");
}

// Sets TZ for the life of the object, restoring the previous value afterwards.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* szTz)
    {
        const char* szOld = getenv("TZ");
        m_bHadOld = szOld != nullptr;
        if (m_bHadOld) {
            m_strOld = szOld;
        }
        setenv("TZ", szTz, 1);
        tzset();
    }
    ~ScopedTimeZone()
    {
        if (m_bHadOld) {
            setenv("TZ", m_strOld.c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    bool m_bHadOld = false;
    std::string m_strOld;
};

}  // namespace FoundationTest
