#pragma once
// DBC_Table_Index_T: the records of one table, reached directly by ID (0 to MAX_ID) and in
// file order.
//
// m_pUnitList[0, m_nCount) holds the records in load order, the rest is null;
// m_pIndexList[id] is the record with that ID or null. Both lists point into the record
// blocks of the node list (one node and one block per load), which the container owns and
// frees in Release. The ready flag, the load and the threads: see DBC_Table_Base_T.

#include "DBCTableBase.h"

#include <cstring>
#include <memory>

template <class U, tint32 MAX_ID, tint32 MAX_RECORD_NUM>
class DBC_Table_Index_T : public DBC_Table_Base_T<DBC_Table_Index_T<U, MAX_ID, MAX_RECORD_NUM>, U>
{
    typedef DBC_Table_Base_T<DBC_Table_Index_T<U, MAX_ID, MAX_RECORD_NUM>, U> Base;
    friend Base;

public:
    enum CONSTANT_VALUE
    {
        UNIT_LIST_SIZE = MAX_RECORD_NUM,
        INDEX_LIST_SIZE = MAX_ID + 1,
    };
    static_assert(MAX_ID >= 0 && MAX_RECORD_NUM > 0, "container sizes");

    // One load's block of records; the container frees the block (FreeBlocks), not the node.
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
        void FreeBlocks()
        {
            delete[] m_pBlock;
            m_pBlock = nullptr;
        }

    private:
        U* m_pBlock;
        Node_T* m_pNext;
    };

public:
    // constexpr: a static container is set up before any code runs and its lists stay
    // untouched (not even zero-filled again) until the table is loaded.
    constexpr DBC_Table_Index_T() : Base(), m_pUnitList{}, m_pIndexList{}, m_pHead(nullptr) {}
    ~DBC_Table_Index_T() { Release(); }

    bool LoadFromMemory(const DBCFile& rDB)
    {
        // This capacity text names the hashed container; callers' logs know it so.
        const tint32 n = this->RowsToLoad(rDB, UNIT_LIST_SIZE,
                                          "[DBC_Table_Hash_T::LoadFromMemory]: Record count is larger than UNIT_LIST_SIZE!!");
        std::unique_ptr<Node_T> pNode(new Node_T);
        pNode->SetBlock(new U[n]);
        PushBlock(*pNode.release());
        return this->LoadRows(rDB, GetHead()->GetBlock(), n, "[DBC_Table_Index_T::LoadFromMemory]: load content(%d) failed!!");
    }

    const U* GetDataByID(tint32 nID) const
    {
        if (!this->m_bReady || nID < 0 || nID > MAX_ID) {
            return nullptr;
        }
        return m_pIndexList[nID];
    }

    const U* GetDataByIndex(tint32 nIndex) const
    {
        if (!this->m_bReady || nIndex < 0 || nIndex >= this->m_nCount || this->m_nCount > UNIT_LIST_SIZE) {
            return nullptr;
        }
        return m_pUnitList[nIndex];
    }

protected:
    void Release()
    {
        if (this->ReleaseBlocks()) {
            std::memset(m_pUnitList, 0, sizeof(m_pUnitList));
            std::memset(m_pIndexList, 0, sizeof(m_pIndexList));
        }
    }

private:
    DBC_Table_Index_T(const DBC_Table_Index_T&);
    DBC_Table_Index_T& operator=(const DBC_Table_Index_T&);

    // Lists a loaded record in file order, then under its ID; an ID without a slot or with
    // a record already throws its text (LoadRows then releases everything).
    bool PlaceRecord(tint32 /*nRow*/, tint32 nID, U& rRecord)
    {
        m_pUnitList[this->m_nCount++] = &rRecord;
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
        return true;
    }

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
    U* m_pUnitList[UNIT_LIST_SIZE];
    U* m_pIndexList[INDEX_LIST_SIZE];
    Node_T* m_pHead;
};
