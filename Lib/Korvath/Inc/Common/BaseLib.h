#pragma once
// Lock names and the calendar wrappers over the platform's time calls.

#include "BaseType.h"

#include <boost/thread/locks.hpp>
#include <boost/thread/mutex.hpp>
#include <ctime>

typedef boost::mutex bstMutex;
typedef boost::unique_lock<boost::mutex> bstMutexScopedLock;

// Current calendar time (time()).
time_t _ansitime();
// Local broken-down time of t1 into t2 (re-entrant).
void _localtime(const time_t& t1, tm& t2);
// t2 = mktime(t1).
void _maketime(tm& t1, time_t& t2);
