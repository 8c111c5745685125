// The record loader: conversions by member type, pooled texts, and the refusal to read a
// number as a text.

#include "DBCLoader.h"

#include "DBCTestUtil.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <memory>
#include <string>
#include <vector>

namespace
{
std::unique_ptr<DBCFile> Open(const std::string& strText)
{
    auto db = std::make_unique<DBCFile>();
    EXPECT_TRUE(db->OpenFromMemory(strText.data(), strText.data() + strText.size(), "Config/Loader.txt"));
    return db;
}

TEST(DBCLoader, ConvertsCellsByTheMemberType)
{
    struct Case
    {
        const char* szCell;
        tint32 nExpected;
    };
    const Case ints[] = {{"4294967297", 1}, {"2147483648", -2147483647 - 1}, {"-1", -1}, {"7", 7}};
    for (const Case& c : ints) {
        SCOPED_TRACE(c.szCell);
        auto db = Open(DBCTest::TextTable("INT\tINT", {std::string("1\t") + c.szCell}));
        DBC_Loader loader(*db, 0);
        tint32 n = 12345;
        loader.ReadDirect(n, 1);
        EXPECT_EQ(c.nExpected, n);
    }
    auto db = Open(DBCTest::TextTable("INT\tFLOAT", {"1\t0.1"}));
    DBC_Loader loader(*db, 0);
    tfloat32 f = 0;
    loader.ReadDirect(f, 1);
    EXPECT_EQ(0.1f, f);
    EXPECT_EQ(2, loader.GetFieldsNum());

    // The reads named by the member type are the same reads.
    auto mixed = Open(DBCTest::TextTable("INT\tFLOAT\tSTRING", {"4294967303\t2.5\tnamed-read"}));
    DBC_Loader named(*mixed, 0);
    int n = 0;
    float fNamed = 0;
    const char* p = nullptr;
    named.ReadDirect<int>(n, 0);
    named.ReadDirect<float>(fNamed, 1);
    named.ReadDirect<const char*>(p, 2);
    EXPECT_EQ(7, n);
    EXPECT_EQ(2.5f, fNamed);
    EXPECT_STREQ("named-read", p);
}

TEST(DBCLoader, KeepsPooledTextsThatOutliveTheFile)
{
    const tchar* pFirst = nullptr;
    const tchar* pEmpty = nullptr;
    {
        auto db = Open(DBCTest::TextTable("INT\tSTRING\tSTRING", {"1\tloader-shared-text\t"}));
        DBC_Loader loader(*db, 0);
        loader.ReadDirect(pFirst, 1);
        loader.ReadDirect(pEmpty, 2);
    }
    ASSERT_NE(nullptr, pFirst);
    EXPECT_STREQ("loader-shared-text", pFirst);   // the file is gone, the text is not
    EXPECT_EQ(DBC_EmptyString(), pEmpty);
    ASSERT_NE(nullptr, pEmpty);

    auto other = Open(DBCTest::TextTable("INT\tSTRING\tSTRING", {"9\t\tloader-shared-text"}));
    DBC_Loader loader(*other, 0);
    const tchar* pSecond = nullptr;
    const tchar* pEmpty2 = nullptr;
    loader.ReadDirect(pSecond, 2);
    loader.ReadDirect(pEmpty2, 1);
    EXPECT_EQ(pFirst, pSecond);   // one copy for every table
    EXPECT_EQ(pEmpty, pEmpty2);
    EXPECT_EQ(nullptr, _LoadConstStringFromDBC(*other, -1, 1));
    EXPECT_EQ(nullptr, _LoadConstStringFromDBC(*other, 0, -1));
}

// Every member needs its own type word: any other column is a report naming the table and the
// column, and the member keeps its value (a text's address or a double's bits read as a number
// would be garbage, a number read as an address worse).
TEST(DBCLoader, RefusesACellOfAnotherTypeWord)
{
    const std::string INT_READ = "void DBC_Loader::ReadDirect(tint32&, tint32, const tchar*, const tchar*)";
    const std::string FLOAT_READ = "void DBC_Loader::ReadDirect(tfloat32&, tint32, const tchar*, const tchar*)";
    const std::string TEXT_READ = "void DBC_Loader::ReadDirect(const tchar*&, tint32, const tchar*, const tchar*)";
    enum Member
    {
        M_INT,
        M_FLOAT,
        M_TEXT,
    };
    struct Case
    {
        Member eMember;
        tint32 nColumn;   // of "INT\tSTRING\tINT\tFLOAT\tSTRING" holding 1, x, 2, 0.5, shop-name
        const char* szColumn;
        std::string strReport;
    };
    const Case cases[] = {
        {M_INT, 4, "ID_NAME", INT_READ + " | DBCFile::T_INT==FieldType | Shop ID_NAME: column 4 is STRING, not INT"},
        {M_INT, 3, "ID_RATE", INT_READ + " | DBCFile::T_INT==FieldType | Shop ID_RATE: column 3 is FLOAT, not INT"},
        {M_FLOAT, 4, "ID_NAME", FLOAT_READ + " | DBCFile::T_FLOAT==FieldType | Shop ID_NAME: column 4 is STRING, not FLOAT"},
        {M_FLOAT, 2, "ID_COUNT", FLOAT_READ + " | DBCFile::T_FLOAT==FieldType | Shop ID_COUNT: column 2 is INT, not FLOAT"},
        {M_TEXT, 2, "ID_COUNT", TEXT_READ + " | DBCFile::T_STRING==FieldType | Shop ID_COUNT: column 2 is INT, not STRING"},
        {M_TEXT, 3, "ID_RATE", TEXT_READ + " | DBCFile::T_STRING==FieldType | Shop ID_RATE: column 3 is FLOAT, not STRING"},
    };
    auto db = Open(DBCTest::TextTable("INT\tSTRING\tINT\tFLOAT\tSTRING", {"1\tx\t2\t0.5\tshop-name"}));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.strReport);
        TempWorkDir dir;
        DBC_Loader loader(*db, 0);
        tint32 n = 12345;
        tfloat32 f = 1.25f;
        const tchar* p = "unchanged";
        DBCTest::ExpectReportThrown([&] {
            switch (c.eMember) {
            case M_INT:
                loader.ReadDirect(n, c.nColumn, "Shop", c.szColumn);
                break;
            case M_FLOAT:
                loader.ReadDirect(f, c.nColumn, "Shop", c.szColumn);
                break;
            case M_TEXT:
                loader.ReadDirect(p, c.nColumn, "Shop", c.szColumn);
                break;
            }
        });
        EXPECT_EQ(12345, n);
        EXPECT_EQ(1.25f, f);
        EXPECT_STREQ("unchanged", p);
        EXPECT_EQ(std::vector<std::string>{c.strReport}, DBCTest::AssertSummary(dir));
    }

    // The reads named by the member type check the same; without names the report says so.
    TempWorkDir dir;
    DBC_Loader loader(*db, 0);
    tint32 n = 12345;
    const tchar* p = "unchanged";
    DBCTest::ExpectReportThrown([&] { loader.ReadDirect<int>(n, 4); });
    DBCTest::ExpectReportThrown([&] { loader.ReadDirect<const char*>(p, 0); });
    EXPECT_EQ(12345, n);
    EXPECT_STREQ("unchanged", p);
    const std::vector<std::string> expected = {
        INT_READ + " | DBCFile::T_INT==FieldType | Table ?: column 4 is STRING, not INT",
        TEXT_READ + " | DBCFile::T_STRING==FieldType | Table ?: column 0 is INT, not STRING",
    };
    EXPECT_EQ(expected, DBCTest::AssertSummary(dir));
}

TEST(DBCLoader, ReportsAReadOutsideTheFile)
{
    TempWorkDir dir;
    auto db = Open(DBCTest::TextTable("INT\tINT", {"1\t2"}));
    DBC_Loader loader(*db, 0);
    tint32 n = 77;
    DBCTest::ExpectReportThrown([&] { loader.ReadDirect(n, 2); });
    DBCTest::ExpectReportThrown([&] { loader.ReadDirect(n, -1); });
    EXPECT_EQ(77, n);
    const tchar* p = "unchanged";   // a text read outside the file gets the reader's report
    DBCTest::ExpectReportThrown([&] { loader.ReadDirect(p, 5, "T", "ID_X"); });
    EXPECT_STREQ("unchanged", p);
    const auto records = DBCTest::AssertRecords(dir);
    ASSERT_EQ(3u, records.size());
    EXPECT_EQ("DBC:Invalid search request[rec=0, col=2]", records[0].strMsg);
    EXPECT_EQ("DBC:Invalid search request[rec=0, col=-1]", records[1].strMsg);
    EXPECT_EQ("DBC:Invalid search request[rec=0, col=5]", records[2].strMsg);
}
}   // namespace
