#include "BaseLib.h"

#include <cstring>

time_t _ansitime()
{
    return time(nullptr);
}

void _localtime(const time_t& t1, tm& t2)
{
    tm tmLocal;
    memset(&tmLocal, 0, sizeof(tmLocal));
    localtime_r(&t1, &tmLocal);
    t2 = tmLocal;
}

void _maketime(tm& t1, time_t& t2)
{
    t2 = mktime(&t1);
}
