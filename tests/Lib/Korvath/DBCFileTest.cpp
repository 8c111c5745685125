// The table-file reader: text form, binary form, unique IDs, cell lookup, splitting and
// line reading, and the refusals of broken files.

#include "DBCFile.h"

#include "DBCTestUtil.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{
using DBCTest::BinaryTable;
using DBCTest::ExpectReportThrown;

// Exposes the protected buffers for layout checks.
struct DBCFileProbe : public DBCFile
{
    std::string StringBuffer() const { return std::string(m_pStringBuf, static_cast<size_t>(m_nStringBufSize)); }
    const tchar* StringBufferStart() const { return m_pStringBuf; }
    // Bytes that the cells and their bookkeeping hold, counting what is reserved.
    size_t CellBytes() const
    {
        return (m_vDataBuf.capacity() + m_vMissing.capacity()) * sizeof(FIELD) +
               m_vRowStart.capacity() * sizeof(size_t);
    }
};

// Rows as "c0|c1;c0|c1" with INT as integers, FLOAT by %g and STRING as text.
std::string Dump(const DBCFile& db)
{
    std::string s;
    for (tint32 r = 0; r < db.GetRecordsNum(); ++r) {
        if (r > 0) {
            s += ";";
        }
        for (tint32 c = 0; c < db.GetFieldsNum(); ++c) {
            if (c > 0) {
                s += "|";
            }
            const DBCFile::FIELD* f = db.Search_Posistion(r, c);
            char buf[64];
            switch (db.GetFieldType(c)) {
            case DBCFile::T_INT:
                std::snprintf(buf, sizeof(buf), "%lld", static_cast<long long>(f->iValue));
                s += buf;
                break;
            case DBCFile::T_FLOAT:
                std::snprintf(buf, sizeof(buf), "%g", f->fValue);
                s += buf;
                break;
            case DBCFile::T_STRING:
                s += f->pString;
                break;
            }
        }
    }
    return s;
}

bool OpenText(DBCFile& db, const std::string& strText)
{
    return db.OpenFromMemory(strText.data(), strText.data() + strText.size(), "Config/Test.txt");
}

struct TextCase
{
    const char* szName;
    std::string strText;
    bool bOpens;
    tint32 nFields;
    const char* szDump;
};

TEST(DBCFileText, ParsesByTheLineAndTypeRules)
{
    const TextCase cases[] = {
        {"four lines, no rows", "a\tb\nINT\tSTRING\nx\ny\n", true, 2, ""},
        {"empty file", "", false, 0, ""},
        {"one line", "ID\n", false, 0, ""},
        {"two lines", "ID\nINT\n", false, 0, ""},
        {"three lines", "ID\nINT\nx\n", false, 0, ""},
        {"line ends swallowed after the type line", "ID\nINT\n\n\n", false, 0, ""},
        {"LF", "ID\tN\nINT\tSTRING\nc\nd\n1\ta\n2\tb\n", true, 2, "1|a;2|b"},
        {"CRLF", "ID\tN\r\nINT\tSTRING\r\nc\r\nd\r\n1\ta\r\n2\tb\r\n", true, 2, "1|a;2|b"},
        {"CR", "ID\tN\rINT\tSTRING\rc\rd\r1\ta\r2\tb\r", true, 2, "1|a;2|b"},
        {"blank lines between rows", "ID\tN\nINT\tSTRING\nc\nd\n1\ta\n\n\r\n2\tb\n", true, 2, "1|a;2|b"},
        {"comment rows and empty first items", "ID\tN\nINT\tSTRING\nc\nd\n#3\tc\n1\ta\n\tq\n2\tb\n", true, 2, "1|a;2|b"},
        {"four lines whose notes are comments", "ID\nINT\n#c\n#d\n", true, 1, ""},
        {"short rows padded, extra items ignored", "A\tB\tC\nINT\tSTRING\tFLOAT\nc\nd\n7\n8\tx\t1.5\textra\n", true, 3, "7||0;8|x|1.5"},
        {"leading blank lines form one empty line 1", "\n\n\nINT\nx\ny\n5\n", true, 1, "5"},
        {"a row of blanks is a record reading 0", "ID\nINT\nx\ny\n   \n", true, 1, "0"},
        {"type word in lower case", "ID\nint\nx\ny\n", false, 0, ""},
        {"type word with a trailing blank", "ID\nINT \nx\ny\n", false, 0, ""},
        {"two TABs between types", "A\tB\nINT\t\tSTRING\nx\ny\n1\tz\n", true, 2, "1|z"},
        {"leading and trailing TAB on the type line", "A\n\tINT\t\nx\ny\n4\n", true, 1, "4"},
        {"type line of TABs only", "A\n\t\t\nx\ny\n", false, 0, ""},
        {"INT conversions", "ID\tV\nINT\tINT\nx\ny\n1\t12abc\n2\tabc\n3\t4294967301\n4\t-1\n5\t99999999999999999999\n6\t +5\n", true, 2,
         "1|12;2|0;3|4294967301;4|-1;5|9223372036854775807;6|5"},
        {"FLOAT conversions", "ID\tV\nINT\tFLOAT\nx\ny\n1\t2.5\n2\t1e3\n3\tx\n4\t-0.25\n", true, 2, "1|2.5;2|1000;3|0;4|-0.25"},
        {"a NUL byte ends the data", std::string("ID\nINT\nx\ny\n1\n2\0\n3\n", 18), true, 1, "1;2"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.szName);
        DBCFile db;
        ASSERT_EQ(c.bOpens, OpenText(db, c.strText));
        if (c.bOpens) {
            EXPECT_EQ(c.nFields, db.GetFieldsNum());
            EXPECT_EQ(c.szDump, Dump(db));
        }
    }
}

TEST(DBCFileText, SplitsALineLongerThanTheLineBuffer)
{
    // 1, TAB and 69998 letters: the first 65535 bytes are one line, the rest another.
    const std::string strText = "ID\tS\nINT\tSTRING\nx\ny\n1\t" + std::string(69998, 'a') + "\n";
    DBCFile db;
    ASSERT_TRUE(OpenText(db, strText));
    ASSERT_EQ(2, db.GetRecordsNum());
    EXPECT_EQ(1, db.Search_Posistion(0, 0)->iValue);
    EXPECT_EQ(65533u, std::string(db.Search_Posistion(0, 1)->pString).size());
    EXPECT_EQ(0, db.Search_Posistion(1, 0)->iValue);   // "aaa..." read as an INT
    EXPECT_STREQ("", db.Search_Posistion(1, 1)->pString);
}

// A wide type line over short rows: 10000 columns and 2000 rows of one item each would be 160
// MB of cells if every row were padded out. The cells hold no more than the file's items; the
// missing ones still read 0, 0.0 or the empty text of the file's buffer.
TEST(DBCFileText, AWideTypeLineOverShortRowsTakesNoMoreCellsThanTheFileHolds)
{
    const tint32 F = 10000;
    std::string strTypes = "INT";
    for (tint32 c = 1; c < F; ++c) {
        strTypes += c % 3 == 1 ? "\tSTRING" : c % 3 == 2 ? "\tFLOAT" : "\tINT";
    }
    std::vector<std::string> rows;
    for (tint32 r = 0; r < 2000; ++r) {
        rows.push_back(std::to_string(r));
    }
    rows[7] = "7\tseven\t7.5\t77";
    const std::string strText = DBCTest::TextTable(strTypes, rows);
    DBCFileProbe db;
    ASSERT_TRUE(OpenText(db, strText));
    ASSERT_EQ(2000, db.GetRecordsNum());
    ASSERT_EQ(F, db.GetFieldsNum());
    EXPECT_LE(db.CellBytes(), 4 * strText.size());

    EXPECT_EQ(1999, db.Search_Posistion(1999, 0)->iValue);
    EXPECT_STREQ("seven", db.Search_Posistion(7, 1)->pString);
    EXPECT_EQ(7.5, db.Search_Posistion(7, 2)->fValue);
    EXPECT_EQ(77, db.Search_Posistion(7, 3)->iValue);
    for (tint32 r : {0, 7, 1999}) {
        SCOPED_TRACE(r);
        EXPECT_EQ(db.StringBufferStart(), db.Search_Posistion(r, 4)->pString);
        EXPECT_EQ(0.0, db.Search_Posistion(r, 5)->fValue);
        EXPECT_EQ(0, db.Search_Posistion(r, F - 1)->iValue);
    }
    EXPECT_EQ(8, db.Search_Posistion(7, F)->iValue);   // a column past the row is the next row's
}

TEST(DBCFileText, StoresEachDistinctStringOnceInOrderOfFirstAppearance)
{
    DBCFileProbe db;
    ASSERT_TRUE(OpenText(db, DBCTest::TextTable("INT\tSTRING\tSTRING", {"1\tbb\ta", "2\ta\t", "3\tA\tbb"})));
    EXPECT_EQ(std::string("\0bb\0a\0A\0", 8), db.StringBuffer());
    EXPECT_EQ(db.Search_Posistion(0, 1)->pString, db.Search_Posistion(2, 2)->pString);   // bb
    EXPECT_EQ(db.Search_Posistion(0, 2)->pString, db.Search_Posistion(1, 1)->pString);   // a
    EXPECT_NE(db.Search_Posistion(1, 1)->pString, db.Search_Posistion(2, 1)->pString);   // a and A

    DBCFileProbe numbers;
    ASSERT_TRUE(OpenText(numbers, DBCTest::TextTable("INT", {"1", "2"})));
    EXPECT_EQ(std::string("\0", 1), numbers.StringBuffer());
}

TEST(DBCFileText, ReportsTheFirstRepeatedID)
{
    struct Case
    {
        const char* szName;
        std::string strText;
        const char* szMsg;   // empty: opens
    };
    const Case cases[] = {
        {"5, 7, 5", DBCTest::TextTable("INT", {"5", "7", "5", "7"}), "[Config/Test.txt] Multi index at line 3(SAME:value=5)"},
        {"repeat counted among kept records", DBCTest::TextTable("INT", {"#9", "4", "\tx", "4"}), "[Config/Test.txt] Multi index at line 2(SAME:value=4)"},
        {"equal strings in a STRING column 0", DBCTest::TextTable("STRING", {"k", "j", "k"}), "[Config/Test.txt] Multi index at line 3(SAME:value="},
        {"IDs equal only in their low 32 bits", DBCTest::TextTable("INT", {"5", "4294967301"}), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        TempWorkDir dir;
        DBCFile db;
        if (*c.szMsg == '\0') {
            EXPECT_TRUE(OpenText(db, c.strText));
            EXPECT_TRUE(DBCTest::AssertRecords(dir).empty());
            continue;
        }
        ExpectReportThrown([&] { OpenText(db, c.strText); });
        const auto records = DBCTest::AssertRecords(dir);
        ASSERT_EQ(1u, records.size());
        EXPECT_EQ(0u, records[0].strMsg.rfind(c.szMsg, 0)) << records[0].strMsg;
        EXPECT_EQ("false", records[0].strExpr);
        EXPECT_EQ("Src/Common/DBCTable", records[0].strFile);
    }
}

TEST(DBCFileLookup, BoundsTheRequestAndComputesPositionsIn64Bits)
{
    TempWorkDir dir;
    DBCFile db;
    ASSERT_TRUE(OpenText(db, DBCTest::TextTable("INT\tINT", {"1\t10", "2\t20"})));
    EXPECT_EQ(20, db.Search_Posistion(1, 1)->iValue);
    EXPECT_EQ(2, db.Search_Posistion(0, 2)->iValue);   // column bounded by cells, not columns

    struct Case
    {
        tint32 nRow;
        tint32 nCol;
        const char* szMsg;
    };
    const Case cases[] = {
        {-1, 0, "DBC:Invalid search request[rec=-1, col=0]"},
        {0, 4, "DBC:Invalid search request[rec=0, col=4]"},
        {0, -5, "DBC:Invalid search request[rec=0, col=-5]"},
        {2, 0, "bsvector"},
        {1073741824, 0, "bsvector"},   // 2^30 * 2 wraps to 0 in 32 bits
        {2147483647, 1, "bsvector"},
    };
    size_t nExpected = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nRow << "," << c.nCol);
        ExpectReportThrown([&] { db.Search_Posistion(c.nRow, c.nCol); });
        const auto records = DBCTest::AssertRecords(dir);
        ASSERT_EQ(++nExpected, records.size());
        EXPECT_EQ(c.szMsg, records.back().strMsg);
    }
}

TEST(DBCFileBinary, ReadsTheBinaryFormAndRefusesBrokenHeaders)
{
    auto valid = [] {
        BinaryTable t;
        t.nFields = 3;
        t.nRecords = 2;
        t.types = {0, 1, 2};
        t.cells = {BinaryTable::Int(1), BinaryTable::Float(2.5), 1, BinaryTable::Int(2), BinaryTable::Float(0), 5};
        t.strBlock = std::string("\0abc\0de\0", 8);
        t.nBlockSize = 8;
        return t;
    };
    struct Case
    {
        const char* szName;
        BinaryTable t;
        bool bOpens;
        const char* szDump;
    };
    std::vector<Case> cases;
    cases.push_back({"valid", valid(), true, "1|2.5|abc;2|0|de"});
    {
        BinaryTable t = valid();
        t.nRecords = 0;
        t.cells.clear();
        cases.push_back({"no records", t, true, ""});
    }
    {
        BinaryTable t = valid();
        t.strBlock = std::string("\0abc\0dX", 7) + "Y";   // last byte forced to NUL
        cases.push_back({"last block byte forced to NUL", t, true, "1|2.5|abc;2|0|dX"});
    }
    {
        BinaryTable t = valid();
        t.types[1] = 3;
        cases.push_back({"column type 3", t, false, ""});
    }
    {
        BinaryTable t = valid();
        t.strBlock.pop_back();
        t.strBlock.pop_back();
        cases.push_back({"shorter than its counts", t, false, ""});
    }
    {
        BinaryTable t = valid();
        t.nRecords = -1;
        cases.push_back({"negative record count", t, false, ""});
    }
    {
        BinaryTable t = valid();
        t.nFields = -2;
        cases.push_back({"negative field count", t, false, ""});
    }
    {
        BinaryTable t = valid();
        t.nBlockSize = 0;
        cases.push_back({"empty string block", t, false, ""});
    }
    {
        BinaryTable t = valid();
        t.nFields = 0x7FFFFFFF;
        t.nRecords = 0x7FFFFFFF;
        cases.push_back({"size test that overflows 64 bits", t, false, ""});
    }
    {
        BinaryTable t = valid();
        t.cells[5] = 8;   // == block size
        cases.push_back({"string offset at the block's end", t, false, ""});
    }
    {
        BinaryTable t = valid();
        t.cells[5] = 0xFFFFFFFFFFFFFFF0ull;
        cases.push_back({"string offset far past the block", t, false, ""});
    }
    {
        BinaryTable t = valid();
        t.nIdentify = 0xDDBBCC01u;   // then it is text, and not a valid one
        cases.push_back({"another identifier", t, false, ""});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        const std::string strBytes = c.t.Bytes();
        DBCFile db;
        ASSERT_EQ(c.bOpens, db.OpenFromMemory(strBytes.data(), strBytes.data() + strBytes.size(), "Config/Bin.txt"));
        if (c.bOpens) {
            EXPECT_EQ(c.szDump, Dump(db));
        }
    }
}

TEST(DBCFileBinary, HeaderWithoutColumnsIsTheVectorReport)
{
    TempWorkDir dir;
    BinaryTable t;
    t.nRecords = 1;
    t.nBlockSize = 1;
    t.strBlock = std::string(1, '\0');
    const std::string strBytes = t.Bytes();
    DBCFile db;
    ExpectReportThrown([&] { db.OpenFromMemory(strBytes.data(), strBytes.data() + strBytes.size(), "x"); });
    const auto records = DBCTest::AssertRecords(dir);
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ("bsvector", records[0].strMsg);
}

TEST(DBCFileBinary, ShortRangeWithTheIdentifierIsText)
{
    const std::string strBytes("\x00\xCC\xBB\xDD" "ID\nINT\nx\ny\n", 15);
    DBCFile db;
    EXPECT_FALSE(db.OpenFromMemory(strBytes.data(), strBytes.data() + strBytes.size(), "x"));   // line 2 is no type
}

TEST(DBCFileRead, OpensRegularFilesOnlyAndReportsANullName)
{
    TempWorkDir dir;
    dir.WriteFile("Config/Good.txt", DBCTest::TextTable("INT\tSTRING", {"1\tx"}));
    ASSERT_EQ(0, mkdir("Config/Dir.txt", 0755));
    ASSERT_EQ(0, mkfifo("Config/Fifo.txt", 0644));
    {
        DBCFile db;
        EXPECT_TRUE(db.OpenFromTXT("Config/Good.txt"));
        EXPECT_EQ("1|x", Dump(db));
    }
    for (const char* szName : {"Config/Missing.txt", "Config/Dir.txt", "Config/Fifo.txt"}) {
        SCOPED_TRACE(szName);
        DBCFile db;
        EXPECT_FALSE(db.OpenFromTXT(szName));   // a FIFO must not block either
    }
    EXPECT_TRUE(DBCTest::AssertRecords(dir).empty());

    DBCFile db;
    ExpectReportThrown([&] { db.OpenFromTXT(nullptr); });
    ExpectReportThrown([&] { db.OpenFromMemory(nullptr, "", "x"); });
    ExpectReportThrown([&] { db.OpenFromMemory("", nullptr, "x"); });
    const auto records = DBCTest::AssertRecords(dir);
    ASSERT_EQ(3u, records.size());
    EXPECT_EQ("szFileName != null_ptr", records[0].strExpr);
    EXPECT_EQ("pMemory != null_ptr", records[1].strExpr);
    EXPECT_EQ("pDeadEnd != null_ptr", records[2].strExpr);
    EXPECT_EQ("", records[0].strMsg);
}

TEST(DBCFileRead, FileLackingTheLastBlockByteStillOpens)
{
    // The NUL that reading appends stands in for the block's missing last byte.
    TempWorkDir dir;
    BinaryTable t;
    t.nFields = 2;
    t.nRecords = 1;
    t.types = {0, 2};
    t.cells = {BinaryTable::Int(3), 1};
    t.strBlock = std::string("\0hi", 3);
    t.nBlockSize = 4;
    dir.WriteFile("Config/Bin.txt", t.Bytes());
    DBCFile db;
    ASSERT_TRUE(db.OpenFromTXT("Config/Bin.txt"));
    EXPECT_EQ("3|hi", Dump(db));
}

TEST(DBCFileSplit, SplitsAtKeysAndNeverLoopsOnAnEmptyKey)
{
    struct Case
    {
        const char* szSource;
        const char* szKey;
        bool bOneOfKey;
        bool bIgnoreEmpty;
        const char* szItems;   // joined by '|'
        tint32 nCount;
    };
    const Case cases[] = {
        {"a\t\tb", "\t", true, false, "a||b", 3},
        {"\ta\t", "\t", true, false, "|a|", 3},
        {"\ta\t", "\t", true, true, "a", 1},
        {"", "\t", true, false, "", 0},
        {"a,b;c", ",;", true, false, "a|b|c", 3},
        {"a::b::", "::", false, false, "a|b|", 3},
        {"a::b", "", false, false, "a::b", 1},
        {"a::b", "", true, false, "a::b", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.szSource << "\" key \"" << c.szKey << '"');
        bsvector<std::string> v;
        v.push_back("stale");
        EXPECT_EQ(c.nCount, DBCFile::_ConvertStringToVector(c.szSource, v, c.szKey, c.bOneOfKey, c.bIgnoreEmpty));
        std::string strJoined;
        for (size_t i = 0; i < v.size(); ++i) {
            strJoined += (i > 0 ? "|" : "") + v[i];
        }
        EXPECT_EQ(c.szItems, strJoined);
    }
}

TEST(DBCFileSplit, ReadsLinesIntoABoundedBuffer)
{
    struct Case
    {
        const char* szName;
        std::string strRange;
        tint32 nBufSize;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"line ends of all kinds", "a\r\n\r\nb\rc\n", 16, {"a", "b", "c"}},
        {"leading run is one empty line", "\n\nx", 16, {"", "x"}},
        {"long line split at the buffer", "abcdef\n", 4, {"abc", "def"}},
        {"NUL ends the data", std::string("a\0b\n", 4), 16, {"a"}},
        {"buffer without room", "abc", 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        std::vector<char> buf(static_cast<size_t>(c.nBufSize) + 8, '#');
        std::vector<std::string> lines;
        const char* p = c.strRange.data();
        const char* pEnd = p + c.strRange.size();
        for (int i = 0; i < 10 && (p = DBCFile::_GetLineFromMemory(buf.data() + 4, c.nBufSize, p, pEnd)) != nullptr; ++i) {
            lines.push_back(buf.data() + 4);
        }
        EXPECT_EQ(c.lines, lines);
        EXPECT_EQ(std::string(4, '#'), std::string(buf.data(), 4));   // nothing written before the buffer
    }
}
}   // namespace
