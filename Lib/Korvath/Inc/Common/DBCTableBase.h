#pragma once
// DBC_Table_Base_T: what the two record containers (DBC_Table_Index_T, DBC_Table_Hash_T)
// share: the ready flag, the record count, the capacity test, the load of a file's rows
// into the block of a new load, and the release of every block.
//
// Derived keeps its own lists, its block list (m_pHead, PushBlock, GetHead, PopBlock) and
// supplies PlaceRecord(nRow, nID, rRecord) -> bool, which lists one loaded record (false:
// the ID has no place; a refused record throws its text), and Release(), which calls
// ReleaseBlocks and clears its lists. A node frees what it holds in FreeBlocks.
// Invariant: m_nCount records are listed in file order; m_bReady only after a complete
// load that the manager has marked. A load that fails in any way releases the container,
// so the next load starts clean. One thread loads; once ready, lookups may run on any
// thread while nobody loads.

#include "BaseType.h"
#include "DBCContainerError.h"
#include "DBCFile.h"

template <class Derived, class U>
class DBC_Table_Base_T
{
public:
    bool Init()
    {
        Self().Release();
        return true;
    }

    tint32 GetCount() const { return m_nCount; }
    bool IsReady() const { return m_bReady; }
    void MarkReadyFlag() { m_bReady = true; }

protected:
    constexpr DBC_Table_Base_T() : m_bReady(false), m_nCount(0) {}
    ~DBC_Table_Base_T() {}

    // The file's row count (a negative count as 0) when it fits beside the records held;
    // otherwise the container is released and szTooMany thrown, before any row is read.
    tint32 RowsToLoad(const DBCFile& rDB, tint32 nCapacity, const tchar* szTooMany)
    {
        tint32 n = rDB.GetRecordsNum();
        if (n < 0) {
            n = 0;
        }
        if (static_cast<tint64>(m_nCount) + n > nCapacity) {
            Self().Release();
            throw szTooMany;
        }
        return n;
    }

    // Loads row r of rDB into pBlock[r], in file order, and hands each record with its ID
    // (the low 32 bits of column 0) to PlaceRecord. A row that does not load throws
    // szLoadFailed with the ID. Any failure releases the container before it leaves.
    bool LoadRows(const DBCFile& rDB, U* pBlock, tint32 n, const tchar* szLoadFailed)
    {
        try {
            for (tint32 r = 0; r < n; ++r) {
                const tint32 nID = static_cast<tint32>(rDB.Search_Posistion(r, 0)->iValue);
                U& rRecord = pBlock[r];
                if (!rRecord.LoadFromDB(rDB, r)) {
                    throw DBC_FormatContainerError(szLoadFailed, nID);
                }
                if (!Self().PlaceRecord(r, nID, rRecord)) {
                    Self().Release();
                    return false;
                }
            }
        } catch (...) {
            Self().Release();
            throw;
        }
        return true;
    }

    // Clears the ready flag and the count and frees every node with its blocks. False when
    // the container held nothing: its lists were never set, so they need no clearing (an
    // unloaded table keeps its pages cold).
    bool ReleaseBlocks()
    {
        m_bReady = false;
        Derived& d = Self();
        if (d.GetHead() == nullptr && m_nCount == 0) {
            return false;
        }
        m_nCount = 0;
        while (auto* pNode = d.GetHead()) {
            d.PopBlock();
            pNode->FreeBlocks();
            delete pNode;
        }
        return true;
    }

    bool m_bReady;
    tint32 m_nCount;

private:
    Derived& Self() { return static_cast<Derived&>(*this); }
};
