#pragma once
// DBC_Table_Hash_T: the records of one table whose IDs may be any 32-bit value, chained by
// ID in HASH_SIZE buckets (newest slot first) and listed in file order.
//
// m_pSeekList[0, m_nCount) holds the records in load order; every listed record has one
// slot on the chain of bucket Hash(ID). Records and slots live in the blocks of the node
// list (one node, one record block and one slot block per load), owned by the container
// and freed in Release. Buckets are fixed: an ID and its negation share one, and
// -2147483648 may have none (Hash). The ready flag, the load and the threads: see
// DBC_Table_Base_T.

#include "DBCTableBase.h"

#include <climits>
#include <cstring>
#include <memory>

template <class U, tint32 HASH_SIZE, tint32 MAX_RECORD_NUM>
class DBC_Table_Hash_T : public DBC_Table_Base_T<DBC_Table_Hash_T<U, HASH_SIZE, MAX_RECORD_NUM>, U>
{
    typedef DBC_Table_Base_T<DBC_Table_Hash_T<U, HASH_SIZE, MAX_RECORD_NUM>, U> Base;
    friend Base;

public:
    enum CONSTANT_VALUE
    {
        HASH_LIST_WIDTH = HASH_SIZE,
        SEEK_LIST_SIZE = MAX_RECORD_NUM,
    };
    static_assert(HASH_SIZE > 0 && MAX_RECORD_NUM > 0, "container sizes");

    // One entry of a bucket's chain; m_nID is -1 in a slot not yet used.
    class Slot_T
    {
    public:
        Slot_T() : m_nID(-1), m_pContent(nullptr), m_pNext(nullptr) {}
        Slot_T(const Slot_T& rOther) = default;
        ~Slot_T() {}
        void Init()
        {
            m_nID = -1;
            m_pContent = nullptr;
            m_pNext = nullptr;
        }
        bool IsValid() const { return m_pContent != nullptr; }
        void SetContent(tint32 nID, const U& rContent)
        {
            m_nID = nID;
            m_pContent = &rContent;
        }
        tint32 GetID() const { return m_nID; }
        const U* GetContent() const { return m_pContent; }
        Slot_T* GetNext() const { return m_pNext; }
        void SetNext(Slot_T* pNext) { m_pNext = pNext; }

    private:
        tint32 m_nID;
        const U* m_pContent;
        Slot_T* m_pNext;
    };

    // One load's block of records and block of slots; the container frees both blocks
    // (FreeBlocks), not the node.
    class Node_T
    {
    public:
        Node_T() { CleanUp(); }
        ~Node_T() {}
        void CleanUp()
        {
            m_pBlockU = nullptr;
            m_pBlockSlot = nullptr;
            m_pNext = nullptr;
        }
        U* GetBlockU() const { return m_pBlockU; }
        void SetBlockU(U* pBlock) { m_pBlockU = pBlock; }
        Slot_T* GetBlockSlot() const { return m_pBlockSlot; }
        void SetBlockSlot(Slot_T* pBlock) { m_pBlockSlot = pBlock; }
        Node_T* GetNext() const { return m_pNext; }
        void SetNext(Node_T* pNext) { m_pNext = pNext; }
        void FreeBlocks()
        {
            delete[] m_pBlockU;
            delete[] m_pBlockSlot;
            m_pBlockU = nullptr;
            m_pBlockSlot = nullptr;
        }

    private:
        U* m_pBlockU;
        Slot_T* m_pBlockSlot;
        Node_T* m_pNext;
    };

public:
    // constexpr: a static container is set up before any code runs and its lists stay
    // untouched until the table is loaded.
    constexpr DBC_Table_Hash_T() : Base(), m_vpHashList{}, m_pSeekList{}, m_pHead(nullptr) {}
    ~DBC_Table_Hash_T() { Release(); }

    // False, with the container released, when an ID has no bucket (-2147483648, unless
    // HASH_SIZE divides 2^31); a refused record throws its text.
    bool LoadFromMemory(const DBCFile& rDB)
    {
        const tint32 n = this->RowsToLoad(rDB, SEEK_LIST_SIZE,
                                          "[DBC_Table_Hash_T::LoadFromMemory]: Record count is larger than SEEK_LIST_SIZE!!");
        std::unique_ptr<Node_T> pNode(new Node_T);
        std::unique_ptr<Slot_T[]> pSlots(new Slot_T[n]);
        pNode->SetBlockU(new U[n]);
        pNode->SetBlockSlot(pSlots.release());
        PushBlock(*pNode.release());
        return this->LoadRows(rDB, GetHead()->GetBlockU(), n, "[DBC_Table_Hash_T::LoadFromMemory]: load content(%d) failed!!");
    }

    const U* GetDataByID(tint32 nID) const
    {
        if (!this->m_bReady) {
            return nullptr;
        }
        const Slot_T* pSlot = FindSlotByID(nID);
        return pSlot != nullptr ? pSlot->GetContent() : nullptr;
    }

    const U* GetDataByIndex(tint32 nIndex) const
    {
        if (!this->m_bReady || nIndex < 0 || nIndex >= this->m_nCount || this->m_nCount > SEEK_LIST_SIZE) {
            return nullptr;
        }
        return m_pSeekList[nIndex];
    }

protected:
    // An ID and its negation share a bucket. -2147483648 has no negation: its remainder is
    // taken from 2147483648 without overflow and stays negative, which as unsigned is no
    // bucket at all unless HASH_SIZE divides 2147483648 (then bucket 0).
    tuint32 Hash(tint32 nID) const
    {
        if (nID >= 0) {
            return static_cast<tuint32>(nID % HASH_SIZE);
        }
        if (nID == INT_MIN) {
            const tint64 nRem = (static_cast<tint64>(1) << 31) % HASH_SIZE;
            return static_cast<tuint32>(-nRem);
        }
        return static_cast<tuint32>((-nID) % HASH_SIZE);
    }

    const Slot_T* FindSlotByID(tint32 nID) const
    {
        const tuint32 b = Hash(nID);
        if (b >= static_cast<tuint32>(HASH_SIZE)) {
            return nullptr;
        }
        for (const Slot_T* pSlot = m_vpHashList[b]; pSlot != nullptr; pSlot = pSlot->GetNext()) {
            if (pSlot->GetID() == nID) {
                return pSlot;
            }
        }
        return nullptr;
    }

    // The oldest slot of a bucket's chain (its last), or null for an empty or no bucket.
    const Slot_T* LastSlotByHashValue(tuint32 nHashValue) const
    {
        if (nHashValue >= static_cast<tuint32>(HASH_SIZE)) {
            return nullptr;
        }
        const Slot_T* pSlot = m_vpHashList[nHashValue];
        while (pSlot != nullptr && pSlot->GetNext() != nullptr) {
            pSlot = pSlot->GetNext();
        }
        return pSlot;
    }

    bool PushContent(tint32 nIndex, tint32 nID, const U& rContent)
    {
        if (FindSlotByID(nID) != nullptr) {
            throw DBC_FormatContainerError("[DBC_Table_Hash_T::PushContent]: Duplicated ID(%d) found!!", nID);
        }
        if (m_pHead == nullptr) {
            throw "[DBC_Table_Hash_T::PushContent]: Head is Empty!!";
        }
        if (m_pHead->GetBlockSlot() == nullptr) {
            throw "[DBC_Table_Hash_T::PushContent]: SlotBlock is Empty!!";
        }
        const tuint32 b = Hash(nID);
        if (b >= static_cast<tuint32>(HASH_SIZE)) {
            return false;
        }
        Slot_T& rSlot = m_pHead->GetBlockSlot()[nIndex];
        rSlot.SetContent(nID, rContent);
        rSlot.SetNext(m_vpHashList[b]);
        m_vpHashList[b] = &rSlot;
        return true;
    }

    void Release()
    {
        if (this->ReleaseBlocks()) {
            std::memset(m_pSeekList, 0, sizeof(m_pSeekList));
            std::memset(m_vpHashList, 0, sizeof(m_vpHashList));
        }
    }

private:
    DBC_Table_Hash_T(const DBC_Table_Hash_T&);
    DBC_Table_Hash_T& operator=(const DBC_Table_Hash_T&);

    // Chains a loaded record under its ID, then lists it in file order.
    bool PlaceRecord(tint32 nRow, tint32 nID, U& rRecord)
    {
        if (!PushContent(nRow, nID, rRecord)) {
            return false;
        }
        m_pSeekList[this->m_nCount++] = &rRecord;
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
    Slot_T* m_vpHashList[HASH_LIST_WIDTH];
    U* m_pSeekList[SEEK_LIST_SIZE];
    Node_T* m_pHead;
};
