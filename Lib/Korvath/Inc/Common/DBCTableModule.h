#pragma once
// Table modules written as declarations.
//
// A table is declared once, in its header, as an X-list of its data in member declaration
// order (the order in which __Load reads and texts reach the string pool):
//
//   #define DBC_TABLE_RobotName(TABLE, COL, ELEM) <one line each, joined by backslashes>
//       TABLE(RobotName, SequenceMgrType, 999, 1000, 4)
//       COL(2, ID_FNAME, STRING, FName)
//       COL(0, ID_ID, INT, ID)
//       COL(3, ID_SNAME, STRING, SName)
//   DBC_DECLARE_TABLE(RobotName)
//
//   TABLE(name, SequenceMgrType|HashMgrType, first size, record limit, columns)
//   COL(column, enumerator, INT|FLOAT|STRING, member without m_)            a scalar member
//   ELEM(column, enumerator, INT|FLOAT|STRING, member without m_, element)  one array element;
//       the elements of one array follow each other from element 0 upwards.
//
// DBC_DECLARE_TABLE(Name) gives the record class Table_Name (enumeration _ID, __Load,
// accessors, members) and the five free functions' declarations; DBC_DEFINE_TABLE(Name,
// source) in the module's source file gives __Load, the static manager g_Table_NameMgr, the
// five functions inside the exception wrapper, and registers the declaration for tools
// (or the same from DBC_DEFINE_TABLE_LOAD and DBC_DEFINE_TABLE_FUNCS on two lines, below).
// The declaration is checked at compile time (columns in range, column 1 unread, every
// other column read once, column 0 an INT scalar, elements in order).
//
// A module has no file name of its own: whoever loads it names the file (the start-up
// sequence in TableSequence.def, start-up itself for the robot-name table).

#include "Assertx.h"
#include "BaseType.h"
#include "DBCFile.h"
#include "DBCLoader.h"
#include "DBCTableMgr.h"

#include <exception>
#include <string>
#include <vector>

// ---- The declaration as data, for the compile-time checks and the fixture writer ----

struct DBC_ColumnDecl
{
    tint32 nColumn;
    const tchar* szEnum;
    const tchar* szType;   // the type word the file must give: "INT", "FLOAT" or "STRING"
    DBCFile::FIELD_TYPE eType;
    const tchar* szMember; // without m_
    tint32 nElem;          // element of an array member; -1 for a scalar
};

struct DBC_TableDecl
{
    const tchar* szName;
    bool bHashed;          // HashMgrType (first size = buckets) or SequenceMgrType (= highest ID)
    tint32 nMaxID;
    tint32 nMaxRecord;
    tint32 nColumns;
    const DBC_ColumnDecl* pColumns; // in member declaration order
    tint32 nColumnDecls;
};

template <class T>
struct DBC_TableDeclOf;

// Adds a table module's declaration to the process-wide list (static initialisation).
bool DBC_RegisterTable(const DBC_TableDecl& rDecl);
// Every table module linked into the program, sorted by name.
std::vector<const DBC_TableDecl*> DBC_RegisteredTables();

constexpr bool DBC_StrEq(const tchar* a, const tchar* b)
{
    while (*a != '\0' && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

template <class T>
constexpr tint32 DBC_ArraySizeOf(const tchar* szMember)
{
    tint32 n = 0;
    for (tint32 i = 0; i < DBC_TableDeclOf<T>::s_nColumnDecls; ++i) {
        if (DBC_StrEq(DBC_TableDeclOf<T>::s_aColumns[i].szMember, szMember)) {
            ++n;
        }
    }
    return n;
}

template <class T>
constexpr bool DBC_ColumnsInRange()
{
    typedef DBC_TableDeclOf<T> D;
    for (tint32 i = 0; i < D::s_nColumnDecls; ++i) {
        const tint32 c = D::s_aColumns[i].nColumn;
        if (c < 0 || c == 1 || c >= D::s_nColumns) {
            return false;
        }
        for (tint32 j = 0; j < i; ++j) {
            if (D::s_aColumns[j].nColumn == c) {
                return false;
            }
        }
    }
    return D::s_nColumnDecls == D::s_nColumns - 1;
}

template <class T>
constexpr bool DBC_IdColumnIsIntScalar()
{
    typedef DBC_TableDeclOf<T> D;
    for (tint32 i = 0; i < D::s_nColumnDecls; ++i) {
        if (D::s_aColumns[i].nColumn == 0) {
            return D::s_aColumns[i].eType == DBCFile::T_INT && D::s_aColumns[i].nElem < 0;
        }
    }
    return false;
}

template <class T>
constexpr bool DBC_ElementsInOrder()
{
    typedef DBC_TableDeclOf<T> D;
    for (tint32 i = 0; i < D::s_nColumnDecls; ++i) {
        const DBC_ColumnDecl& c = D::s_aColumns[i];
        const bool bSameAsPrev = i > 0 && DBC_StrEq(D::s_aColumns[i - 1].szMember, c.szMember);
        if (c.nElem > 0) {
            if (!bSameAsPrev || D::s_aColumns[i - 1].nElem != c.nElem - 1 ||
                D::s_aColumns[i - 1].eType != c.eType) {
                return false;
            }
        } else if (bSameAsPrev) {
            return false;   // a member twice, or an array restarting
        }
    }
    return true;
}

// ---- Expansion helpers ----

#define DBC_X_NONE(...)

#define DBC_CTYPE_INT tint32
#define DBC_CTYPE_FLOAT tfloat32
#define DBC_CTYPE_STRING const tchar*
#define DBC_ETYPE_INT int
#define DBC_ETYPE_FLOAT float
#define DBC_ETYPE_STRING const tchar*
// What an array getter gives for an index outside the array: a text getter never gives null.
#define DBC_NONE_INT 0
#define DBC_NONE_FLOAT 0.0f
#define DBC_NONE_STRING DBC_EmptyString()
#define DBC_KIND_HASHED_SequenceMgrType false
#define DBC_KIND_HASHED_HashMgrType true

// Keeps its arguments for element 0 only: an array member is declared once.
#define DBC_X_FIRST_0(...) __VA_ARGS__
#define DBC_X_FIRST_1(...)
#define DBC_X_FIRST_2(...)
#define DBC_X_FIRST_3(...)
#define DBC_X_FIRST_4(...)
#define DBC_X_FIRST_5(...)
#define DBC_X_FIRST_6(...)
#define DBC_X_FIRST_7(...)
#define DBC_X_FIRST_8(...)
#define DBC_X_FIRST_9(...)
#define DBC_X_FIRST_10(...)
#define DBC_X_FIRST_11(...)
#define DBC_X_FIRST_12(...)
#define DBC_X_FIRST_13(...)
#define DBC_X_FIRST_14(...)
#define DBC_X_FIRST_15(...)
#define DBC_X_FIRST_16(...)
#define DBC_X_FIRST_17(...)
#define DBC_X_FIRST_18(...)
#define DBC_X_FIRST_19(...)
#define DBC_X_FIRST_20(...)
#define DBC_X_FIRST_21(...)
#define DBC_X_FIRST_22(...)
#define DBC_X_FIRST_23(...)
#define DBC_X_FIRST_24(...)
#define DBC_X_FIRST_25(...)
#define DBC_X_FIRST_26(...)
#define DBC_X_FIRST_27(...)
#define DBC_X_FIRST_28(...)
#define DBC_X_FIRST_29(...)
#define DBC_X_FIRST_30(...)
#define DBC_X_FIRST_31(...)

#define DBC_X_DECL_TABLE(Name, Kind, MaxID, MaxRecord, Columns)                         \
    static constexpr const tchar* s_szName = #Name;                                     \
    static constexpr bool s_bHashed = DBC_KIND_HASHED_##Kind;                           \
    static constexpr tint32 s_nMaxID = MaxID;                                           \
    static constexpr tint32 s_nMaxRecord = MaxRecord;                                   \
    static constexpr tint32 s_nColumns = Columns;
#define DBC_X_DECL_COL(Column, Enum, Type, Member) \
    {Column, #Enum, #Type, DBCFile::T_##Type, #Member, -1},
#define DBC_X_DECL_ELEM(Column, Enum, Type, Member, Elem) \
    {Column, #Enum, #Type, DBCFile::T_##Type, #Member, Elem},

#define DBC_X_ENUM_COL(Column, Enum, Type, Member) Enum = Column,
#define DBC_X_ENUM_ELEM(Column, Enum, Type, Member, Elem) Enum = Column,

#define DBC_X_GET_COL(Column, Enum, Type, Member) \
    DBC_CTYPE_##Type Get##Member() const { return m_##Member; }
#define DBC_X_GET_ELEM(Column, Enum, Type, Member, Elem)                                        \
    DBC_X_FIRST_##Elem(                                                                         \
        tint32 get##Member##Count() const                                                       \
        {                                                                                       \
            return static_cast<tint32>(sizeof(m_##Member) / sizeof(m_##Member[0]));            \
        }                                                                                       \
        DBC_CTYPE_##Type Get##Member##byIndex(tint32 nIndex) const                              \
        {                                                                                       \
            return (nIndex >= 0 && nIndex < get##Member##Count()) ? m_##Member[nIndex]          \
                                                                   : DBC_NONE_##Type;           \
        })

#define DBC_X_MEMBER_COL(Column, Enum, Type, Member) DBC_CTYPE_##Type m_##Member;
#define DBC_X_MEMBER_ELEM(Column, Enum, Type, Member, Elem) \
    DBC_X_FIRST_##Elem(DBC_ETYPE_##Type m_##Member[DBC_ArraySizeOf<DBC_RecordClass>(#Member)];)

#define DBC_X_LOAD_COL(Column, Enum, Type, Member) loader.ReadDirect(m_##Member, Enum, szTable, #Enum);
#define DBC_X_LOAD_ELEM(Column, Enum, Type, Member, Elem) loader.ReadDirect(m_##Member[Elem], Enum, szTable, #Enum);

#define DBC_X_MGR_TABLE(Name, Kind, MaxID, MaxRecord, Columns)          \
    typedef DBC_Table_Mgr_Adapter<Kind, Table_##Name, MaxID, MaxRecord> Table_##Name##Mgr; \
    static Table_##Name##Mgr g_Table_##Name##Mgr;

// The four handlers of every table function: whatever escapes becomes one more report
// (expression "false") and leaves as the report's thrown integer.
#define DBC_TABLE_HANDLERS(szFile, szFunc)                                                      \
    catch (const std::exception& e) {                                                           \
        _do_assert_(szFile, __LINE__, szFunc, "false", e.what(), true);                         \
    } catch (const std::string& s) {                                                            \
        _do_assert_(szFile, __LINE__, szFunc, "false", s.c_str(), true);                        \
    } catch (const tchar* p) {                                                                  \
        _do_assert_(szFile, __LINE__, szFunc, "false", p != nullptr ? p : szFunc, true);        \
    } catch (...) {                                                                             \
        _do_assert_(szFile, __LINE__, szFunc, "false", szFunc, true);                           \
    }

// ---- The header side of a module ----

#define DBC_DECLARE_TABLE(Name)                                                                 \
    class Table_##Name;                                                                         \
    template <>                                                                                 \
    struct DBC_TableDeclOf<Table_##Name>                                                        \
    {                                                                                           \
        DBC_TABLE_##Name(DBC_X_DECL_TABLE, DBC_X_NONE, DBC_X_NONE)                              \
        static constexpr DBC_ColumnDecl s_aColumns[] = {                                        \
            DBC_TABLE_##Name(DBC_X_NONE, DBC_X_DECL_COL, DBC_X_DECL_ELEM)};                     \
        static constexpr tint32 s_nColumnDecls =                                                \
            static_cast<tint32>(sizeof(s_aColumns) / sizeof(s_aColumns[0]));                    \
        static constexpr DBC_TableDecl s_Decl = {s_szName,   s_bHashed,  s_nMaxID,              \
                                                 s_nMaxRecord, s_nColumns, s_aColumns,          \
                                                 s_nColumnDecls};                               \
    };                                                                                          \
    static_assert(DBC_StrEq(DBC_TableDeclOf<Table_##Name>::s_szName, #Name),                    \
                  "Table_" #Name ": TABLE line names another table");                           \
    static_assert(DBC_ColumnsInRange<Table_##Name>(),                                           \
                  "Table_" #Name ": every column but 1 declared once, within the column count"); \
    static_assert(DBC_IdColumnIsIntScalar<Table_##Name>(), "Table_" #Name ": column 0 must be an INT scalar"); \
    static_assert(DBC_ElementsInOrder<Table_##Name>(),                                          \
                  "Table_" #Name ": array elements must follow each other from 0");             \
                                                                                                \
    class Table_##Name                                                                          \
        : public DBC_Recorder_Loader<Table_##Name, DBC_TableDeclOf<Table_##Name>::s_nMaxID,     \
                                     DBC_TableDeclOf<Table_##Name>::s_nMaxRecord>               \
    {                                                                                           \
    public:                                                                                     \
        enum _ID                                                                                \
        {                                                                                       \
            INVLAID_INDEX = -1, /* spelled so in every table class */                           \
            DBC_TABLE_##Name(DBC_X_NONE, DBC_X_ENUM_COL, DBC_X_ENUM_ELEM)                       \
            ID_TAB_CURCOL_COUNT = DBC_TableDeclOf<Table_##Name>::s_nColumns,                    \
            MAX_ID = DBC_TableDeclOf<Table_##Name>::s_nMaxID,                                   \
            MAX_RECORD = DBC_TableDeclOf<Table_##Name>::s_nMaxRecord,                           \
        };                                                                                      \
                                                                                                \
        bool __Load(DBC_Loader& loader);                                                        \
                                                                                                \
        DBC_TABLE_##Name(DBC_X_NONE, DBC_X_GET_COL, DBC_X_GET_ELEM)                             \
                                                                                                \
    private:                                                                                    \
        DBC_TABLE_##Name(DBC_X_NONE, DBC_X_MEMBER_COL, DBC_X_MEMBER_ELEM)                       \
    };                                                                                          \
                                                                                                \
    bool InitTable_##Name##Table(const tchar* szFileName);                                      \
    bool InitTable_##Name##TableFromMemory(const DBCFile& rDB);                                 \
    const Table_##Name* GetTable_##Name##ByID(tint32 nID);                                      \
    const Table_##Name* GetTable_##Name##ByIndex(tint32 nIndex);                                \
    tint32 GetTable_##Name##Count();

// ---- The source side of a module: szSource is the file named in its reports ----

#define DBC_DEFINE_TABLE(Name, szSource)                                                        \
    DBC_DEFINE_TABLE_LOAD(Name, szSource)                                                       \
    DBC_DEFINE_TABLE_FUNCS(Name, szSource)

// The same in two parts, written on two lines of the module's source, so that __Load's reports
// carry a line of their own and the five functions share the other:
//   DBC_DEFINE_TABLE_LOAD(Name, source)    __Load
//   DBC_DEFINE_TABLE_FUNCS(Name, source)   the manager, the registration and the five functions
#define DBC_DEFINE_TABLE_LOAD(Name, szSource)                                                   \
    bool Table_##Name::__Load(DBC_Loader& loader)                                               \
    {                                                                                           \
        static const tchar* const szTable = #Name;                                              \
        try {                                                                                   \
            if (ID_TAB_CURCOL_COUNT != loader.GetFieldsNum()) {                                 \
                _do_assert_(szSource, __LINE__, "bool Table_" #Name "::__Load(DBC_Loader&)",    \
                            "ID_TAB_CURCOL_COUNT==loader.GetFieldsNum()", #Name " Columns Differ", \
                            true);                                                              \
            }                                                                                   \
            DBC_TABLE_##Name(DBC_X_NONE, DBC_X_LOAD_COL, DBC_X_LOAD_ELEM)                       \
            return true;                                                                        \
        }                                                                                       \
        DBC_TABLE_HANDLERS(szSource, "bool Table_" #Name "::__Load(DBC_Loader&)")               \
        return false;                                                                           \
    }

#define DBC_DEFINE_TABLE_FUNCS(Name, szSource)                                                  \
    DBC_TABLE_##Name(DBC_X_MGR_TABLE, DBC_X_NONE, DBC_X_NONE)                                   \
    static const bool s_bDBCRegistered_##Name =                                                 \
        DBC_RegisterTable(DBC_TableDeclOf<Table_##Name>::s_Decl);                               \
                                                                                                \
    bool InitTable_##Name##Table(const tchar* szFileName)                                       \
    {                                                                                           \
        try {                                                                                   \
            return g_Table_##Name##Mgr.InitFromDB(szFileName);                                  \
        }                                                                                       \
        DBC_TABLE_HANDLERS(szSource, "bool InitTable_" #Name "Table(const tchar*)")             \
        return false;                                                                           \
    }                                                                                           \
    bool InitTable_##Name##TableFromMemory(const DBCFile& rDB)                                  \
    {                                                                                           \
        try {                                                                                   \
            return g_Table_##Name##Mgr.InitFromDBMemory(rDB);                                   \
        }                                                                                       \
        DBC_TABLE_HANDLERS(szSource, "bool InitTable_" #Name "TableFromMemory(const DBCFile&)") \
        return false;                                                                           \
    }                                                                                           \
    const Table_##Name* GetTable_##Name##ByID(tint32 nID)                                       \
    {                                                                                           \
        try {                                                                                   \
            return g_Table_##Name##Mgr.GetRecordByID(nID);                                      \
        }                                                                                       \
        DBC_TABLE_HANDLERS(szSource, "const Table_" #Name "* GetTable_" #Name "ByID(tint32)")   \
        return nullptr;                                                                         \
    }                                                                                           \
    const Table_##Name* GetTable_##Name##ByIndex(tint32 nIndex)                                 \
    {                                                                                           \
        try {                                                                                   \
            return g_Table_##Name##Mgr.GetRecordByIndex(nIndex);                                \
        }                                                                                       \
        DBC_TABLE_HANDLERS(szSource, "const Table_" #Name "* GetTable_" #Name "ByIndex(tint32)") \
        return nullptr;                                                                         \
    }                                                                                           \
    tint32 GetTable_##Name##Count()                                                             \
    {                                                                                           \
        try {                                                                                   \
            return g_Table_##Name##Mgr.GetCount();                                              \
        }                                                                                       \
        DBC_TABLE_HANDLERS(szSource, "tint32 GetTable_" #Name "Count()")                        \
        return 0;                                                                               \
    }
