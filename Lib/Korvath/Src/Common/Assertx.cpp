#include "Assertx.h"

#include "BaseLib.h"

#include <boost/assert.hpp>
#include <cstdio>
#include <cstring>
#include <exception>

namespace {

tint32 s_nWorldID = 65535;

// Built on the first report and deliberately never destroyed: a report made late during
// exit (a log channel's flush in a static destructor) must not lock a dead mutex.
bstMutex& AssertMutex()
{
    static bstMutex* bstAssertMutex = new bstMutex();
    return *bstAssertMutex;
}

const tchar* TextOrEmpty(const tchar* sz)
{
    return sz != nullptr ? sz : "";
}

// Appends szText and the time to this hour's assert log; text for a file that cannot be
// opened is dropped. REQUIRES: AssertMutex held.
void AppendToAssertLog(const tchar* szText)
{
    time_t tNow = _ansitime();
    tm tmNow;
    _localtime(tNow, tmNow);

    tchar szTime[128];
    memset(szTime, 0, sizeof(szTime));
    snprintf(szTime, sizeof(szTime), " (%.4d-%.2d-%.2d_%.2d:%.2d:%.2d)", tmNow.tm_year + 1900,
             tmNow.tm_mon + 1, tmNow.tm_mday, tmNow.tm_hour, tmNow.tm_min, tmNow.tm_sec);
    szTime[sizeof(szTime) - 1] = '\0';

    tchar szFileName[256];
    memset(szFileName, 0, sizeof(szFileName));
    snprintf(szFileName, sizeof(szFileName), "./RuntimeData/%d/Log/assert.%.4d-%.2d-%.2d-%.2d.log",
             s_nWorldID, tmNow.tm_year + 1900, tmNow.tm_mon + 1, tmNow.tm_mday, tmNow.tm_hour);
    szFileName[sizeof(szFileName) - 1] = '\0';

    try {
        FILE* fp = fopen(szFileName, "a+");
        if (fp != nullptr) {
            fwrite(szText, 1, strlen(szText), fp);
            fwrite(szTime, 1, strlen(szTime), fp);
            fwrite("\n", 1, 1, fp);
            fclose(fp);
        }
    } catch (...) {
        // The report goes on whatever happened to the file.
    }
}

}  // namespace

void AssertLogLine(const tchar* szLine)
{
    bstMutexScopedLock lock(AssertMutex());
    AppendToAssertLog(TextOrEmpty(szLine));
    printf("%s\n", TextOrEmpty(szLine));
    fflush(stdout);
}

void InitExceptionModule(tint32 nWorldID)
{
    s_nWorldID = nWorldID;
}

void _do_assert_(const tchar* szFile, tuint32 nLine, const tchar* szFunc, const tchar* szExpr,
                 const tchar* szMsg, bool bReThrow)
{
    bstMutexScopedLock lock(AssertMutex());

    const tchar* szKind = bReThrow ? "Assert" : "Verify";

    tchar szTemp[1024];
    memset(szTemp, 0, sizeof(szTemp));
    snprintf(szTemp, sizeof(szTemp), "\n[%s]\n[%s][%d][%s][%s]\n[%s]", szKind, TextOrEmpty(szFile),
             static_cast<tint32>(nLine), TextOrEmpty(szFunc), TextOrEmpty(szExpr),
             TextOrEmpty(szMsg));
    szTemp[sizeof(szTemp) - 1] = '\0';

    AppendToAssertLog(szTemp);

    printf("%s:%s\n", szKind, szTemp);
    // Flushed here: the thrown report may end the process before stdio is flushed.
    fflush(stdout);

    if (bReThrow) {
        throw 1;
    }
}

namespace {

// Throwing out of a destructor (boost::mutex's BOOST_VERIFY runs in one) or during stack
// unwinding would terminate the process: such a report does not throw.
bool MayThrowFromBoost(const char* szFunction)
{
    if (std::uncaught_exceptions() > 0) {
        return false;
    }
    return szFunction == nullptr || strchr(szFunction, '~') == nullptr;
}

}  // namespace

namespace boost {

void assertion_failed(char const* expr, char const* function, char const* file, long line)
{
    _do_assert_(file, static_cast<tuint32>(line), function, expr, expr, MayThrowFromBoost(function));
}

void assertion_failed_msg(char const* expr, char const* msg, char const* function, char const* file,
                          long line)
{
    _do_assert_(file, static_cast<tuint32>(line), function, expr, msg, MayThrowFromBoost(function));
}

}  // namespace boost
