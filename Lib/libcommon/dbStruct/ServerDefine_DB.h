// What every DB record shares: the column description, the column kinds,
// the SQL text buffers, the hex codecs, the GUID literal writer and the
// record checksum; and the declaration machinery the records are built from.
//
// Record declarations. Each record lists its members once, in member order,
// as a field-list macro taking four callbacks:
//   V(type, member, column, DB kind, unique, cleared value)   integer
//   K(type, member, column, DB kind, unique, cleared value)   integer that
//       CleanUp sets but CopyFrom leaves alone (the base part's checksum)
//   T(member, capacity, column, DB kind, column size, unique) text: zero-filled
//       on CleanUp, copied as a bounded text
//   B(element, member, count, column, DB kind, column size, unique) blob or
//       array: zero-filled on CleanUp, copied whole
// From that one list come the members, CleanUp, CopyFrom and the column table
// (DB_RECORD_MEMBERS, DB_RECORD_CLEANUP, DB_RECORD_COPY, DB_RECORD_COLUMNS).
//
// Thread use: every function here is reentrant; records carry no lock.
#ifndef SERVERDEFINE_DB_H
#define SERVERDEFINE_DB_H

#include <cstring>

#include "BaseType.h"
#include "Guid64.h"

// One column of a stored record. A column table ends with {nullptr, 0, 0, false}.
struct dbCol
{
    const char*  name;
    int          type;    // a DB_DATA_TYPE value
    unsigned int size;    // bytes of the column
    bool         unique;
};

class DB_DATA_TYPE
{
public:
    enum
    {
        DB_BYTE = 0,
        DB_CHAR,
        DB_WORD,
        DB_DWORD,
        DB_QWORD,
        DB_STR,
        DB_BIN,
        DB_ZIP,
        DB_BIN2,
        DB_ZIP2,
    };
};

struct UserDBSave_T
{
    enum TYPE
    {
        DBS_INVALID = -1,
        DBS_CURRENCY = 0,
        DBS_USERALL = 1,
        DBS_MAX = 2,
    };
};

// SQL statement buffers. Parse formats with vsnprintf; an error or a text that
// does not fit is an assertion report (the buffer then keeps the cut text).
struct DB_QUERY
{
    enum { MAX_SQL_LENGTH = 4096 };
    tuint8 m_SqlStr[MAX_SQL_LENGTH];

    void Clear() { m_SqlStr[0] = 0; }
    void Parse(const tchar* pTemplate, ...) __attribute__((format(printf, 2, 3)));
};

struct LONG_DB_QUERY
{
    enum { MAX_LONG_SQL_LENGTH = 204800 };
    tuint8 m_SqlStr[MAX_LONG_SQL_LENGTH];

    void Clear() { m_SqlStr[0] = 0; }
    void Parse(const tchar* pTemplate, ...) __attribute__((format(printf, 2, 3)));
};

// Hex digit of 0..15 (upper case); anything else is an assertion report.
tchar Value2Ascii(tchar in);
// Value of an upper-case hex digit; anything else is an assertion report.
tchar Ascii2Value(tchar in);
// Bytes to 2*InLength hex characters, no terminator. OutLength 0xFFFFFFFF
// means the caller vouches for the room; otherwise it must exceed 2*InLength.
bool Binary2String(const tchar* pIn, tuint32 InLength, tchar* pOut, tuint32 OutLength);
// Hex text to bytes: pairs up to InLength characters or a NUL, at most OutLimit bytes.
bool DBStr2Binary(const tchar* pIn, tuint32 InLength, tchar* pOut, tuint32 OutLimit, tuint32& OutLength);
// The GUID as a signed hex literal ("0x..." or "-0x..."). Writes at most len-2
// characters and a NUL; false when the literal does not fit (then it is cut),
// and nothing written at all for len < 2.
bool GuidToSQLValue(const Guid64& guid, tchar* buf, int len);
// h = 0xFFFFFFFF, then h = h*33 + byte for each byte (unsigned), mod 2^32.
tuint32 BinCRC(const tchar* pBinary, tint32 InSize);

// Bounded text copy into a record's text member of capacity dstCap: the member
// is zero-filled, then at most dstCap-1 bytes of src up to its first NUL are
// copied. For a NUL-terminated src the member ends up byte for byte as after
// zero-filling it and tsnprintfex(dst, dstCap, "%s", src); unlike that call,
// src is read no further than srcCap bytes, so a source member that lacks its
// NUL is never overrun, and a null src leaves the member empty (not "(null)").
inline void DBCopyText(tchar* dst, size_t dstCap, const tchar* src, size_t srcCap)
{
    memset(dst, 0, dstCap);
    if (src == nullptr || dstCap == 0)
        return;
    size_t nLimit = dstCap - 1 < srcCap ? dstCap - 1 : srcCap;
    memcpy(dst, src, strnlen(src, nLimit));
}

// Copy of a NUL-terminated argument text (no source capacity).
inline void DBCopyText(tchar* dst, size_t dstCap, const tchar* src)
{
    DBCopyText(dst, dstCap, src, dstCap == 0 ? 0 : dstCap - 1);
}

// ---- declaration machinery -------------------------------------------------

#define DBF_DECL_V(type, m, col, kind, uq, clr) type m;
#define DBF_DECL_T(m, cap, col, kind, csz, uq) tchar m[cap];
#define DBF_DECL_B(et, m, cnt, col, kind, csz, uq) et m[cnt];

#define DBF_CLEAN_V(type, m, col, kind, uq, clr) m = static_cast<type>(clr);
#define DBF_CLEAN_T(m, cap, col, kind, csz, uq) memset(m, 0, sizeof(m));
#define DBF_CLEAN_B(et, m, cnt, col, kind, csz, uq) memset(m, 0, sizeof(m));

#define DBF_COPY_V(type, m, col, kind, uq, clr) m = rSour.m;
#define DBF_COPY_K(type, m, col, kind, uq, clr)
#define DBF_COPY_T(m, cap, col, kind, csz, uq) DBCopyText(m, sizeof(m), rSour.m, sizeof(rSour.m));
#define DBF_COPY_B(et, m, cnt, col, kind, csz, uq) memcpy(m, rSour.m, sizeof(m));

#define DBF_COL_V(type, m, col, kind, uq, clr) {col, DB_DATA_TYPE::kind, sizeof(type), uq},
#define DBF_COL_T(m, cap, col, kind, csz, uq) {col, DB_DATA_TYPE::kind, csz, uq},
#define DBF_COL_B(et, m, cnt, col, kind, csz, uq) {col, DB_DATA_TYPE::kind, csz, uq},

#define DB_RECORD_MEMBERS(LIST) LIST(DBF_DECL_V, DBF_DECL_V, DBF_DECL_T, DBF_DECL_B)
#define DB_RECORD_CLEANUP(LIST) LIST(DBF_CLEAN_V, DBF_CLEAN_V, DBF_CLEAN_T, DBF_CLEAN_B)
// Needs the source record in scope as rSour.
#define DB_RECORD_COPY(LIST) LIST(DBF_COPY_V, DBF_COPY_K, DBF_COPY_T, DBF_COPY_B)
#define DB_RECORD_COLUMNS(LIST) \
    LIST(DBF_COL_V, DBF_COL_V, DBF_COL_T, DBF_COL_B) {nullptr, DB_DATA_TYPE::DB_BYTE, 0, false}

// A pack: ITEM_TOTAL_COUNT rows, then the count of rows in use (from row 0).
// Invariant kept by the pack's own operations: 0 <= m_count <= ITEM_TOTAL_COUNT;
// writers set m_count directly, so readers take GetValidCount().
#define DB_ROW_PACK_BODY(Pack, Row)                                         \
    Row    m_data[ITEM_TOTAL_COUNT];                                        \
    tint32 m_count;                                                         \
                                                                            \
    Pack() { CleanUp(); }                                                   \
    ~Pack() {}                                                              \
    void CleanUp()                                                          \
    {                                                                       \
        for (int i = 0; i < ITEM_TOTAL_COUNT; ++i)                          \
            m_data[i].CleanUp();                                            \
        m_count = 0;                                                        \
    }                                                                       \
    void InitAsCreateNewChar() { CleanUp(); }                               \
    void CopyFrom(const Pack& rItemPack)                                    \
    {                                                                       \
        if (this == &rItemPack)                                             \
            return;                                                         \
        for (int i = 0; i < ITEM_TOTAL_COUNT; ++i)                          \
            m_data[i].CopyFrom(rItemPack.m_data[i]);                        \
        m_count = rItemPack.m_count;                                        \
    }                                                                       \
    /* the rows to read or send: m_count clamped to 0..ITEM_TOTAL_COUNT */  \
    tint32 GetValidCount() const                                            \
    {                                                                       \
        tint32 n = m_count;                                                 \
        return n < 0 ? 0 : (n > ITEM_TOTAL_COUNT ? ITEM_TOTAL_COUNT : n);   \
    }

#endif
