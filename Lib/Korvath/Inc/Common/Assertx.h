#pragma once
// The single failure report and the two ways code reaches it.
//
// _do_assert_ appends one record to ./RuntimeData/<world>/Log/assert.<date-hour>.log,
// echoes it on stdout and, when bReThrow is set, throws the int 1.
// Any thread may report; one process-wide mutex serialises the reports.

#include "BaseType.h"

#include <exception>
#include <string>

void _do_assert_(const tchar* szFile, tuint32 nLine, const tchar* szFunc, const tchar* szExpr,
                 const tchar* szMsg, bool bReThrow);

// One line of context for a report that follows (which file, what its parser said):
// appended to the assert log with the time and echoed on stdout, like a report.
void AssertLogLine(const tchar* szLine);

// Sets the world id of the assert log's folder (65535 until called). Start-up only.
void InitExceptionModule(tint32 nWorldID);

// Guarded conditions: the condition's source text becomes the report's expression.
#define Assert(expr) \
    ((expr) ? (void)0 : _do_assert_(__FILE__, __LINE__, __PRETTY_FUNCTION__, #expr, "", true))
#define AssertEx(expr, msg) \
    ((expr) ? (void)0 : _do_assert_(__FILE__, __LINE__, __PRETTY_FUNCTION__, #expr, (msg), true))
#define VerifyEx(expr, msg) \
    ((expr) ? (void)0 : _do_assert_(__FILE__, __LINE__, __PRETTY_FUNCTION__, #expr, (msg), false))

// Catch-and-report wrapper: the whole body is one try block; whatever escapes becomes a
// report ("false", with the exception's text or the function's signature) on one line.
#define __ENTER_FUNCTION try {

#define KORVATH_LEAVE_FUNCTION_IMPL(bReThrow)                                           \
    } catch (const std::exception& rKorvathErr) {                                       \
        _do_assert_(__FILE__, __LINE__, __PRETTY_FUNCTION__, "false", rKorvathErr.what(), \
                    bReThrow);                                                          \
    } catch (const std::string& rKorvathText) {                                         \
        _do_assert_(__FILE__, __LINE__, __PRETTY_FUNCTION__, "false",                   \
                    rKorvathText.c_str(), bReThrow);                                    \
    } catch (const char* szKorvathText) {                                               \
        _do_assert_(__FILE__, __LINE__, __PRETTY_FUNCTION__, "false", szKorvathText,    \
                    bReThrow);                                                          \
    } catch (...) {                                                                     \
        _do_assert_(__FILE__, __LINE__, __PRETTY_FUNCTION__, "false", __PRETTY_FUNCTION__, \
                    bReThrow);                                                          \
    }

#define __LEAVE_FUNCTION KORVATH_LEAVE_FUNCTION_IMPL(true)
#define __LEAVE_FUNCTION_NOTHROW KORVATH_LEAVE_FUNCTION_IMPL(false)
