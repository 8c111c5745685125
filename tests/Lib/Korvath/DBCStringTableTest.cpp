// The table string pool: hash values, sharing, the length rules and the block lists.

#include "DBCStringTable.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

// Reads the pool's private hash and block lists (declared a friend by the pool).
struct DBCStringPoolProbe
{
    static tuint32 Hash(const std::string& s) { return DBC_String_T::GetHashValue(s.data(), static_cast<tuint32>(s.size())); }
    static tuint32 Bucket(tuint32 nHash) { return DBC_String_T::GetHashIndex(nHash); }
    static int StringBlocks(const DBC_String_T& pool)
    {
        int n = 0;
        for (auto* p = pool.m_pStringBlockHead; p != nullptr; p = p->GetNext()) {
            ++n;
        }
        return n;
    }
    static int CharBlocks(const DBC_String_T& pool)
    {
        int n = 0;
        for (auto* p = pool.m_pCharBlockHead; p != nullptr; p = p->GetNext()) {
            ++n;
        }
        return n;
    }
};

namespace
{
const tchar* Register(DBC_String_T& pool, const std::string& s)
{
    return pool.RegisterConstString(s.c_str(), static_cast<tuint32>(s.size()));
}

TEST(DBCStringTable, HashesTheExactBytes)
{
    struct Case
    {
        const char* szText;
        tuint32 nHash;
        tuint32 nBucket;
    };
    const Case cases[] = {
        {"abc", 0x05BF46BDu, 1725},
        {"ABC", 0x059F7D9Du, 7581},
        {"", 0x7FED7FEDu, 8173},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szText);
        EXPECT_EQ(c.nHash, DBCStringPoolProbe::Hash(c.szText));
        EXPECT_EQ(c.nBucket, DBCStringPoolProbe::Bucket(c.nHash));
    }
}

TEST(DBCStringTable, SharesOneCopyOfEachText)
{
    auto pool = std::make_unique<DBC_String_T>();
    std::string strSource = "abc";
    const tchar* p1 = Register(*pool, strSource);
    ASSERT_NE(nullptr, p1);
    EXPECT_NE(strSource.c_str(), p1);
    strSource[0] = 'x';   // the copy does not follow its source
    EXPECT_STREQ("abc", p1);
    EXPECT_EQ(p1, Register(*pool, "abc"));
    EXPECT_EQ(1u, pool->GetCount());
    EXPECT_EQ(3u, pool->GetTotalSize());

    const tchar* p2 = Register(*pool, "ABC");   // hash differs: a copy of its own
    EXPECT_NE(p1, p2);
    EXPECT_STREQ("ABC", p2);
    EXPECT_EQ(2u, pool->GetCount());
    EXPECT_EQ(6u, pool->GetTotalSize());

    const tchar* pEmpty = Register(*pool, "");   // stored like any other text
    ASSERT_NE(nullptr, pEmpty);
    EXPECT_STREQ("", pEmpty);
    EXPECT_EQ(3u, pool->GetCount());
}

TEST(DBCStringTable, RefusesWrongLengthsAndNull)
{
    auto pool = std::make_unique<DBC_String_T>();
    EXPECT_EQ(nullptr, pool->RegisterConstString(nullptr, 0));
    EXPECT_EQ(nullptr, pool->RegisterConstString("abc", 2));
    EXPECT_EQ(nullptr, pool->RegisterConstString("abc", 4));
    EXPECT_EQ(0u, pool->GetCount());
    EXPECT_EQ(0, DBCStringPoolProbe::CharBlocks(*pool));
}

TEST(DBCStringTable, StartsANewEntryBlockAfter32768Texts)
{
    auto pool = std::make_unique<DBC_String_T>();
    for (int i = 0; i < 32768; ++i) {
        ASSERT_NE(nullptr, Register(*pool, "t" + std::to_string(i)));
    }
    EXPECT_EQ(1, DBCStringPoolProbe::StringBlocks(*pool));
    ASSERT_NE(nullptr, Register(*pool, "one more"));
    EXPECT_EQ(2, DBCStringPoolProbe::StringBlocks(*pool));
    EXPECT_EQ(32769u, pool->GetCount());
    EXPECT_STREQ("t0", Register(*pool, "t0"));   // still found in the older block
    EXPECT_EQ(32769u, pool->GetCount());
}

TEST(DBCStringTable, KeepsTextsInTwoMegabyteBlocks)
{
    auto pool = std::make_unique<DBC_String_T>();
    const std::string strLongest(2097146, 'a');
    const tchar* pLongest = Register(*pool, strLongest);
    ASSERT_NE(nullptr, pLongest);
    EXPECT_EQ(strLongest.size(), std::string(pLongest).size());
    EXPECT_EQ(1, DBCStringPoolProbe::CharBlocks(*pool));

    // One character more never fits: refused before a block is allocated for it.
    EXPECT_EQ(nullptr, Register(*pool, std::string(2097147, 'b')));
    EXPECT_EQ(1, DBCStringPoolProbe::CharBlocks(*pool));

    // A text that does not fit the head block's rest opens a new block; a small one then
    // goes to the new head, not back into the older block's rest.
    EXPECT_NE(nullptr, Register(*pool, "c"));
    EXPECT_EQ(2, DBCStringPoolProbe::CharBlocks(*pool));
    EXPECT_NE(nullptr, Register(*pool, std::string(2000000, 'd')));
    EXPECT_EQ(2, DBCStringPoolProbe::CharBlocks(*pool));
    EXPECT_NE(nullptr, Register(*pool, std::string(200000, 'e')));
    EXPECT_EQ(3, DBCStringPoolProbe::CharBlocks(*pool));
    EXPECT_EQ(4u, pool->GetCount());
}

TEST(DBCStringTable, ThreadsRegisteringTheSameTextsGetOneCopyEach)
{
    auto pool = std::make_unique<DBC_String_T>();
    const int nTexts = 2000;
    std::vector<std::vector<const tchar*>> results(4);
    std::vector<std::thread> threads;
    for (size_t t = 0; t < results.size(); ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < nTexts; ++i) {
                results[t].push_back(Register(*pool, "name" + std::to_string(i)));
            }
        });
    }
    for (auto& th : threads) {
        th.join();
    }
    EXPECT_EQ(static_cast<tuint32>(nTexts), pool->GetCount());
    for (size_t t = 1; t < results.size(); ++t) {
        EXPECT_EQ(results[0], results[t]);
    }
}
}   // namespace
