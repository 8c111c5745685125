#pragma once
// DBC_String_T: the interning pool for the texts that table records keep.
//
// Layout: HASH_WIDTH bucket chains of String_T entries (newest first). Entries come from
// blocks of STRING_BLOCK_SIZE slots, texts from character blocks of CHAR_BLOCK_SIZE bytes;
// both block lists are newest first and only the head block is ever filled. A text is
// found again when length, hash of its exact bytes and a case-blind comparison agree.
// Invariant: m_nCount entries are chained, m_nTotalSize is the sum of their lengths.
// Nothing is freed before the destructor: a pooled text stays valid until process exit.
// Every operation takes m_Lock, so any thread may register.

#include "BaseLib.h"
#include "BaseType.h"

class DBC_String_T
{
public:
    enum CONSTANT_VALUE
    {
        HASH_WIDTH = 8192,
        MAGICWORD = 0xFEEDFEED,
        STRING_BLOCK_SIZE = 32768,
        CHAR_BLOCK_SIZE = 2097152,
    };

    class String_T
    {
    public:
        String_T() { CleanUp(); }
        void CleanUp()
        {
            m_pNext = nullptr;
            m_pContent = nullptr;
            m_nHashValue = 0;
            m_nStrLen = 0;
        }
        String_T* GetNext() const { return m_pNext; }
        void SetNext(String_T* pNext) { m_pNext = pNext; }
        const tchar* GetContent() const { return m_pContent; }
        void SetContent(const tchar* pContent) { m_pContent = pContent; }
        tuint32 GetHashValue() const { return m_nHashValue; }
        void SetHashValue(tuint32 nHash) { m_nHashValue = nHash; }
        tuint32 GetStringLength() const { return m_nStrLen; }
        void SetStringLength(tuint32 nLen) { m_nStrLen = nLen; }
        bool IsMe(const tchar* szString, tuint32 nLength, tuint32 nHashValue) const;

    private:
        String_T* m_pNext;
        const tchar* m_pContent;
        tuint32 m_nHashValue;
        tuint32 m_nStrLen;
    };

    class StringTBlockNode_T
    {
    public:
        StringTBlockNode_T() { CleanUp(); }
        void CleanUp()
        {
            m_pNext = nullptr;
            m_pBlock = nullptr;
            m_nUsedSlotCount = 0;
        }
        bool IsInited() const { return m_pBlock != nullptr; }
        String_T* GetAvaildSlot();
        void StepForwardCursor();
        StringTBlockNode_T* GetNext() const { return m_pNext; }
        void SetNext(StringTBlockNode_T* pNext) { m_pNext = pNext; }
        String_T* GetBlock() const { return m_pBlock; }
        void SetBlock(String_T* pBlock) { m_pBlock = pBlock; }
        tuint32 GetUsedSlotCount() const { return m_nUsedSlotCount; }

    private:
        StringTBlockNode_T* m_pNext;
        String_T* m_pBlock;
        tuint32 m_nUsedSlotCount;
    };

    class CharBlockNode_T
    {
    public:
        CharBlockNode_T() { CleanUp(); }
        void CleanUp()
        {
            m_pNext = nullptr;
            m_pBlock = nullptr;
            m_nUsedSize = 0;
        }
        tchar* GetAvaildBuffer(tuint32 nLength);
        void StepForwardCursor(tuint32 nLength);
        CharBlockNode_T* GetNext() const { return m_pNext; }
        void SetNext(CharBlockNode_T* pNext) { m_pNext = pNext; }
        tchar* GetBlock() const { return m_pBlock; }
        void SetBlock(tchar* pBlock) { m_pBlock = pBlock; }
        tuint32 GetUsedSize() const { return m_nUsedSize; }

    private:
        CharBlockNode_T* m_pNext;
        tchar* m_pBlock;
        tuint32 m_nUsedSize;
    };

public:
    DBC_String_T();
    ~DBC_String_T();

    // The pooled copy of szString (nLength must be its exact length), or null.
    const tchar* RegisterConstString(const tchar* szString, tuint32 nLength);
    tuint32 GetCount() const { return m_nCount; }
    tuint32 GetTotalSize() const { return m_nTotalSize; }
    void CleanUp();

private:
    DBC_String_T(const DBC_String_T&);
    DBC_String_T& operator=(const DBC_String_T&);

    static tuint32 GetHashValue(const tchar* szString, tuint32 nLength);
    static tuint32 GetHashIndex(tuint32 nHashValue);
    const tchar* GetSameString(const tchar* szString, tuint32 nLength, tuint32 nHashValue) const;
    // Room for a text of nStrLen characters in the head character block (zeroed), or null.
    tchar* NewStringBuffer(tuint32 nStrLen);
    String_T* NewStringTStruct();
    void ReleaseBlocks();

    friend struct DBCStringPoolProbe;   // tests read the hash and the block lists

private:
    mutable bstMutex m_Lock;
    String_T* m_apHashHeadList[HASH_WIDTH];
    StringTBlockNode_T* m_pStringBlockHead;
    CharBlockNode_T* m_pCharBlockHead;
    tuint32 m_nCount;
    tuint32 m_nTotalSize;
};
