// The table module shape, on test tables declared like the real ones: the generated class,
// the chains of reports, and what loads and reloads leave behind.

#include "DBCTableModule.h"

#include "DBCTestUtil.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

// Members deliberately out of column order; two interleaved arrays.
#define DBC_TABLE_ModProbe(TABLE, COL, ELEM)                              \
    TABLE(ModProbe, HashMgrType, 7, 8, 8)                                 \
    COL(3, ID_NAME, STRING, Name)                                         \
    ELEM(4, ID_VALUE1, INT, Value, 0)                                     \
    ELEM(6, ID_VALUE2, INT, Value, 1)                                     \
    COL(0, ID_ID, INT, Id)                                                \
    COL(2, ID_RATE, FLOAT, Rate)                                          \
    ELEM(5, ID_TAG1, STRING, Tag, 0)                                      \
    ELEM(7, ID_TAG2, STRING, Tag, 1)
DBC_DECLARE_TABLE(ModProbe)
DBC_DEFINE_TABLE(ModProbe, "tests/Lib/Korvath/ModProbe")

#define DBC_TABLE_ModIdle(TABLE, COL, ELEM)                               \
    TABLE(ModIdle, SequenceMgrType, 9, 10, 3)                             \
    COL(0, ID_ID, INT, Id)                                                \
    COL(2, ID_X, FLOAT, X)
DBC_DECLARE_TABLE(ModIdle)
DBC_DEFINE_TABLE(ModIdle, "tests/Lib/Korvath/ModIdle")

namespace
{
const char* const TYPES = "INT\tSTRING\tFLOAT\tSTRING\tINT\tSTRING\tINT\tSTRING";

std::string Row(int nID, const std::string& strName = "n")
{
    return std::to_string(nID) + "\tdesc\t1.5\t" + strName + "\t10\ttagA\t20\ttagB";
}

static_assert(Table_ModProbe::INVLAID_INDEX == -1 && Table_ModProbe::ID_ID == 0 && Table_ModProbe::ID_RATE == 2 &&
                  Table_ModProbe::ID_NAME == 3 && Table_ModProbe::ID_VALUE1 == 4 && Table_ModProbe::ID_TAG1 == 5 &&
                  Table_ModProbe::ID_VALUE2 == 6 && Table_ModProbe::ID_TAG2 == 7,
              "enumerators carry their column numbers");
static_assert(Table_ModProbe::ID_TAB_CURCOL_COUNT == 8 && Table_ModProbe::MAX_ID == 7 && Table_ModProbe::MAX_RECORD == 8,
              "count and sizes");
static_assert(std::is_same<decltype(&Table_ModProbe::GetName), const tchar* (Table_ModProbe::*)() const>::value, "");
static_assert(std::is_same<decltype(&Table_ModProbe::GetRate), tfloat32 (Table_ModProbe::*)() const>::value, "");
static_assert(std::is_same<decltype(&Table_ModProbe::GetId), tint32 (Table_ModProbe::*)() const>::value, "");
static_assert(std::is_same<decltype(&Table_ModProbe::getValueCount), tint32 (Table_ModProbe::*)() const>::value, "");
static_assert(std::is_same<decltype(&Table_ModProbe::GetValuebyIndex), tint32 (Table_ModProbe::*)(tint32) const>::value, "");
static_assert(std::is_same<decltype(&Table_ModProbe::GetTagbyIndex), const tchar* (Table_ModProbe::*)(tint32) const>::value, "");
static_assert(std::is_base_of<DBC_Recorder_Loader<Table_ModProbe, 7, 8>, Table_ModProbe>::value, "record base");
static_assert(std::is_same<decltype(&InitTable_ModProbeTable), bool (*)(const tchar*)>::value, "");
static_assert(std::is_same<decltype(&InitTable_ModProbeTableFromMemory), bool (*)(const DBCFile&)>::value, "");
static_assert(std::is_same<decltype(&GetTable_ModProbeByID), const Table_ModProbe* (*)(tint32)>::value, "");
static_assert(std::is_same<decltype(&GetTable_ModProbeByIndex), const Table_ModProbe* (*)(tint32)>::value, "");
static_assert(std::is_same<decltype(&GetTable_ModProbeCount), tint32 (*)()>::value, "");

TEST(DBCTableModule, ReadsEveryColumnIntoItsMember)
{
    TempWorkDir dir;
    dir.WriteFile("Config/ModProbe.txt", DBCTest::TextTable(TYPES, {"3\tanything\t2.5\tmod-name-3\t11\tmod-tag-a\t22\t"}));
    ASSERT_TRUE(InitTable_ModProbeTable("Config/ModProbe.txt"));
    const Table_ModProbe* p = GetTable_ModProbeByID(3);
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(3, p->GetId());
    EXPECT_EQ(2.5f, p->GetRate());
    EXPECT_STREQ("mod-name-3", p->GetName());
    EXPECT_EQ(2, p->getValueCount());
    EXPECT_EQ(11, p->GetValuebyIndex(0));
    EXPECT_EQ(22, p->GetValuebyIndex(1));
    EXPECT_EQ(0, p->GetValuebyIndex(2));
    EXPECT_EQ(0, p->GetValuebyIndex(-1));
    EXPECT_STREQ("mod-tag-a", p->GetTagbyIndex(0));
    EXPECT_EQ(DBC_EmptyString(), p->GetTagbyIndex(1));
    // Outside the array a text getter gives the shared empty text, never null.
    EXPECT_EQ(DBC_EmptyString(), p->GetTagbyIndex(-1));
    EXPECT_EQ(DBC_EmptyString(), p->GetTagbyIndex(2));
    EXPECT_TRUE(p->IsInited());
    // Declaration order is read order: Name reaches the pool before the tags.
    EXPECT_LT(p->GetName(), p->GetTagbyIndex(0));
    EXPECT_EQ(p, GetTable_ModProbeByIndex(0));
    EXPECT_EQ(1, GetTable_ModProbeCount());
}

TEST(DBCTableModule, DescribesItsDeclaration)
{
    const DBC_TableDecl& d = DBC_TableDeclOf<Table_ModProbe>::s_Decl;
    EXPECT_STREQ("ModProbe", d.szName);
    EXPECT_TRUE(d.bHashed);
    EXPECT_EQ(8, d.nColumns);
    ASSERT_EQ(7, d.nColumnDecls);
    std::string strOrder;
    for (tint32 i = 0; i < d.nColumnDecls; ++i) {
        strOrder += std::string(d.pColumns[i].szMember) + ":" + std::to_string(d.pColumns[i].nColumn) + ":" +
                    d.pColumns[i].szType + " ";
    }
    EXPECT_EQ("Name:3:STRING Value:4:INT Value:6:INT Id:0:INT Rate:2:FLOAT Tag:5:STRING Tag:7:STRING ", strOrder);
    bool bRegistered = false;
    for (const DBC_TableDecl* t : DBC_RegisteredTables()) {
        bRegistered = bRegistered || t == &d;
    }
    EXPECT_TRUE(bRegistered);
}

TEST(DBCTableModule, WrongColumnCountGivesTheChainOfReports)
{
    TempWorkDir dir;
    dir.WriteFile("Config/ModProbe.txt", DBCTest::TextTable("INT\tSTRING\tFLOAT", {"1\tx\t0.5"}));
    DBCTest::ExpectReportThrown([] { InitTable_ModProbeTable("Config/ModProbe.txt"); });
    const std::vector<std::string> expected = {
        "bool Table_ModProbe::__Load(DBC_Loader&) | ID_TAB_CURCOL_COUNT==loader.GetFieldsNum() | ModProbe Columns Differ",
        "bool Table_ModProbe::__Load(DBC_Loader&) | false | bool Table_ModProbe::__Load(DBC_Loader&)",
        "bool InitTable_ModProbeTable(const tchar*) | false | bool InitTable_ModProbeTable(const tchar*)",
    };
    EXPECT_EQ(expected, DBCTest::AssertSummary(dir));
    const auto records = DBCTest::AssertRecords(dir);
    ASSERT_EQ(3u, records.size());
    EXPECT_EQ("tests/Lib/Korvath/ModProbe", records[2].strFile);
    EXPECT_EQ(0, GetTable_ModProbeCount());   // a failed load leaves the table empty
    EXPECT_EQ(nullptr, GetTable_ModProbeByIndex(0));

    // Without rows the count is never compared: an empty, ready table.
    dir.WriteFile("Config/ModProbe.txt", DBCTest::TextTable("INT\tSTRING\tFLOAT", {}));
    EXPECT_TRUE(InitTable_ModProbeTable("Config/ModProbe.txt"));
    EXPECT_EQ(0, GetTable_ModProbeCount());
    EXPECT_EQ(3u, DBCTest::AssertRecords(dir).size());
}

TEST(DBCTableModule, ReportsEachKindOfFailureThroughTheLoadingFunction)
{
    struct Case
    {
        const char* szName;
        std::string strFile;
        std::vector<std::string> expected;
        tint32 nCountAfter;   // the earlier load's one record stays only when the file never opened
    };
    std::vector<std::string> nineRows;
    for (int i = 0; i < 9; ++i) {
        nineRows.push_back(Row(i));
    }
    const std::string F = "bool InitTable_ModProbeTable(const tchar*)";
    const std::string L = "bool Table_ModProbe::__Load(DBC_Loader&)";
    const Case cases[] = {
        {"container refuses the record count", DBCTest::TextTable(TYPES, nineRows),
         {F + " | false | [DBC_Table_Hash_T::LoadFromMemory]: Record count is larger than SEEK_LIST_SIZE!!"}, 0},
        {"container refuses an ID twice", DBCTest::TextTable(TYPES, {Row(5), Row(1), "4294967301" + Row(0).substr(1)}),
         {F + " | false | [DBC_Table_Hash_T::PushContent]: Duplicated ID(5) found!!"}, 0},
        {"reader refuses a repeated ID", DBCTest::TextTable(TYPES, {Row(1), Row(1)}),
         {"void DBCFile::CheckIndex(const tchar*) | false | [Config/ModProbe.txt] Multi index at line 2(SAME:value=1)",
          F + " | false | " + F}, 1},
        {"text member over an INT column", DBCTest::TextTable("INT\tSTRING\tFLOAT\tINT\tINT\tSTRING\tINT\tSTRING", {"1\tx\t1\t2\t3\tt\t4\tu"}),
         {"void DBC_Loader::ReadDirect(const tchar*&, tint32, const tchar*, const tchar*) | DBCFile::T_STRING==FieldType | ModProbe ID_NAME: column 3 is INT, not STRING",
          L + " | false | " + L, F + " | false | " + F}, 0},
        {"number member over a STRING column", DBCTest::TextTable("INT\tSTRING\tFLOAT\tSTRING\tSTRING\tSTRING\tINT\tSTRING", {"1\tx\t1.5\tn\tshop\tt\t4\tu"}),
         {"void DBC_Loader::ReadDirect(tint32&, tint32, const tchar*, const tchar*) | DBCFile::T_INT==FieldType | ModProbe ID_VALUE1: column 4 is STRING, not INT",
          L + " | false | " + L, F + " | false | " + F}, 0},
        {"FLOAT member over an INT column", DBCTest::TextTable("INT\tSTRING\tINT\tSTRING\tINT\tSTRING\tINT\tSTRING", {"1\tx\t2\tn\t10\tt\t20\tu"}),
         {"void DBC_Loader::ReadDirect(tfloat32&, tint32, const tchar*, const tchar*) | DBCFile::T_FLOAT==FieldType | ModProbe ID_RATE: column 2 is INT, not FLOAT",
          L + " | false | " + L, F + " | false | " + F}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        TempWorkDir dir;
        dir.WriteFile("Config/Earlier.txt", DBCTest::TextTable(TYPES, {Row(6)}));
        ASSERT_TRUE(InitTable_ModProbeTable("Config/Earlier.txt"));
        dir.WriteFile("Config/ModProbe.txt", c.strFile);
        DBCTest::ExpectReportThrown([] { InitTable_ModProbeTable("Config/ModProbe.txt"); });
        EXPECT_EQ(c.expected, DBCTest::AssertSummary(dir));
        EXPECT_EQ(c.nCountAfter, GetTable_ModProbeCount());
        EXPECT_EQ(c.nCountAfter == 1, GetTable_ModProbeByID(6) != nullptr);
        // The next valid load succeeds.
        dir.WriteFile("Config/ModProbe.txt", DBCTest::TextTable(TYPES, {Row(5)}));
        EXPECT_TRUE(InitTable_ModProbeTable("Config/ModProbe.txt"));
        EXPECT_NE(nullptr, GetTable_ModProbeByID(5));
    }
}

TEST(DBCTableModule, ReloadReplacesRecordsAndAMissingFileKeepsThem)
{
    TempWorkDir dir;
    dir.WriteFile("Config/ModProbe.txt", DBCTest::TextTable(TYPES, {Row(1), Row(2)}));
    ASSERT_TRUE(InitTable_ModProbeTable("Config/ModProbe.txt"));
    EXPECT_EQ(2, GetTable_ModProbeCount());

    EXPECT_FALSE(InitTable_ModProbeTable("Config/Missing.txt"));
    EXPECT_EQ(2, GetTable_ModProbeCount());
    EXPECT_NE(nullptr, GetTable_ModProbeByID(2));
    EXPECT_TRUE(DBCTest::AssertRecords(dir).empty());

    dir.WriteFile("Config/ModProbe.txt", DBCTest::TextTable(TYPES, {Row(3)}));
    ASSERT_TRUE(InitTable_ModProbeTable("Config/ModProbe.txt"));
    EXPECT_EQ(1, GetTable_ModProbeCount());
    EXPECT_EQ(nullptr, GetTable_ModProbeByID(1));
    EXPECT_EQ(nullptr, GetTable_ModProbeByID(2));
    EXPECT_EQ(3, GetTable_ModProbeByIndex(0)->GetId());

    const std::string strText = DBCTest::TextTable(TYPES, {Row(6), Row(7)});
    DBCFile db;
    ASSERT_TRUE(db.OpenFromMemory(strText.data(), strText.data() + strText.size(), "mem"));
    ASSERT_TRUE(InitTable_ModProbeTableFromMemory(db));
    EXPECT_EQ(2, GetTable_ModProbeCount());
    EXPECT_EQ(7, GetTable_ModProbeByID(7)->GetId());
}

TEST(DBCTableModule, NeverLoadedTableAnswersNothing)
{
    EXPECT_EQ(0, GetTable_ModIdleCount());
    for (tint32 n : {-1, 0, 1, 9, 10}) {
        EXPECT_EQ(nullptr, GetTable_ModIdleByID(n));
        EXPECT_EQ(nullptr, GetTable_ModIdleByIndex(n));
    }
}
}   // namespace
