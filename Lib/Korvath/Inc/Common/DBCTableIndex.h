#pragma once
// DBC_Table_Index_T: the records of one table, reached directly by ID (0 to MAX_ID) and in
// file order.
//
// m_pUnitList[0, m_nCount) holds the records in load order, the rest is null;
// m_pIndexList[id] is the record with that ID or null. Both lists point into the record
// blocks of the node list (one node and one block per load), which the container owns and
// frees in Release. Lookups answer only once the manager has marked the container ready.
// A load that fails leaves the container empty, so the next load starts clean.
// One thread loads; once ready, lookups may run on any thread while nobody loads.

#include "BaseType.h"
#include "DBCContainerError.h"
#include "DBCFile.h"

#include <cstring>
#include <memory>

template <class U, tint32 MAX_ID, tint32 MAX_RECORD_NUM>
class DBC_Table_Index_T
{
public:
    enum CONSTANT_VALUE
    {
        UNIT_LIST_SIZE = MAX_RECORD_NUM,
        INDEX_LIST_SIZE = MAX_ID + 1,
    };
    static_assert(MAX_ID >= 0 && MAX_RECORD_NUM > 0, "container sizes");

    class Node_T
    {
    public:
        Node_T() { CleanUp(); }
        ~Node_T() {}
        void CleanUp()
        {
            m_pBlock = nullptr;
            m_pNext = nullptr;
        }
        U* GetBlock() const { return m_pBlock; }
        void SetBlock(U* pBlock) { m_pBlock = pBlock; }
        Node_T* GetNext() const { return m_pNext; }
        void SetNext(Node_T* pNext) { m_pNext = pNext; }

    private:
        U* m_pBlock;
        Node_T* m_pNext;
    };

public:
    // constexpr: a static container is set up before any code runs and its lists stay
    // untouched (not even zero-filled again) until the table is loaded.
    constexpr DBC_Table_Index_T() : m_bReady(false), m_pUnitList{}, m_pIndexList{}, m_nCount(0), m_pHead(nullptr) {}
    ~DBC_Table_Index_T() { Release(); }

    bool Init()
    {
        Release();
        return true;
    }

    bool LoadFromMemory(const DBCFile& rDB)
    {
        tint32 n = rDB.GetRecordsNum();
        if (n < 0) {
            n = 0;
        }
        if (static_cast<tint64>(m_nCount) + n > UNIT_LIST_SIZE) {
            Release();
            // The class name in this text is kept as the agent's tooling expects it.
            throw "[DBC_Table_Hash_T::LoadFromMemory]: Record count is larger than UNIT_LIST_SIZE!!";
        }
        std::unique_ptr<Node_T> pNode(new Node_T);
        pNode->SetBlock(new U[n]);
        PushBlock(*pNode.release());
        U* pBlock = m_pHead->GetBlock();

        // A failed load must not leave rows behind for the next load to trip over.
        try {
            for (tint32 r = 0; r < n; ++r) {
                const tint32 nID = static_cast<tint32>(rDB.Search_Posistion(r, 0)->iValue);
                U& rRecord = pBlock[r];
                if (!rRecord.LoadFromDB(rDB, r)) {
                    throw DBC_FormatContainerError("[DBC_Table_Index_T::LoadFromMemory]: load content(%d) failed!!", nID);
                }
                m_pUnitList[m_nCount++] = &rRecord;
                if (nID > MAX_ID) {
                    throw DBC_FormatContainerError("[DBC_Table_Index_T::LoadFromMemory]: ID(%d)>MAX_ID over flow!!", nID);
                }
                if (nID < 0) {
                    throw DBC_FormatContainerError("[DBC_Table_Index_T::LoadFromMemory]: ID(%d)<0 under flow!!", nID);
                }
                if (m_pIndexList[nID] != nullptr) {
                    throw DBC_FormatContainerError("[DBC_Table_Index_T::LoadFromMemory]: Duplicate Record(%d) found!!", nID);
                }
                m_pIndexList[nID] = &rRecord;
            }
        } catch (...) {
            Release();
            throw;
        }
        return true;
    }

    const U* GetDataByID(tint32 nID) const
    {
        if (!m_bReady || nID < 0 || nID > MAX_ID) {
            return nullptr;
        }
        return m_pIndexList[nID];
    }

    const U* GetDataByIndex(tint32 nIndex) const
    {
        if (!m_bReady || nIndex < 0 || nIndex >= m_nCount || m_nCount > UNIT_LIST_SIZE) {
            return nullptr;
        }
        return m_pUnitList[nIndex];
    }

    tint32 GetCount() const { return m_nCount; }
    bool IsReady() const { return m_bReady; }
    void MarkReadyFlag() { m_bReady = true; }

protected:
    void Release()
    {
        m_bReady = false;
        // Lists are only ever set while a block exists; an unloaded table keeps its pages cold.
        if (m_pHead == nullptr && m_nCount == 0) {
            return;
        }
        m_nCount = 0;
        std::memset(m_pUnitList, 0, sizeof(m_pUnitList));
        std::memset(m_pIndexList, 0, sizeof(m_pIndexList));
        while (Node_T* pNode = GetHead()) {
            PopBlock();
            delete[] pNode->GetBlock();
            delete pNode;
        }
        m_pHead = nullptr;
    }

private:
    DBC_Table_Index_T(const DBC_Table_Index_T&);
    DBC_Table_Index_T& operator=(const DBC_Table_Index_T&);

    void PushBlock(Node_T& rBlockNode)
    {
        rBlockNode.SetNext(m_pHead);
        m_pHead = &rBlockNode;
    }
    Node_T* GetHead() const { return m_pHead; }
    void PopBlock()
    {
        if (m_pHead != nullptr) {
            m_pHead = m_pHead->GetNext();
        }
    }

private:
    bool m_bReady;
    U* m_pUnitList[UNIT_LIST_SIZE];
    U* m_pIndexList[INDEX_LIST_SIZE];
    tint32 m_nCount;
    Node_T* m_pHead;
};
