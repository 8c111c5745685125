#pragma once
// DBC_Table_Mgr_Adapter: the manager of one table, over the container that its selector
// names (SequenceMgrType: by ID, HashMgrType: hashed by ID).
//
// Each table module owns one static manager, which owns its container and through it every
// record. The table is ready only after a load that completed; a file that does not open
// changes nothing. Loads and reloads run on one thread, and lookups must not run while a
// load replaces the records.

#include "BaseType.h"
#include "DBCFile.h"
#include "DBCTableHash.h"
#include "DBCTableIndex.h"

template <class T, tint32 k, tint32 m>
struct SequenceMgrType
{
    typedef DBC_Table_Index_T<T, k, m> Type;
};

template <class T, tint32 k, tint32 m>
struct HashMgrType
{
    typedef DBC_Table_Hash_T<T, k, m> Type;
};

template <template <class, tint32, tint32> class MgrT, class T, tint32 maxID, tint32 maxRecordNum>
class DBC_Table_Mgr_Adapter
{
public:
    constexpr DBC_Table_Mgr_Adapter() : m_Mgr() {}

    // A file that does not open leaves the earlier records (and the ready state) in place.
    bool InitFromDB(const tchar* szFileName)
    {
        DBCFile db;
        if (!db.OpenFromTXT(szFileName)) {
            return false;
        }
        return InitFromDBMemory(db);
    }

    bool InitFromDBMemory(const DBCFile& rDB)
    {
        if (m_Mgr.IsReady()) {
            m_Mgr.Init();
        }
        if (!m_Mgr.LoadFromMemory(rDB)) {
            return false;
        }
        m_Mgr.MarkReadyFlag();
        return true;
    }

    const T* GetRecordByID(tint32 nID) const { return m_Mgr.GetDataByID(nID); }
    const T* GetRecordByIndex(tint32 nIndex) const { return m_Mgr.GetDataByIndex(nIndex); }
    tint32 GetCount() const { return m_Mgr.GetCount(); }

private:
    typename MgrT<T, maxID, maxRecordNum>::Type m_Mgr;
};
