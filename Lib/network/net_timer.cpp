#include "net_timer.h"

#include <cstdlib>
#include <memory>
#include <new>
#include <utility>

namespace NSNet {

namespace {

tint64 Micros(const timeval& tv) { return static_cast<tint64>(tv.tv_sec) * 1000000 + tv.tv_usec; }

timeval FromMillis(int ms) {
    timeval tv;
    tv.tv_sec = ms > 0 ? ms / 1000 : 0;
    tv.tv_usec = ms > 0 ? (ms % 1000) * 1000 : 0;
    return tv;
}

timeval Sum(const timeval& a, const timeval& b) {
    timeval tv;
    tv.tv_sec = a.tv_sec + b.tv_sec;
    tv.tv_usec = a.tv_usec + b.tv_usec;
    CNetTimer::CTimerTask::adjustTimeval(tv);
    return tv;
}

} // namespace

// ---- CTimerTask -----------------------------------------------------------

CNetTimer::CTimerTask::CTimerTask(const boost::function<bool()>& job, const timeval& baseTime,
                                  const timeval& diffTime, CNetTimer* scene)
    : m_timer(job), m_baseTime(baseTime), m_diffTime(diffTime), m_scene(scene) {}

bool CNetTimer::CTimerTask::OnTimer() {
    if (m_timer.empty()) {
        return false;
    }
    if (!m_timer() || Micros(m_diffTime) <= 0) {
        m_timer.clear();
        return false;
    }
    return true;
}

void CNetTimer::CTimerTask::addInterval() {
    m_baseTime = Sum(m_baseTime, m_diffTime);
    if (m_scene != nullptr && Micros(m_baseTime) <= Micros(m_scene->getCurrTime())) {
        m_baseTime = Sum(m_scene->getCurrTime(), m_diffTime);
    }
}

void CNetTimer::CTimerTask::adjustTimeval(timeval& tv) {
    tv.tv_sec += tv.tv_usec / 1000000;
    tv.tv_usec %= 1000000;
    if (tv.tv_usec < 0) {
        tv.tv_usec += 1000000;
        tv.tv_sec -= 1;
    }
}

tint64 CNetTimer::CTimerTask::getRemainMillSecond() const {
    timeval now;
    if (m_scene != nullptr) {
        now = m_scene->getCurrTime();
    } else {
        ::gettimeofday(&now, nullptr);
    }
    const tint64 remain = Micros(m_baseTime) - Micros(now);
    return remain > 0 ? (remain + 999) / 1000 : 0; // a task not yet due never reads 0
}

bool CNetTimer::CTimerTask::operator>(const CTimerTask& other) const {
    return Micros(m_baseTime) > Micros(other.m_baseTime);
}

// ---- CTimerHeap -----------------------------------------------------------

CNetTimer::CTimerHeap::CTimerHeap() : m_dataArray(nullptr), m_size(0), m_capacity(0) {}

CNetTimer::CTimerHeap::~CTimerHeap() { std::free(m_dataArray); }

bool CNetTimer::CTimerHeap::reserve(tuint32 capacity) {
    if (capacity <= m_capacity) {
        return true;
    }
    void* block = std::realloc(m_dataArray, static_cast<size_t>(capacity) * sizeof(CTimerTask*));
    if (block == nullptr) {
        return false;
    }
    m_dataArray = static_cast<CTimerTask**>(block);
    m_capacity = capacity;
    return true;
}

bool CNetTimer::CTimerHeap::push(CTimerTask* task) {
    if (task == nullptr) {
        return false;
    }
    if (m_size == m_capacity) {
        if (m_capacity > 0x7FFFFFFFu || !reserve(m_capacity != 0 ? m_capacity * 2 : 16)) {
            return false;
        }
    }
    m_dataArray[m_size] = task;
    shiftUp(m_size);
    ++m_size;
    return true;
}

CNetTimer::CTimerTask* CNetTimer::CTimerHeap::popFront() {
    if (m_size == 0) {
        return nullptr;
    }
    CTimerTask* first = m_dataArray[0];
    --m_size;
    if (m_size != 0) {
        m_dataArray[0] = m_dataArray[m_size];
        shiftDown(0);
    }
    return first;
}

void CNetTimer::CTimerHeap::shiftUp(tuint32 index) {
    while (index > 0) {
        const tuint32 parent = (index - 1) / 2;
        if (!(*m_dataArray[parent] > *m_dataArray[index])) {
            break;
        }
        std::swap(m_dataArray[parent], m_dataArray[index]);
        index = parent;
    }
}

void CNetTimer::CTimerHeap::shiftDown(tuint32 index) {
    for (;;) {
        const tuint64 left = static_cast<tuint64>(index) * 2 + 1;
        if (left >= m_size) {
            break;
        }
        tuint32 child = static_cast<tuint32>(left);
        if (child + 1 < m_size && *m_dataArray[child] > *m_dataArray[child + 1]) {
            ++child;
        }
        if (!(*m_dataArray[index] > *m_dataArray[child])) {
            break;
        }
        std::swap(m_dataArray[index], m_dataArray[child]);
        index = child;
    }
}

// ---- CNetTimer ------------------------------------------------------------

CNetTimer::CNetTimer() { updateCurrTime(); }

CNetTimer::~CNetTimer() {
    while (CTimerTask* task = m_heap.popFront()) {
        delete task;
    }
}

void CNetTimer::updateCurrTime() { ::gettimeofday(&m_currTime, nullptr); }

bool CNetTimer::submit(const boost::function<bool()>& job, int delayMs, int intervalMs) {
    if (job.empty()) {
        return false;
    }
    timeval now;
    ::gettimeofday(&now, nullptr);
    CTimerTask* task = new (std::nothrow) CTimerTask(job, Sum(now, FromMillis(delayMs)), FromMillis(intervalMs), this);
    if (task == nullptr) {
        return false;
    }
    if (!m_heap.push(task)) {
        delete task;
        return false;
    }
    return true;
}

int CNetTimer::tick() {
    updateCurrTime();
    const tint64 now = Micros(m_currTime);
    // Only the tasks held when the tick starts: a job that submits jobs cannot keep it going.
    tuint32 budget = m_heap.size();
    int ran = 0;
    while (budget-- > 0) {
        CTimerTask* front = m_heap.front();
        if (front == nullptr || Micros(front->getBaseTime()) > now) {
            break;
        }
        std::unique_ptr<CTimerTask> task(m_heap.popFront());
        ++ran;
        if (task->OnTimer()) {
            task->addInterval();
            if (m_heap.push(task.get())) {
                task.release();
            }
        }
    }
    return ran;
}

} // namespace NSNet
