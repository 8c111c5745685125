// The table-file reader, the table string pool, the record loader and the registry of
// table declarations.

#include "DBCFile.h"
#include "DBCLoader.h"
#include "DBCStringTable.h"
#include "DBCTableModule.h"

#include "Assertx.h"

#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string_view>
#include <vector>
#include <unordered_set>

namespace
{
const tchar* const s_szSourceFile = "Src/Common/DBCTable";

// One line of a range by the rule of _GetLineFromMemory, as a view instead of a copy:
// [pBegin, pBegin + nLen). Returns where the next line starts, or null when none is left.
const tchar* NextLineView(const tchar* pMemory, const tchar* pDeadEnd, tint64 nMaxLen,
                          const tchar*& pBegin, tint64& nLen)
{
    if (pMemory >= pDeadEnd || *pMemory == '\0') {
        return nullptr;
    }
    const tchar* pStop = (pDeadEnd - pMemory > nMaxLen) ? pMemory + nMaxLen : pDeadEnd;
    const tchar* p = pMemory;
    while (p < pStop && *p != '\r' && *p != '\n' && *p != '\0') {
        ++p;
    }
    pBegin = pMemory;
    nLen = p - pMemory;
    if (p >= pDeadEnd) {
        return pDeadEnd;
    }
    while (p < pDeadEnd && (*p == '\r' || *p == '\n')) {
        ++p;
    }
    return p;
}

// strtol(item, 10) on a 64-bit long, bounded by the item instead of a terminator.
tint64 ParseIntItem(const tchar* p, const tchar* pEnd)
{
    while (p < pEnd && (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\v' || *p == '\f' || *p == '\r')) {
        ++p;
    }
    bool bNegative = false;
    if (p < pEnd && (*p == '+' || *p == '-')) {
        bNegative = (*p == '-');
        ++p;
    }
    tuint64 nValue = 0;
    const tuint64 nLimit = bNegative ? static_cast<tuint64>(LLONG_MAX) + 1 : static_cast<tuint64>(LLONG_MAX);
    bool bSaturated = false;
    for (; p < pEnd && *p >= '0' && *p <= '9'; ++p) {
        const tuint64 d = static_cast<tuint64>(*p - '0');
        if (bSaturated || nValue > (nLimit - d) / 10) {
            bSaturated = true;
            continue;
        }
        nValue = nValue * 10 + d;
    }
    if (bSaturated) {
        return bNegative ? LLONG_MIN : LLONG_MAX;
    }
    if (bNegative) {
        return nValue == static_cast<tuint64>(LLONG_MAX) + 1 ? LLONG_MIN : -static_cast<tint64>(nValue);
    }
    return static_cast<tint64>(nValue);
}

// strtod on the item (POSIX locale), copied so that the next item is never read.
tfloat64 ParseFloatItem(const tchar* p, const tchar* pEnd)
{
    tchar szShort[128];
    const size_t nLen = static_cast<size_t>(pEnd - p);
    if (nLen < sizeof(szShort)) {
        std::memcpy(szShort, p, nLen);
        szShort[nLen] = '\0';
        return std::strtod(szShort, nullptr);
    }
    std::string strLong(p, nLen);
    return std::strtod(strLong.c_str(), nullptr);
}

// The distinct texts of one file in order of first appearance: the image of the file's
// string buffer (a NUL, then each text and its NUL) and an open-addressing index of the
// texts' offsets, so a repeated text costs one hash and one comparison.
class FileStringSet
{
public:
    FileStringSet() : m_strBuf(1, '\0'), m_vSlots(1024, 0) {}

    // The offset of the text, adding it when new; -1 when the buffer would pass 2^31 bytes.
    tint64 Offset(const tchar* p, size_t nLen)
    {
        const size_t nHash = std::hash<std::string_view>()(std::string_view(p, nLen));
        size_t nMask = m_vSlots.size() - 1;
        for (size_t i = nHash & nMask;; i = (i + 1) & nMask) {
            const tuint32 nSlot = m_vSlots[i];
            if (nSlot == 0) {
                break;
            }
            const Entry& e = m_vEntries[nSlot - 1];
            if (e.nHash == nHash && e.nLen == nLen && std::memcmp(m_strBuf.data() + e.nOffset, p, nLen) == 0) {
                return static_cast<tint64>(e.nOffset);
            }
        }
        const size_t nOffset = m_strBuf.size();
        if (nOffset + nLen + 1 > static_cast<size_t>(INT_MAX)) {
            return -1;   // the running offset is a signed 32-bit count
        }
        m_strBuf.append(p, nLen);
        m_strBuf.push_back('\0');
        m_vEntries.push_back(Entry{nHash, nOffset, nLen});
        if (2 * m_vEntries.size() > m_vSlots.size()) {
            Grow();
        } else {
            Place(m_vEntries.size());
        }
        return static_cast<tint64>(nOffset);
    }

    const std::string& Buffer() const { return m_strBuf; }

private:
    struct Entry
    {
        size_t nHash;
        size_t nOffset;
        size_t nLen;
    };

    void Place(size_t nSlot)
    {
        const size_t nMask = m_vSlots.size() - 1;
        size_t i = m_vEntries[nSlot - 1].nHash & nMask;
        while (m_vSlots[i] != 0) {
            i = (i + 1) & nMask;
        }
        m_vSlots[i] = static_cast<tuint32>(nSlot);
    }

    void Grow()
    {
        m_vSlots.assign(m_vSlots.size() * 2, 0);
        for (size_t n = 1; n <= m_vEntries.size(); ++n) {
            Place(n);
        }
    }

    std::string m_strBuf;
    std::vector<Entry> m_vEntries;   // the distinct texts, in order of first appearance
    std::vector<tuint32> m_vSlots;   // 1 + index into m_vEntries; 0 is a free slot
};

struct ItemView
{
    const tchar* pBegin;
    const tchar* pEnd;
};

bool TypeWord(std::string_view word, DBCFile::FIELD_TYPE& eType)
{
    if (word == "INT") {
        eType = DBCFile::T_INT;
    } else if (word == "FLOAT") {
        eType = DBCFile::T_FLOAT;
    } else if (word == "STRING") {
        eType = DBCFile::T_STRING;
    } else {
        return false;
    }
    return true;
}
}   // namespace

// ============================================================================
// DBCFile
// ============================================================================

DBCFile::DBCFile() : m_nRecordsNum(0), m_nFieldsNum(0), m_pStringBuf(nullptr), m_nStringBufSize(0) {}

DBCFile::~DBCFile()
{
    delete[] m_pStringBuf;
    m_pStringBuf = nullptr;
}

bool DBCFile::OpenFromTXT(const tchar* szFileName)
{
    if (szFileName == nullptr) {
        _do_assert_(s_szSourceFile, __LINE__, __PRETTY_FUNCTION__, "szFileName != null_ptr", "", true);
        return false;
    }
    // Non-blocking open and a regular-file test: a FIFO or a directory has no size to read
    // and is refused instead of blocking or reading garbage.
    const int fd = ::open(szFileName, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0 ||
        st.st_size >= static_cast<off_t>(INT_MAX)) {
        ::close(fd);
        return false;
    }
    const size_t nSize = static_cast<size_t>(st.st_size);
    tchar* pBuf = new (std::nothrow) tchar[nSize + 1];
    if (pBuf == nullptr) {
        ::close(fd);
        return false;
    }
    size_t nRead = 0;
    while (nRead < nSize) {
        const ssize_t n = ::read(fd, pBuf + nRead, nSize - nRead);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        nRead += static_cast<size_t>(n);
    }
    ::close(fd);
    if (nRead != nSize) {   // the file shrank or failed while read
        delete[] pBuf;
        return false;
    }
    pBuf[nSize] = '\0';
    bool bResult = false;
    try {
        bResult = OpenFromMemory(pBuf, pBuf + nSize + 1, szFileName);
    } catch (...) {
        delete[] pBuf;
        throw;
    }
    delete[] pBuf;
    return bResult;
}

bool DBCFile::OpenFromMemory(const tchar* pMemory, const tchar* pDeadEnd, const tchar* szFileName)
{
    if (pMemory == nullptr) {
        _do_assert_(s_szSourceFile, __LINE__, __PRETTY_FUNCTION__, "pMemory != null_ptr", "", true);
        return false;
    }
    if (pDeadEnd == nullptr) {
        _do_assert_(s_szSourceFile, __LINE__, __PRETTY_FUNCTION__, "pDeadEnd != null_ptr", "", true);
        return false;
    }
    if (pDeadEnd - pMemory >= static_cast<tint64>(sizeof(FILE_HEAD))) {
        tuint32 nIdentify = 0;
        std::memcpy(&nIdentify, pMemory, sizeof(nIdentify));
        if (nIdentify == BINARY_IDENTIFY) {
            return OpenFromMemoryImpl_Binary(pMemory, pDeadEnd, szFileName);
        }
    }
    return OpenFromMemoryImpl_Text(pMemory, pDeadEnd, szFileName);
}

bool DBCFile::OpenFromMemoryImpl_Text(const tchar* pMemory, const tchar* pDeadEnd, const tchar* szFileName)
{
    const tint64 nMaxLine = MAX_LINE_BYTES - 1;
    const tchar* pLine = nullptr;
    tint64 nLen = 0;

    const tchar* p = NextLineView(pMemory, pDeadEnd, nMaxLine, pLine, nLen);   // line 1: names
    if (p == nullptr) {
        return false;
    }
    p = NextLineView(p, pDeadEnd, nMaxLine, pLine, nLen);   // line 2: types
    if (p == nullptr) {
        return false;
    }
    FIELD_TYPE_VEC vTypes;
    {
        const tchar* q = pLine;
        const tchar* pLineEnd = pLine + nLen;
        while (q < pLineEnd) {
            const tchar* pTab = static_cast<const tchar*>(std::memchr(q, '\t', static_cast<size_t>(pLineEnd - q)));
            const tchar* pItemEnd = pTab != nullptr ? pTab : pLineEnd;
            if (pItemEnd > q) {
                FIELD_TYPE eType;
                if (!TypeWord(std::string_view(q, static_cast<size_t>(pItemEnd - q)), eType)) {
                    return false;
                }
                vTypes.push_back(eType);
            }
            q = pItemEnd + 1;
        }
    }
    if (vTypes.empty()) {
        return false;
    }
    p = NextLineView(p, pDeadEnd, nMaxLine, pLine, nLen);   // line 3
    if (p == nullptr) {
        return false;
    }
    p = NextLineView(p, pDeadEnd, nMaxLine, pLine, nLen);   // line 4
    if (p == nullptr) {
        return false;
    }

    const tint32 nFields = static_cast<tint32>(vTypes.size());
    DATA_BUF vData;
    std::vector<size_t> vRowStart;
    // Rough counts from the line ends left, so the cells usually grow in one step. A kept
    // cell is an item of the file, and every item but the first of a row follows a TAB, so
    // the rest of the file holds no more cells than bytes: no reservation goes past that.
    const size_t nLineEnds = static_cast<size_t>(std::count(p, pDeadEnd, '\n'));
    const size_t nBytesLeft = static_cast<size_t>(pDeadEnd - p);
    vData.reserve(std::min((nLineEnds + 1) * static_cast<size_t>(nFields), nBytesLeft));
    vRowStart.reserve(std::min(nLineEnds + 2, nBytesLeft + 1));
    std::vector<ItemView> vItems(static_cast<size_t>(nFields));
    FileStringSet strings;
    tint32 nRecords = 0;

    while ((p = NextLineView(p, pDeadEnd, nMaxLine, pLine, nLen)) != nullptr) {
        if (nLen == 0 || pLine[0] == '#') {
            continue;
        }
        const tchar* pLineEnd = pLine + nLen;
        const tchar* q = pLine;
        tint32 nItems = 0;
        while (nItems < nFields) {
            const tchar* pTab = static_cast<const tchar*>(std::memchr(q, '\t', static_cast<size_t>(pLineEnd - q)));
            const tchar* pItemEnd = pTab != nullptr ? pTab : pLineEnd;
            vItems[static_cast<size_t>(nItems++)] = ItemView{q, pItemEnd};
            if (pTab == nullptr) {
                break;
            }
            q = pTab + 1;
        }
        if (vItems[0].pBegin == vItems[0].pEnd) {
            continue;
        }
        // A short row keeps only its own items; its missing ones read as empty (m_vMissing).
        vRowStart.push_back(vData.size());
        for (tint32 c = 0; c < nItems; ++c) {
            const ItemView& item = vItems[static_cast<size_t>(c)];
            switch (vTypes[static_cast<size_t>(c)]) {
            case T_INT:
                vData.push_back(FIELD(static_cast<tintptr>(ParseIntItem(item.pBegin, item.pEnd))));
                break;
            case T_FLOAT:
                vData.push_back(FIELD(static_cast<tfloatptr>(ParseFloatItem(item.pBegin, item.pEnd))));
                break;
            case T_STRING: {
                tint64 nOffset = 0;
                if (item.pEnd > item.pBegin) {
                    nOffset = strings.Offset(item.pBegin, static_cast<size_t>(item.pEnd - item.pBegin));
                    if (nOffset < 0) {
                        return false;
                    }
                }
                vData.push_back(FIELD(static_cast<tintptr>(nOffset)));
                break;
            }
            }
        }
        ++nRecords;
    }

    vRowStart.push_back(vData.size());

    const std::string& strBuf = strings.Buffer();
    tchar* pStringBuf = new tchar[strBuf.size()];
    std::memcpy(pStringBuf, strBuf.data(), strBuf.size());
    for (tint32 r = 0; r < nRecords; ++r) {
        for (size_t i = vRowStart[static_cast<size_t>(r)]; i < vRowStart[static_cast<size_t>(r) + 1]; ++i) {
            if (vTypes[i - vRowStart[static_cast<size_t>(r)]] == T_STRING) {
                vData[i].pString = pStringBuf + vData[i].iValue;
            }
        }
    }
    DATA_BUF vMissing;
    vMissing.reserve(static_cast<size_t>(nFields));
    for (tint32 c = 0; c < nFields; ++c) {
        switch (vTypes[static_cast<size_t>(c)]) {
        case T_INT:
            vMissing.push_back(FIELD(static_cast<tintptr>(0)));
            break;
        case T_FLOAT:
            vMissing.push_back(FIELD(static_cast<tfloatptr>(0.0)));
            break;
        case T_STRING:
            vMissing.push_back(FIELD(static_cast<const tchar*>(pStringBuf)));
            break;
        }
    }
    if (vData.size() == static_cast<size_t>(nRecords) * static_cast<size_t>(nFields)) {
        vRowStart.clear();   // every row whole: cell (r, c) is element r * F + c
    }

    delete[] m_pStringBuf;
    m_theType.swap(vTypes);
    m_vDataBuf.swap(vData);
    m_vRowStart.swap(vRowStart);
    m_vMissing.swap(vMissing);
    m_nRecordsNum = nRecords;
    m_nFieldsNum = nFields;
    m_pStringBuf = pStringBuf;
    m_nStringBufSize = static_cast<tint32>(strBuf.size());

    CheckIndex(szFileName);
    return true;
}

bool DBCFile::OpenFromMemoryImpl_Binary(const tchar* pMemory, const tchar* pDeadEnd, const tchar* szFileName)
{
    const tint64 nRange = pDeadEnd - pMemory;
    if (nRange < static_cast<tint64>(sizeof(FILE_HEAD))) {
        return false;
    }
    FILE_HEAD head;
    std::memcpy(&head, pMemory, sizeof(head));
    if (head.m_Identify != BINARY_IDENTIFY) {
        return false;
    }
    const tint64 F = head.m_nFieldsNum;
    const tint64 R = head.m_nRecordsNum;
    const tint64 S = head.m_nStringBlockSize;
    // Negative counts and an empty string block are no table; the size test is done in
    // 128 bits, since 16 + F * (4 + 8R) + S overflows 64 bits for large headers.
    if (F < 0 || R < 0 || S < 1) {
        return false;
    }
    const __int128 nNeed = static_cast<__int128>(16) + static_cast<__int128>(F) * (4 + 8 * static_cast<__int128>(R)) + S;
    if (static_cast<__int128>(nRange) < nNeed) {
        return false;
    }

    m_nRecordsNum = static_cast<tint32>(R);
    m_nFieldsNum = static_cast<tint32>(F);
    m_nStringBufSize = static_cast<tint32>(S);
    m_vRowStart.clear();   // every binary row is whole
    delete[] m_pStringBuf;
    m_pStringBuf = new tchar[static_cast<size_t>(S)];

    const tchar* p = pMemory + sizeof(FILE_HEAD);
    m_theType.resize(static_cast<size_t>(F));
    // A header without columns ends here with the vector's own report, as the format has it.
    FIELD_TYPE* pTypes = &m_theType[0];
    for (tint64 c = 0; c < F; ++c) {
        tuint32 nType = 0;
        std::memcpy(&nType, p + 4 * c, sizeof(nType));
        if (nType > T_STRING) {
            delete[] m_pStringBuf;
            m_pStringBuf = nullptr;
            return false;
        }
        pTypes[c] = static_cast<FIELD_TYPE>(nType);
    }
    p += 4 * F;

    const size_t nCells = static_cast<size_t>(F * R);
    m_vDataBuf.resize(nCells);
    if (nCells > 0) {
        std::memcpy(static_cast<void*>(&m_vDataBuf[0]), p, nCells * sizeof(FIELD));
    }
    p += nCells * sizeof(FIELD);
    std::memcpy(m_pStringBuf, p, static_cast<size_t>(S));
    m_pStringBuf[S - 1] = '\0';

    // Every string offset must lie inside the block, or a cell would point outside it.
    for (size_t i = 0; i < nCells; ++i) {
        if (pTypes[i % static_cast<size_t>(F)] != T_STRING) {
            continue;
        }
        const tuint64 nOffset = static_cast<tuint64>(m_vDataBuf[i].iValue);
        if (nOffset >= static_cast<tuint64>(S)) {
            delete[] m_pStringBuf;
            m_pStringBuf = nullptr;
            m_vDataBuf.clear();
            m_nRecordsNum = 0;
            m_nStringBufSize = 0;
            return false;
        }
        m_vDataBuf[i].pString = m_pStringBuf + nOffset;
    }

    CheckIndex(szFileName);
    return true;
}

void DBCFile::CheckIndex(const tchar* szFileName)
{
    if (m_nFieldsNum <= 0) {
        return;
    }
    std::unordered_set<tint64> setSeen;
    setSeen.reserve(static_cast<size_t>(m_nRecordsNum));
    for (tint32 r = 0; r < m_nRecordsNum; ++r) {
        const tint64 nValue = CellAt(static_cast<size_t>(r), 0).iValue;
        if (!setSeen.insert(nValue).second) {
            tchar szMsg[256];
            std::memset(szMsg, 0, sizeof(szMsg));
            std::snprintf(szMsg, sizeof(szMsg) - 1, "[%s] Multi index at line %d(SAME:value=%d)",
                          szFileName != nullptr ? szFileName : "", r + 1, static_cast<tint32>(nValue));
            _do_assert_(s_szSourceFile, __LINE__, __PRETTY_FUNCTION__, "false", szMsg, true);
            return;
        }
    }
}

const DBCFile::FIELD* DBCFile::Search_Posistion(tint32 nRecordLine, tint32 nColumNum) const
{
    // 64-bit positions: a large row times the column count must not wrap into a valid cell.
    const tint64 nPosition = static_cast<tint64>(nRecordLine) * m_nFieldsNum + nColumNum;
    const tint64 nCells = static_cast<tint64>(m_nRecordsNum) * m_nFieldsNum;
    if (nPosition < 0 || nColumNum >= nCells) {
        tchar szMsg[256];
        std::memset(szMsg, 0, sizeof(szMsg));
        std::snprintf(szMsg, sizeof(szMsg) - 1, "DBC:Invalid search request[rec=%d, col=%d]", nRecordLine, nColumNum);
        _do_assert_(s_szSourceFile, __LINE__, __PRETTY_FUNCTION__, "false", szMsg, true);
        return nullptr;
    }
    if (nPosition >= nCells) {
        return &m_vDataBuf[m_vDataBuf.size()];   // past the last cell: the vector's own report
    }
    return &CellAt(static_cast<size_t>(nPosition) / static_cast<size_t>(m_nFieldsNum),
                   static_cast<size_t>(nPosition) % static_cast<size_t>(m_nFieldsNum));
}

const DBCFile::FIELD& DBCFile::CellAt(size_t nRow, size_t nColumn) const
{
    if (m_vRowStart.empty()) {
        return m_vDataBuf[nRow * static_cast<size_t>(m_nFieldsNum) + nColumn];
    }
    const size_t nAt = m_vRowStart[nRow] + nColumn;
    return nAt < m_vRowStart[nRow + 1] ? m_vDataBuf[nAt] : m_vMissing[nColumn];
}

DBCFile::FIELD_TYPE DBCFile::GetFieldType(tint32 nColumn) const
{
    if (nColumn < 0 || nColumn >= m_nFieldsNum || static_cast<size_t>(nColumn) >= m_theType.size()) {
        return T_INT;
    }
    return m_theType[static_cast<size_t>(nColumn)];
}

tint32 DBCFile::_ConvertStringToVector(const tchar* strStringSource, bsvector<std::string>& vRet,
                                       const tchar* szKey, bool bOneOfKey, bool bIgnoreEmpty)
{
    vRet.clear();
    if (strStringSource == nullptr || *strStringSource == '\0') {
        return 0;
    }
    // An empty key separates nothing: the whole source is one item (and no endless search).
    const size_t nKeyLen = szKey != nullptr ? std::strlen(szKey) : 0;
    const tchar* pItem = strStringSource;
    for (;;) {
        const tchar* pSep = nullptr;
        if (nKeyLen > 0) {
            pSep = bOneOfKey ? std::strpbrk(pItem, szKey) : std::strstr(pItem, szKey);
        }
        const tchar* pItemEnd = pSep != nullptr ? pSep : pItem + std::strlen(pItem);
        if (!(bIgnoreEmpty && pItemEnd == pItem)) {
            vRet.push_back(std::string(pItem, pItemEnd));
        }
        if (pSep == nullptr) {
            break;
        }
        pItem = pSep + (bOneOfKey ? 1 : nKeyLen);
    }
    return static_cast<tint32>(vRet.size());
}

const tchar* DBCFile::_GetLineFromMemory(tchar* pStringBuf, tint32 nBufSize, const tchar* pMemory,
                                         const tchar* pDeadEnd)
{
    // A buffer of fewer than 2 bytes holds no character: no line can be returned from it.
    if (pStringBuf == nullptr || nBufSize < 2 || pMemory == nullptr || pDeadEnd == nullptr) {
        return nullptr;
    }
    const tchar* pBegin = nullptr;
    tint64 nLen = 0;
    const tchar* pNext = NextLineView(pMemory, pDeadEnd, nBufSize - 1, pBegin, nLen);
    if (pNext == nullptr) {
        return nullptr;
    }
    std::memcpy(pStringBuf, pBegin, static_cast<size_t>(nLen));
    pStringBuf[nLen] = '\0';
    return pNext;
}

// ============================================================================
// DBC_String_T
// ============================================================================

bool DBC_String_T::String_T::IsMe(const tchar* szString, tuint32 nLength, tuint32 nHashValue) const
{
    return m_nStrLen == nLength && m_nHashValue == nHashValue && m_pContent != nullptr &&
           strncasecmp(m_pContent, szString, nLength) == 0;
}

DBC_String_T::String_T* DBC_String_T::StringTBlockNode_T::GetAvaildSlot()
{
    if (m_pBlock == nullptr || m_nUsedSlotCount >= STRING_BLOCK_SIZE) {
        return nullptr;
    }
    return &m_pBlock[m_nUsedSlotCount];
}

void DBC_String_T::StringTBlockNode_T::StepForwardCursor()
{
    if (m_nUsedSlotCount < STRING_BLOCK_SIZE) {
        ++m_nUsedSlotCount;
    }
}

tchar* DBC_String_T::CharBlockNode_T::GetAvaildBuffer(tuint32 nLength)
{
    if (m_pBlock == nullptr || static_cast<tuint64>(m_nUsedSize) + nLength > CHAR_BLOCK_SIZE - 1) {
        return nullptr;
    }
    tchar* p = m_pBlock + m_nUsedSize;
    std::memset(p, 0, nLength);
    return p;
}

void DBC_String_T::CharBlockNode_T::StepForwardCursor(tuint32 nLength)
{
    m_nUsedSize += nLength;
}

namespace
{
// Room that a text of n characters takes in a character block.
tuint64 RoomFor(tuint32 n)
{
    return 2 * ((static_cast<tuint64>(n) + 1) / 2) + 4;
}

// Puts a new node with a fresh block of nSize elements in front of a block list. Any
// exception while allocating gives null, with the list unchanged and nothing kept.
template <class Elem, class Node>
Node* PushNewBlock(Node*& rpHead, size_t nSize)
{
    Node* pNode = nullptr;
    try {
        pNode = new Node;
        pNode->SetBlock(new Elem[nSize]);
    } catch (...) {
        delete pNode;
        return nullptr;
    }
    pNode->SetNext(rpHead);
    rpHead = pNode;
    return pNode;
}
}   // namespace

DBC_String_T::DBC_String_T() : m_pStringBlockHead(nullptr), m_pCharBlockHead(nullptr), m_nCount(0), m_nTotalSize(0)
{
    bstMutexScopedLock lock(m_Lock);
    std::memset(m_apHashHeadList, 0, sizeof(m_apHashHeadList));
}

DBC_String_T::~DBC_String_T()
{
    CleanUp();
}

void DBC_String_T::CleanUp()
{
    bstMutexScopedLock lock(m_Lock);
    ReleaseBlocks();
}

void DBC_String_T::ReleaseBlocks()
{
    std::memset(m_apHashHeadList, 0, sizeof(m_apHashHeadList));
    while (m_pStringBlockHead != nullptr) {
        StringTBlockNode_T* pNode = m_pStringBlockHead;
        m_pStringBlockHead = pNode->GetNext();
        delete[] pNode->GetBlock();
        delete pNode;
    }
    while (m_pCharBlockHead != nullptr) {
        CharBlockNode_T* pNode = m_pCharBlockHead;
        m_pCharBlockHead = pNode->GetNext();
        delete[] pNode->GetBlock();
        delete pNode;
    }
    m_nCount = 0;
    m_nTotalSize = 0;
}

tuint32 DBC_String_T::GetHashValue(const tchar* szString, tuint32 nLength)
{
    tuint32 s1 = 0x7FED7FEDu;
    tuint32 s2 = 0xEEEEEEEEu;
    for (tuint32 i = 0; i < nLength; ++i) {
        const tuint32 c = static_cast<tuint8>(szString[i]);
        s1 = (c << (8 * (i % 4))) ^ (s1 + s2);
        s2 = 33 * s2 + c + s1 + 3;
    }
    return s1;
}

tuint32 DBC_String_T::GetHashIndex(tuint32 nHashValue)
{
    return nHashValue & (HASH_WIDTH - 1);
}

const tchar* DBC_String_T::GetSameString(const tchar* szString, tuint32 nLength, tuint32 nHashValue) const
{
    for (const String_T* p = m_apHashHeadList[GetHashIndex(nHashValue)]; p != nullptr; p = p->GetNext()) {
        if (p->IsMe(szString, nLength, nHashValue)) {
            return p->GetContent();
        }
    }
    return nullptr;
}

tchar* DBC_String_T::NewStringBuffer(tuint32 nStrLen)
{
    const tuint64 nNeed = RoomFor(nStrLen);
    // Too long for any block: refused before a block is allocated for nothing.
    if (nNeed > CHAR_BLOCK_SIZE - 1) {
        return nullptr;
    }
    if (m_pCharBlockHead != nullptr) {
        tchar* p = m_pCharBlockHead->GetAvaildBuffer(static_cast<tuint32>(nNeed));
        if (p != nullptr) {
            return p;
        }
    }
    CharBlockNode_T* pNode = PushNewBlock<tchar>(m_pCharBlockHead, CHAR_BLOCK_SIZE);
    return pNode != nullptr ? pNode->GetAvaildBuffer(static_cast<tuint32>(nNeed)) : nullptr;
}

DBC_String_T::String_T* DBC_String_T::NewStringTStruct()
{
    if (m_pStringBlockHead != nullptr) {
        String_T* p = m_pStringBlockHead->GetAvaildSlot();
        if (p != nullptr) {
            return p;
        }
    }
    StringTBlockNode_T* pNode = PushNewBlock<String_T>(m_pStringBlockHead, STRING_BLOCK_SIZE);
    return pNode != nullptr ? pNode->GetAvaildSlot() : nullptr;
}

const tchar* DBC_String_T::RegisterConstString(const tchar* szString, tuint32 nLength)
{
    if (szString == nullptr || strnlen(szString, static_cast<size_t>(nLength) + 1) != nLength) {
        return nullptr;
    }
    bstMutexScopedLock lock(m_Lock);
    const tuint32 nHash = GetHashValue(szString, nLength);
    if (const tchar* pSame = GetSameString(szString, nLength, nHash)) {
        return pSame;
    }
    tchar* pRoom = NewStringBuffer(nLength);
    if (pRoom == nullptr) {
        return nullptr;
    }
    std::memcpy(pRoom, szString, nLength);
    pRoom[nLength] = '\0';
    String_T* pEntry = NewStringTStruct();
    if (pEntry == nullptr) {
        return nullptr;
    }
    pEntry->SetContent(pRoom);
    pEntry->SetHashValue(nHash);
    pEntry->SetStringLength(nLength);
    const tuint32 nBucket = GetHashIndex(nHash);
    pEntry->SetNext(m_apHashHeadList[nBucket]);
    m_apHashHeadList[nBucket] = pEntry;
    ++m_nCount;
    m_nTotalSize += nLength;
    m_pStringBlockHead->StepForwardCursor();
    m_pCharBlockHead->StepForwardCursor(static_cast<tuint32>(RoomFor(nLength)));
    return pRoom;
}

// ============================================================================
// DBC_Loader
// ============================================================================

namespace
{
DBC_String_T g_DBC_String_Table;
const tchar s_szEmptyString[1] = {'\0'};
}   // namespace

const tchar* DBC_EmptyString()
{
    return s_szEmptyString;
}

const tchar* _LoadConstStringFromDBC(const DBCFile& rDB, tint32 nRow, tint32 nColumn)
{
    if (nRow < 0 || nColumn < 0) {
        return nullptr;
    }
    const DBCFile::FIELD* pField = rDB.Search_Posistion(nRow, nColumn);
    if (pField == nullptr || pField->pString == nullptr) {
        return nullptr;
    }
    if (pField->pString[0] == '\0') {
        return s_szEmptyString;
    }
    return g_DBC_String_Table.RegisterConstString(pField->pString, static_cast<tuint32>(std::strlen(pField->pString)));
}

void DBC_Loader::CheckColumnType(tint32 nColumn, DBCFile::FIELD_TYPE eWanted, const tchar* szFunc,
                                 const tchar* szTable, const tchar* szColumn) const
{
    // Only a cell inside the file has a column type; any other request is left to the
    // reader's own report.
    const tint64 nFields = m_DB.GetFieldsNum();
    const tint64 nPosition = static_cast<tint64>(m_Row) * nFields + nColumn;
    const tint64 nCells = static_cast<tint64>(m_DB.GetRecordsNum()) * nFields;
    if (m_Row < 0 || nColumn < 0 || nColumn >= nCells || nPosition >= nCells) {
        return;
    }
    const DBCFile::FIELD_TYPE eType = m_DB.GetFieldType(static_cast<tint32>(nPosition % nFields));
    if (eType == eWanted) {
        return;
    }
    static const tchar* const s_aszWords[] = {"INT", "FLOAT", "STRING"};
    static const tchar* const s_aszExpr[] = {"DBCFile::T_INT==FieldType", "DBCFile::T_FLOAT==FieldType",
                                             "DBCFile::T_STRING==FieldType"};
    tchar szMsg[256];
    std::snprintf(szMsg, sizeof(szMsg), "%s %s: column %d is %s, not %s", szTable != nullptr ? szTable : "Table",
                  szColumn != nullptr ? szColumn : "?", nColumn, s_aszWords[eType], s_aszWords[eWanted]);
    _do_assert_(s_szSourceFile, __LINE__, szFunc, s_aszExpr[eWanted], szMsg, true);
}

void DBC_Loader::ReadDirect(tint32& val, tint32 nColumn, const tchar* szTable, const tchar* szColumn)
{
    CheckColumnType(nColumn, DBCFile::T_INT, __PRETTY_FUNCTION__, szTable, szColumn);
    Read(val, m_DB, m_Row, nColumn);
}

void DBC_Loader::ReadDirect(tfloat32& val, tint32 nColumn, const tchar* szTable, const tchar* szColumn)
{
    CheckColumnType(nColumn, DBCFile::T_FLOAT, __PRETTY_FUNCTION__, szTable, szColumn);
    Read(val, m_DB, m_Row, nColumn);
}

void DBC_Loader::ReadDirect(const tchar*& val, tint32 nColumn, const tchar* szTable, const tchar* szColumn)
{
    CheckColumnType(nColumn, DBCFile::T_STRING, __PRETTY_FUNCTION__, szTable, szColumn);
    Read(val, m_DB, m_Row, nColumn);
}

bool DBC_Loader::_Read(tint32& val, const DBCFile& rDB, tint32 nRow, tint32 nColumn)
{
    const DBCFile::FIELD* pField = rDB.Search_Posistion(nRow, nColumn);
    if (pField == nullptr) {
        return false;
    }
    val = static_cast<tint32>(static_cast<tuint32>(static_cast<tuint64>(pField->iValue)));
    return true;
}

bool DBC_Loader::_Read(tfloat32& val, const DBCFile& rDB, tint32 nRow, tint32 nColumn)
{
    const DBCFile::FIELD* pField = rDB.Search_Posistion(nRow, nColumn);
    if (pField == nullptr) {
        return false;
    }
    tfloat64 d;
    std::memcpy(&d, pField, sizeof(d));
    val = static_cast<tfloat32>(d);
    return true;
}

bool DBC_Loader::_Read(const tchar*& val, const DBCFile& rDB, tint32 nRow, tint32 nColumn)
{
    val = _LoadConstStringFromDBC(rDB, nRow, nColumn);
    return true;
}

bool DBC_Loader::_Read(bool& val, const DBCFile& rDB, tint32 nRow, tint32 nColumn)
{
    const DBCFile::FIELD* pField = rDB.Search_Posistion(nRow, nColumn);
    if (pField == nullptr) {
        return false;
    }
    val = pField->iValue != 0;
    return true;
}

// ============================================================================
// Registry of table declarations
// ============================================================================

namespace
{
std::vector<const DBC_TableDecl*>& TableRegistry()
{
    static std::vector<const DBC_TableDecl*> s_vTables;
    return s_vTables;
}
}   // namespace

bool DBC_RegisterTable(const DBC_TableDecl& rDecl)
{
    TableRegistry().push_back(&rDecl);
    return true;
}

std::vector<const DBC_TableDecl*> DBC_RegisteredTables()
{
    std::vector<const DBC_TableDecl*> v = TableRegistry();
    std::sort(v.begin(), v.end(),
              [](const DBC_TableDecl* a, const DBC_TableDecl* b) { return std::strcmp(a->szName, b->szName) < 0; });
    return v;
}
