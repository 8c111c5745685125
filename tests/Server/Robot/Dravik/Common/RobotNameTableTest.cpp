// The robot-name table: its declaration, limits and texts, loaded from Config/RobotName.txt.

#include "Table_RobotName.h"

#include "../../../../Lib/Korvath/DBCTestUtil.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

namespace
{
const char* const TYPES = "INT\tSTRING\tSTRING\tSTRING";
const std::string INIT = "bool InitTable_RobotNameTable(const tchar*)";

static_assert(Table_RobotName::INVLAID_INDEX == -1 && Table_RobotName::ID_ID == 0 && Table_RobotName::ID_FNAME == 2 &&
                  Table_RobotName::ID_SNAME == 3 && Table_RobotName::ID_TAB_CURCOL_COUNT == 4 &&
                  Table_RobotName::MAX_ID == 999 && Table_RobotName::MAX_RECORD == 1000,
              "the enumeration _ID");
static_assert(std::is_base_of<DBC_Recorder_Loader<Table_RobotName, 999, 1000>, Table_RobotName>::value, "record base");
static_assert(std::is_same<decltype(&Table_RobotName::GetFName), const tchar* (Table_RobotName::*)() const>::value, "");
static_assert(std::is_same<decltype(&Table_RobotName::GetSName), const tchar* (Table_RobotName::*)() const>::value, "");
static_assert(std::is_same<decltype(&Table_RobotName::GetID), tint32 (Table_RobotName::*)() const>::value, "");

std::vector<std::string> Rows(int nFrom, int nCount)
{
    std::vector<std::string> v;
    for (int i = nFrom; i < nFrom + nCount; ++i) {
        v.push_back(std::to_string(i) + "\tx\tF" + std::to_string(i) + "\tS" + std::to_string(i));
    }
    return v;
}

TEST(RobotNameTable, DeclaresItsMembersInReadOrder)
{
    const DBC_TableDecl& d = DBC_TableDeclOf<Table_RobotName>::s_Decl;
    EXPECT_STREQ("RobotName", d.szName);
    EXPECT_FALSE(d.bHashed);
    ASSERT_EQ(3, d.nColumnDecls);
    const char* const members[] = {"FName", "ID", "SName"};
    const tint32 columns[] = {2, 0, 3};
    for (int i = 0; i < 3; ++i) {
        EXPECT_STREQ(members[i], d.pColumns[i].szMember);
        EXPECT_EQ(columns[i], d.pColumns[i].nColumn);
    }

    // The first part of a row reaches the string pool before the second.
    TempWorkDir dir;
    dir.WriteFile("Config/RobotName.txt", DBCTest::TextTable(TYPES, {"0\tx\trobot-first-part\trobot-second-part"}));
    ASSERT_TRUE(InitTable_RobotNameTable("Config/RobotName.txt"));
    const Table_RobotName* p = GetTable_RobotNameByID(0);
    ASSERT_NE(nullptr, p);
    EXPECT_STREQ("robot-first-part", p->GetFName());
    EXPECT_STREQ("robot-second-part", p->GetSName());
    EXPECT_LT(p->GetFName(), p->GetSName());
}

TEST(RobotNameTable, LoadsUpToItsLimitsInFileOrder)
{
    TempWorkDir dir;
    dir.WriteFile("Config/RobotName.txt", DBCTest::TextTable(TYPES, Rows(0, 1000)));
    ASSERT_TRUE(InitTable_RobotNameTable("Config/RobotName.txt"));
    EXPECT_EQ(1000, GetTable_RobotNameCount());
    EXPECT_STREQ("F999", GetTable_RobotNameByID(999)->GetFName());

    dir.WriteFile("Config/RobotName.txt", DBCTest::TextTable(TYPES, {"5\tx\tA\tB", "2\tx\t\tD"}));
    ASSERT_TRUE(InitTable_RobotNameTable("Config/RobotName.txt"));
    EXPECT_EQ(2, GetTable_RobotNameCount());
    EXPECT_EQ(5, GetTable_RobotNameByIndex(0)->GetID());
    EXPECT_EQ(2, GetTable_RobotNameByIndex(1)->GetID());
    EXPECT_EQ(DBC_EmptyString(), GetTable_RobotNameByIndex(1)->GetFName());   // empty, never null
    EXPECT_EQ(nullptr, GetTable_RobotNameByID(999));

    EXPECT_FALSE(InitTable_RobotNameTable("Config/Missing.txt"));   // no report, table kept
    EXPECT_EQ(2, GetTable_RobotNameCount());
    EXPECT_TRUE(DBCTest::AssertRecords(dir).empty());
}

TEST(RobotNameTable, BrokenFilesEndTheLoadWithTheirReports)
{
    struct Case
    {
        const char* szName;
        std::string strFile;
        std::vector<std::string> expected;
    };
    std::string strWideTypes = TYPES;   // 16000 columns over rows of one item each
    for (int c = 4; c < 16000; ++c) {
        strWideTypes += "\tINT";
    }
    std::vector<std::string> idsOnly;
    for (int i = 0; i < 1000; ++i) {
        idsOnly.push_back(std::to_string(i));
    }
    const Case cases[] = {
        {"a very wide type line", DBCTest::TextTable(strWideTypes, idsOnly),
         {"bool Table_RobotName::__Load(DBC_Loader&) | ID_TAB_CURCOL_COUNT==loader.GetFieldsNum() | RobotName Columns Differ",
          "bool Table_RobotName::__Load(DBC_Loader&) | false | bool Table_RobotName::__Load(DBC_Loader&)",
          INIT + " | false | " + INIT}},
        {"ID 1000", DBCTest::TextTable(TYPES, {"3\tx\ta\tb", "1000\tx\ta\tb"}),
         {INIT + " | false | [DBC_Table_Index_T::LoadFromMemory]: ID(1000)>MAX_ID over flow!!"}},
        {"1001 rows", DBCTest::TextTable(TYPES, Rows(0, 1001)),
         {INIT + " | false | [DBC_Table_Hash_T::LoadFromMemory]: Record count is larger than UNIT_LIST_SIZE!!"}},
        {"five columns", DBCTest::TextTable(TYPES + std::string("\tINT"), {"1\tx\ta\tb\t9"}),
         {"bool Table_RobotName::__Load(DBC_Loader&) | ID_TAB_CURCOL_COUNT==loader.GetFieldsNum() | RobotName Columns Differ",
          "bool Table_RobotName::__Load(DBC_Loader&) | false | bool Table_RobotName::__Load(DBC_Loader&)",
          INIT + " | false | " + INIT}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        TempWorkDir dir;
        dir.WriteFile("Config/RobotName.txt", c.strFile);
        DBCTest::ExpectReportThrown([] { InitTable_RobotNameTable("Config/RobotName.txt"); });
        EXPECT_EQ(c.expected, DBCTest::AssertSummary(dir));
        EXPECT_EQ(0, GetTable_RobotNameCount());   // the table stays empty
        const auto records = DBCTest::AssertRecords(dir);
        ASSERT_FALSE(records.empty());
        EXPECT_EQ("Server/Robot/Dravik/Common/Table/Table_RobotName", records.back().strFile);
    }
}
}   // namespace
