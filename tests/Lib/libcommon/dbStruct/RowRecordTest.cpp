// Rows, packs and the smaller records: cleared images, copies, counts.
#include <memory>
#include <string>
#include <vector>

#include "DBStruct_DBTarget.h"
#include "DBStruct_GlobalData.h"
#include "DBStruct_Guid.h"
#include "DBStruct_Item.h"
#include "DBStruct_Match.h"
#include "DBStruct_MatchScore.h"
#include "DBStruct_MonsterRecord.h"
#include "DBStruct_Recharge.h"
#include "DBStruct_ScrapCard.h"
#include "DBStruct_Shop.h"
#include "DBStruct_SysData.h"
#include "DBTestUtil.h"

namespace
{
template <class T>
std::unique_ptr<T> Make()
{
    return std::unique_ptr<T>(new T);
}

// Cleared image of each record, after scribbling over it.
template <class T>
std::string ClearedImage()
{
    auto p = Make<T>();
    Scribble(*p, 17);
    p->CleanUp();
    return ImageOf(*p);
}

struct ClearedRow
{
    const char*          what;
    std::string          image;
    std::vector<ByteRun> runs;
};

TEST(RowRecords, ClearedImages)
{
    const ClearedRow rows[] = {
        {"item", ClearedImage<DBItemData>(),
         {{0, 19, 0xFF}, {20, 23, 0}, {24, 31, 0xFF}, {32, 39, 0}, {40, 47, 0xFF}, {48, 175, 0}}},
        {"currency", ClearedImage<DBCurrencyData>(), {{0, 11, 0xFF}, {12, 15, 0}}},
        {"shop", ClearedImage<DBShopData>(), {{0, 11, 0xFF}, {12, 17, 0}}},
        {"match", ClearedImage<DBMatchData>(), {{0, 11, 0xFF}, {12, 331, 0}}},
        {"match score", ClearedImage<DBMatchScore>(), {{0, 15, 0xFF}, {16, 239, 0}}},
        {"scrap card", ClearedImage<DBPlayerScrapCard>(), {{0, 7, 0xFF}, {8, 12295, 0}}},
        {"card state", ClearedImage<DBScrapCard>(), {{0, 131199, 0}}},
        {"sysdata", ClearedImage<DBSysData>(), {{0, 3, 0xFF}, {4, 11, 0}}},
        {"target", ClearedImage<DBTarget>(), {{0, 87, 0}, {88, 91, 0xFF}}},
        {"monster record", ClearedImage<DBMonsterRd>(), {{0, 1, 0xFF}, {2, 2049, 0}}},
        {"global data", ClearedImage<DBGlobalDataPak>(), {{0, 196639, 0}}},
        {"recharge", ClearedImage<DBRechargeData>(),
         {{0, 31, 0}, {32, 35, 0xFF}, {36, 163, 0}, {164, 195, 0xFF}, {196, 291, 0}, {292, 303, 0xFF}, {304, 307, 0}}},
    };
    for (const ClearedRow& r : rows)
    {
        SCOPED_TRACE(r.what);
        EXPECT_TRUE(ImageIs(r.image, r.runs));
    }
}

TEST(RowRecords, ConstructedStates)
{
    // Rows, packs, match data and cards start cleared; records left open start zeroed.
    EXPECT_EQ(ImageOf(*Make<DBItemData>()), ClearedImage<DBItemData>());
    EXPECT_EQ(ImageOf(*Make<DBShopData>()), ClearedImage<DBShopData>());
    EXPECT_EQ(ImageOf(*Make<DBMatchData>()), ClearedImage<DBMatchData>());
    EXPECT_EQ(ImageOf(*Make<DBPlayerScrapCard>()), ClearedImage<DBPlayerScrapCard>());
    EXPECT_EQ(ImageOf(*Make<DBGlobalDataPak>()), ClearedImage<DBGlobalDataPak>());
    EXPECT_TRUE(ImageIs(ImageOf(*Make<DBGuidData>()), {{0, 12, 0}}));
    EXPECT_TRUE(ImageIs(ImageOf(*Make<DBSysData>()), {{0, 11, 0}}));
    EXPECT_TRUE(ImageIs(ImageOf(*Make<DBTarget>()), {{0, 91, 0}}));
    EXPECT_TRUE(ImageIs(ImageOf(*Make<DBRechargeData>()), {{0, 307, 0}}));
    EXPECT_TRUE(ImageIs(ImageOf(*Make<DBMstRecords>()), {{0, 26649, 0}}));
    EXPECT_TRUE(ImageIs(ImageOf(*Make<DBMatchScore>()), {{0, 239, 0}}));
}

template <class T>
::testing::AssertionResult CopyIsExact()
{
    auto src = Make<T>();
    auto dst = Make<T>();
    Scribble(*src, 23);
    Scribble(*dst, 91);
    dst->CopyFrom(*src);
    if (ImageOf(*dst) != ImageOf(*src))
        return ::testing::AssertionFailure() << "copy differs";
    src->CopyFrom(*src);
    if (ImageOf(*dst) != ImageOf(*src))
        return ::testing::AssertionFailure() << "self copy changed the record";
    return ::testing::AssertionSuccess();
}

TEST(RowRecords, WholeCopiesReproduceEveryByte)
{
    EXPECT_TRUE(CopyIsExact<DBItemData>());
    EXPECT_TRUE(CopyIsExact<DBCurrencyData>());
    EXPECT_TRUE(CopyIsExact<DBShopData>());
    EXPECT_TRUE(CopyIsExact<DBItemPack>());
    EXPECT_TRUE(CopyIsExact<DBCurrencyPack>());
    EXPECT_TRUE(CopyIsExact<DBShopPack>());
    EXPECT_TRUE(CopyIsExact<DBMatchData>());
    EXPECT_TRUE(CopyIsExact<DBMatchScore>());   // names copied whole
    EXPECT_TRUE(CopyIsExact<DBRechargeData>());  // texts copied whole
    EXPECT_TRUE(CopyIsExact<DBPlayerScrapCard>());
    EXPECT_TRUE(CopyIsExact<DBScrapCard>());
    EXPECT_TRUE(CopyIsExact<DBMonsterRd>());
    EXPECT_TRUE(CopyIsExact<DBMstRecords>());
    EXPECT_TRUE(CopyIsExact<DBGlobalDataPak>());  // key copied whole
    EXPECT_TRUE(CopyIsExact<DBGuidData>());
    EXPECT_TRUE(CopyIsExact<DBSysData>());
}

TEST(RowRecords, SmallImages)
{
    DBGuidData g;
    g.m_ServerId = 1;
    g.m_Type = 2;
    g.m_Carry = 3;
    g.m_Serial = 4;
    EXPECT_EQ(ImageOf(g), std::string("\x01\x00\x00\x00\x02\x00\x00\x00\x03\x04\x00\x00\x00", 13));
    DBSysData s;
    s.m_tId = 1;
    s.m_taskBeginTime = 2;
    EXPECT_EQ(ImageOf(s), std::string("\x01\x00\x00\x00\x02\x00\x00\x00\x00\x00\x00\x00", 12));
}

TEST(RowRecords, TargetCopiesItsNameAsText)
{
    DBTarget src, dst;
    src.CleanUp();
    src.m_guid = 9;
    src.m_dbId = 3;
    strcpy(src.m_AccName, "acc");
    dst.CopyFrom(src);
    EXPECT_EQ(ImageOf(dst), ImageOf(src));
    memset(src.m_AccName, 'a', sizeof(src.m_AccName));  // no NUL within the field
    dst.CopyFrom(src);
    EXPECT_EQ(std::string(dst.m_AccName), std::string(79, 'a'));
}

TEST(Packs, CleanUpAndCounts)
{
    auto items = Make<DBItemPack>();
    items->m_count = 228;
    items->m_data[227].m_guid = 1;
    items->InitAsCreateNewChar();
    EXPECT_EQ(Val(items->m_count), 0);
    EXPECT_EQ(Val(items->m_data[227].m_guid), 0xFFFFFFFFFFFFFFFFull);

    auto shops = Make<DBShopPack>();
    shops->m_data[3].m_discount = 0x0102;
    EXPECT_EQ(ImageOf(*shops).substr(18 * 3 + 16, 2), std::string("\x02\x01", 2));

    // Rows to read or send never exceed the capacity, whatever a writer left in m_count.
    struct Row
    {
        int count;
        int items, currencies, shops;
    };
    const Row rows[] = {{0, 0, 0, 0}, {5, 5, 5, 5}, {10, 10, 10, 10}, {11, 11, 10, 11},
                        {228, 228, 10, 228}, {229, 228, 10, 229}, {300, 228, 10, 256}, {-4, 0, 0, 0}};
    auto currencies = Make<DBCurrencyPack>();
    for (const Row& r : rows)
    {
        SCOPED_TRACE(r.count);
        items->m_count = r.count;
        currencies->m_count = r.count;
        shops->m_count = r.count;
        EXPECT_EQ(items->GetValidCount(), r.items);
        EXPECT_EQ(currencies->GetValidCount(), r.currencies);
        EXPECT_EQ(shops->GetValidCount(), r.shops);
    }
}

TEST(Packs, CopyTakesAllRowsAndTheCount)
{
    auto a = Make<DBShopPack>();
    auto b = Make<DBShopPack>();
    a->m_count = 2;
    a->m_data[255].m_tId = 41257;
    b->m_count = 100;
    b->CopyFrom(*a);
    EXPECT_EQ(Val(b->m_count), 2);
    EXPECT_EQ(Val(b->m_data[255].m_tId), 41257);
}

TEST(MatchScore, SerializeFromData)
{
    auto p = Make<DBMatchScore>();
    p->CleanUp();
    p->SerializeFromData(1, 2, "acc", "hero5", {-1, 7, 9});
    std::string img = ImageOf(*p);
    EXPECT_EQ(LoadU64(img, 0), 1u);
    EXPECT_EQ(LoadU64(img, 8), 2u);
    EXPECT_TRUE(ImageIs(img.substr(16, 160), {{0, 0, 'h'}, {1, 1, 'e'}, {2, 2, 'r'}, {3, 3, 'o'}, {4, 4, '5'},
                                              {5, 79, 0}, {80, 80, 'a'}, {81, 81, 'c'}, {82, 82, 'c'},
                                              {83, 159, 0}}));
    EXPECT_EQ(img.substr(176, 12), std::string("\xFF\xFF\xFF\xFF\x07\x00\x00\x00\x09\x00\x00\x00", 12));
    EXPECT_TRUE(ImageIs(img.substr(188), {{0, 51, 0}}));

    // 20 scores keep 16; 3 later scores leave the earlier slots 3..15.
    std::vector<int> many;
    for (int i = 0; i < 20; ++i)
        many.push_back(100 + i);
    p->SerializeFromData(1, 2, std::string(100, 'x'), std::string(80, 'y'), many);
    EXPECT_EQ(Val(p->m_score[15]), 115u);
    EXPECT_EQ(std::string(p->m_accname, 79), std::string(79, 'x'));
    EXPECT_EQ(p->m_accname[79], 0) << "nothing written into the last byte";
    p->SerializeFromData(1, 2, "", "", {1, 2, 3});
    EXPECT_EQ(Val(p->m_score[2]), 3u);
    EXPECT_EQ(Val(p->m_score[3]), 103u);
}

TEST(MonsterRecords, CleanUpTouchesAllSlots)
{
    auto p = Make<DBMstRecords>();
    Scribble(*p, 3);
    p->CleanUp();
    std::string img = ImageOf(*p);
    for (int i = 0; i < 13; ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_TRUE(ImageIs(img.substr(2050 * i, 2050), {{0, 1, 0xFF}, {2, 2049, 0}}));
    }
}
} // namespace
