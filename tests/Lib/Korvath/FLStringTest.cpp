#include "BaseUtility.h"
#include "FLString.h"

#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

template <tint32 N>
bool AllSlotsZeroFrom(const FLString<N>& s, tint32 nFrom)
{
    for (tint32 i = nFrom; i < N; ++i) {
        if (s.GetCText()[i] != '\0') {
            return false;
        }
    }
    return true;
}

}  // namespace

TEST(FLString, FreshStringIsEmptyWithEverySlotZero)
{
    FLString<64> s;
    EXPECT_EQ(s.GetLength(), 0);
    EXPECT_EQ(s.MaxSize(), 64);
    EXPECT_TRUE(AllSlotsZeroFrom(s, 0));
}

TEST(FLString, AssignmentCutsToCapacityMinusOne)
{
    const std::string strLong(200, 'x');
    FLString<128> s;
    s = strLong.c_str();
    EXPECT_EQ(s.GetLength(), 127);
    EXPECT_EQ(std::string(s.GetCText()), std::string(127, 'x'));
    EXPECT_EQ(s.GetCText()[127], '\0');
    EXPECT_FALSE(s.Full());
}

TEST(FLString, AppendKeepsWhatFits)
{
    const struct {
        const char* szStart;
        const char* szAppend;
        const char* szExpected;
    } rows[] = {
        {"", "abc", "abc"},
        {"abc", "def", "abcdef"},
        {"abcdef", "ghij", "abcdefg"},  // capacity 8 holds 7 characters
        {"abcdefg", "h", "abcdefg"},    // full: the copied character is dropped again
        {"abc", "", "abc"},
        {"abc", nullptr, "abc"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.szExpected);
        FLString<8> s(row.szStart);
        s += row.szAppend;
        EXPECT_STREQ(s.GetCText(), row.szExpected);
        EXPECT_EQ(s.GetLength(), static_cast<tint32>(strlen(row.szExpected)));
        EXPECT_TRUE(AllSlotsZeroFrom(s, s.GetLength()));
    }
}

TEST(FLString, AssigningNullOrEmptyClearsEverySlot)
{
    for (const char* szText : {static_cast<const char*>(nullptr), ""}) {
        FLString<16> s("something");
        s = szText;
        EXPECT_EQ(s.GetLength(), 0);
        EXPECT_TRUE(AllSlotsZeroFrom(s, 0));
    }
}

TEST(FLString, AppendsAStringOfAnotherCapacity)
{
    FLString<4096> rec("record");
    FLString<16> buf("buf:");
    buf += rec;
    EXPECT_STREQ(buf.GetCText(), "buf:record");
    FLString<8> small("12");
    small += rec;
    EXPECT_STREQ(small.GetCText(), "12recor");
}

TEST(FLString, SequenceAppendReportsWhetherAllElementsFitted)
{
    FLString<4> s;
    EXPECT_TRUE(s.Append("ab", 2));
    EXPECT_TRUE(s.Append("c", 1));  // fits the 4 slots, sealing then keeps 3 characters
    EXPECT_FALSE(s.Append("de", 2));
    EXPECT_FALSE(s.Append(nullptr, 1));
    EXPECT_FALSE(s.Append("x", 0));
    EXPECT_STREQ(s.GetCText(), "abc");
}

TEST(FLString, GuardedAccessReportsAndThrows)
{
    TempWorkDir dir;
    FLString<8> s("abc");
    EXPECT_EQ(s[0], 'a');
    EXPECT_EQ(s[2], 'c');
    FLString<8> empty;
    testing::internal::CaptureStdout();
    for (tint32 i : {3, -1, 100}) {
        SCOPED_TRACE(i);
        EXPECT_THROW((void)s[i], int);
    }
    EXPECT_THROW((void)empty[0], int);
    const std::string strConsole = testing::internal::GetCapturedStdout();
    EXPECT_NE(strConsole.find("][i >= 0 && i < m_nValidSize]\n[]\n"), std::string::npos)
        << strConsole;
    EXPECT_EQ(strConsole.find("m_nValidSize >= 0 && m_nValidSize <= _ElemSize"), std::string::npos);
}

TEST(FLString, RemoveShiftsTheRestAndClearsTheFreedSlots)
{
    const struct {
        tint32 nIndex;
        tint32 nCount;
        bool bResult;
        const char* szExpected;
    } rows[] = {
        {0, 1, true, "bcdef"},  {2, 2, true, "abef"},  {4, 9, true, "abcd"},
        {5, 1, true, "abcde"},  {6, 1, false, "abcdef"}, {-1, 1, false, "abcdef"},
        {1, 0, false, "abcdef"}, {0, 6, true, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.szExpected);
        FLString<8> s("abcdef");
        EXPECT_EQ(s.Remove(row.nIndex, row.nCount), row.bResult);
        EXPECT_STREQ(s.GetCText(), row.szExpected);
        EXPECT_EQ(s.GetLength(), static_cast<tint32>(strlen(row.szExpected)));
        EXPECT_TRUE(AllSlotsZeroFrom(s, s.GetLength()));
    }
    FLString<8> one("xyz");
    EXPECT_TRUE(one.Remove(1));
    EXPECT_STREQ(one.GetCText(), "xz");
    EXPECT_EQ(one.Get(1), 'z');
}

TEST(FLString, NumbersComparisonsAndChecksum)
{
    EXPECT_STREQ(FLString<16>(static_cast<tint32>(-123)).GetCText(), "-123");
    EXPECT_STREQ(FLString<16>(static_cast<tuint32>(4000000000u)).GetCText(), "4000000000");
    EXPECT_STREQ(FLString<16>(static_cast<tuint8>(255)).GetCText(), "255");
    EXPECT_STREQ(FLString<4>(static_cast<tint32>(123456)).GetCText(), "123");  // cut
    FLString<16> n;
    n = static_cast<tint16>(-7);
    EXPECT_STREQ(n.GetCText(), "-7");
    EXPECT_EQ(FLString<16>("300").GetAsUInt8(), 44);  // 300 cut to 8 bits
    EXPECT_EQ(FLString<16>("-5x").GetAsInt32(), -5);
    EXPECT_EQ(FLString<16>("4000000000").GetAsUInt32(), 4000000000u);
    EXPECT_EQ(FLString<16>("none").GetAsInt16(), 0);

    FLString<16> a("abc");
    FLString<16> b("abd");
    EXPECT_TRUE(a == FLString<16>("abc"));
    EXPECT_TRUE(a != b);
    EXPECT_TRUE(a < b);
    EXPECT_FALSE(b < a);
    EXPECT_FALSE(a == static_cast<const char*>(nullptr));
    EXPECT_FALSE(a < static_cast<const char*>(nullptr));

    // h = 0xFFFFFFFF, h = h * 33 + c: "a" gives 64, "ab" 64 * 33 + 98.
    EXPECT_EQ(FLString<8>().GetCRC(), 0xFFFFFFFFu);
    EXPECT_EQ(FLString<8>("a").GetCRC(), 64u);
    EXPECT_EQ(FLString<8>("ab").GetCRC(), 2210u);
}

TEST(BsVector, AccessPastTheEndReportsWithItsFileAndMessage)
{
    TempWorkDir dir;
    bsvector<int> v;
    v.push_back(10);
    v.push_back(20);
    const bsvector<int>& cv = v;
    EXPECT_EQ(v[1], 20);
    EXPECT_EQ(cv[0], 10);
    v[0] = 11;
    EXPECT_EQ(cv[0], 11);

    testing::internal::CaptureStdout();
    EXPECT_THROW(v[2], int);
    EXPECT_THROW(cv[5], int);
    const std::string strConsole = testing::internal::GetCapturedStdout();
    EXPECT_NE(strConsole.find("Assert:\n[Assert]\n[./Inc/Common/BaseUtility]["), std::string::npos)
        << strConsole;
    EXPECT_NE(strConsole.find("][_i >= 0 && _i < _BaseClass::size()]\n[bsvector]\n"),
              std::string::npos)
        << strConsole;
    EXPECT_NE(dir.ReadLogs("assert.").find("[bsvector] ("), std::string::npos);

    bsvector<int> copy(v);
    EXPECT_EQ(copy.size(), 2u);
    bsvector<int> assigned;
    assigned = v;
    EXPECT_EQ(assigned[1], 20);
}
