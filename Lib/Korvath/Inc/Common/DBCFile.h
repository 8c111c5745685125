#pragma once
// DBCFile: one data-table file in memory, read from its text or binary form.
//
// After one successful open it holds m_nFieldsNum column types, m_nRecordsNum rows of
// m_nFieldsNum 8-byte cells and one string buffer that every T_STRING cell points into
// (offset 0 is the empty text). Column 0 holds no value twice. The object owns the cells
// and the buffer; string cells die with it.
//
// The cells of the items a file holds are kept row after row in m_vDataBuf. When every row
// is whole (always in the binary form) m_vRowStart is empty and cell (r, c) is element
// r * F + c. A text row may hold fewer items than there are columns: then m_vRowStart[r]
// is the element of its first cell (m_vRowStart[R] the end), and a column past its items
// reads m_vMissing[c] (0, 0.0 or the empty text). So the cells never take more memory than
// the items of the file, however wide its type line.
// Calling order: construct, open once (OpenFromTXT or OpenFromMemory), read, destroy.
// A DBCFile is a temporary of one load on one thread; it takes no lock.

#include "BaseType.h"
#include "BaseUtility.h"

#include <string>
#include <vector>

class DBCFile
{
public:
    enum FIELD_TYPE
    {
        T_INT = 0,
        T_FLOAT = 1,
        T_STRING = 2,
    };

    // One cell: read it through the member that its column's type names.
    union FIELD
    {
        tfloatptr fValue;
        tintptr iValue;
        const tchar* pString;

        FIELD() : iValue(0) {}
        FIELD(tintptr value) : iValue(value) {}
        FIELD(tfloatptr value) : fValue(value) {}
        FIELD(const tchar* value) : iValue(0) { pString = value; }
    };

    // The 16-byte header of the binary form (little-endian).
    struct FILE_HEAD
    {
        tuint32 m_Identify;
        tint32 m_nFieldsNum;
        tint32 m_nRecordsNum;
        tint32 m_nStringBlockSize;
    };

    typedef bsvector<FIELD_TYPE> FIELD_TYPE_VEC;
    typedef bsvector<FIELD> DATA_BUF;

    enum
    {
        MAX_LINE_BYTES = 65536,           // line buffer of the text form
        BINARY_IDENTIFY = 0xDDBBCC00u,    // first word of the binary form
    };

public:
    DBCFile();
    ~DBCFile();
    DBCFile(const DBCFile&) = delete;
    DBCFile& operator=(const DBCFile&) = delete;

    // Reads the named regular file whole and opens it; false when it cannot be read.
    bool OpenFromTXT(const tchar* szFileName);
    // Opens [pMemory, pDeadEnd); szFileName only names the file in reports.
    bool OpenFromMemory(const tchar* pMemory, const tchar* pDeadEnd, const tchar* szFileName);

    // Address of cell (nRecordLine, nColumNum); an invalid request is a report.
    const FIELD* Search_Posistion(tint32 nRecordLine, tint32 nColumNum) const;   // name kept as every caller spells it

    tint32 GetFieldsNum() const { return m_nFieldsNum; }
    tint32 GetRecordsNum() const { return m_nRecordsNum; }
    // Type of a column; T_INT for a column outside the table.
    FIELD_TYPE GetFieldType(tint32 nColumn) const;

    // Splits strStringSource at szKey (every character of it a separator when bOneOfKey,
    // else the whole text); returns the number of items put in vRet.
    static tint32 _ConvertStringToVector(const tchar* strStringSource, bsvector<std::string>& vRet,
                                         const tchar* szKey, bool bOneOfKey, bool bIgnoreEmpty);
    // Copies one line of [pMemory, pDeadEnd) into pStringBuf; returns where the next line
    // starts, or null when there is none.
    static const tchar* _GetLineFromMemory(tchar* pStringBuf, tint32 nBufSize, const tchar* pMemory,
                                           const tchar* pDeadEnd);

protected:
    bool OpenFromMemoryImpl_Text(const tchar* pMemory, const tchar* pDeadEnd, const tchar* szFileName);
    bool OpenFromMemoryImpl_Binary(const tchar* pMemory, const tchar* pDeadEnd, const tchar* szFileName);
    void CheckIndex(const tchar* szFileName);
    // Cell (nRow, nColumn) of a row and a column inside the table.
    const FIELD& CellAt(size_t nRow, size_t nColumn) const;

protected:
    FIELD_TYPE_VEC m_theType;
    tint32 m_nRecordsNum;
    tint32 m_nFieldsNum;
    DATA_BUF m_vDataBuf;
    tchar* m_pStringBuf;
    tint32 m_nStringBufSize;
    std::vector<size_t> m_vRowStart;   // empty, or R + 1 element numbers (see above)
    DATA_BUF m_vMissing;               // per column, what a missing item reads
};
