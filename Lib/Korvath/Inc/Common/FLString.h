#pragma once
// Fixed-capacity inline sequences and the bounded text value built on them.
//
// FLSeque<T, Traits, N> holds at most N elements inline (no heap):
//   m_Elems: [0, m_nValidSize) valid | [m_nValidSize, N) cleared
//   invariant: 0 <= m_nValidSize <= N; a sealing sequence (Traits::ShouldSeal()) keeps
//   m_nValidSize <= N-1 and a cleared element at m_nValidSize, so FLString<N> holds at most
//   N-1 characters and is always NUL-terminated. Overflow is cut silently.
// Not thread-safe: a value shared between threads is guarded by its owner.

#include "Assertx.h"
#include "BaseType.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

template <typename _ElemType, typename _ElemTraits, tint32 _ElemSize>
class FLSeque {
    static_assert(_ElemSize > 0, "FLSeque needs a positive capacity");

public:
    FLSeque() { CleanUp(); }
    ~FLSeque() {}

    // Clears all _ElemSize slots, not only the used ones.
    void CleanUp()
    {
        m_nValidSize = 0;
        _ElemTraits::CleanUpElems(m_Elems, _ElemSize);
    }

    tint32 Size() const { return m_nValidSize; }
    tint32 MaxSize() const { return _ElemSize; }
    bool Full() const { return m_nValidSize >= _ElemSize; }
    bool Empty() const { return m_nValidSize <= 0; }

    // Copies as many of the nSize elements as fit, then seals. True when all of them fitted
    // into the _ElemSize slots (before sealing).
    bool Append(const _ElemType* pElems, tint32 nSize)
    {
        bool bRet = false;
        if (pElems != nullptr && nSize > 0 && m_nValidSize >= 0 && m_nValidSize < _ElemSize) {
            tint32 nCopied = 0;
            while (m_nValidSize < _ElemSize && nCopied < nSize) {
                m_Elems[m_nValidSize] = pElems[nCopied];
                ++m_nValidSize;
                ++nCopied;
            }
            bRet = (nCopied == nSize);
        }
        Seal();
        return bRet;
    }
    bool Append(const _ElemType& rElem) { return Append(&rElem, 1); }

    const _ElemType* Get() const { return m_Elems; }
    const _ElemType& Get(tint32 i) const { return operator[](i); }

    // Removes nCount elements from nIndex on (cut to the valid ones); the freed slots are
    // cleared. False when nIndex is not a valid position or nCount is not positive.
    bool Remove(tint32 nIndex, tint32 nCount)
    {
        if (nIndex < 0 || nIndex >= m_nValidSize || nCount <= 0) {
            return false;
        }
        if (nCount > m_nValidSize - nIndex) {
            nCount = m_nValidSize - nIndex;
        }
        for (tint32 i = nIndex; i + nCount < m_nValidSize; ++i) {
            m_Elems[i] = m_Elems[i + nCount];
        }
        m_nValidSize -= nCount;
        for (tint32 i = m_nValidSize; i < m_nValidSize + nCount; ++i) {
            _ElemTraits::CleanUpElem(m_Elems[i]);
        }
        return true;
    }
    bool Remove(tint32 nIndex) { return Remove(nIndex, 1); }

    const _ElemType& operator[](tint32 i) const
    {
        Assert(m_nValidSize >= 0 && m_nValidSize <= _ElemSize);
        Assert(i >= 0 && i < m_nValidSize);
        return m_Elems[i];
    }
    _ElemType& operator[](tint32 i)
    {
        Assert(m_nValidSize >= 0 && m_nValidSize <= _ElemSize);
        Assert(i >= 0 && i < m_nValidSize);
        return m_Elems[i];
    }

private:
    void Seal()
    {
        if (!_ElemTraits::ShouldSeal()) {
            return;
        }
        if (Full()) {
            m_nValidSize = _ElemSize - 1;
        }
        if (m_nValidSize >= 0 && m_nValidSize < _ElemSize) {
            _ElemTraits::CleanUpElem(m_Elems[m_nValidSize]);
        }
    }

protected:
    tint32 m_nValidSize;
    _ElemType m_Elems[_ElemSize];
};

struct FLStringTraits {
    static void CleanUpElems(tchar* lpElems, tint32 nSize)
    {
        if (lpElems != nullptr && nSize > 0) {
            memset(lpElems, 0, static_cast<size_t>(nSize));
        }
    }
    static void CleanUpElem(tchar& rElem) { rElem = 0; }
    static bool ShouldSeal() { return true; }
};

template <tint32 _Size>
class FLString : public FLSeque<tchar, FLStringTraits, _Size> {
    typedef FLSeque<tchar, FLStringTraits, _Size> _BaseClass;

public:
    FLString() {}
    FLString(const tchar* szText) { operator=(szText); }
    ~FLString() {}

    FLString& operator=(const tchar* szText)
    {
        _BaseClass::CleanUp();
        return operator+=(szText);
    }

    // Nothing at all happens (not even sealing) for a null or empty text.
    FLString& operator+=(const tchar* szText)
    {
        if (szText != nullptr) {
            size_t nLen = strlen(szText);
            if (nLen > 0) {
                // Anything past INT_MAX could never fit anyway.
                _BaseClass::Append(szText, nLen > static_cast<size_t>(INT_MAX)
                                               ? INT_MAX
                                               : static_cast<tint32>(nLen));
            }
        }
        return *this;
    }

    template <tint32 _OtherSize>
    FLString& operator+=(const FLString<_OtherSize>& rSrc)
    {
        return operator+=(rSrc.GetCText());
    }

    // Numbers as decimal text.
    explicit FLString(tint8 nValue) { operator=(nValue); }
    explicit FLString(tint16 nValue) { operator=(nValue); }
    explicit FLString(tint32 nValue) { operator=(nValue); }
    explicit FLString(tuint8 uValue) { operator=(uValue); }
    explicit FLString(tuint16 uValue) { operator=(uValue); }
    explicit FLString(tuint32 uValue) { operator=(uValue); }
    FLString& operator=(tint8 nValue) { return AssignSigned(nValue); }
    FLString& operator=(tint16 nValue) { return AssignSigned(nValue); }
    FLString& operator=(tint32 nValue) { return AssignSigned(nValue); }
    FLString& operator=(tuint8 uValue) { return AssignUnsigned(uValue); }
    FLString& operator=(tuint16 uValue) { return AssignUnsigned(uValue); }
    FLString& operator=(tuint32 uValue) { return AssignUnsigned(uValue); }

    const tchar* GetCText() const { return _BaseClass::Get(); }
    tint32 GetLength() const { return _BaseClass::Size(); }
    tint32 GetMaxLength() const { return _Size - 1; }

    // h = 0xFFFFFFFF, then h = h * 33 + each character taken as unsigned.
    tuint32 GetCRC() const
    {
        tuint32 h = 0xFFFFFFFFu;
        for (const tchar* p = GetCText(); *p != '\0'; ++p) {
            h = h * 33u + static_cast<tuint8>(*p);
        }
        return h;
    }

    // The text read as a decimal number (strtol/strtoul), cut to the type; 0 when it is none.
    tint8 GetAsInt8() const { return static_cast<tint8>(GetAsInt32()); }
    tint16 GetAsInt16() const { return static_cast<tint16>(GetAsInt32()); }
    tint32 GetAsInt32() const { return static_cast<tint32>(strtol(GetCText(), nullptr, 10)); }
    tuint8 GetAsUInt8() const { return static_cast<tuint8>(GetAsUInt32()); }
    tuint16 GetAsUInt16() const { return static_cast<tuint16>(GetAsUInt32()); }
    tuint32 GetAsUInt32() const { return static_cast<tuint32>(strtoul(GetCText(), nullptr, 10)); }

    // Against a null text: never equal, never less.
    bool operator==(const tchar* szText) const
    {
        return szText != nullptr && strcmp(GetCText(), szText) == 0;
    }
    bool operator!=(const tchar* szText) const { return !operator==(szText); }
    bool operator<(const tchar* szText) const
    {
        return szText != nullptr && strcmp(GetCText(), szText) < 0;
    }
    bool operator==(const FLString& rOther) const { return operator==(rOther.GetCText()); }
    bool operator!=(const FLString& rOther) const { return !operator==(rOther.GetCText()); }
    bool operator<(const FLString& rOther) const { return operator<(rOther.GetCText()); }

private:
    FLString& AssignSigned(tint32 nValue)
    {
        tchar szNumber[16];
        snprintf(szNumber, sizeof(szNumber), "%d", nValue);
        return operator=(static_cast<const tchar*>(szNumber));
    }
    FLString& AssignUnsigned(tuint32 uValue)
    {
        tchar szNumber[16];
        snprintf(szNumber, sizeof(szNumber), "%u", uValue);
        return operator=(static_cast<const tchar*>(szNumber));
    }
};
