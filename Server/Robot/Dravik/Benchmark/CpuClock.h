#pragma once
// The processor time of the whole process in milliseconds, as clock() gives it, with the
// system call left out where its answer is already known.
//
// clock() is a system call (about 1.3 us on a virtual machine), and every player reads it
// after every request, sent or dropped: at 1,000 players that is milliseconds per pass.
// The wall clock (CLOCK_MONOTONIC) is read without one. The process cannot gain more
// processor time than the wall time that passes times the number of processors, so after
// a reading of c microseconds, taken no earlier than wall time w, clock() cannot leave
// c's millisecond before the wall clock reaches
//
//     w + (rest of c's millisecond) / processors
//
// and until then the answer is c's millisecond without a call.
//
// Never ahead of clock(). The kernel adds the time of the process's other running threads
// (one worker per server) only at their scheduler ticks, so clock() itself trails their
// work by up to a tick each; a reading from here trails clock() by no more than that.
//
// Threads: an object belongs to one thread; MilliSeconds() keeps one per thread.
#include "BaseType.h"

class CpuClock {
public:
    struct Source {
        tint64 (*pClock)();     // as clock(): microseconds, negative when unavailable
        tint64 (*pWallNanos)(); // a monotonic wall clock in nanoseconds
        tuint32 nProcessors;    // at least the processors the process can run on at once
    };

    explicit CpuClock(const Source& source);

    // clock() * 1000 / 1000000 in signed 64 bits, as a millisecond count.
    tuint64 Read();
    // How many times Read called the source's clock.
    tuint64 ClockCalls() const { return m_nClockCalls; }

    // clock() and CLOCK_MONOTONIC, with one processor more than are configured: the
    // scheduler's clock and the wall clock may run at slightly different rates.
    static Source SystemSource();
    // Read() of this thread's clock over SystemSource().
    static tuint64 MilliSeconds();

private:
    Source m_source;
    tint64 m_nMicros;       // the last reading of pClock
    tint64 m_nKnownUntil;   // wall time until which its millisecond stands (minimum: none)
    tuint64 m_nClockCalls;
};
