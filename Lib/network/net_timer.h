#pragma once
// The network library's cached clock and a timer scheduler turned by its owner's loop.

#include "BaseType.h"

#include <boost/function.hpp>
#include <sys/time.h>

namespace NSNet {

// Runs jobs at given times: submit queues a job, each tick runs the jobs that are due.
// Holds the time of its last tick, so that code turned by one loop reads one clock per
// turn. Owns its tasks (deleted when they end or with the timer). Used by one thread.
class CNetTimer {
public:
    // One job: due at m_baseTime, then every m_diffTime while the job returns true (a zero
    // interval runs it once). Owned by its timer's heap; m_scene is that timer.
    class CTimerTask {
    public:
        CTimerTask(const boost::function<bool()>& job, const timeval& baseTime, const timeval& diffTime,
                   CNetTimer* scene);

        // True once the task has nothing more to run.
        bool isStop() const { return m_timer.empty(); }
        // Runs the job: true when the task runs again later; false when it has ended (the
        // job returned false, or the task has no interval).
        bool OnTimer();
        // The next due time: one interval later, or one interval after now when the task
        // has fallen behind (missed runs are skipped, not run in a burst).
        void addInterval();
        // Brings tv_usec into [0, 1000000) by moving whole seconds.
        static void adjustTimeval(timeval& tv);
        // Milliseconds from the timer's clock to the due time; 0 when due.
        tint64 getRemainMillSecond() const;
        // Due later than other.
        bool operator>(const CTimerTask& other) const;

        const timeval& getBaseTime() const { return m_baseTime; }

    private:
        boost::function<bool()> m_timer;
        timeval m_baseTime;
        timeval m_diffTime;
        CNetTimer* m_scene;
    };

    // Min-heap of task pointers, earliest due first. Holds the pointers only; the timer
    // deletes the tasks.
    class CTimerHeap {
    public:
        CTimerHeap();
        ~CTimerHeap();
        CTimerHeap(const CTimerHeap&) = delete;
        CTimerHeap& operator=(const CTimerHeap&) = delete;

        // false when no room could be had (the heap is unchanged then).
        bool push(CTimerTask* task);
        // The earliest task; null when empty.
        CTimerTask* front() const { return m_size != 0 ? m_dataArray[0] : nullptr; }
        // Removes and returns the earliest task; null when empty.
        CTimerTask* popFront();
        // Room for capacity pointers: false when it cannot be had.
        bool reserve(tuint32 capacity);
        // Forgets every pointer (deletes nothing).
        void clear() { m_size = 0; }
        tuint32 size() const { return m_size; }
        bool empty() const { return m_size == 0; }

    private:
        void shiftUp(tuint32 index);
        void shiftDown(tuint32 index);

        CTimerTask** m_dataArray;
        tuint32 m_size;
        tuint32 m_capacity;
    };

    CNetTimer();
    ~CNetTimer();
    CNetTimer(const CNetTimer&) = delete;
    CNetTimer& operator=(const CNetTimer&) = delete;

    // Updates the clock and runs every task due by then, earliest first, each at most once
    // (tasks submitted meanwhile wait for the next tick); the number of jobs run. A job
    // that throws ends its task; the exception goes on to the caller.
    int tick();
    // Stores gettimeofday in m_currTime.
    void updateCurrTime();
    const timeval& getCurrTime() const { return m_currTime; }
    // Queues job to run delayMs from now, then every intervalMs while it returns true
    // (intervalMs <= 0: once). Negative delays count as 0. false for an empty job or when
    // no room could be had.
    bool submit(const boost::function<bool()>& job, int delayMs, int intervalMs);

private:
    timeval m_currTime;
    CTimerHeap m_heap;
};

} // namespace NSNet
