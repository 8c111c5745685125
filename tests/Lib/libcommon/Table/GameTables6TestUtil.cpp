// The checks behind GameTables6TestUtil.h, compiled once for every table case.

#include "GameTables6TestUtil.h"

#include "DBCStringTable.h"
#include "DBCTestUtil.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace GT6
{
namespace
{
// How the cells of a generated row are filled.
enum RowStyle
{
    DISTINCT,      // INT 1000 + 3 * column, FLOAT column + 0.25, STRING "<table>.c<column>"
    EMPTY_TEXTS,   // INT 2000 + column, FLOAT column + 0.5, every STRING cell empty
    SAME_TEXT,     // as DISTINCT, but every STRING cell holds the same text
};

std::vector<Kind> KindsByColumn(const TableCase& c)
{
    std::vector<Kind> v(static_cast<size_t>(c.nColumns), K_INT);
    v[1] = K_FLOAT;   // never read: any type serves
    for (const Column& col : c.columns) {
        v[static_cast<size_t>(col.nColumn)] = col.eKind;
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
        return std::to_string((eStyle == EMPTY_TEXTS ? 2000 : 1000) + (eStyle == EMPTY_TEXTS ? 1 : 3) * nColumn);
    case K_FLOAT:
        return std::to_string(nColumn) + (eStyle == EMPTY_TEXTS ? ".5" : ".25");
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
std::string TypeLine(const TableCase& c, tint32 nColumns)
{
    static const char* const WORDS[] = {"INT", "FLOAT", "STRING"};
    const std::vector<Kind> kinds = KindsByColumn(c);
    std::string s;
    for (tint32 i = 0; i < nColumns; ++i) {
        s += i > 0 ? "\t" : "";
        s += i < c.nColumns ? WORDS[kinds[static_cast<size_t>(i)]] : "INT";
    }
    return s;
}

std::string RowText(const TableCase& c, tint64 nID, RowStyle eStyle, tint32 nColumns)
{
    const std::vector<Kind> kinds = KindsByColumn(c);
    std::string s = std::to_string(nID);
    for (tint32 i = 1; i < nColumns; ++i) {
        s += "\t";
        s += i == 1 ? "-1.5" : CellText(c.szName, i < c.nColumns ? kinds[static_cast<size_t>(i)] : K_INT, i, eStyle);
    }
    return s;
}

std::string TableText(const TableCase& c, const std::vector<tint64>& ids, RowStyle eStyle = DISTINCT, tint32 nColumns = -1)
{
    if (nColumns < 0) {
        nColumns = c.nColumns;
    }
    std::vector<std::string> rows;
    for (tint64 nID : ids) {
        rows.push_back(RowText(c, nID, eStyle, nColumns));
    }
    return DBCTest::TextTable(TypeLine(c, nColumns), rows);
}

std::string LoadReport(const char* szTable, const std::string& strMsg, bool bFromMemory = false)
{
    const std::string strFunc = std::string("bool InitTable_") + szTable +
                                (bFromMemory ? "TableFromMemory(const DBCFile&)" : "Table(const tchar*)");
    return strFunc + " | false | " + strMsg;
}

// The class's enumerators and the declaration behind the module: names, columns, sizes and
// the member declaration order.
void CheckDeclaration(const TableCase& c)
{
    SCOPED_TRACE(c.szName);
    EXPECT_EQ(-1, c.facts.nInvalidIndex);
    EXPECT_EQ(c.nColumns, c.facts.nColumnCount);
    EXPECT_EQ(c.nFirstSize, c.facts.nMaxID);
    EXPECT_EQ(c.nMaxRecord, c.facts.nMaxRecord);
    const DBC_TableDecl& d = *c.facts.pDecl;
    EXPECT_STREQ(c.szName, d.szName);
    EXPECT_STREQ(c.szFile, d.szFile);
    EXPECT_EQ(c.eContainer == HASH, d.bHashed);
    EXPECT_EQ(c.nFirstSize, d.nMaxID);
    EXPECT_EQ(c.nMaxRecord, d.nMaxRecord);
    ASSERT_EQ(static_cast<size_t>(c.nColumns - 1), c.columns.size());
    ASSERT_EQ(static_cast<tint32>(c.columns.size()), d.nColumnDecls);
    for (size_t i = 0; i < c.columns.size(); ++i) {
        const Column& col = c.columns[i];
        SCOPED_TRACE(col.szEnum);
        EXPECT_EQ(col.nColumn, col.nEnum);
        EXPECT_STREQ(col.szEnum, d.pColumns[i].szEnum);
        EXPECT_EQ(col.nColumn, d.pColumns[i].nColumn);
    }
}

// A file with distinct values per column: every getter gives its own column's value, as the
// type its column declares; a row with empty text cells gives the shared empty string.
void CheckColumnMap(const TableCase& c)
{
    SCOPED_TRACE(c.szName);
    TempWorkDir dir;
    dir.WriteFile(c.szFile, TableText(c, {7}) + RowText(c, 3, EMPTY_TEXTS, c.nColumns) + "\n");
    ASSERT_TRUE(c.pfnInit(c.szFile));
    ASSERT_EQ(2, c.pfnCount());
    const void* pA = c.pfnByID(7);
    const void* pB = c.pfnByID(3);
    ASSERT_NE(nullptr, pA);
    ASSERT_NE(nullptr, pB);
    EXPECT_EQ(pA, c.pfnByIndex(0));
    EXPECT_EQ(pB, c.pfnByIndex(1));
    EXPECT_EQ(nullptr, c.pfnByIndex(2));
    for (const Column& col : c.columns) {
        SCOPED_TRACE(col.szEnum);
        const Cell a = col.pfnGet(pA);
        const Cell b = col.pfnGet(pB);
        ASSERT_EQ(col.eKind, a.eKind);
        switch (col.eKind) {
        case K_INT:
            EXPECT_EQ(col.nColumn == 0 ? 7 : 1000 + 3 * col.nColumn, a.nInt);
            EXPECT_EQ(col.nColumn == 0 ? 3 : 2000 + col.nColumn, b.nInt);
            break;
        case K_FLOAT:
            EXPECT_EQ(static_cast<tfloat32>(col.nColumn) + 0.25f, a.fFloat);
            EXPECT_EQ(static_cast<tfloat32>(col.nColumn) + 0.5f, b.fFloat);
            break;
        case K_STRING:
            ASSERT_NE(nullptr, a.szText);
            EXPECT_EQ(std::string(c.szName) + ".c" + std::to_string(col.nColumn), a.szText);
            EXPECT_EQ(DBC_EmptyString(), b.szText);
            break;
        }
    }
    for (const ArrayCount& n : c.counts) {
        EXPECT_EQ(n.nSize, n.pfnCount(pA)) << n.szAccessor;
    }
    EXPECT_TRUE(DBCTest::AssertRecords(dir).empty());
}

// The same text in every string column of a row is pooled once: all string members of the
// record point to one copy.
void CheckSharedText(const TableCase& c)
{
    SCOPED_TRACE(c.szName);
    std::vector<const Column*> strings;
    for (const Column& col : c.columns) {
        if (col.eKind == K_STRING) {
            strings.push_back(&col);
        }
    }
    if (strings.size() < 2) {
        return;
    }
    TempWorkDir dir;
    dir.WriteFile(c.szFile, TableText(c, {5}, SAME_TEXT));
    ASSERT_TRUE(c.pfnInit(c.szFile));
    const void* p = c.pfnByID(5);
    ASSERT_NE(nullptr, p);
    const tchar* szFirst = strings[0]->pfnGet(p).szText;
    EXPECT_EQ(SharedText(c.szName), szFirst);
    for (const Column* pCol : strings) {
        EXPECT_EQ(szFirst, pCol->pfnGet(p).szText) << pCol->szEnum;
    }
}

// One column less or more fails at the first row with "<table> Columns Differ" and leaves the
// table empty; without rows the count is never compared.
void CheckColumnCount(const TableCase& c)
{
    SCOPED_TRACE(c.szName);
    const std::string L = std::string("bool Table_") + c.szName + "::__Load(DBC_Loader&)";
    const std::string F = std::string("bool InitTable_") + c.szName + "Table(const tchar*)";
    const std::vector<std::string> expected = {
        L + " | ID_TAB_CURCOL_COUNT==loader.GetFieldsNum() | " + c.szName + " Columns Differ",
        L + " | false | " + L,
        F + " | false | " + F,
    };
    for (tint32 n : {c.nColumns - 1, c.nColumns + 1}) {
        SCOPED_TRACE(n);
        TempWorkDir dir;
        dir.WriteFile(c.szFile, TableText(c, {1}, DISTINCT, n));
        DBCTest::ExpectReportThrown([&] { c.pfnInit(c.szFile); });
        EXPECT_EQ(expected, DBCTest::AssertSummary(dir));
        EXPECT_EQ(0, c.pfnCount());
        EXPECT_EQ(nullptr, c.pfnByIndex(0));

        dir.WriteFile(c.szFile, TableText(c, {}, DISTINCT, n));
        EXPECT_TRUE(c.pfnInit(c.szFile));
        EXPECT_EQ(0, c.pfnCount());
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

// The container's limits: IDs at the edges, repeated IDs, and the record limit, which a file
// of one column too many rows meets before any row is read (one row fewer passes it and
// fails on its first row's column count instead).
void CheckLimits(const TableCase& c)
{
    SCOPED_TRACE(c.szName);
    const tint64 TWO_32 = static_cast<tint64>(1) << 32;
    {
        TempWorkDir dir;
        if (c.eContainer == SEQUENCE) {
            const tint32 nMax = c.nFirstSize;
            dir.WriteFile(c.szFile, TableText(c, {nMax, 0}));
            ASSERT_TRUE(c.pfnInit(c.szFile));
            ASSERT_NE(nullptr, c.pfnByID(nMax));
            EXPECT_EQ(nMax, IdOf(c, c.pfnByID(nMax)));
            EXPECT_EQ(c.pfnByIndex(1), c.pfnByID(0));
            EXPECT_EQ(nullptr, c.pfnByID(nMax + 1));
            EXPECT_EQ(nullptr, c.pfnByID(-1));

            dir.WriteFile(c.szFile, TableText(c, {0, nMax + 1}));
            DBCTest::ExpectReportThrown([&] { c.pfnInit(c.szFile); });
            dir.WriteFile(c.szFile, TableText(c, {-1}));
            DBCTest::ExpectReportThrown([&] { c.pfnInit(c.szFile); });
            EXPECT_EQ(0, c.pfnCount());
            dir.WriteFile(c.szFile, TableText(c, {4, 4 + TWO_32}));
            DBCTest::ExpectReportThrown([&] { c.pfnInit(c.szFile); });
            const std::vector<std::string> summary = DBCTest::AssertSummary(dir);
            ASSERT_EQ(3u, summary.size());
            EXPECT_EQ(LoadReport(c.szName, "[DBC_Table_Index_T::LoadFromMemory]: ID(" + std::to_string(nMax + 1) +
                                               ")>MAX_ID over flow!!"),
                      summary[0]);
            EXPECT_EQ(LoadReport(c.szName, "[DBC_Table_Index_T::LoadFromMemory]: Duplicate Record(4) found!!"), summary[2]);
        } else {
            const tint32 nBuckets = c.nFirstSize;
            // An ID, its negation and the ID plus the bucket count share a bucket.
            const std::vector<tint64> ids = {3, -3, 3 + static_cast<tint64>(nBuckets), 2000000000};
            dir.WriteFile(c.szFile, TableText(c, ids));
            ASSERT_TRUE(c.pfnInit(c.szFile));
            EXPECT_EQ(4, c.pfnCount());
            for (size_t i = 0; i < ids.size(); ++i) {
                const void* p = c.pfnByID(static_cast<tint32>(ids[i]));
                ASSERT_NE(nullptr, p) << ids[i];
                EXPECT_EQ(ids[i], IdOf(c, p));
                EXPECT_EQ(p, c.pfnByIndex(static_cast<tint32>(i)));
            }
            EXPECT_EQ(nullptr, c.pfnByID(4));

            dir.WriteFile(c.szFile, TableText(c, {3, 3 + TWO_32}));
            DBCTest::ExpectReportThrown([&] { c.pfnInit(c.szFile); });
            const std::vector<std::string> expected = {
                LoadReport(c.szName, "[DBC_Table_Hash_T::PushContent]: Duplicated ID(3) found!!")};
            EXPECT_EQ(expected, DBCTest::AssertSummary(dir));

            // -2147483648 has a bucket (0) only when the bucket count divides 2147483648.
            const bool bHasBucket = (static_cast<tint64>(1) << 31) % nBuckets == 0;
            dir.WriteFile(c.szFile, TableText(c, {9, INT_MIN}));
            EXPECT_EQ(bHasBucket, c.pfnInit(c.szFile));
            EXPECT_EQ(bHasBucket, c.pfnByID(INT_MIN) != nullptr);
            EXPECT_EQ(1u, DBCTest::AssertRecords(dir).size());
        }
    }
    {
        TempWorkDir dir;
        const char* szCapacity = c.eContainer == HASH
                                     ? "[DBC_Table_Hash_T::LoadFromMemory]: Record count is larger than SEEK_LIST_SIZE!!"
                                     : "[DBC_Table_Hash_T::LoadFromMemory]: Record count is larger than UNIT_LIST_SIZE!!";
        const std::string strTooMany = IdOnlyBinary(c.nMaxRecord + 1);
        DBCFile dbTooMany;
        ASSERT_TRUE(dbTooMany.OpenFromMemory(strTooMany.data(), strTooMany.data() + strTooMany.size(), "too many"));
        DBCTest::ExpectReportThrown([&] { c.pfnInitFromMemory(dbTooMany); });
        const std::vector<std::string> expected = {LoadReport(c.szName, szCapacity, true)};
        EXPECT_EQ(expected, DBCTest::AssertSummary(dir));

        const std::string strFull = IdOnlyBinary(c.nMaxRecord);
        DBCFile dbFull;
        ASSERT_TRUE(dbFull.OpenFromMemory(strFull.data(), strFull.data() + strFull.size(), "full"));
        DBCTest::ExpectReportThrown([&] { c.pfnInitFromMemory(dbFull); });
        const std::vector<std::string> summary = DBCTest::AssertSummary(dir);
        ASSERT_EQ(4u, summary.size());
        EXPECT_EQ(std::string("bool Table_") + c.szName + "::__Load(DBC_Loader&) | ID_TAB_CURCOL_COUNT==loader.GetFieldsNum() | " +
                      c.szName + " Columns Differ",
                  summary[1]);
        EXPECT_EQ(0, c.pfnCount());
    }
}
}   // namespace

tint32 IdOf(const TableCase& c, const void* r)
{
    for (const Column& col : c.columns) {
        if (col.nColumn == 0) {
            return col.pfnGet(r).nInt;
        }
    }
    ADD_FAILURE() << c.szName << ": no column 0";
    return -1;
}

// Every check of one table.
void CheckTable(const TableCase& c)
{
    CheckDeclaration(c);
    CheckColumnMap(c);
    CheckSharedText(c);
    CheckColumnCount(c);
    CheckLimits(c);
}
}   // namespace GT6
