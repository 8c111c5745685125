#include "StringParser.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

template <typename... Args>
std::string Fmt(size_t nSize, const char* szFmt, Args... args)
{
    std::string buf(nSize + 8, '#');
    tint32 nLen = tsnprintfex(&buf[0], nSize, szFmt, args...);
    std::string strOut(buf.c_str());
    EXPECT_EQ(static_cast<size_t>(nLen), strOut.size()) << "result is the written length";
    EXPECT_EQ(buf[nSize], '#') << "nothing written past the buffer";
    return strOut;
}

}  // namespace

TEST(CheckedFormat, TextCopyIsCutToTheBuffer)
{
    const std::string strText(100, 't');
    char buf[80];
    memset(buf, '#', sizeof(buf));
    EXPECT_EQ(tsnprintfex(buf, sizeof(buf), "%s", strText.c_str()), 79);
    EXPECT_EQ(std::string(buf), std::string(79, 't'));
}

TEST(CheckedFormat, MatchingArgumentsAreWritten)
{
    const struct {
        std::string strGot;
        const char* szExpected;
    } rows[] = {
        {Fmt(64, "id %d of %s", 5, "five"), "id 5 of five"},
        {Fmt(64, "%u/%u/%u %s", 1u, 2u, 3u, "x"), "1/2/3 x"},
        {Fmt(64, "%s:%u", "port", 8080u), "port:8080"},
        {Fmt(64, "[%-8.3d]", 7), "[007     ]"},
        {Fmt(64, "%x %X %o %c", 255, 255, 8, 'A'), "ff FF 10 A"},
        {Fmt(64, "%ld %lld %llu", 1L, -2LL, 3ULL), "1 -2 3"},
        {Fmt(64, "%hd %hhu", static_cast<short>(-4), static_cast<unsigned char>(250)), "-4 250"},
        {Fmt(64, "%zu", static_cast<size_t>(9)), "9"},
        {Fmt(64, "%.2f %g", 1.5, 2.0f), "1.50 2"},
        {Fmt(64, "100%% sure %d%%", 3), "100% sure 3%"},
        {Fmt(64, "no conversions"), "no conversions"},
        {Fmt(64, "%s", static_cast<const char*>(nullptr)), "(null)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.szExpected);
        EXPECT_EQ(row.strGot, row.szExpected);
    }
}

TEST(CheckedFormat, MismatchesAndMissingPiecesBecomeMarkers)
{
    int nValue = 7;
    const struct {
        std::string strGot;
        const char* szExpected;
    } rows[] = {
        // A text at a value conversion, and the literal text after it follows as usual.
        {Fmt(128, "n=%d end", "text"), "n= @format:0,pointer_as_value  end"},
        // A number at a pointer conversion.
        {Fmt(128, "s=%s", 42), "s= @format:0,value_as_pointer "},
        {Fmt(128, "%p", 42), " @format:0,value_as_pointer "},
        // Two conversions, one number.
        {Fmt(128, "%d and %d", 1), "1 and  @format:1,unexpected_format "},
        // One conversion, two numbers; then a pointer too many.
        {Fmt(128, "%d", 1, 2), "1 @format:1,unexpected_value "},
        {Fmt(128, "%d", 1, "x"), "1 @format:1,unexpected_pointer "},
        // A doubled % after the arguments are used up.
        {Fmt(128, "%d %% %s", 1), "1 %  @format:1,unexpected_format "},
        // Length modifier and class are checked against the argument's type.
        {Fmt(128, "%ld", 5), " @format:0,value_mismatch "},
        {Fmt(128, "%lld", 5), " @format:0,value_mismatch "},
        {Fmt(128, "%-8.3ld", 5), " @format:0,value_mismatch "},
        {Fmt(128, "%f", 5), " @format:0,value_mismatch "},
        {Fmt(128, "%d", 5.0), " @format:0,value_mismatch "},
        {Fmt(128, "%d", 5LL), " @format:0,value_mismatch "},
        {Fmt(128, "%Lf", 5.0), " @format:0,value_mismatch "},
        {Fmt(128, "%lc", 5LL), " @format:0,value_mismatch "},
        // Pointers: %s wants a narrow text, %S a wide one, %n is never accepted.
        {Fmt(128, "%s", &nValue), " @format:0,pointer_mismatch "},
        {Fmt(128, "%S", "narrow"), " @format:0,pointer_mismatch "},
        {Fmt(128, "%n", &nValue), " @format:0,pointer_mismatch "},
        {Fmt(128, "%n", 3), " @format:0,value_as_pointer "},
        // Not plain printf grammar: '*' would take a second argument, '$' a position.
        {Fmt(128, "%*d", 5), " @format:0,value_mismatch "},
        {Fmt(128, "%1$d", 5), " @format:0,value_mismatch "},
        {Fmt(128, "%.*s", "x"), " @format:0,pointer_mismatch "},
        {Fmt(128, "% 5 d", 5), " @format:0,value_mismatch "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.szExpected);
        EXPECT_EQ(row.strGot, row.szExpected);
    }
    EXPECT_EQ(nValue, 7) << "%n stored nothing";
}

TEST(CheckedFormat, PointerConversionWritesThePointer)
{
    int nValue = 0;
    char szExpected[64];
    snprintf(szExpected, sizeof(szExpected), "%p", static_cast<void*>(&nValue));
    EXPECT_EQ(Fmt(64, "%p", &nValue), szExpected);
}

TEST(CheckedFormat, UnfinishedConversions)
{
    // Before the arguments: the conversion's characters are dropped, the argument is left over.
    EXPECT_EQ(Fmt(64, "ab%-5", 1), "ab @format:0,unexpected_value ");
    // After the arguments: only the '%' is dropped, the rest reads as text.
    EXPECT_EQ(Fmt(64, "%d tail%-5", 1), "1 tail-5");
    EXPECT_EQ(Fmt(64, "end%"), "end");
}

TEST(CheckedFormat, TinyAndNullBuffers)
{
    char buf[4] = {'#', '#', '#', '#'};
    EXPECT_EQ(tsnprintfex(buf, 1, "%d", 12345), 0);
    EXPECT_EQ(buf[0], '\0');
    EXPECT_EQ(buf[1], '#');
    EXPECT_EQ(tsnprintfex(nullptr, 10, "%d", 1), 0);
    EXPECT_EQ(tsnprintfex(buf, 10, nullptr, 1), 0);
    EXPECT_EQ(tsnprintfex(buf, 0, "%d", 1), 0);
    EXPECT_EQ(buf[1], '#');
}

TEST(CheckedFormat, OutputIsCutAtTheLastByte)
{
    const struct {
        size_t nSize;
        std::string strGot;
        const char* szExpected;
    } rows[] = {
        {6, Fmt(6, "%d", 1234567), "12345"},
        {6, Fmt(6, "abcdefgh %d", 1), "abcde"},
        {8, Fmt(8, "ab%s", "cdefghijk"), "abcdefg"},
        {8, Fmt(8, "%d", 1, 2, 3), "1 @form"},
        {8, Fmt(8, "x %d %d", 1), "x 1  @f"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.szExpected);
        EXPECT_EQ(row.strGot, row.szExpected);
    }
}

TEST(CheckedFormat, OverLongConversionIsBoundedAndMarked)
{
    // A conversion longer than the 4095-character conversion buffer: never copied past it.
    std::string strFmt = "<%";
    strFmt += std::string(5000, '1');
    strFmt += "d>";
    EXPECT_EQ(Fmt(64, strFmt.c_str(), 5), "< @format:0,value_mismatch >");

    // One that fits is handed on whole; the result is cut to the buffer.
    // 4095 characters (the flag 0 repeated) still fit the conversion buffer.
    std::string strWide = "%" + std::string(4093, '0') + "d";
    EXPECT_EQ(Fmt(64, strWide.c_str(), 5), "5");
    EXPECT_EQ(Fmt(16, "%4000d", 5), std::string(15, ' '));
}

TEST(CheckedFormat, ParserCountsWhatItWrote)
{
    char buf[32];
    StringParser parser(buf, sizeof(buf), "%s=%d");
    parser.Format("key", 12);
    EXPECT_STREQ(buf, "key=12");
    EXPECT_EQ(parser.GetLength(), 6);
}
