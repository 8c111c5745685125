#pragma once
// Checked printf-style formatting into a caller's fixed buffer.
//
// Every argument is matched against the conversion it meets; a mismatch, a missing argument
// or a conversion left without an argument writes a marker naming the position instead:
//   " @format:<i>,value_as_pointer "   a number met a pointer conversion (s S n p)
//   " @format:<i>,pointer_as_value "   a pointer met a value conversion
//   " @format:<i>,value_mismatch "     a number met a value conversion of another type
//                                       (length modifier or class, e.g. %ld or %f for an int)
//   " @format:<i>,pointer_mismatch "   a pointer met a pointer conversion of another type
//                                       (%s for a non-text pointer, %S for a narrow text, any %n)
//   " @format:<i>,unexpected_value " / " @format:<i>,unexpected_pointer "   more arguments
//   " @format:<i>,unexpected_format "  a conversion without an argument
// A conversion that is not plain printf grammar (a '*' width, a '$' position, an unknown
// character, or one longer than the 4095-character conversion buffer) is a mismatch too, so
// snprintf only ever sees one conversion that fits its one argument.
//
// Invariant: m_BufPos <= m_BufLen - 1, so the buffer always keeps room for a NUL.
// A StringParser lives on its caller's stack and is used by one thread.

#include "BaseType.h"

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <type_traits>

namespace StringFormatUtility {

// The 19 letters that end a conversion.
inline bool IsConversionLetter(tchar c)
{
    return c != '\0' && strchr("cCdiouxXeEfgGaAnpsS", c) != nullptr;
}

// A conversion whose last letter is one of these takes a pointer.
inline bool IsPointerConversion(const tchar* fmt)
{
    size_t nLen = strlen(fmt);
    if (nLen == 0) {
        return false;
    }
    tchar c = fmt[nLen - 1];
    return c == 's' || c == 'S' || c == 'n' || c == 'p';
}

enum ConvClass {
    CONV_BAD,      // not plain printf grammar
    CONV_INT,      // d i o u x X
    CONV_CHAR,     // c
    CONV_WCHAR,    // C, lc
    CONV_FLOAT,    // e E f g G a A
    CONV_TEXT,     // s
    CONV_WTEXT,    // S, ls
    CONV_POINTER,  // p
    CONV_COUNT,    // n: never accepted
};

enum ConvLength { LEN_NONE, LEN_HH, LEN_H, LEN_L, LEN_LL, LEN_LONGDOUBLE, LEN_WIDE64 };

struct ConvInfo {
    ConvClass m_Class;
    ConvLength m_Length;
};

// Parses "%[flags][width][.precision][length]letter" and nothing else.
inline ConvInfo ParseConversion(const tchar* fmt)
{
    ConvInfo bad = {CONV_BAD, LEN_NONE};
    if (fmt == nullptr || fmt[0] != '%') {
        return bad;
    }
    const tchar* p = fmt + 1;
    while (*p != '\0' && strchr("-+ #0'", *p) != nullptr) {
        ++p;
    }
    while (*p >= '0' && *p <= '9') {
        ++p;
    }
    if (*p == '.') {
        ++p;
        while (*p >= '0' && *p <= '9') {
            ++p;
        }
    }
    ConvInfo conv = {CONV_BAD, LEN_NONE};
    if (p[0] == 'h' && p[1] == 'h') {
        conv.m_Length = LEN_HH;
        p += 2;
    } else if (p[0] == 'h') {
        conv.m_Length = LEN_H;
        p += 1;
    } else if (p[0] == 'l' && p[1] == 'l') {
        conv.m_Length = LEN_LL;
        p += 2;
    } else if (p[0] == 'l') {
        conv.m_Length = LEN_L;
        p += 1;
    } else if (p[0] == 'q') {
        conv.m_Length = LEN_LL;
        p += 1;
    } else if (p[0] == 'L') {
        conv.m_Length = LEN_LONGDOUBLE;
        p += 1;
    } else if (p[0] == 'j' || p[0] == 'z' || p[0] == 'Z' || p[0] == 't') {
        conv.m_Length = LEN_WIDE64;
        p += 1;
    }
    if (p[0] == '\0' || p[1] != '\0') {
        return bad;
    }
    switch (p[0]) {
    case 'd': case 'i': case 'o': case 'u': case 'x': case 'X':
        conv.m_Class = CONV_INT;
        break;
    case 'c':
        conv.m_Class = (conv.m_Length == LEN_L) ? CONV_WCHAR : CONV_CHAR;
        break;
    case 'C':
        conv.m_Class = CONV_WCHAR;
        break;
    case 'e': case 'E': case 'f': case 'g': case 'G': case 'a': case 'A':
        conv.m_Class = CONV_FLOAT;
        break;
    case 's':
        conv.m_Class = (conv.m_Length == LEN_L) ? CONV_WTEXT : CONV_TEXT;
        break;
    case 'S':
        conv.m_Class = CONV_WTEXT;
        break;
    case 'p':
        conv.m_Class = CONV_POINTER;
        break;
    case 'n':
        conv.m_Class = CONV_COUNT;
        break;
    default:
        return bad;
    }
    return conv;
}

template <typename T>
struct FormatArgTraits {
    typedef typename std::remove_cv<T>::type _Type;
    static const bool IS_POINTER =
        std::is_pointer<_Type>::value || std::is_same<_Type, std::nullptr_t>::value;
    static_assert(std::is_arithmetic<_Type>::value || std::is_enum<_Type>::value || IS_POINTER,
                  "only numbers, enumerations and pointers can be formatted");
};

// Whether a number of type T may be handed to snprintf with this conversion.
template <typename T>
bool ValueFitsConversion(const ConvInfo& conv)
{
    typedef typename std::remove_cv<T>::type _Type;
    if (std::is_floating_point<_Type>::value) {
        if (conv.m_Class != CONV_FLOAT) {
            return false;
        }
        if (std::is_same<_Type, long double>::value) {
            return conv.m_Length == LEN_LONGDOUBLE;
        }
        return conv.m_Length == LEN_NONE || conv.m_Length == LEN_L;
    }
    // Integers and enumerations, after the default argument promotions.
    const size_t nSize = sizeof(_Type) < sizeof(int) ? sizeof(int) : sizeof(_Type);
    switch (conv.m_Class) {
    case CONV_INT:
        if (nSize == sizeof(int)) {
            return conv.m_Length == LEN_NONE || conv.m_Length == LEN_HH || conv.m_Length == LEN_H;
        }
        if (nSize == sizeof(long long)) {
            return conv.m_Length == LEN_L || conv.m_Length == LEN_LL || conv.m_Length == LEN_WIDE64;
        }
        return false;
    case CONV_CHAR:
        return nSize == sizeof(int) && conv.m_Length == LEN_NONE;
    case CONV_WCHAR:
        return nSize == sizeof(int);
    default:
        return false;
    }
}

// Whether a pointer of type T may be handed to snprintf with this conversion.
template <typename T>
bool PointerFitsConversion(const ConvInfo& conv)
{
    typedef typename std::remove_cv<T>::type _Type;
    typedef typename std::remove_cv<typename std::remove_pointer<_Type>::type>::type _Pointee;
    const bool bText = std::is_same<_Pointee, char>::value ||
                       std::is_same<_Pointee, signed char>::value ||
                       std::is_same<_Pointee, unsigned char>::value;
    const bool bWideText = std::is_same<_Pointee, wchar_t>::value;
    switch (conv.m_Class) {
    case CONV_TEXT:
        return bText && conv.m_Length == LEN_NONE;
    case CONV_WTEXT:
        return bWideText;
    case CONV_POINTER:
        return conv.m_Length == LEN_NONE;
    default:  // %n stores through its argument: never
        return false;
    }
}

// snprintf's view of a value: enumerations as their underlying integer.
template <typename T, bool IS_ENUM = std::is_enum<T>::value>
struct PrintfValue {
    static T get(T t) { return t; }
};
template <typename T>
struct PrintfValue<T, true> {
    static typename std::underlying_type<T>::type get(T t)
    {
        return static_cast<typename std::underlying_type<T>::type>(t);
    }
};

inline bool WriteMarker(tchar* dest, tint32& pos, tint32 size, const tchar* marker, tint32 argIndex);

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"

// Writes t with fmt at dest + pos and advances pos; a cut text leaves pos at size - 1.
template <typename T>
bool BasicValue2String(tchar* dest, tint32& pos, tint32 size, const tchar* fmt, T t)
{
    if (dest == nullptr || pos >= size - 1) {
        return false;
    }
    int r = snprintf(dest + pos, static_cast<size_t>(size - pos), fmt, t);
    if (r < 0 || static_cast<tint64>(pos) + r >= size) {
        pos = size - 1;
    } else {
        pos += r;
    }
    return r >= 0;
}

#pragma GCC diagnostic pop

inline bool WriteMarker(tchar* dest, tint32& pos, tint32 size, const tchar* marker, tint32 argIndex)
{
    return BasicValue2String(dest, pos, size, marker, argIndex);
}

template <typename T, bool IS_POINTER = FormatArgTraits<T>::IS_POINTER>
struct _impl_for_format_check;

// Numbers.
template <typename T>
struct _impl_for_format_check<T, false> {
    static bool format(tchar* dest, tint32& pos, tint32 size, const tchar* fmt, T t, tint32 argIndex)
    {
        if (fmt[0] == '\0') {
            return WriteMarker(dest, pos, size, " @format:%d,unexpected_value ", argIndex);
        }
        if (IsPointerConversion(fmt)) {
            return WriteMarker(dest, pos, size, " @format:%d,value_as_pointer ", argIndex);
        }
        if (!ValueFitsConversion<T>(ParseConversion(fmt))) {
            return WriteMarker(dest, pos, size, " @format:%d,value_mismatch ", argIndex);
        }
        return BasicValue2String(dest, pos, size, fmt, PrintfValue<T>::get(t));
    }
};

// Pointers.
template <typename T>
struct _impl_for_format_check<T, true> {
    static bool format(tchar* dest, tint32& pos, tint32 size, const tchar* fmt, T t, tint32 argIndex)
    {
        if (fmt[0] == '\0') {
            return WriteMarker(dest, pos, size, " @format:%d,unexpected_pointer ", argIndex);
        }
        if (!IsPointerConversion(fmt)) {
            return WriteMarker(dest, pos, size, " @format:%d,pointer_as_value ", argIndex);
        }
        ConvInfo conv = ParseConversion(fmt);
        if (!PointerFitsConversion<T>(conv)) {
            return WriteMarker(dest, pos, size, " @format:%d,pointer_mismatch ", argIndex);
        }
        const void* pRaw = static_cast<const void*>(t);
        if (conv.m_Class == CONV_POINTER) {
            return BasicValue2String(dest, pos, size, fmt, pRaw);
        }
        if (pRaw == nullptr) {
            // A null text is printed as glibc would, without handing snprintf a null %s.
            if (conv.m_Class == CONV_WTEXT) {
                return BasicValue2String(dest, pos, size, fmt, L"(null)");
            }
            return BasicValue2String(dest, pos, size, fmt, "(null)");
        }
        return BasicValue2String(dest, pos, size, fmt, t);
    }
};

template <typename T>
bool GeneralValue2String(tchar* dest, tint32& pos, tint32 size, const tchar* fmt, T t, tint32 argIndex)
{
    return _impl_for_format_check<T>::format(dest, pos, size, fmt, t, argIndex);
}

// Size dispatch: every size passes the call on; the type check above covers 8-byte integers.
template <typename T, size_t SIZE>
struct _impl_for_64 {
    static bool format(tchar* dest, tint32& pos, tint32 size, const tchar* fmt, T t, tint32 argIndex)
    {
        return GeneralValue2String(dest, pos, size, fmt, t, argIndex);
    }
};

template <typename T>
bool Value2String(tchar* dest, tint32& pos, tint32 size, const tchar* fmt, T t, tint32 argIndex)
{
    return _impl_for_64<T, sizeof(T)>::format(dest, pos, size, fmt, t, argIndex);
}

}  // namespace StringFormatUtility

class StringParser {
public:
    enum { TEMPFMT_SIZE = 4096 };

    // REQUIRES: fmt not null; buf holds size bytes.
    StringParser(tchar* buf, tint32 size, const tchar* fmt)
        : m_pBuffer(buf),
          m_pFmt(fmt),
          m_BufPos(0),
          m_FmtPos(0),
          m_FmtIndex(0),
          m_BufLen(size),
          m_FmtLen(0)
    {
        m_TempFmt[0] = '\0';
        size_t nLen = (fmt != nullptr) ? strlen(fmt) : 0;
        m_FmtLen = nLen > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<tint32>(nLen);
    }

    // Formats the arguments in order (the marker index is the argument's 0-based position),
    // then the rest of the format.
    template <typename... Args>
    void Format(Args... args)
    {
        tint32 nIndex = 0;
        (FormatOne(args, nIndex++), ...);
        (void)nIndex;
        ParseToEnd();
    }

    tint32 GetLength() const { return m_BufPos; }

private:
    template <typename T>
    void FormatOne(T t, tint32 nIndex)
    {
        const tchar* fmt = ParseToNextFormat();
        StringFormatUtility::Value2String(m_pBuffer, m_BufPos, m_BufLen, fmt != nullptr ? fmt : "",
                                          t, nIndex);
    }

    bool BufferFull() const { return m_BufPos >= m_BufLen - 1; }

    // Copies one literal character (or the '%' of a doubled one).
    void PutChar(tchar c) { m_pBuffer[m_BufPos++] = c; }

    // Literal text up to the next conversion; returns the conversion (in m_TempFmt) or null
    // at the end of the format or when the buffer is full.
    const tchar* ParseToNextFormat()
    {
        if (m_pBuffer == nullptr || m_pFmt == nullptr) {
            m_FmtPos = m_FmtLen;
            return nullptr;
        }
        while (m_FmtPos < m_FmtLen) {
            tchar c = m_pFmt[m_FmtPos];
            if (c == '%' && m_FmtPos + 1 < m_FmtLen && m_pFmt[m_FmtPos + 1] != '%') {
                ++m_FmtIndex;
                tint32 nLetter = FindConversionEnd(m_FmtPos);
                if (nLetter < 0) {
                    m_FmtPos = m_FmtLen;
                    return nullptr;
                }
                CopyConversion(m_FmtPos, nLetter);
                m_FmtPos = nLetter + 1;
                return m_TempFmt;
            }
            if (c == '%' && m_FmtPos + 1 >= m_FmtLen) {
                // A lone '%' at the very end: a conversion without its letter is dropped.
                m_FmtPos = m_FmtLen;
                return nullptr;
            }
            if (BufferFull()) {
                m_FmtPos = m_FmtLen;
                return nullptr;
            }
            PutChar(c);
            m_FmtPos += (c == '%') ? 2 : 1;
        }
        m_FmtPos = m_FmtLen;
        return nullptr;
    }

    // Rest of the format: literal text, and a marker for every conversion left.
    void ParseToEnd()
    {
        if (m_pBuffer == nullptr || m_BufLen <= 0) {
            return;
        }
        while (m_pFmt != nullptr && m_FmtPos < m_FmtLen) {
            tchar c = m_pFmt[m_FmtPos];
            if (c == '%' && m_FmtPos + 1 < m_FmtLen && m_pFmt[m_FmtPos + 1] != '%') {
                tint32 nIndex = m_FmtIndex++;
                tint32 nLetter = FindConversionEnd(m_FmtPos);
                if (nLetter < 0) {
                    ++m_FmtPos;  // only the '%' is dropped; the rest reads as text
                    continue;
                }
                m_FmtPos = nLetter + 1;
                if (!BufferFull()) {
                    if (!StringFormatUtility::WriteMarker(m_pBuffer, m_BufPos, m_BufLen,
                                                          " @format:%d,unexpected_format ", nIndex)) {
                        m_BufPos = m_BufLen - 1;
                        break;
                    }
                }
                continue;
            }
            if (c == '%' && m_FmtPos + 1 >= m_FmtLen) {
                ++m_FmtPos;
                continue;
            }
            if (BufferFull()) {
                m_FmtPos = m_FmtLen;
                m_pBuffer[m_BufLen - 1] = '\0';
                break;
            }
            PutChar(c);
            m_FmtPos += (c == '%') ? 2 : 1;
        }
        if (m_BufPos < m_BufLen - 1) {
            m_pBuffer[m_BufPos] = '\0';
        } else {
            m_pBuffer[m_BufLen - 1] = '\0';
        }
    }

    // Position of the letter ending the conversion that starts at nStart, or -1.
    tint32 FindConversionEnd(tint32 nStart) const
    {
        for (tint32 i = nStart + 1; i < m_FmtLen; ++i) {
            if (StringFormatUtility::IsConversionLetter(m_pFmt[i])) {
                return i;
            }
        }
        return -1;
    }

    // Copies the conversion [nStart, nLetter] into m_TempFmt. One that does not fit is kept
    // as "%*" plus its letter: still the right class for the markers, never valid grammar.
    void CopyConversion(tint32 nStart, tint32 nLetter)
    {
        tint32 nLen = nLetter - nStart + 1;
        if (nLen <= TEMPFMT_SIZE - 1) {
            memcpy(m_TempFmt, m_pFmt + nStart, static_cast<size_t>(nLen));
            m_TempFmt[nLen] = '\0';
        } else {
            m_TempFmt[0] = '%';
            m_TempFmt[1] = '*';
            m_TempFmt[2] = m_pFmt[nLetter];
            m_TempFmt[3] = '\0';
        }
    }

    tchar* m_pBuffer;
    const tchar* m_pFmt;
    char m_TempFmt[TEMPFMT_SIZE];
    tint32 m_BufPos;
    tint32 m_FmtPos;
    tint32 m_FmtIndex;
    tint32 m_BufLen;
    tint32 m_FmtLen;
};

// Bounded snprintf with checked arguments. Returns the number of characters written
// (0 for a null buffer or format, or size 0); buf[size-1] is always NUL.
template <typename... Args>
tint32 tsnprintfex(tchar* buf, size_t size, const tchar* msg, Args... args)
{
    if (buf == nullptr || msg == nullptr || size == 0) {
        return 0;
    }
    tint32 nSize = size > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<tint32>(size);
    StringParser parser(buf, nSize, msg);
    parser.Format(args...);
    buf[nSize - 1] = '\0';
    return parser.GetLength();
}
