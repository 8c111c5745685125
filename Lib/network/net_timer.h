#pragma once
// The network library's cached clock.

#include <sys/time.h>

namespace NSNet {

// Holds the time of its last update, so that code turned by one loop reads one clock
// per turn. Used by one thread.
class CNetTimer {
public:
    CNetTimer();

    // Stores gettimeofday in m_currTime.
    void updateCurrTime();
    const timeval& getCurrTime() const { return m_currTime; }

private:
    timeval m_currTime;
};

} // namespace NSNet
