#pragma once
// Table-driven checks for every game table. An Expected lists what one table must be: the
// five functions, container and sizes, column count, the member declaration order, and every
// read column by column number with its enumerator, type word and getter. The checks
// (GameTableCheck.cpp) write table files from that list, under the file name of the table's
// entry in the loading sequence, and compare each getter with the value written into its
// column. Records travel as const void* so that the checks are compiled once, not once per
// table. Test-thread only.

#include "DBCFile.h"
#include "DBCTableModule.h"

#include <string>
#include <vector>

namespace GameTableCheck
{
enum Kind
{
    K_INT,
    K_FLOAT,
    K_STRING,
};

// What a getter returned, with the type it returned it as.
struct Cell
{
    Kind eKind;
    tint32 nInt;
    tfloat32 fFloat;
    const tchar* szText;
};

inline Cell V(tint32 n) { return {K_INT, n, 0.0f, nullptr}; }
inline Cell V(tfloat32 f) { return {K_FLOAT, 0, f, nullptr}; }
inline Cell V(const tchar* sz) { return {K_STRING, 0, 0.0f, sz}; }

enum Container
{
    SEQUENCE,   // SequenceMgrType: IDs 0 to the first size
    HASH,       // HashMgrType: the first size is the bucket count
};

struct Column
{
    tint32 nEnum;          // the class's enumerator
    const char* szEnum;    // its name
    tint32 nColumn;        // the column it must name
    Kind eKind;            // the column's type word
    const char* szGetter;
    Cell (*pfnGet)(const void* pRecord);
};

struct ArrayCount
{
    const char* szAccessor;
    tint32 (*pfnCount)(const void* pRecord);
    tint32 nSize;
};

// What the record class itself says: its enumerators, its base's sizes and its declaration.
struct ClassFacts
{
    tint32 nInvalidIndex;
    tint32 nColumnCount;
    tint32 nMaxID;
    tint32 nMaxRecord;
    tint32 nBaseMaxID;
    tint32 nBaseMaxRecord;
    const DBC_TableDecl* pDecl;
    bool (*pfnIsInited)(const void* pRecord);
};

struct Expected
{
    const char* szName;
    bool (*pfnInit)(const tchar*);
    bool (*pfnInitFromMemory)(const DBCFile&);
    const void* (*pfnByID)(tint32);
    const void* (*pfnByIndex)(tint32);
    tint32 (*pfnCount)();
    ClassFacts facts;
    // Expected, from the table's description:
    Container eContainer;
    tint32 nMaxID;         // highest ID (SEQUENCE) or bucket count (HASH)
    tint32 nMaxRecord;
    tint32 nColumns;
    std::vector<tint32> declOrder;      // column numbers in member order; empty: members ordered by name
    std::vector<Column> columns;        // every read column, by column number (0, 2, 3, ...)
    std::vector<ArrayCount> counts;
};

// Inside a function that has `typedef Table_X T;`.
#define GTC_FUNCS(Name)                                                                                          \
    #Name, &InitTable_##Name##Table, &InitTable_##Name##TableFromMemory,                                         \
        [](tint32 n) -> const void* { return GetTable_##Name##ByID(n); },                                        \
        [](tint32 n) -> const void* { return GetTable_##Name##ByIndex(n); }, &GetTable_##Name##Count,            \
    {                                                                                                            \
        T::INVLAID_INDEX, T::ID_TAB_CURCOL_COUNT, T::MAX_ID, T::MAX_RECORD,                                      \
            T::DBC_Recorder_Loader::MAX_ID, T::DBC_Recorder_Loader::MAX_RECORD_NUM, &DBC_TableDeclOf<T>::s_Decl, \
            [](const void* p) { return static_cast<const T*>(p)->IsInited(); }                                   \
    }
#define GTC_COL(Enum, nColumn, Kind, Getter)                                             \
    {T::Enum, #Enum, nColumn, GameTableCheck::K_##Kind, #Getter,                         \
     [](const void* p) { return GameTableCheck::V(static_cast<const T*>(p)->Getter); }}
#define GTC_COUNT(Accessor, nSize) \
    {#Accessor, [](const void* p) { return static_cast<const T*>(p)->Accessor(); }, nSize}

// Every check of one table: declaration, column map, pooled texts, column count, container.
void CheckTable(const Expected& e);

// A file of as many records as the table can hold (the record limit, or every ID from 0 to the
// highest when fewer): IDs from the highest down, or for a hashed table of both signs. It loads
// whole, each record found by its ID and by its place in the file.
void CheckFullLoad(const Expected& e);

// The ID (column 0) of a record of the table.
tint32 IdOf(const Expected& e, const void* pRecord);

// The file that the loading sequence reads the table from; a table outside the sequence has no
// file, and the checks give it "Config/<name>.txt".
std::string FileOf(const Expected& e);

#ifdef DRAVIK_FIXTURES_EXE
// Runs the fixture writer with the given arguments; its exit status, -1 if it did not exit.
int RunFixtures(const std::string& strArgs);
#endif
}   // namespace GameTableCheck
