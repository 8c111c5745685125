#pragma once
// One check for every economy, activity and task table, driven by a TableCheck::Spec written
// from the table's column list: the enumeration and sizes, the member declaration order, each
// accessor against the column it must read, the column-count report, the container's limits,
// IDs and duplicates. Each part runs in its own temporary working folder.

#include "DBCFile.h"
#include "DBCLoader.h"
#include "DBCTableModule.h"
#include "DBCTestUtil.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace TableCheck
{
// An accessor's result with the kind of its type, so that a wrong return type shows.
inline std::string Tagged(tint32 v)
{
    return "INT " + std::to_string(v);
}
inline std::string Tagged(tfloat32 v)
{
    char sz[64];
    std::snprintf(sz, sizeof(sz), "FLOAT %.9g", static_cast<double>(v));
    return sz;
}
inline std::string Tagged(const tchar* p)
{
    if (p == nullptr) {
        return "STRING <null>";
    }
    if (p == DBC_EmptyString()) {
        return "STRING <shared empty>";
    }
    return std::string("STRING ") + p;
}

// One read column: its accessor, its number, its enumerator and the type word of its cells.
template <class T>
struct Column
{
    const char* szAccessor;
    tint32 nColumn;
    tint32 nEnum;
    const char* szType;
    std::string (*pfnRead)(const T&);
};

// The element count of one array member.
template <class T>
struct ArrayCount
{
    const char* szAccessor;
    tint32 nCount;
    tint32 (*pfnCount)(const T&);
};

template <class T>
struct Spec
{
    const char* szName;
    bool (*pfnLoad)(const tchar*);
    bool (*pfnLoadFromMemory)(const DBCFile&);
    const T* (*pfnByID)(tint32);
    const T* (*pfnByIndex)(tint32);
    tint32 (*pfnCount)();
    bool bHashed;
    tint32 nMaxID;
    tint32 nMaxRecord;
    tint32 nColumns;
    std::vector<Column<T>> columns;      // every read column, by column number
    std::vector<ArrayCount<T>> counts;
    std::vector<tint32> declOrder;       // columns in member order; empty: members ordered by name
};

#define TC_FUNCS(Name)                                                                          \
    #Name, &InitTable_##Name##Table, &InitTable_##Name##TableFromMemory, &GetTable_##Name##ByID, \
        &GetTable_##Name##ByIndex, &GetTable_##Name##Count
#define TC_COL(T, Get, Enum, Col, Type) \
    {#Get, Col, T::Enum, #Type, [](const T& r) { return TableCheck::Tagged(r.Get()); }}
#define TC_ELEM(T, Get, Enum, Col, Type, Elem) \
    {#Get "(" #Elem ")", Col, T::Enum, #Type, [](const T& r) { return TableCheck::Tagged(r.Get(Elem)); }}
#define TC_COUNT(T, get, Count) {#get, Count, [](const T& r) { return r.get(); }}

// The check itself works on a type-erased copy of the expectation, so that it is compiled once per
// test file rather than once per table.
struct ErasedColumn
{
    const char* szAccessor;
    tint32 nColumn;
    tint32 nEnum;
    std::string strType;
    std::function<std::string(const void*)> read;
};

struct ErasedCount
{
    const char* szAccessor;
    tint32 nCount;
    std::function<tint32(const void*)> count;
};

struct Erased
{
    std::string strName;
    bool (*pfnLoad)(const tchar*);
    bool (*pfnLoadFromMemory)(const DBCFile&);
    std::function<const void*(tint32)> byID;
    std::function<const void*(tint32)> byIndex;
    tint32 (*pfnCount)();
    std::function<bool(const void*)> isInited;
    bool bHashed;
    tint32 nMaxID;
    tint32 nMaxRecord;
    tint32 nColumns;
    // What the class declares: INVLAID_INDEX, ID_TAB_CURCOL_COUNT, MAX_ID, MAX_RECORD and the
    // base's MAX_ID and MAX_RECORD_NUM.
    tint32 aDeclared[6];
    const DBC_TableDecl* pDecl;
    std::vector<ErasedColumn> columns;
    std::vector<ErasedCount> counts;
    std::vector<tint32> declOrder;

    std::string FileName() const { return "Config/" + strName + ".txt"; }
    std::string LoadSignature() const { return "bool InitTable_" + strName + "Table(const tchar*)"; }
    bool Load() const { return pfnLoad(FileName().c_str()); }
    std::string IdOf(const void* p) const { return p == nullptr ? std::string("<none>") : columns[0].read(p); }
};

// The type line: column 1 is never read, so it may carry any word.
inline std::string TypeLine(const Erased& s, tint32 nColumns)
{
    std::string str;
    for (tint32 c = 0; c < nColumns; ++c) {
        std::string strType = c == 1 ? "FLOAT" : "INT";
        for (const ErasedColumn& col : s.columns) {
            if (col.nColumn == c) {
                strType = col.strType;
            }
        }
        str += (c > 0 ? "\t" : "") + strType;
    }
    return str;
}

// The cell text of column c in the row of distinct values, and what its accessor gives.
inline std::string DistinctCell(tint32 nColumn, const std::string& strType)
{
    if (nColumn == 0) {
        return "77";
    }
    if (nColumn == 1) {
        return "9.5";
    }
    if (strType == "INT") {
        return std::to_string(1000 + nColumn);
    }
    if (strType == "FLOAT") {
        return std::to_string(nColumn) + ".1";
    }
    return "text" + std::to_string(nColumn);
}

inline std::string DistinctValue(tint32 nColumn, const std::string& strType)
{
    const std::string strCell = DistinctCell(nColumn, strType);
    if (strType == "FLOAT") {
        return Tagged(static_cast<tfloat32>(std::strtod(strCell.c_str(), nullptr)));   // the nearest float
    }
    return strType + " " + strCell;
}

inline std::string Rows(tint64 nFirst, tint64 nLast)
{
    std::string s;
    for (tint64 n = nFirst; n <= nLast; ++n) {
        s += std::to_string(n) + "\n";
    }
    return s;
}

// What the module declares: enumeration, sizes, declaration and its order.
inline void CheckShape(const Erased& s)
{
    SCOPED_TRACE("shape");
    const std::vector<tint32> declared(s.aDeclared, s.aDeclared + 6);
    const std::vector<tint32> expected = {-1, s.nColumns, s.nMaxID, s.nMaxRecord, s.nMaxID, s.nMaxRecord};
    EXPECT_EQ(expected, declared);

    const DBC_TableDecl& d = *s.pDecl;
    EXPECT_EQ(s.strName, d.szName);
    EXPECT_EQ(s.FileName(), d.szFile);
    EXPECT_EQ(s.bHashed, d.bHashed);
    EXPECT_EQ(s.nColumns, d.nColumns);

    // Every column but 1 has a row here, in column order, and its enumerator is its number.
    ASSERT_EQ(static_cast<size_t>(s.nColumns - 1), s.columns.size());
    for (size_t i = 0; i < s.columns.size(); ++i) {
        SCOPED_TRACE(s.columns[i].szAccessor);
        EXPECT_EQ(i == 0 ? 0 : static_cast<tint32>(i) + 1, s.columns[i].nColumn);
        EXPECT_EQ(s.columns[i].nColumn, s.columns[i].nEnum);
    }

    ASSERT_EQ(s.nColumns - 1, d.nColumnDecls);
    std::vector<tint32> order;
    for (tint32 i = 0; i < d.nColumnDecls; ++i) {
        const DBC_ColumnDecl& c = d.pColumns[i];
        order.push_back(c.nColumn);
        const size_t nRow = c.nColumn == 0 ? 0 : static_cast<size_t>(c.nColumn - 1);
        if (nRow < s.columns.size()) {
            EXPECT_EQ(s.columns[nRow].strType, c.szType) << "column " << c.nColumn;
        }
        if (s.declOrder.empty() && i > 0 && std::strcmp(d.pColumns[i - 1].szMember, c.szMember) != 0) {
            EXPECT_LT(std::strcmp(d.pColumns[i - 1].szMember, c.szMember), 0)
                << "m_" << d.pColumns[i - 1].szMember << " before m_" << c.szMember;
        }
    }
    if (!s.declOrder.empty()) {
        EXPECT_EQ(s.declOrder, order);
    }
}

// A row of distinct values and a row of one cell: each accessor gives its own column's value,
// or 0 and the shared empty text for the missing cells.
inline void CheckColumnMap(const Erased& s)
{
    SCOPED_TRACE("column map");
    TempWorkDir dir;
    std::string strRow;
    for (tint32 c = 0; c < s.nColumns; ++c) {
        std::string strType = "FLOAT";
        for (const ErasedColumn& col : s.columns) {
            strType = col.nColumn == c ? col.strType : strType;
        }
        strRow += (c > 0 ? "\t" : "") + DistinctCell(c, strType);
    }
    const std::string strText = DBCTest::TextTable(TypeLine(s, s.nColumns), {strRow, "78\t9.5"});
    dir.WriteFile(s.FileName(), strText);
    ASSERT_TRUE(s.Load());
    ASSERT_EQ(2, s.pfnCount());
    const void* pFull = s.byID(77);
    const void* pShort = s.byID(78);
    ASSERT_NE(nullptr, pFull);
    ASSERT_NE(nullptr, pShort);
    EXPECT_EQ(pFull, s.byIndex(0));
    EXPECT_EQ(pShort, s.byIndex(1));
    EXPECT_EQ(nullptr, s.byIndex(2));
    EXPECT_EQ(nullptr, s.byIndex(-1));
    EXPECT_EQ(nullptr, s.byID(79));
    EXPECT_TRUE(s.isInited(pFull));
    for (const ErasedColumn& col : s.columns) {
        SCOPED_TRACE(col.szAccessor);
        EXPECT_EQ(DistinctValue(col.nColumn, col.strType), col.read(pFull));
        const std::string strEmpty = col.nColumn == 0           ? "INT 78"
                                     : col.strType == "STRING" ? "STRING <shared empty>"
                                                               : col.strType + " 0";
        EXPECT_EQ(strEmpty, col.read(pShort));
    }
    for (const ErasedCount& a : s.counts) {
        EXPECT_EQ(a.nCount, a.count(pFull)) << a.szAccessor;
    }

    DBCFile db;
    ASSERT_TRUE(db.OpenFromMemory(strText.data(), strText.data() + strText.size(), "memory"));
    EXPECT_TRUE(s.pfnLoadFromMemory(db));
    EXPECT_EQ(2, s.pfnCount());
    EXPECT_NE(nullptr, s.byID(78));
    EXPECT_TRUE(DBCTest::AssertRecords(dir).empty());
}

// One column fewer or more fails at the first row with the table's message and three reports;
// without rows the count is never compared.
inline void CheckColumnCount(const Erased& s)
{
    const std::string L = "bool Table_" + s.strName + "::__Load(DBC_Loader&)";
    const std::string F = s.LoadSignature();
    const std::vector<std::string> expected = {
        L + " | ID_TAB_CURCOL_COUNT==loader.GetFieldsNum() | " + s.strName + " Columns Differ",
        L + " | false | " + L,
        F + " | false | " + F,
    };
    for (tint32 nColumns : {s.nColumns - 1, s.nColumns + 1}) {
        SCOPED_TRACE("columns " + std::to_string(nColumns));
        TempWorkDir dir;
        dir.WriteFile(s.FileName(), DBCTest::TextTable(TypeLine(s, nColumns), {"5"}));
        DBCTest::ExpectReportThrown([&] { s.Load(); });
        EXPECT_EQ(expected, DBCTest::AssertSummary(dir));
        EXPECT_EQ(nullptr, s.byID(5));
        EXPECT_EQ(nullptr, s.byIndex(0));

        dir.WriteFile(s.FileName(), DBCTest::TextTable(TypeLine(s, nColumns), {}));
        EXPECT_TRUE(s.Load());
        EXPECT_EQ(0, s.pfnCount());
    }
}

// The container: one record more than its limit, IDs at and past its ends, repeated IDs. A load
// that fails after the file opened leaves the table empty.
inline void CheckContainer(const Erased& s)
{
    const std::string F = s.LoadSignature();
    const std::string strTypes = TypeLine(s, s.nColumns);
    {
        SCOPED_TRACE("one record over the limit");
        TempWorkDir dir;
        dir.WriteFile(s.FileName(), DBCTest::TextTable("INT\tSTRING", {}) + Rows(0, s.nMaxRecord));
        DBCTest::ExpectReportThrown([&] { s.Load(); });
        // The ID-indexed container's text names the hashed one, as the container has it.
        const std::vector<std::string> expected = {
            F + " | false | " +
            (s.bHashed ? "[DBC_Table_Hash_T::LoadFromMemory]: Record count is larger than SEEK_LIST_SIZE!!"
                       : "[DBC_Table_Hash_T::LoadFromMemory]: Record count is larger than UNIT_LIST_SIZE!!")};
        EXPECT_EQ(expected, DBCTest::AssertSummary(dir));
        EXPECT_EQ(0, s.pfnCount());
    }
    {
        SCOPED_TRACE("IDs");
        TempWorkDir dir;
        std::vector<tint32> ids;
        if (s.bHashed) {
            // One bucket for the first three; any 32-bit ID is taken.
            ids = {3, 3 + s.nMaxID, -3, 2147483647, -2147483647};
        } else {
            ids = {s.nMaxID, 0};
        }
        std::vector<std::string> rows;
        for (tint32 n : ids) {
            rows.push_back(std::to_string(n));
        }
        dir.WriteFile(s.FileName(), DBCTest::TextTable(strTypes, rows));
        ASSERT_TRUE(s.Load());
        EXPECT_EQ(static_cast<tint32>(ids.size()), s.pfnCount());
        for (tint32 n : ids) {
            EXPECT_EQ("INT " + std::to_string(n), s.IdOf(s.byID(n)));
        }
        EXPECT_EQ(s.byID(ids[0]), s.byIndex(0));   // by index in file order, whatever the IDs
        EXPECT_EQ(nullptr, s.byID(4));
        if (!s.bHashed) {
            EXPECT_EQ(nullptr, s.byID(-1));
            EXPECT_EQ(nullptr, s.byID(s.nMaxID + 1));
            dir.WriteFile(s.FileName(), DBCTest::TextTable(strTypes, {"1", std::to_string(s.nMaxID + 1)}));
            DBCTest::ExpectReportThrown([&] { s.Load(); });
            const std::vector<std::string> expected = {F + " | false | [DBC_Table_Index_T::LoadFromMemory]: ID(" +
                                                       std::to_string(s.nMaxID + 1) + ")>MAX_ID over flow!!"};
            EXPECT_EQ(expected, DBCTest::AssertSummary(dir));
            EXPECT_EQ(0, s.pfnCount());
        }
    }
    {
        SCOPED_TRACE("an ID twice in the file");
        TempWorkDir dir;
        dir.WriteFile(s.FileName(), DBCTest::TextTable(strTypes, {"6"}));
        ASSERT_TRUE(s.Load());
        dir.WriteFile(s.FileName(), DBCTest::TextTable(strTypes, {"5", "5"}));
        DBCTest::ExpectReportThrown([&] { s.Load(); });
        const std::vector<std::string> expected = {
            "void DBCFile::CheckIndex(const tchar*) | false | [" + s.FileName() + "] Multi index at line 2(SAME:value=5)",
            F + " | false | " + F};
        EXPECT_EQ(expected, DBCTest::AssertSummary(dir));
        EXPECT_EQ("INT 6", s.IdOf(s.byID(6)));   // refused while read: the earlier load stays
    }
    {
        SCOPED_TRACE("IDs equal in their low 32 bits");
        TempWorkDir dir;
        dir.WriteFile(s.FileName(), DBCTest::TextTable(strTypes, {"5", "4294967301"}));
        DBCTest::ExpectReportThrown([&] { s.Load(); });
        const std::vector<std::string> expected = {
            F + " | false | " + (s.bHashed ? "[DBC_Table_Hash_T::PushContent]: Duplicated ID(5) found!!"
                                           : "[DBC_Table_Index_T::LoadFromMemory]: Duplicate Record(5) found!!")};
        EXPECT_EQ(expected, DBCTest::AssertSummary(dir));
        EXPECT_EQ(0, s.pfnCount());
        EXPECT_EQ(nullptr, s.byID(5));
    }
}

template <class T>
void CheckTable(const Spec<T>& s)
{
    Erased e;
    e.strName = s.szName;
    e.pfnLoad = s.pfnLoad;
    e.pfnLoadFromMemory = s.pfnLoadFromMemory;
    e.byID = [&s](tint32 n) -> const void* { return s.pfnByID(n); };
    e.byIndex = [&s](tint32 n) -> const void* { return s.pfnByIndex(n); };
    e.pfnCount = s.pfnCount;
    e.isInited = [](const void* p) { return static_cast<const T*>(p)->IsInited(); };
    e.bHashed = s.bHashed;
    e.nMaxID = s.nMaxID;
    e.nMaxRecord = s.nMaxRecord;
    e.nColumns = s.nColumns;
    const tint32 aDeclared[6] = {T::INVLAID_INDEX, T::ID_TAB_CURCOL_COUNT, T::MAX_ID, T::MAX_RECORD,
                                 T::DBC_Recorder_Loader::MAX_ID, T::DBC_Recorder_Loader::MAX_RECORD_NUM};
    std::copy(aDeclared, aDeclared + 6, e.aDeclared);
    e.pDecl = &DBC_TableDeclOf<T>::s_Decl;
    for (const Column<T>& c : s.columns) {
        auto pfn = c.pfnRead;
        e.columns.push_back({c.szAccessor, c.nColumn, c.nEnum, c.szType,
                             [pfn](const void* p) { return pfn(*static_cast<const T*>(p)); }});
    }
    for (const ArrayCount<T>& c : s.counts) {
        auto pfn = c.pfnCount;
        e.counts.push_back({c.szAccessor, c.nCount, [pfn](const void* p) { return pfn(*static_cast<const T*>(p)); }});
    }
    e.declOrder = s.declOrder;

    SCOPED_TRACE(s.szName);
    CheckShape(e);
    CheckColumnMap(e);
    CheckColumnCount(e);
    CheckContainer(e);
}
}   // namespace TableCheck
