#include "StringUtil.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

TEST(StringUtil, SplitKeepsInnerEmptyPieces)
{
    const struct {
        const char* szChunk;
        std::vector<std::string> expected;
    } rows[] = {
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a"}},
        {",a", {"", "a"}},
        {"", {}},
        {",", {""}},
        {"abc", {"abc"}},
        {"a,b,c", {"a", "b", "c"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.szChunk);
        EXPECT_EQ(split(row.szChunk, ','), row.expected);
    }
}

TEST(StringUtil, IntListDropsEmptyPiecesAndAppends)
{
    const struct {
        const char* szText;
        const char* szDelim;
        std::vector<tint32> expected;
    } rows[] = {
        {"1;;2;x", ";", {1, 2, 0}},
        {" 7|8abc,9", "|,", {7, 8, 9}},
        {"", ";", {}},
        {";;;", ";", {}},
        {"-5", ";", {-5}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.szText);
        std::vector<tint32> got;
        GetIntListFromString(row.szText, got, row.szDelim);
        EXPECT_EQ(got, row.expected);
    }
    std::vector<tint32> kept = {42};
    GetIntListFromString("1,2", kept, ",");
    EXPECT_EQ(kept, (std::vector<tint32>{42, 1, 2}));
}

TEST(StringUtil, RandomIntComesFromTheList)
{
    srand(11);
    EXPECT_EQ(GetRandomIntFromString("17", ";"), 17);
    EXPECT_EQ(GetRandomIntFromString(";;17;", ";"), 17);
    bool bSeen[3] = {false, false, false};
    for (int i = 0; i < 300; ++i) {
        tint32 n = GetRandomIntFromString("10;20;30", ";");
        ASSERT_TRUE(n == 10 || n == 20 || n == 30) << n;
        bSeen[n / 10 - 1] = true;
    }
    EXPECT_TRUE(bSeen[0] && bSeen[1] && bSeen[2]);
}

TEST(StringUtil, RandomIntOfAnEmptyListIsZero)
{
    EXPECT_EQ(GetRandomIntFromString("", ";"), 0);
    EXPECT_EQ(GetRandomIntFromString(";;;", ";"), 0);
}
