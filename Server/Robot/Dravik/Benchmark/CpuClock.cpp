#include "CpuClock.h"

#include <ctime>
#include <limits>
#include <unistd.h>

namespace {

tint64 SystemClock()
{
    return static_cast<tint64>(clock());
}

tint64 SystemWallNanos()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<tint64>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

} // namespace

CpuClock::CpuClock(const Source& source)
    : m_source(source), m_nMicros(0), m_nKnownUntil(std::numeric_limits<tint64>::min()), m_nClockCalls(0)
{
    if (m_source.nProcessors == 0) {
        m_source.nProcessors = 1;
    }
}

tuint64 CpuClock::Read()
{
    // Taken before the clock: the reading below is no earlier than this.
    const tint64 nWall = m_source.pWallNanos();
    if (nWall >= m_nKnownUntil) {
        m_nMicros = m_source.pClock();
        ++m_nClockCalls;
        if (m_nMicros >= 0) {
            // clock() drops the nanoseconds: the processor time is below m_nMicros + 1 us,
            // and its millisecond ends (999 - m_nMicros % 1000) us after that.
            const tint64 nRestNanos = (999 - m_nMicros % 1000) * 1000;
            m_nKnownUntil = nWall + nRestNanos / static_cast<tint64>(m_source.nProcessors);
        } else {
            m_nKnownUntil = std::numeric_limits<tint64>::min(); // nothing kept: ask again
        }
    }
    return static_cast<tuint64>(m_nMicros * 1000 / 1000000);
}

CpuClock::Source CpuClock::SystemSource()
{
    const long nConfigured = sysconf(_SC_NPROCESSORS_CONF);
    Source source;
    source.pClock = &SystemClock;
    source.pWallNanos = &SystemWallNanos;
    source.nProcessors = static_cast<tuint32>(nConfigured > 0 ? nConfigured : 1024) + 1;
    return source;
}

tuint64 CpuClock::MilliSeconds()
{
    static thread_local CpuClock s_clock(SystemSource());
    return s_clock.Read();
}
