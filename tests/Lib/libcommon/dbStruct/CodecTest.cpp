// SQL buffers, hex codecs, GUID literals and the record checksum.
#include <memory>
#include <string>
#include <vector>

#include "DBTestUtil.h"
#include "ServerDefine_DB.h"
#include "TempWorkDir.h"

namespace
{
typedef std::vector<std::string> Records;

TEST(BinCRC, Vectors)
{
    const unsigned char ff = 0xFF;
    EXPECT_EQ(BinCRC("abc", 3), 73029u);
    EXPECT_EQ(BinCRC(nullptr, 3), 0u);
    EXPECT_EQ(BinCRC("abc", 0), 0xFFFFFFFFu);
    EXPECT_EQ(BinCRC("abc", -5), 0xFFFFFFFFu);
    // 0xFFFFFFFF * 33 + 255 mod 2^32: the byte counts as 255, never -1.
    EXPECT_EQ(BinCRC(reinterpret_cast<const char*>(&ff), 1), 0xFFFFFFDFu + 255u);
}

struct GuidLiteralRow
{
    unsigned long long value;
    int                len;
    const char*        text;
    bool               fits;
};

TEST(GuidToSQLValue, Literals)
{
    const GuidLiteralRow rows[] = {
        {0x0001000200000005ull, 32, "0x0001000200000005", true},
        {0xFFFFFFFFFFFFFFFFull, 32, "-0x0000000000000001", true},
        {0x8000000000000000ull, 32, "-0x8000000000000000", true},
        {0x0001000200000005ull, 20, "0x0001000200000005", true},
        {0x0001000200000005ull, 19, "0x000100020000000", false},
        {0xFFFFFFFFFFFFFFFFull, 21, "-0x0000000000000001", true},
        {0xFFFFFFFFFFFFFFFFull, 20, "-0x000000000000000", false},
        {0x0001000200000005ull, 2, "", false},
    };
    for (const GuidLiteralRow& r : rows)
    {
        SCOPED_TRACE(r.len);
        SCOPED_TRACE(r.text);
        char buf[40];
        memset(buf, '#', sizeof(buf));
        EXPECT_EQ(GuidToSQLValue(Guid64(r.value), buf, r.len), r.fits);
        EXPECT_STREQ(buf, r.text);
        EXPECT_EQ(buf[r.len - 1], '#') << "the last byte is never written";
    }
}

TEST(GuidToSQLValue, TinyBufferWritesNothing)
{
    char buf[4] = {'#', '#', '#', '#'};
    EXPECT_FALSE(GuidToSQLValue(Guid64(5ull), buf, 1));
    EXPECT_FALSE(GuidToSQLValue(Guid64(5ull), buf, 0));
    EXPECT_FALSE(GuidToSQLValue(Guid64(5ull), buf, -3));
    EXPECT_EQ(std::string(buf, 4), "####");
}

class HexCodec : public ::testing::Test
{
protected:
    TempWorkDir m_dir;
};

TEST_F(HexCodec, EncodeWithRoom)
{
    const char in[] = {0x00, static_cast<char>(0x9F), static_cast<char>(0xA0)};
    char out[8];
    memset(out, '#', sizeof(out));
    EXPECT_TRUE(Binary2String(in, 3, out, 7));
    EXPECT_EQ(std::string(out, 8), "009FA0##");
    memset(out, '#', sizeof(out));
    EXPECT_TRUE(Binary2String(in, 3, out, 0xFFFFFFFFu));
    EXPECT_EQ(std::string(out, 8), "009FA0##");
}

TEST_F(HexCodec, EncodeWithoutRoomReports)
{
    const char in[] = {0x00, static_cast<char>(0x9F), static_cast<char>(0xA0)};
    char out[8];
    memset(out, '#', sizeof(out));
    EXPECT_THROW(Binary2String(in, 3, out, 6), int);
    EXPECT_EQ(std::string(out, 8), "########");
    // The check, then the function's wrapper.
    EXPECT_EQ(AssertRecords(m_dir.ReadLogs("assert")),
              (Records{"bool Binary2String(const tchar*, tuint32, tchar*, tuint32) | false | "
                       "Binary2String: OutLength(6) < InLength(3)!",
                       "bool Binary2String(const tchar*, tuint32, tchar*, tuint32) | false | "
                       "bool Binary2String(const tchar*, tuint32, tchar*, tuint32)"}));
}

TEST_F(HexCodec, EncodeRoomCheckDoesNotWrap)
{
    // 2 * 0x80000001 wraps to 2 in 32 bits; the check must still refuse.
    char in[1] = {1};
    char out[8];
    EXPECT_THROW(Binary2String(in, 0x80000001u, out, 8), int);
}

TEST_F(HexCodec, EncodeRefusesEmptyInput)
{
    char out[8];
    EXPECT_FALSE(Binary2String(nullptr, 3, out, 8));
    EXPECT_FALSE(Binary2String("a", 0, out, 8));
    EXPECT_FALSE(Binary2String("a", 1, nullptr, 8));
}

TEST_F(HexCodec, Decode)
{
    struct Row
    {
        const char* in;
        unsigned    inLen;
        unsigned    limit;
        std::string bytes;
    };
    const Row rows[] = {
        {"009FA0", 6, 2, std::string("\x00\x9F", 2)},
        {"009FA0", 6, 8, std::string("\x00\x9F\xA0", 3)},
        {"ABC", 3, 8, "\xAB"},
        {"AB\0CD", 5, 8, "\xAB"},
        {"ABCD", 4, 0, ""},
    };
    for (const Row& r : rows)
    {
        SCOPED_TRACE(r.in);
        char out[8] = {};
        unsigned outLen = 77;
        EXPECT_TRUE(DBStr2Binary(r.in, r.inLen, out, r.limit, outLen));
        EXPECT_EQ(std::string(out, outLen), r.bytes);
    }
}

TEST_F(HexCodec, DecodeRejectsLowerCase)
{
    char out[8] = {};
    unsigned outLen = 77;
    EXPECT_THROW(DBStr2Binary("AB0a", 4, out, 8, outLen), int);
    EXPECT_EQ(outLen, 77u);
    EXPECT_EQ(static_cast<unsigned char>(out[0]), 0xABu);
    // The digit check and two wrappers.
    EXPECT_EQ(AssertRecords(m_dir.ReadLogs("assert")),
              (Records{"tchar Ascii2Value(tchar) | false | ",
                       "tchar Ascii2Value(tchar) | false | tchar Ascii2Value(tchar)",
                       "bool DBStr2Binary(const tchar*, tuint32, tchar*, tuint32, tuint32&) | false | "
                       "bool DBStr2Binary(const tchar*, tuint32, tchar*, tuint32, tuint32&)"}));
    EXPECT_FALSE(DBStr2Binary(nullptr, 4, out, 8, outLen));
    EXPECT_FALSE(DBStr2Binary("AB", 0, out, 8, outLen));
}

TEST_F(HexCodec, DigitsAndTheirLimits)
{
    EXPECT_EQ(Value2Ascii(0), '0');
    EXPECT_EQ(Value2Ascii(9), '9');
    EXPECT_EQ(Value2Ascii(10), 'A');
    EXPECT_EQ(Value2Ascii(15), 'F');
    EXPECT_EQ(Ascii2Value('0'), 0);
    EXPECT_EQ(Ascii2Value('F'), 15);
    EXPECT_THROW(Value2Ascii(16), int);
    EXPECT_THROW(Ascii2Value('G'), int);
    EXPECT_EQ(AssertRecords(m_dir.ReadLogs("assert")),
              (Records{"tchar Value2Ascii(tchar) | false | ",
                       "tchar Value2Ascii(tchar) | false | tchar Value2Ascii(tchar)",
                       "tchar Ascii2Value(tchar) | false | ",
                       "tchar Ascii2Value(tchar) | false | tchar Ascii2Value(tchar)"}));
    EXPECT_THROW(Value2Ascii(-1), int);
    EXPECT_THROW(Ascii2Value('a'), int);
}

TEST_F(HexCodec, RoundTrip)
{
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes.push_back(static_cast<char>(i));
    std::string text(512, '#');
    ASSERT_TRUE(Binary2String(bytes.data(), 256, &text[0], 513));
    std::string back(256, '\0');
    unsigned n = 0;
    ASSERT_TRUE(DBStr2Binary(text.data(), 512, &back[0], 256, n));
    EXPECT_EQ(n, 256u);
    EXPECT_EQ(back, bytes);
}

class SqlBuffer : public ::testing::Test
{
protected:
    TempWorkDir m_dir;
};

TEST_F(SqlBuffer, FitsUpToCapacityLessOne)
{
    std::unique_ptr<DB_QUERY> q(new DB_QUERY);
    std::string text(4095, 'x');
    q->Parse("%s", text.c_str());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(q->m_SqlStr)), text);
    q->Parse("select * from %s where id=%d", "t_item", 7);
    EXPECT_STREQ(reinterpret_cast<const char*>(q->m_SqlStr), "select * from t_item where id=7");
}

TEST_F(SqlBuffer, OverflowReportsAndKeepsCutText)
{
    std::unique_ptr<DB_QUERY> q(new DB_QUERY);
    std::string text(4096, 'y');
    EXPECT_THROW(q->Parse("%s", text.c_str()), int);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(q->m_SqlStr)), std::string(4095, 'y'));
    EXPECT_EQ(AssertRecords(m_dir.ReadLogs("assert")), (Records{"void DB_QUERY::Parse(const tchar*, ...) | false | "}));

    std::unique_ptr<LONG_DB_QUERY> lq(new LONG_DB_QUERY);
    std::string longText(204799, 'z');
    lq->Parse("%s", longText.c_str());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(lq->m_SqlStr)).size(), 204799u);
    longText.push_back('z');
    EXPECT_THROW(lq->Parse("%s", longText.c_str()), int);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(lq->m_SqlStr)).size(), 204799u);
    EXPECT_EQ(AssertRecords(m_dir.ReadLogs("assert")),
              (Records{"void DB_QUERY::Parse(const tchar*, ...) | false | ",
                       "void LONG_DB_QUERY::Parse(const tchar*, ...) | false | "}));
}
} // namespace
