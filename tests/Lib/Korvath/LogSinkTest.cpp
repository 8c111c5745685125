#include "LogSink.h"

#include "FoundationTestUtil.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

using FoundationTest::FileHour;
using FoundationTest::LocalText;
using FoundationTest::Stamp;

namespace {

typedef LogSink<32768> Sink;

// Replaces every time stamp of the four formats by a fixed word.
std::string MaskStamps(const std::string& strText)
{
    static const std::regex s_stamp(
        R"(\d{4}-\d\d-\d\d[_ ]\d\d:\d\d:\d\d)");
    return std::regex_replace(strText, s_stamp, "STAMP");
}

std::string s_strStatSeen;
int s_nStatCalls = 0;

tint32 RecordStat(const tchar* szStat)
{
    s_strStatSeen = szStat;
    ++s_nStatCalls;
    return 0;
}

tint32 ThrowingStat(const tchar*)
{
    throw std::runtime_error("stat sink down");
}

}  // namespace

TEST(LogChannel, NormalRecordThroughDiskLogIsWrittenAtOnce)
{
    TempWorkDir dir;
    time_t t0 = time(nullptr);
    Sink sink("Channel", LogFormatType::NORMAL, nullptr);
    DiskLog(sink, "abc");
    time_t t1 = time(nullptr);

    EXPECT_TRUE(std::string(sink.GetFilePath()) ==
                    "./RuntimeData/65535/Log/Channel." + FileHour(t0) + ".log" ||
                std::string(sink.GetFilePath()) ==
                    "./RuntimeData/65535/Log/Channel." + FileHour(t1) + ".log")
        << sink.GetFilePath();
    const std::string strFile = dir.ReadFile(sink.GetFilePath());
    EXPECT_TRUE(strFile == "abc" + Stamp(t0) + "\n" || strFile == "abc" + Stamp(t1) + "\n")
        << strFile;
    EXPECT_EQ(sink.GetBufferedLength(), 0);
}

TEST(LogChannel, RecordLayoutsAndFileNamesPerFormat)
{
    TempWorkDir dir;
    const struct {
        tint32 nType;
        const char* szName;
        const char* szFileTail;  // after "<name>."
        const char* szFile;      // what one record "abc" leaves, stamps masked
    } rows[] = {
        {LogFormatType::NORMAL, "N", ".log", "abc (STAMP)\n"},
        {LogFormatType::AUDIT, "A", ".log", "abc \x01 (STAMP)\n"},
        {LogFormatType::CMBI, "C", "", "STAMP\x01" "abc\n"},
        {LogFormatType::STAT, "S", ".log", "[STAMP]abc\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.szName);
        time_t t0 = time(nullptr);
        Sink sink(row.szName, row.nType, nullptr);
        time_t t1 = time(nullptr);
        const std::string strPath = sink.GetFilePath();
        const std::string strHour = (strPath.find(FileHour(t0)) != std::string::npos) ? FileHour(t0)
                                                                                      : FileHour(t1);
        if (row.nType == LogFormatType::CMBI) {
            EXPECT_EQ(strPath, "./RuntimeData/65535/Log/C.log." + strHour);
        } else {
            EXPECT_EQ(strPath, "./RuntimeData/65535/Log/" + std::string(row.szName) + "." + strHour +
                                   row.szFileTail);
        }
        DiskLog(sink, "abc");
        EXPECT_EQ(MaskStamps(dir.ReadFile(strPath)), row.szFile);
    }
}

TEST(LogChannel, EachFormatStampsWithItsOwnSeparators)
{
    // The masked layouts above accept either separator between date and time.
    TempWorkDir dir;
    const struct {
        tint32 nType;
        const char* szName;
        const char* szRecord;  // strftime pattern of the file after one record "abc"
    } rows[] = {
        {LogFormatType::NORMAL, "N", "abc (%Y-%m-%d_%H:%M:%S)\n"},
        {LogFormatType::AUDIT, "A", "abc \x01 (%Y-%m-%d_%H:%M:%S)\n"},
        {LogFormatType::CMBI, "C", "%Y-%m-%d %H:%M:%S\x01" "abc\n"},
        {LogFormatType::STAT, "S", "[%Y-%m-%d %H:%M:%S]abc\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.szName);
        Sink sink(row.szName, row.nType, nullptr);
        time_t t0 = time(nullptr);
        DiskLog(sink, "abc");
        time_t t1 = time(nullptr);
        const std::string strFile = dir.ReadFile(sink.GetFilePath());
        EXPECT_TRUE(strFile == LocalText(t0, row.szRecord) || strFile == LocalText(t1, row.szRecord))
            << strFile;
    }
}

TEST(LogChannel, StatRecordsGoToTheCallBackWithTheSplitter)
{
    TempWorkDir dir;
    s_strStatSeen.clear();
    s_nStatCalls = 0;
    Sink sink("Stat", LogFormatType::STAT, &RecordStat);
    sink.Log("first", false);
    sink.Log("second", false);
    EXPECT_EQ(s_nStatCalls, 0);
    sink.Flush();
    EXPECT_EQ(s_nStatCalls, 1);
    EXPECT_EQ(MaskStamps(s_strStatSeen),
              "[STAMP]first__cn_qv_game_server_splitter__[STAMP]second");
    EXPECT_EQ(MaskStamps(dir.ReadFile(sink.GetFilePath())), "[STAMP]first\n[STAMP]second\n");
    // The side buffer was emptied: the next batch starts without a splitter.
    DiskLog(sink, "third");
    EXPECT_EQ(MaskStamps(s_strStatSeen), "[STAMP]third");
}

TEST(LogChannel, StatSideBufferWithoutCallBackKeepsFillingUpTo98303Characters)
{
    TempWorkDir dir;
    Sink sink("StatKeep", LogFormatType::STAT, nullptr);
    DiskLog(sink, "first");
    DiskLog(sink, "second");
    EXPECT_EQ(MaskStamps(dir.ReadFile(sink.GetFilePath())), "[STAMP]first\n[STAMP]second\n");
    // Nobody takes the side buffer, so the flushes leave it as it is.
    ASSERT_NE(sink.GetStatBuffer(), nullptr);
    EXPECT_EQ(MaskStamps(sink.GetStatBuffer()->GetCText()),
              "[STAMP]first__cn_qv_game_server_splitter__[STAMP]second");

    // 50 records of 4021 characters and their splitters: far beyond the room, cut silently.
    const std::string strText(4000, 's');
    for (int i = 0; i < 50; ++i) {
        sink.Log(strText.c_str(), false);
    }
    EXPECT_EQ(sink.GetStatBuffer()->GetLength(), 98303);

    Sink plain("NoSide", LogFormatType::NORMAL, nullptr);
    EXPECT_EQ(plain.GetStatBuffer(), nullptr);
}

TEST(LogChannel, BufferFlushesFirstWhenARecordMightNotFit)
{
    // A NORMAL record is its text plus a 23-character stamp and line end.
    const std::string strText4072(4072, 'a');  // 4095-character record
    const std::string strText4000(4000, 'b');  // 4023
    for (size_t nLastText : {size_t(56), size_t(55)}) {  // 79 -> 28672 buffered, 78 -> 28671
        SCOPED_TRACE(nLastText);
        TempWorkDir dir;
        Sink sink("Fill", LogFormatType::NORMAL, nullptr);
        for (int i = 0; i < 6; ++i) {
            sink.Log(strText4072.c_str(), false);
        }
        sink.Log(strText4000.c_str(), false);
        sink.Log(std::string(nLastText, 'c').c_str(), false);
        const tint32 nBuffered = sink.GetBufferedLength();
        EXPECT_EQ(nBuffered, nLastText == 56 ? 28672 : 28671);
        EXPECT_EQ(dir.ReadFile(sink.GetFilePath()), "");

        sink.Log("next", false);
        if (nBuffered == 28672) {
            EXPECT_EQ(dir.ReadFile(sink.GetFilePath()).size(), 28672u);
            EXPECT_EQ(sink.GetBufferedLength(), 4 + 23);
        } else {
            EXPECT_EQ(dir.ReadFile(sink.GetFilePath()), "");
            EXPECT_EQ(sink.GetBufferedLength(), 28671 + 4 + 23);
        }
    }
}

TEST(LogChannel, OverLongRecordKeepsItsStampAndLineEnd)
{
    TempWorkDir dir;
    const std::string strLong(5000, 'x');
    const struct {
        tint32 nType;
        std::string strExpected;
    } rows[] = {
        // 4095 characters in all: 4072 of text, then the 23 of stamp and line end.
        {LogFormatType::NORMAL, std::string(4072, 'x') + " (STAMP)\n"},
        {LogFormatType::AUDIT, std::string(4070, 'x') + " \x01 (STAMP)\n"},
        {LogFormatType::CMBI, "STAMP\x01" + std::string(4074, 'x') + "\n"},
        {LogFormatType::STAT, "[STAMP]" + std::string(4074, 'x') + "\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.nType);
        Sink sink(("Long" + std::to_string(row.nType)).c_str(), row.nType, nullptr);
        DiskLog(sink, strLong.c_str());
        const std::string strFile = dir.ReadFile(sink.GetFilePath());
        EXPECT_EQ(MaskStamps(strFile), row.strExpected);
        // Two more records still start on lines of their own.
        DiskLog(sink, strLong.c_str());
        DiskLog(sink, "short");
        EXPECT_EQ(dir.ReadFile(sink.GetFilePath()).find("xshort"), std::string::npos);
    }
}

TEST(LogChannel, NullTextChangesNothingAndMissingFolderDropsTheBuffer)
{
    TempWorkDir dir(false);
    Sink sink("Gone", LogFormatType::NORMAL, nullptr);
    sink.Log(nullptr, true);
    EXPECT_EQ(sink.GetBufferedLength(), 0);
    sink.Log("lost", false);
    EXPECT_GT(sink.GetBufferedLength(), 0);
    sink.Flush();
    EXPECT_EQ(sink.GetBufferedLength(), 0);
    EXPECT_EQ(dir.ListFiles("."), "");
}

TEST(LogChannel, CacheLogChecksArgumentsAndBuffersUntilFlush)
{
    TempWorkDir dir;
    Sink sink("Cache", LogFormatType::NORMAL, nullptr);
    CacheLog(sink, "connect %s:%u", "127.0.0.1", 3306u);
    CacheLog(sink, "session %u %u %u %s", 1u, 2u, 3u, "closed");
    CacheLog(sink, "code %d", 5);
    CacheLog(sink, "wrong %s", 5);
    CacheLog(sink, "wide %ld", 5);
    EXPECT_EQ(dir.ReadFile(sink.GetFilePath()), "");
    sink.Flush();
    EXPECT_EQ(MaskStamps(dir.ReadFile(sink.GetFilePath())),
              "connect 127.0.0.1:3306 (STAMP)\n"
              "session 1 2 3 closed (STAMP)\n"
              "code 5 (STAMP)\n"
              "wrong  @format:0,value_as_pointer  (STAMP)\n"
              "wide  @format:0,value_mismatch  (STAMP)\n");
}

namespace {

// Stands in for a channel: keeps the text CacheLog hands on.
struct TextCatcher {
    std::string strText;
    bool bFlush = true;
    void Log(const tchar* szLog, bool bFlushNow)
    {
        strText = szLog;
        bFlush = bFlushNow;
    }
};

}  // namespace

TEST(LogChannel, CacheLogFormatsIntoA4096ByteBuffer)
{
    // A channel's own cut (a record's 4095 characters include its stamp) hides this one.
    const struct {
        size_t nText;
        size_t nPassed;
    } rows[] = {{4094, 4094}, {4095, 4095}, {4096, 4095}, {9000, 4095}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.nText);
        TextCatcher catcher;
        CacheLog(catcher, "%s", std::string(row.nText, 'x').c_str());
        EXPECT_EQ(catcher.strText, std::string(row.nPassed, 'x'));
        EXPECT_FALSE(catcher.bFlush);
    }
}

TEST(LogChannel, DestructorWritesWhatIsLeft)
{
    TempWorkDir dir;
    std::string strPath;
    {
        Sink sink("Exit", LogFormatType::NORMAL, nullptr);
        sink.Log("pending", false);
        strPath = sink.GetFilePath();
        EXPECT_EQ(dir.ReadFile(strPath), "");
    }
    EXPECT_EQ(MaskStamps(dir.ReadFile(strPath)), "pending (STAMP)\n");
}

TEST(LogChannel, InitMovesTheChannelToAnotherWorld)
{
    TempWorkDir dir;
    Sink sink("SNet", LogFormatType::NORMAL, nullptr);
    const std::string strOld = sink.GetFilePath();
    ASSERT_EQ(strOld.rfind("./RuntimeData/65535/Log/SNet.", 0), 0u) << strOld;
    sink.Init(7);
    const std::string strNew = sink.GetFilePath();
    EXPECT_EQ(strNew.rfind("./RuntimeData/7/Log/SNet.", 0), 0u) << strNew;
}

TEST(LogChannel, FileStaysThatOfTheHourTheChannelWasBuiltIn)
{
    TempWorkDir dir;
    std::string strBuiltHour;
    std::unique_ptr<Sink> pSink;
    {
        FoundationTest::ScopedTimeZone zone("UTC0");
        strBuiltHour = FileHour(time(nullptr));
        pSink.reset(new Sink("SNet", LogFormatType::NORMAL, nullptr));
    }
    // Records logged at another local hour still go to the file of the building hour.
    FoundationTest::ScopedTimeZone later("UTC-5");
    ASSERT_NE(FileHour(time(nullptr)), strBuiltHour);
    DiskLog(*pSink, "later");
    const std::string strPath = "./RuntimeData/65535/Log/SNet." + strBuiltHour + ".log";
    EXPECT_EQ(pSink->GetFilePath(), strPath);
    EXPECT_EQ(MaskStamps(dir.ReadFile(strPath)), "later (STAMP)\n");
}

TEST(LogChannel, LongNameIsCutAt63Characters)
{
    TempWorkDir dir;
    const std::string strName(80, 'n');
    Sink sink(strName.c_str(), LogFormatType::NORMAL, nullptr);
    EXPECT_EQ(std::string(sink.GetLogName()), std::string(63, 'n'));
}

TEST(LogChannel, UnknownFormatTypeIsReported)
{
    TempWorkDir dir;
    testing::internal::CaptureStdout();
    EXPECT_THROW(Sink("Bad", 9, nullptr), int);
    const std::string strConsole = testing::internal::GetCapturedStdout();
    // The guarded condition, then the wrapper's report naming the function.
    const size_t nCond = strConsole.find("RebuildFilePath() [with int _BufSize = 32768]][false]\n[]\n");
    const size_t nWrap = strConsole.find(
        "RebuildFilePath() [with int _BufSize = 32768]][false]\n"
        "[void LogSink<_BufSize>::RebuildFilePath() [with int _BufSize = 32768]]\n");
    ASSERT_NE(nCond, std::string::npos) << strConsole;
    ASSERT_NE(nWrap, std::string::npos) << strConsole;
    EXPECT_LT(nCond, nWrap);
}

TEST(LogChannel, FailingCallBackIsReportedAsVerifyAndDoesNotThrow)
{
    TempWorkDir dir;
    Sink sink("StatFail", LogFormatType::STAT, &ThrowingStat);
    testing::internal::CaptureStdout();
    EXPECT_NO_THROW(DiskLog(sink, "rec"));
    const std::string strConsole = testing::internal::GetCapturedStdout();
    EXPECT_NE(strConsole.find("Verify:\n[Verify]\n["), std::string::npos) << strConsole;
    EXPECT_NE(strConsole.find("[false]\n[stat sink down]\n"), std::string::npos) << strConsole;
    EXPECT_EQ(MaskStamps(dir.ReadFile(sink.GetFilePath())), "[STAMP]rec\n");
}

TEST(LogChannel, RecordsOfManyThreadsNeverInterleave)
{
    TempWorkDir dir;
    const int nThreads = 4;
    const int nLines = 300;
    {
        Sink sink("Threads", LogFormatType::NORMAL, nullptr);
        std::vector<std::thread> threads;
        for (int t = 0; t < nThreads; ++t) {
            threads.emplace_back([&sink, t] {
                for (int i = 0; i < nLines; ++i) {
                    CacheLog(sink, "thread %d line %d of a record long enough to matter", t, i);
                }
            });
        }
        for (auto& th : threads) {
            th.join();
        }
        sink.Flush();
        const std::string strFile = MaskStamps(dir.ReadFile(sink.GetFilePath()));
        std::vector<int> nextLine(nThreads, 0);
        size_t nPos = 0;
        int nCount = 0;
        static const std::regex s_line(R"(thread (\d) line (\d+) of a record long enough to matter \(STAMP\))");
        while (nPos < strFile.size()) {
            size_t nEnd = strFile.find('\n', nPos);
            ASSERT_NE(nEnd, std::string::npos);
            std::smatch m;
            const std::string strLine = strFile.substr(nPos, nEnd - nPos);
            ASSERT_TRUE(std::regex_match(strLine, m, s_line)) << strLine;
            const int t = std::stoi(m[1]);
            EXPECT_EQ(std::stoi(m[2]), nextLine[t]++) << "each thread's records in order";
            ++nCount;
            nPos = nEnd + 1;
        }
        EXPECT_EQ(nCount, nThreads * nLines);
    }
}
