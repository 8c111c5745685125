#include "ServerDefine_DB.h"

#include <cstdarg>
#include <cstdio>

#include "Assertx.h"

namespace
{
// vsnprintf's result for a buffer of nSize bytes: an error or a cut text is reported.
void CheckParsed(int nRet, size_t nSize, const tchar* szFunc)
{
    if (nRet < 0 || static_cast<size_t>(nRet) > nSize - 1)
        _do_assert_(__FILE__, __LINE__, szFunc, "false", "", true);
}
} // namespace

void DB_QUERY::Parse(const tchar* pTemplate, ...)
{
    va_list args;
    va_start(args, pTemplate);
    int nRet = vsnprintf(reinterpret_cast<char*>(m_SqlStr), sizeof(m_SqlStr), pTemplate, args);
    va_end(args);
    CheckParsed(nRet, sizeof(m_SqlStr), __PRETTY_FUNCTION__);
}

void LONG_DB_QUERY::Parse(const tchar* pTemplate, ...)
{
    va_list args;
    va_start(args, pTemplate);
    int nRet = vsnprintf(reinterpret_cast<char*>(m_SqlStr), sizeof(m_SqlStr), pTemplate, args);
    va_end(args);
    CheckParsed(nRet, sizeof(m_SqlStr), __PRETTY_FUNCTION__);
}

tchar Value2Ascii(tchar in)
{
    __ENTER_FUNCTION
        if (in >= 0 && in <= 9)
            return static_cast<tchar>('0' + in);
        if (in >= 10 && in <= 15)
            return static_cast<tchar>('A' + in - 10);
        AssertEx(false, "");
    __LEAVE_FUNCTION
    return 0;
}

tchar Ascii2Value(tchar in)
{
    __ENTER_FUNCTION
        if (in >= '0' && in <= '9')
            return static_cast<tchar>(in - '0');
        if (in >= 'A' && in <= 'F')
            return static_cast<tchar>(in - 'A' + 10);
        AssertEx(false, "");
    __LEAVE_FUNCTION
    return 0;
}

bool Binary2String(const tchar* pIn, tuint32 InLength, tchar* pOut, tuint32 OutLength)
{
    __ENTER_FUNCTION
        if (pIn == nullptr || pOut == nullptr || InLength == 0)
            return false;
        // Computed in 64 bits: 2*InLength must not wrap past the room check.
        if (OutLength != 0xFFFFFFFFu && 2 * static_cast<tuint64>(InLength) >= OutLength)
        {
            tchar szMsg[1024];
            snprintf(szMsg, sizeof(szMsg), "Binary2String: OutLength(%d) < InLength(%d)!",
                     static_cast<int>(OutLength), static_cast<int>(InLength));
            AssertEx(false, szMsg);
        }
        // Output offsets in size_t: with OutLength 0xFFFFFFFF, 2*i may pass 2^32.
        for (size_t i = 0; i < InLength; ++i)
        {
            tuint8 byte = static_cast<tuint8>(pIn[i]);
            pOut[2 * i] = Value2Ascii(static_cast<tchar>(byte >> 4));
            pOut[2 * i + 1] = Value2Ascii(static_cast<tchar>(byte & 0x0F));
        }
        return true;
    __LEAVE_FUNCTION
    return false;
}

bool DBStr2Binary(const tchar* pIn, tuint32 InLength, tchar* pOut, tuint32 OutLimit, tuint32& OutLength)
{
    __ENTER_FUNCTION
        if (pIn == nullptr || pOut == nullptr || InLength == 0)
            return false;
        tuint32 i = 0;
        tuint32 n = 0;
        while (i + 1 < InLength && pIn[i] != 0 && pIn[i + 1] != 0 && n < OutLimit)
        {
            pOut[n] = static_cast<tchar>(Ascii2Value(pIn[i]) * 16 + Ascii2Value(pIn[i + 1]));
            n += 1;
            i += 2;
        }
        OutLength = n;
        return true;
    __LEAVE_FUNCTION
    return false;
}

bool GuidToSQLValue(const Guid64& guid, tchar* buf, int len)
{
    if (buf == nullptr || len < 2)
        return false;
    tuint64 v = guid.Get64Value();
    const tchar* szFormat = "0x%8.8X%8.8X";
    if (v & 0x8000000000000000ull)
    {
        v = ~v + 1;
        szFormat = "-0x%8.8X%8.8X";
    }
    // The last byte of the buffer is never written: bound len-1.
    int nRet = snprintf(buf, static_cast<size_t>(len - 1), szFormat,
                        static_cast<unsigned int>(v >> 32), static_cast<unsigned int>(v & 0xFFFFFFFFu));
    return nRet >= 0 && nRet <= len - 2;
}

tuint32 BinCRC(const tchar* pBinary, tint32 InSize)
{
    if (pBinary == nullptr)
        return 0;
    tuint32 h = 0xFFFFFFFFu;
    for (tint32 i = 0; i < InSize; ++i)
        h = h * 33 + static_cast<tuint8>(pBinary[i]);
    return h;
}
