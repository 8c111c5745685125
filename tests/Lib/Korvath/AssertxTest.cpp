#include "Assertx.h"

#include "FoundationTestUtil.h"
#include "TempWorkDir.h"

#include <boost/assert.hpp>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

using FoundationTest::FileHour;
using FoundationTest::Stamp;

namespace {

// Runs fn (which makes exactly one report) and returns the assert log and the console text.
// The stamp and the file hour are checked against the local time around the call.
template <typename Fn>
void RunReport(const TempWorkDir& dir, Fn fn, std::string& strLog, std::string& strConsole,
               time_t& tBefore, time_t& tAfter)
{
    testing::internal::CaptureStdout();
    tBefore = time(nullptr);
    fn();
    tAfter = time(nullptr);
    strConsole = testing::internal::GetCapturedStdout();
    strLog = dir.ReadLogs("assert.");
}

bool EndsWithStampOf(const std::string& strText, const std::string& strBody, time_t t0, time_t t1)
{
    return strText == strBody + Stamp(t0) + "\n" || strText == strBody + Stamp(t1) + "\n";
}

void WrappedInner()
{
    __ENTER_FUNCTION
    Assert(1 + 1 == 3);
    __LEAVE_FUNCTION
}

void WrappedOuter()
{
    __ENTER_FUNCTION
    WrappedInner();
    __LEAVE_FUNCTION
}

bool WrappedThrowing(int nKind)
{
    __ENTER_FUNCTION
    if (nKind == 0) {
        throw std::runtime_error("std text");
    }
    if (nKind == 1) {
        throw std::string("string text");
    }
    if (nKind == 2) {
        throw "literal text";
    }
    throw 3.5;
    __LEAVE_FUNCTION
    return false;
}

bool WrappedNoThrow()
{
    __ENTER_FUNCTION
    throw std::runtime_error("quiet");
    __LEAVE_FUNCTION_NOTHROW
    return false;
}

}  // namespace

TEST(AssertReport, VerifyRecordTextFileAndEcho)
{
    TempWorkDir dir;
    std::string strLog, strConsole;
    time_t t0 = 0, t1 = 0;
    RunReport(
        dir, [] { _do_assert_("Src/Thing.cpp", 42, "void Thing::Do(int)", "n > 0", "bad n", false); },
        strLog, strConsole, t0, t1);

    const std::string strRecord = "\n[Verify]\n[Src/Thing.cpp][42][void Thing::Do(int)][n > 0]\n[bad n]";
    EXPECT_TRUE(EndsWithStampOf(strLog, strRecord, t0, t1)) << strLog;
    EXPECT_EQ(strConsole, "Verify:" + strRecord + "\n");

    // One file, named after the local date and hour, in world 65535's folder.
    const std::string strFiles = dir.ListFiles("RuntimeData/65535/Log");
    EXPECT_TRUE(strFiles == "assert." + FileHour(t0) + ".log\n" ||
                strFiles == "assert." + FileHour(t1) + ".log\n")
        << strFiles;
}

TEST(AssertReport, AContextLineGoesWhereTheReportGoes)
{
    TempWorkDir dir;
    std::string strLog, strConsole;
    time_t t0 = 0, t1 = 0;
    RunReport(dir, [] { AssertLogLine("file.xml: line 3 is broken"); }, strLog, strConsole, t0, t1);
    EXPECT_TRUE(EndsWithStampOf(strLog, "file.xml: line 3 is broken", t0, t1)) << strLog;
    EXPECT_EQ("file.xml: line 3 is broken\n", strConsole);
}

TEST(AssertReport, AssertThrowsIntOneAfterWritingAndEmptyMessageGivesEmptyBrackets)
{
    TempWorkDir dir;
    int nThrown = 0;
    std::string strLog, strConsole;
    time_t t0 = 0, t1 = 0;
    RunReport(
        dir,
        [&] {
            try {
                _do_assert_("a.cpp", 7, "f", "x", "", true);
            } catch (int n) {
                nThrown = n;
            }
        },
        strLog, strConsole, t0, t1);
    EXPECT_EQ(nThrown, 1);
    EXPECT_TRUE(EndsWithStampOf(strLog, "\n[Assert]\n[a.cpp][7][f][x]\n[]", t0, t1)) << strLog;
    EXPECT_EQ(strConsole, "Assert:\n[Assert]\n[a.cpp][7][f][x]\n[]\n");
}

TEST(AssertReport, RecordsAppendToTheSameHourlyFile)
{
    TempWorkDir dir;
    testing::internal::CaptureStdout();
    _do_assert_("a", 1, "f", "e1", "m1", false);
    _do_assert_("b", 2, "g", "e2", "m2", false);
    testing::internal::GetCapturedStdout();
    const std::string strLog = dir.ReadLogs("assert.");
    EXPECT_NE(strLog.find("[a][1][f][e1]\n[m1] ("), std::string::npos);
    EXPECT_LT(strLog.find("[m1]"), strLog.find("[b][2][g][e2]\n[m2] ("));
}

TEST(AssertReport, ReportsInDifferentLocalHoursGoToTwoFiles)
{
    TempWorkDir dir;
    std::string strHourA, strHourB;
    testing::internal::CaptureStdout();
    {
        FoundationTest::ScopedTimeZone zone("UTC0");
        strHourA = FileHour(time(nullptr));
        _do_assert_("a", 1, "f", "first", "", false);
    }
    {
        // POSIX TZ signs are inverted: "UTC-1" is one hour ahead.
        FoundationTest::ScopedTimeZone zone("UTC-1");
        strHourB = FileHour(time(nullptr));
        _do_assert_("b", 2, "g", "second", "", false);
    }
    testing::internal::GetCapturedStdout();
    ASSERT_NE(strHourA, strHourB);
    const std::string strFiles = dir.ListFiles("RuntimeData/65535/Log");
    EXPECT_EQ(std::count(strFiles.begin(), strFiles.end(), '\n'), 2) << strFiles;
    EXPECT_NE(dir.ReadFile("RuntimeData/65535/Log/assert." + strHourA + ".log").find("[first]"),
              std::string::npos)
        << strFiles;
    EXPECT_NE(dir.ReadFile("RuntimeData/65535/Log/assert." + strHourB + ".log").find("[second]"),
              std::string::npos)
        << strFiles;
}

TEST(AssertReport, MissingFolderOnlyEchoes)
{
    TempWorkDir dir(false);
    testing::internal::CaptureStdout();
    EXPECT_THROW(_do_assert_("a", 1, "f", "e", "m", true), int);
    const std::string strConsole = testing::internal::GetCapturedStdout();
    EXPECT_EQ(strConsole, "Assert:\n[Assert]\n[a][1][f][e]\n[m]\n");
    EXPECT_EQ(dir.ListFiles("."), "");
}

TEST(AssertReport, InitExceptionModuleMovesTheLogToItsWorld)
{
    TempWorkDir dir;
    std::filesystem::create_directories(dir.Path() + "/RuntimeData/7/Log");
    InitExceptionModule(7);
    testing::internal::CaptureStdout();
    _do_assert_("a", 1, "f", "e", "m", false);
    testing::internal::GetCapturedStdout();
    InitExceptionModule(65535);
    EXPECT_NE(dir.ListFiles("RuntimeData/7/Log").find("assert."), std::string::npos);
    EXPECT_EQ(dir.ListFiles("RuntimeData/65535/Log"), "");
}

TEST(AssertReport, LongTextsAreCutToTheRecordBuffer)
{
    TempWorkDir dir;
    const std::string strLong(3000, 'm');
    testing::internal::CaptureStdout();
    _do_assert_("a", 1, "f", "e", strLong.c_str(), false);
    const std::string strConsole = testing::internal::GetCapturedStdout();
    // "Verify:" + 1023 characters of record + "\n"
    EXPECT_EQ(strConsole.size(), 7u + 1023u + 1u);
    const std::string strLog = dir.ReadLogs("assert.");
    EXPECT_EQ(strLog.find("mmm ("), 1023u - 3u) << "the stamp follows the cut record";
}

TEST(AssertReport, NullTextsAreReportedAsEmpty)
{
    TempWorkDir dir;
    testing::internal::CaptureStdout();
    _do_assert_(nullptr, 3, nullptr, nullptr, nullptr, false);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Verify:\n[Verify]\n[][3][][]\n[]\n");
}

TEST(AssertReport, GuardedConditionsCarryTheirSourceText)
{
    TempWorkDir dir;
    const int nValue = 5;
    testing::internal::CaptureStdout();
    EXPECT_NO_THROW(Assert(nValue == 5));
    EXPECT_THROW(Assert(nValue == 6), int);
    EXPECT_THROW(AssertEx(nValue < 0, "negative wanted"), int);
    EXPECT_NO_THROW(VerifyEx(nValue > 9, "only a warning"));
    const std::string strConsole = testing::internal::GetCapturedStdout();
    EXPECT_NE(strConsole.find("][nValue == 6]\n[]\n"), std::string::npos) << strConsole;
    EXPECT_NE(strConsole.find("][nValue < 0]\n[negative wanted]\n"), std::string::npos);
    EXPECT_NE(strConsole.find("Verify:\n[Verify]\n["), std::string::npos);
    EXPECT_NE(strConsole.find("][nValue > 9]\n[only a warning]\n"), std::string::npos);
    EXPECT_EQ(strConsole.find("nValue == 5"), std::string::npos);
}

TEST(AssertReport, NestedWrappersReportOncePerLayerInnermostFirst)
{
    TempWorkDir dir;
    testing::internal::CaptureStdout();
    EXPECT_THROW(WrappedOuter(), int);
    const std::string strConsole = testing::internal::GetCapturedStdout();
    const std::string strLog = dir.ReadLogs("assert.");

    const size_t nCond = strLog.find("[void {anonymous}::WrappedInner()][1 + 1 == 3]\n[] (");
    const size_t nInner = strLog.find(
        "[void {anonymous}::WrappedInner()][false]\n[void {anonymous}::WrappedInner()] (");
    const size_t nOuter = strLog.find(
        "[void {anonymous}::WrappedOuter()][false]\n[void {anonymous}::WrappedOuter()] (");
    ASSERT_NE(nCond, std::string::npos) << strLog;
    ASSERT_NE(nInner, std::string::npos) << strLog;
    ASSERT_NE(nOuter, std::string::npos) << strLog;
    EXPECT_LT(nCond, nInner);
    EXPECT_LT(nInner, nOuter);
    size_t nRecords = 0;
    for (size_t n = strConsole.find("Assert:"); n != std::string::npos;
         n = strConsole.find("Assert:", n + 1)) {
        ++nRecords;
    }
    EXPECT_EQ(nRecords, 3u);
}

TEST(AssertReport, WrapperHandlersTakeTheExceptionText)
{
    TempWorkDir dir;
    const struct {
        int nKind;
        const char* szMessage;
    } rows[] = {
        {0, "std text"},
        {1, "string text"},
        {2, "literal text"},
        {3, "bool {anonymous}::WrappedThrowing(int)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.nKind);
        testing::internal::CaptureStdout();
        EXPECT_THROW(WrappedThrowing(row.nKind), int);
        const std::string strConsole = testing::internal::GetCapturedStdout();
        EXPECT_NE(strConsole.find("[bool {anonymous}::WrappedThrowing(int)][false]\n[" +
                                  std::string(row.szMessage) + "]\n"),
                  std::string::npos)
            << strConsole;
    }
}

TEST(AssertReport, NoThrowWrapperReportsVerifyAndReturnsFailureValue)
{
    TempWorkDir dir;
    testing::internal::CaptureStdout();
    bool bResult = true;
    EXPECT_NO_THROW(bResult = WrappedNoThrow());
    const std::string strConsole = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(bResult);
    EXPECT_NE(strConsole.find("Verify:\n[Verify]\n["), std::string::npos);
    EXPECT_NE(strConsole.find("[false]\n[quiet]\n"), std::string::npos);
}

namespace {

struct BoostAssertInDestructor {
    ~BoostAssertInDestructor() { BOOST_ASSERT(m_nZero == 1); }
    int m_nZero = 0;
};

void BoostAssertInFunction(int n)
{
    BOOST_ASSERT_MSG(n > 0, "n must be positive");
}

}  // namespace

TEST(AssertReport, BoostHooksGoToTheReport)
{
    TempWorkDir dir;
    testing::internal::CaptureStdout();
    EXPECT_THROW(boost::assertion_failed("p != 0", "void f()", "f.cpp", 12), int);
    EXPECT_THROW(BoostAssertInFunction(0), int);
    const std::string strConsole = testing::internal::GetCapturedStdout();
    EXPECT_NE(strConsole.find("Assert:\n[Assert]\n[f.cpp][12][void f()][p != 0]\n[p != 0]\n"),
              std::string::npos)
        << strConsole;
    EXPECT_NE(strConsole.find("[n > 0]\n[n must be positive]\n"), std::string::npos) << strConsole;
}

TEST(AssertReport, BoostHooksNeverThrowOutOfADestructor)
{
    TempWorkDir dir;
    testing::internal::CaptureStdout();
    // boost::mutex's destructor verifies pthread_mutex_destroy through BOOST_ASSERT.
    EXPECT_NO_THROW(boost::assertion_failed("!pthread_mutex_destroy(&m)", "boost::mutex::~mutex()",
                                            "mutex.hpp", 60));
    EXPECT_NO_THROW({ BoostAssertInDestructor guard; });
    const std::string strConsole = testing::internal::GetCapturedStdout();
    EXPECT_NE(strConsole.find("Verify:\n[Verify]\n[mutex.hpp][60][boost::mutex::~mutex()]"),
              std::string::npos)
        << strConsole;
    EXPECT_NE(strConsole.find("BoostAssertInDestructor::~BoostAssertInDestructor()][m_nZero == 1]"),
              std::string::npos)
        << strConsole;
}

namespace {

// The thrown report cannot pass a noexcept function: the process ends as on an uncaught report.
void ReportAndTerminate() noexcept
{
    _do_assert_("main.cpp", 9, "int main()", "ptr != nullptr", "", true);
}

// Makes a report from a static destructor that runs after those of statics built later.
struct LateReporter {
    ~LateReporter() { _do_assert_("late.cpp", 1, "~LateReporter", "late", "at exit", false); }
};

}  // namespace

TEST(AssertReportDeathTest, ReportFromAStaticDestructorAtExitStillWorks)
{
    TempWorkDir dir;
    EXPECT_EXIT(
        {
            if (freopen("/dev/null", "w", stdout) == nullptr) {
                std::exit(2);
            }
            // Built before the first report, so destroyed after anything that report built.
            static LateReporter s_late;
            _do_assert_("early.cpp", 1, "f", "early", "", false);
            std::exit(0);
        },
        testing::ExitedWithCode(0), "");
    const std::string strLog = dir.ReadLogs("assert.");
    EXPECT_NE(strLog.find("[late.cpp][1][~LateReporter][late]\n[at exit] ("), std::string::npos)
        << strLog;
}

TEST(AssertReportDeathTest, EchoSurvivesAnUncaughtReportWithRedirectedStdout)
{
    TempWorkDir dir;
    const std::string strOut = dir.Path() + "/stdout.txt";
    EXPECT_DEATH(
        {
            int fd = open(strOut.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(fd, 1);
            close(fd);
            ReportAndTerminate();
        },
        "");
    EXPECT_EQ(dir.ReadFile("stdout.txt"), "Assert:\n[Assert]\n[main.cpp][9][int main()][ptr != nullptr]\n[]\n");
}
