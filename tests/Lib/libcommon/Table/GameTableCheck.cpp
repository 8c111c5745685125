// The checks behind GameTableCheck.h, compiled once for every table.

#include "GameTableCheck.h"

#include "DBCStringTable.h"
#include "DBCTestUtil.h"
#include "TableSequence.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#ifdef DRAVIK_FIXTURES_EXE
#include <sys/wait.h>
#endif

namespace GameTableCheck
{
namespace
{
const tint64 TWO_32 = static_cast<tint64>(1) << 32;

// How the cells of a generated row are filled.
enum RowStyle
{
    DISTINCT,      // INT 1000 + 3 * column, FLOAT "<column>.1", STRING "<table>.c<column>"
    EMPTY_TEXTS,   // INT 2000 + column, FLOAT "<column>.5", every STRING cell empty
    SAME_TEXT,     // as DISTINCT, but every STRING cell holds the same text
};

const char* KindWord(Kind eKind)
{
    static const char* const WORDS[] = {"INT", "FLOAT", "STRING"};
    return WORDS[eKind];
}

// The type of each column of the table; column 1 is never read, so any type serves.
std::vector<Kind> KindsByColumn(const Expected& e)
{
    std::vector<Kind> v(static_cast<size_t>(e.nColumns), K_INT);
    v[1] = K_FLOAT;
    for (const Column& col : e.columns) {
        if (col.nColumn >= 0 && col.nColumn < e.nColumns) {
            v[static_cast<size_t>(col.nColumn)] = col.eKind;
        }
    }
    return v;
}

std::string SharedText(const char* szTable)
{
    return std::string("one text in every column of ") + szTable;
}

std::string CellText(const char* szTable, Kind eKind, tint32 nColumn, RowStyle eStyle)
{
    switch (eKind) {
    case K_INT:
        return std::to_string(eStyle == EMPTY_TEXTS ? 2000 + nColumn : 1000 + 3 * nColumn);
    case K_FLOAT:
        return std::to_string(nColumn) + (eStyle == EMPTY_TEXTS ? ".5" : ".1");
    case K_STRING:
        if (eStyle == EMPTY_TEXTS) {
            return "";
        }
        if (eStyle == SAME_TEXT) {
            return SharedText(szTable);
        }
        return std::string(szTable) + ".c" + std::to_string(nColumn);
    }
    return "";
}

// Type line of a file of nColumns columns: the table's own words, extra columns INT.
std::string TypeLine(const Expected& e, tint32 nColumns)
{
    const std::vector<Kind> kinds = KindsByColumn(e);
    std::string s;
    for (tint32 i = 0; i < nColumns; ++i) {
        s += i > 0 ? "\t" : "";
        s += i < e.nColumns ? KindWord(kinds[static_cast<size_t>(i)]) : "INT";
    }
    return s;
}

std::string RowText(const Expected& e, tint64 nID, RowStyle eStyle, tint32 nColumns)
{
    const std::vector<Kind> kinds = KindsByColumn(e);
    std::string s = std::to_string(nID);
    for (tint32 i = 1; i < nColumns; ++i) {
        s += "\t";
        s += i == 1 ? "-1.5" : CellText(e.szName, i < e.nColumns ? kinds[static_cast<size_t>(i)] : K_INT, i, eStyle);
    }
    return s;
}

std::string TableText(const Expected& e, const std::vector<tint64>& ids, RowStyle eStyle = DISTINCT,
                      tint32 nColumns = -1)
{
    if (nColumns < 0) {
        nColumns = e.nColumns;
    }
    std::vector<std::string> rows;
    for (tint64 nID : ids) {
        rows.push_back(RowText(e, nID, eStyle, nColumns));
    }
    return DBCTest::TextTable(TypeLine(e, nColumns), rows);
}

std::string InitSignature(const char* szTable, bool bFromMemory = false)
{
    return std::string("bool InitTable_") + szTable +
           (bFromMemory ? "TableFromMemory(const DBCFile&)" : "Table(const tchar*)");
}

std::string LoadReport(const char* szTable, const std::string& strMsg, bool bFromMemory = false)
{
    return InitSignature(szTable, bFromMemory) + " | false | " + strMsg;
}

std::string ColumnsDiffer(const char* szTable)
{
    return std::string("bool Table_") + szTable +
           "::__Load(DBC_Loader&) | ID_TAB_CURCOL_COUNT==loader.GetFieldsNum() | " + szTable + " Columns Differ";
}

const Column* ColumnAt(const Expected& e, tint32 nColumn)
{
    for (const Column& col : e.columns) {
        if (col.nColumn == nColumn) {
            return &col;
        }
    }
    return nullptr;
}

bool Init(const Expected& e)
{
    return e.pfnInit(FileOf(e).c_str());
}

// The class's enumerators and base, and the declaration behind the module: names, type words,
// columns, sizes and the member declaration order.
void CheckDeclaration(const Expected& e)
{
    SCOPED_TRACE("declaration");
    const ClassFacts& f = e.facts;
    const std::vector<tint32> declared = {f.nInvalidIndex, f.nColumnCount, f.nMaxID,
                                          f.nMaxRecord,    f.nBaseMaxID,   f.nBaseMaxRecord};
    const std::vector<tint32> expected = {-1, e.nColumns, e.nMaxID, e.nMaxRecord, e.nMaxID, e.nMaxRecord};
    EXPECT_EQ(expected, declared);

    const DBC_TableDecl& d = *f.pDecl;
    EXPECT_STREQ(e.szName, d.szName);
    EXPECT_EQ(e.eContainer == HASH, d.bHashed);
    EXPECT_EQ(e.nMaxID, d.nMaxID);
    EXPECT_EQ(e.nMaxRecord, d.nMaxRecord);
    EXPECT_EQ(e.nColumns, d.nColumns);

    // Every column but 1 has a row, in column order, and its enumerator is its number.
    ASSERT_EQ(static_cast<size_t>(e.nColumns - 1), e.columns.size());
    for (size_t i = 0; i < e.columns.size(); ++i) {
        const Column& col = e.columns[i];
        SCOPED_TRACE(col.szEnum);
        EXPECT_EQ(i == 0 ? 0 : static_cast<tint32>(i) + 1, col.nColumn);
        EXPECT_EQ(col.nColumn, col.nEnum);
    }

    ASSERT_EQ(e.nColumns - 1, d.nColumnDecls);
    std::vector<tint32> order;
    for (tint32 i = 0; i < d.nColumnDecls; ++i) {
        const DBC_ColumnDecl& c = d.pColumns[i];
        order.push_back(c.nColumn);
        const Column* pCol = ColumnAt(e, c.nColumn);
        if (pCol == nullptr) {
            ADD_FAILURE() << "declared column " << c.nColumn << " is not listed";
            continue;
        }
        EXPECT_STREQ(pCol->szEnum, c.szEnum) << "column " << c.nColumn;
        EXPECT_STREQ(KindWord(pCol->eKind), c.szType) << "column " << c.nColumn;
        if (e.declOrder.empty() && i > 0 && std::strcmp(d.pColumns[i - 1].szMember, c.szMember) != 0) {
            EXPECT_LT(std::strcmp(d.pColumns[i - 1].szMember, c.szMember), 0)
                << "m_" << d.pColumns[i - 1].szMember << " before m_" << c.szMember;
        }
    }
    if (!e.declOrder.empty()) {
        EXPECT_EQ(e.declOrder, order);
    }
}

// A row of distinct values, a row of empty texts and a row of two cells: every getter gives its
// own column's value as the type its column declares, the shared empty string for an empty
// text, and 0 or the shared empty string for a missing cell. The same text loads from memory.
void CheckColumnMap(const Expected& e)
{
    SCOPED_TRACE("column map");
    TempWorkDir dir;
    const std::vector<std::string> rows = {RowText(e, 7, DISTINCT, e.nColumns),
                                           RowText(e, 3, EMPTY_TEXTS, e.nColumns), "5\t-1.5"};
    const std::string strText = DBCTest::TextTable(TypeLine(e, e.nColumns), rows);
    dir.WriteFile(FileOf(e), strText);
    ASSERT_TRUE(Init(e));
    ASSERT_EQ(3, e.pfnCount());
    const void* pA = e.pfnByID(7);
    const void* pB = e.pfnByID(3);
    const void* pShort = e.pfnByID(5);
    ASSERT_NE(nullptr, pA);
    ASSERT_NE(nullptr, pB);
    ASSERT_NE(nullptr, pShort);
    EXPECT_EQ(pA, e.pfnByIndex(0));
    EXPECT_EQ(pB, e.pfnByIndex(1));
    EXPECT_EQ(pShort, e.pfnByIndex(2));
    EXPECT_EQ(nullptr, e.pfnByIndex(3));
    EXPECT_EQ(nullptr, e.pfnByIndex(-1));
    EXPECT_EQ(nullptr, e.pfnByID(6));
    EXPECT_TRUE(e.facts.pfnIsInited(pA));
    for (const Column& col : e.columns) {
        SCOPED_TRACE(col.szGetter);
        const Cell a = col.pfnGet(pA);
        const Cell b = col.pfnGet(pB);
        const Cell s = col.pfnGet(pShort);
        ASSERT_EQ(col.eKind, a.eKind);
        switch (col.eKind) {
        case K_INT:
            EXPECT_EQ(col.nColumn == 0 ? 7 : 1000 + 3 * col.nColumn, a.nInt);
            EXPECT_EQ(col.nColumn == 0 ? 3 : 2000 + col.nColumn, b.nInt);
            EXPECT_EQ(col.nColumn == 0 ? 5 : 0, s.nInt);
            break;
        case K_FLOAT: {
            // The nearest float to the decimal written.
            const std::string strCell = std::to_string(col.nColumn) + ".1";
            EXPECT_EQ(static_cast<tfloat32>(std::strtod(strCell.c_str(), nullptr)), a.fFloat);
            EXPECT_EQ(static_cast<tfloat32>(col.nColumn) + 0.5f, b.fFloat);
            EXPECT_EQ(0.0f, s.fFloat);
            break;
        }
        case K_STRING:
            ASSERT_NE(nullptr, a.szText);
            EXPECT_EQ(std::string(e.szName) + ".c" + std::to_string(col.nColumn), a.szText);
            EXPECT_EQ(DBC_EmptyString(), b.szText);
            EXPECT_EQ(DBC_EmptyString(), s.szText);
            break;
        }
    }
    for (const ArrayCount& n : e.counts) {
        EXPECT_EQ(n.nSize, n.pfnCount(pA)) << n.szAccessor;
    }

    DBCFile db;
    ASSERT_TRUE(db.OpenFromMemory(strText.data(), strText.data() + strText.size(), "memory"));
    EXPECT_TRUE(e.pfnInitFromMemory(db));
    EXPECT_EQ(3, e.pfnCount());
    EXPECT_NE(nullptr, e.pfnByID(5));
    EXPECT_TRUE(DBCTest::AssertRecords(dir).empty());
}

// The same text in every string column of a row is pooled once: all string members of the
// record point to one copy.
void CheckSharedText(const Expected& e)
{
    std::vector<const Column*> strings;
    for (const Column& col : e.columns) {
        if (col.eKind == K_STRING) {
            strings.push_back(&col);
        }
    }
    if (strings.size() < 2) {
        return;
    }
    SCOPED_TRACE("one text in every string column");
    TempWorkDir dir;
    dir.WriteFile(FileOf(e), TableText(e, {5}, SAME_TEXT));
    ASSERT_TRUE(Init(e));
    const void* p = e.pfnByID(5);
    ASSERT_NE(nullptr, p);
    const tchar* szFirst = strings[0]->pfnGet(p).szText;
    EXPECT_EQ(SharedText(e.szName), szFirst);
    for (const Column* pCol : strings) {
        EXPECT_EQ(szFirst, pCol->pfnGet(p).szText) << pCol->szGetter;
    }
}

// One column fewer or more fails at the first row with "<table> Columns Differ" and three
// reports, and leaves the table empty; without rows the count is never compared.
void CheckColumnCount(const Expected& e)
{
    const std::string L = std::string("bool Table_") + e.szName + "::__Load(DBC_Loader&)";
    const std::string F = InitSignature(e.szName);
    const std::vector<std::string> expected = {ColumnsDiffer(e.szName), L + " | false | " + L, F + " | false | " + F};
    for (tint32 n : {e.nColumns - 1, e.nColumns + 1}) {
        SCOPED_TRACE("columns " + std::to_string(n));
        TempWorkDir dir;
        dir.WriteFile(FileOf(e), TableText(e, {5}, DISTINCT, n));
        DBCTest::ExpectReportThrown([&] { Init(e); });
        EXPECT_EQ(expected, DBCTest::AssertSummary(dir));
        EXPECT_EQ(0, e.pfnCount());
        EXPECT_EQ(nullptr, e.pfnByID(5));
        EXPECT_EQ(nullptr, e.pfnByIndex(0));

        dir.WriteFile(FileOf(e), TableText(e, {}, DISTINCT, n));
        EXPECT_TRUE(Init(e));
        EXPECT_EQ(0, e.pfnCount());
        EXPECT_EQ(3u, DBCTest::AssertRecords(dir).size());
    }
}

// A binary-form table of one INT column holding the IDs 0 to n-1.
std::string IdOnlyBinary(tint32 n)
{
    DBCTest::BinaryTable t;
    t.nFields = 1;
    t.nRecords = n;
    t.types = {0};
    t.cells.reserve(static_cast<size_t>(n));
    for (tint32 i = 0; i < n; ++i) {
        t.cells.push_back(DBCTest::BinaryTable::Int(i));
    }
    t.strBlock = std::string(1, '\0');
    t.nBlockSize = 1;
    return t.Bytes();
}

// The record limit, which a file of one row too many meets before any row is read, as text and
// from memory; a file at the limit passes it and fails on its first row's column count.
void CheckRecordLimit(const Expected& e)
{
    SCOPED_TRACE("record limit");
    // The ID-indexed container's text names the hashed one, as the container has it.
    const char* szCapacity = e.eContainer == HASH
                                 ? "[DBC_Table_Hash_T::LoadFromMemory]: Record count is larger than SEEK_LIST_SIZE!!"
                                 : "[DBC_Table_Hash_T::LoadFromMemory]: Record count is larger than UNIT_LIST_SIZE!!";
    {
        TempWorkDir dir;
        std::string strText = DBCTest::TextTable("INT\tSTRING", {});
        for (tint32 n = 0; n <= e.nMaxRecord; ++n) {
            strText += std::to_string(n) + "\n";
        }
        dir.WriteFile(FileOf(e), strText);
        DBCTest::ExpectReportThrown([&] { Init(e); });
        const std::vector<std::string> expected = {LoadReport(e.szName, szCapacity)};
        EXPECT_EQ(expected, DBCTest::AssertSummary(dir));
        EXPECT_EQ(0, e.pfnCount());
    }
    {
        TempWorkDir dir;
        const std::string strTooMany = IdOnlyBinary(e.nMaxRecord + 1);
        DBCFile dbTooMany;
        ASSERT_TRUE(dbTooMany.OpenFromMemory(strTooMany.data(), strTooMany.data() + strTooMany.size(), "too many"));
        DBCTest::ExpectReportThrown([&] { e.pfnInitFromMemory(dbTooMany); });
        const std::vector<std::string> expected = {LoadReport(e.szName, szCapacity, true)};
        EXPECT_EQ(expected, DBCTest::AssertSummary(dir));

        const std::string strFull = IdOnlyBinary(e.nMaxRecord);
        DBCFile dbFull;
        ASSERT_TRUE(dbFull.OpenFromMemory(strFull.data(), strFull.data() + strFull.size(), "full"));
        DBCTest::ExpectReportThrown([&] { e.pfnInitFromMemory(dbFull); });
        const std::vector<std::string> summary = DBCTest::AssertSummary(dir);
        ASSERT_EQ(4u, summary.size());
        EXPECT_EQ(ColumnsDiffer(e.szName), summary[1]);
        EXPECT_EQ(0, e.pfnCount());
    }
}

// Loads the IDs, in this order, and finds each by ID and by index.
void ExpectFound(const Expected& e, const std::vector<tint64>& ids)
{
    ASSERT_TRUE(Init(e));
    EXPECT_EQ(static_cast<tint32>(ids.size()), e.pfnCount());
    for (size_t i = 0; i < ids.size(); ++i) {
        const void* p = e.pfnByID(static_cast<tint32>(ids[i]));
        ASSERT_NE(nullptr, p) << ids[i];
        EXPECT_EQ(ids[i], IdOf(e, p));
        EXPECT_EQ(p, e.pfnByIndex(static_cast<tint32>(i)));   // by index in file order, whatever the IDs
    }
    EXPECT_EQ(nullptr, e.pfnByID(4));
}

// The IDs an ID-indexed container takes: 0 to its highest; others fail the load.
void CheckSequenceIDs(const Expected& e)
{
    SCOPED_TRACE("IDs 0 to the highest");
    const tint32 nMax = e.nMaxID;
    TempWorkDir dir;
    dir.WriteFile(FileOf(e), TableText(e, {nMax, 0}));
    ExpectFound(e, {nMax, 0});
    EXPECT_EQ(nullptr, e.pfnByID(nMax + 1));
    EXPECT_EQ(nullptr, e.pfnByID(-1));

    dir.WriteFile(FileOf(e), TableText(e, {0, nMax + 1}));
    DBCTest::ExpectReportThrown([&] { Init(e); });
    const std::vector<std::string> expected = {LoadReport(
        e.szName, "[DBC_Table_Index_T::LoadFromMemory]: ID(" + std::to_string(nMax + 1) + ")>MAX_ID over flow!!")};
    EXPECT_EQ(expected, DBCTest::AssertSummary(dir));
    EXPECT_EQ(0, e.pfnCount());

    dir.WriteFile(FileOf(e), TableText(e, {-1}));
    DBCTest::ExpectReportThrown([&] { Init(e); });
    EXPECT_EQ(2u, DBCTest::AssertSummary(dir).size());
    EXPECT_EQ(0, e.pfnCount());
}

// The IDs a hashed container takes: any 32-bit ID but -2147483648, which has a bucket (0) only
// when the bucket count divides 2147483648.
void CheckHashIDs(const Expected& e)
{
    SCOPED_TRACE("IDs in buckets");
    const tint32 nBuckets = e.nMaxID;
    TempWorkDir dir;
    // An ID, its negation and the ID plus the bucket count share a bucket.
    const std::vector<tint64> ids = {3, -3, 3 + static_cast<tint64>(nBuckets), 2000000000, INT_MAX, -INT_MAX};
    dir.WriteFile(FileOf(e), TableText(e, ids));
    ExpectFound(e, ids);

    // Either way without a report.
    const bool bHasBucket = (static_cast<tint64>(1) << 31) % nBuckets == 0;
    dir.WriteFile(FileOf(e), TableText(e, {9, INT_MIN}));
    EXPECT_EQ(bHasBucket, Init(e));
    EXPECT_EQ(bHasBucket, e.pfnByID(INT_MIN) != nullptr);
    EXPECT_TRUE(DBCTest::AssertRecords(dir).empty());
}

// An ID twice in the file is refused while it is read, and the earlier load stays; two IDs
// equal in their low 32 bits fail in the container and leave the table empty.
void CheckRepeatedIDs(const Expected& e)
{
    {
        SCOPED_TRACE("an ID twice in the file");
        TempWorkDir dir;
        dir.WriteFile(FileOf(e), TableText(e, {6}));
        ASSERT_TRUE(Init(e));
        dir.WriteFile(FileOf(e), TableText(e, {5, 5}));
        DBCTest::ExpectReportThrown([&] { Init(e); });
        const std::string F = InitSignature(e.szName);
        const std::vector<std::string> expected = {"void DBCFile::CheckIndex(const tchar*) | false | [" +
                                                       FileOf(e) + "] Multi index at line 2(SAME:value=5)",
                                                   F + " | false | " + F};
        EXPECT_EQ(expected, DBCTest::AssertSummary(dir));
        const void* p = e.pfnByID(6);
        ASSERT_NE(nullptr, p);
        EXPECT_EQ(6, IdOf(e, p));
    }
    {
        SCOPED_TRACE("IDs equal in their low 32 bits");
        TempWorkDir dir;
        dir.WriteFile(FileOf(e), TableText(e, {5, 5 + TWO_32}));
        DBCTest::ExpectReportThrown([&] { Init(e); });
        const char* szRefused = e.eContainer == HASH
                                    ? "[DBC_Table_Hash_T::PushContent]: Duplicated ID(5) found!!"
                                    : "[DBC_Table_Index_T::LoadFromMemory]: Duplicate Record(5) found!!";
        const std::vector<std::string> expected = {LoadReport(e.szName, szRefused)};
        EXPECT_EQ(expected, DBCTest::AssertSummary(dir));
        EXPECT_EQ(0, e.pfnCount());
        EXPECT_EQ(nullptr, e.pfnByID(5));
    }
}
}   // namespace

std::string FileOf(const Expected& e)
{
    const TableSeqEntry* pEntry = FindTableSeqEntry(e.szName);
    return pEntry != nullptr ? pEntry->szFile : std::string("Config/") + e.szName + ".txt";
}

tint32 IdOf(const Expected& e, const void* pRecord)
{
    const Column* pCol = ColumnAt(e, 0);
    if (pCol == nullptr) {
        ADD_FAILURE() << e.szName << ": no column 0";
        return -1;
    }
    return pCol->pfnGet(pRecord).nInt;
}

void CheckFullLoad(const Expected& e)
{
    SCOPED_TRACE(std::string(e.szName) + ": a full table");
    std::vector<tint64> ids;
    if (e.eContainer == SEQUENCE) {
        const tint32 n = std::min(e.nMaxRecord, e.nMaxID + 1);
        for (tint32 i = 0; i < n; ++i) {
            ids.push_back(e.nMaxID - i);
        }
    } else {
        // 1, -1, 2, -2, ...: an ID and its negation share a bucket.
        for (tint32 i = 0; i < e.nMaxRecord; ++i) {
            ids.push_back(i % 2 == 0 ? i / 2 + 1 : -(i / 2 + 1));
        }
    }
    TempWorkDir dir;
    dir.WriteFile(FileOf(e), TableText(e, ids));
    ASSERT_TRUE(Init(e));
    ASSERT_EQ(static_cast<tint32>(ids.size()), e.pfnCount());
    bool bAllFound = true;
    for (size_t i = 0; i < ids.size() && bAllFound; ++i) {
        const void* p = e.pfnByID(static_cast<tint32>(ids[i]));
        bAllFound = p != nullptr && IdOf(e, p) == ids[i] && p == e.pfnByIndex(static_cast<tint32>(i));
        EXPECT_TRUE(bAllFound) << "ID " << ids[i] << " at " << i;
    }
    EXPECT_EQ(nullptr, e.pfnByIndex(static_cast<tint32>(ids.size())));
    EXPECT_TRUE(DBCTest::AssertRecords(dir).empty());
}

void CheckTable(const Expected& e)
{
    SCOPED_TRACE(e.szName);
    CheckDeclaration(e);
    CheckColumnMap(e);
    CheckSharedText(e);
    CheckColumnCount(e);
    CheckRecordLimit(e);
    if (e.eContainer == SEQUENCE) {
        CheckSequenceIDs(e);
    } else {
        CheckHashIDs(e);
    }
    CheckRepeatedIDs(e);
}

#ifdef DRAVIK_FIXTURES_EXE
int RunFixtures(const std::string& strArgs)
{
    const std::string strCmd = std::string(DRAVIK_FIXTURES_EXE) + " " + strArgs + " > /dev/null 2>&1";
    const int n = std::system(strCmd.c_str());
    return WIFEXITED(n) ? WEXITSTATUS(n) : -1;
}
#endif
}   // namespace GameTableCheck
