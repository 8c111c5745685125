#pragma once
// DBC_Loader: fills the members of one table record from one row of an opened DBCFile.
// DBC_Recorder_Loader: base of every table record class; loads one row through __Load.
//
// A loader lives for one record on the loading thread and is never copied. Integers and
// floats are copied out of the cells; texts are replaced by their copy in the process-wide
// string pool (or one shared empty text), so a record outlives its DBCFile.

#include "BaseType.h"
#include "DBCFile.h"

class DBC_Loader
{
public:
    DBC_Loader(const DBCFile& rDB, tint32 nRow) : m_DB(rDB), m_Row(nRow), m_Column(0) {}

    tint32 GetFieldsNum() const { return m_DB.GetFieldsNum(); }

    // The row bound at construction and a column cursor that no read uses.
    tint32 GetRow() const { return m_Row; }
    tint32 GetColumn() const { return m_Column; }
    void Skip() { ++m_Column; }
    void Skip(tint32 nColumns) { m_Column += nColumns; }
    void MoveTo(tint32 nColumn) { m_Column = nColumn; }

    // Each member needs a column of its own type word ("INT", "FLOAT", "STRING"): a number is
    // never taken as an address, nor a text's address or a double's bits as a number. Any
    // other column is a report that names the member by szTable and szColumn.
    void ReadDirect(tint32& val, tint32 nColumn, const tchar* szTable = nullptr, const tchar* szColumn = nullptr);
    void ReadDirect(tfloat32& val, tint32 nColumn, const tchar* szTable = nullptr, const tchar* szColumn = nullptr);
    void ReadDirect(const tchar*& val, tint32 nColumn, const tchar* szTable = nullptr,
                    const tchar* szColumn = nullptr);
    // The same reads named by the member type: ReadDirect<int>, <float>, <const char*>.
    template <typename T>
    void ReadDirect(T& val, tint32 nColumn);

private:
    DBC_Loader(const DBC_Loader&);
    DBC_Loader& operator=(const DBC_Loader&);

    // Reports (and throws) when the cell at nColumn of the bound row lies in a column whose type
    // is not eWanted; a cell outside the file is left to the reader's own report.
    void CheckColumnType(tint32 nColumn, DBCFile::FIELD_TYPE eWanted, const tchar* szFunc, const tchar* szTable,
                         const tchar* szColumn) const;

    template <typename T>
    struct __LoadTypeOf
    {
        typedef tint32 _type;
        static T CastFrom(_type v) { return static_cast<T>(v); }
    };

    template <typename T>
    static void Read(T& val, const DBCFile& rDB, tint32 nRow, tint32 nColumn)
    {
        typename __LoadTypeOf<T>::_type v;
        if (_Read(v, rDB, nRow, nColumn)) {
            val = __LoadTypeOf<T>::CastFrom(v);
        }
    }

    // Each returns whether a cell was read into the value.
    static bool _Read(tint32& val, const DBCFile& rDB, tint32 nRow, tint32 nColumn);
    static bool _Read(tfloat32& val, const DBCFile& rDB, tint32 nRow, tint32 nColumn);
    static bool _Read(const tchar*& val, const DBCFile& rDB, tint32 nRow, tint32 nColumn);
    static bool _Read(bool& val, const DBCFile& rDB, tint32 nRow, tint32 nColumn);

private:
    const DBCFile& m_DB;
    tint32 m_Row;
    tint32 m_Column;
};

template <>
struct DBC_Loader::__LoadTypeOf<tfloat32>
{
    typedef tfloat32 _type;
    static tfloat32 CastFrom(_type v) { return v; }
};

template <>
struct DBC_Loader::__LoadTypeOf<const tchar*>
{
    typedef const tchar* _type;
    static const tchar* CastFrom(_type v) { return v; }
};

template <>
inline void DBC_Loader::ReadDirect<tint32>(tint32& val, tint32 nColumn)
{
    ReadDirect(val, nColumn, nullptr, nullptr);
}

template <>
inline void DBC_Loader::ReadDirect<tfloat32>(tfloat32& val, tint32 nColumn)
{
    ReadDirect(val, nColumn, nullptr, nullptr);
}

template <>
inline void DBC_Loader::ReadDirect<const tchar*>(const tchar*& val, tint32 nColumn)
{
    ReadDirect(val, nColumn, nullptr, nullptr);
}

// The pooled copy of a text cell; null for a negative position or a cell without a text.
const tchar* _LoadConstStringFromDBC(const DBCFile& rDB, tint32 nRow, tint32 nColumn);
// The one empty text that every empty cell of every table gives.
const tchar* DBC_EmptyString();

template <class SubclassT, tint32 maxID, tint32 maxRecordNum>
class DBC_Recorder_Loader
{
public:
    enum
    {
        MAX_ID = maxID,
        MAX_RECORD_NUM = maxRecordNum,
    };

    DBC_Recorder_Loader() : m_bInited(false) {}

    bool IsInited() const { return m_bInited; }
    bool InitFromDB(const DBCFile& rDB, tint32 nRow);   // declared only: nothing loads this way

    bool LoadFromDB(const DBCFile& rDB, tint32 nRow)
    {
        DBC_Loader loader(rDB, nRow);
        if (static_cast<SubclassT*>(this)->__Load(loader)) {
            m_bInited = true;
            return true;
        }
        return false;
    }

protected:
    // The record class itself, for the declarations that its table module generates.
    typedef SubclassT DBC_RecordClass;

    bool m_bInited;
};
