// The record images inside the AD_USERSAVE that a client sends: what a creation and a save
// carry of the player's record, and which pack rows a save takes.

#include "AD_PBMessage.pb.h"
#include "PlayerRequests.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>

namespace {

const tuint64 kGuid = 0x0001000000000007ull;

template <typename T>
std::string ImageOf(const T& rPart)
{
    return std::string(reinterpret_cast<const char*>(&rPart), sizeof(T));
}

// The bytes elements equal the first nRows rows of the pack, in row order.
template <typename T>
::testing::AssertionResult SendsRows(const google::protobuf::RepeatedPtrField<std::string>& rSent,
                                     const T* pRows, int nRows)
{
    if (rSent.size() != nRows) {
        return ::testing::AssertionFailure() << rSent.size() << " rows sent, " << nRows << " expected";
    }
    for (int i = 0; i < nRows; ++i) {
        if (rSent.Get(i) != ImageOf(pRows[i])) {
            return ::testing::AssertionFailure() << "row " << i << " differs";
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(UserSaveRequest, CreationCarriesTheFourPartsOfTheNewCharacter)
{
    std::unique_ptr<DBFullUserData> rec(new DBFullUserData());
    rec->InitAsCreateNewChar(kGuid, "hero1700000000", "acc1700000000", 1, 2, 1000, 30);
    PlayerRequests req;
    const AD_USERSAVE& msg = req.Create(*rec);
    EXPECT_EQ(msg.userdata().ByteSizeLong(), 10215u); // 3290 + 3449 + 1867 + 1547 + 62
    ASSERT_EQ(msg.ByteSizeLong(), 10220u);

    std::string body(10220, '\0');
    ASSERT_TRUE(msg.SerializePartialToArray(&body[0], static_cast<int>(body.size())));
    AD_USERSAVE back;
    ASSERT_TRUE(back.ParseFromArray(body.data(), static_cast<int>(body.size())));
    EXPECT_EQ(back.savetype(), 1);
    const AD_USER_DATA& data = back.userdata();
    EXPECT_EQ(data.ubdata(), ImageOf(rec->m_User));
    EXPECT_EQ(data.ubdataex1(), ImageOf(rec->m_UserDataEx1));
    EXPECT_EQ(data.ubdataex2(), ImageOf(rec->m_UserDataEx2));
    EXPECT_EQ(data.ubdataex3(), ImageOf(rec->m_UserDataEx3RealTime));
    // The base image: account name from 0, character name from 88, level 1 at 168.
    ASSERT_EQ(data.ubdata().size(), 3287u);
    EXPECT_EQ(data.ubdata().substr(0, 80), "acc1700000000" + std::string(67, '\0'));
    EXPECT_EQ(data.ubdata().substr(88, 80), "hero1700000000" + std::string(66, '\0'));
    EXPECT_EQ(data.ubdata().substr(168, 2), std::string("\x01\x00", 2));
}

TEST(UserSaveRequest, SaveOfFullPacksExceedsAnInboundFrame)
{
    std::unique_ptr<DBFullUserData> rec(new DBFullUserData());
    rec->InitAsCreateNewChar(kGuid, "hero", "acc", 1, 2, 1000, 30);
    rec->m_ItemPack.m_count = 228;
    rec->m_shopPack.m_count = 256;
    PlayerRequests req;
    const AD_USER_DATA& data = req.Save(*rec).userdata();
    EXPECT_EQ(data.currencydata_size(), 0);
    EXPECT_EQ(data.emialdata_size(), 0);
    EXPECT_EQ(data.ByteSizeLong(), 68719u); // 10153 + 228 * 179 + 256 * 20 + 335 + 12299
}

TEST(UserSaveRequest, SaveSendsOnlyThePacksRows)
{
    std::unique_ptr<DBFullUserData> rec(new DBFullUserData());
    rec->InitAsCreateNewChar(kGuid, "hero", "acc", 1, 2, 1000, 30);
    for (int i = 0; i < 228; ++i) {
        rec->m_ItemPack.m_data[i].m_typeId = 1000 + i;
    }
    for (int i = 0; i < 10; ++i) {
        rec->m_CurrencyPack.m_data[i].m_typeId = 2000 + i;
    }
    for (int i = 0; i < 256; ++i) {
        rec->m_shopPack.m_data[i].m_tId = 3000 + i;
    }
    // Counts are set by whoever fills the record; one outside 0 to the capacity sends
    // the rows the pack has, never memory behind them.
    const struct {
        const char* szCase;
        tint32 nItems, nCurrencies, nShop;
        int nItemsSent, nCurrenciesSent, nShopSent;
    } rows[] = {
        {"within", 3, 10, 255, 3, 10, 255},
        {"one above capacity", 229, 11, 257, 228, 10, 256},
        {"far above capacity", INT_MAX, 100000, 65536, 228, 10, 256},
        {"negative", -1, -10, INT_MIN, 0, 0, 0},
    };
    PlayerRequests req;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.szCase);
        rec->m_ItemPack.m_count = row.nItems;
        rec->m_CurrencyPack.m_count = row.nCurrencies;
        rec->m_shopPack.m_count = row.nShop;
        const AD_USER_DATA& data = req.Save(*rec).userdata();
        EXPECT_TRUE(SendsRows(data.itemdata(), rec->m_ItemPack.m_data, row.nItemsSent));
        EXPECT_TRUE(SendsRows(data.currencydata(), rec->m_CurrencyPack.m_data, row.nCurrenciesSent));
        EXPECT_TRUE(SendsRows(data.shopdata(), rec->m_shopPack.m_data, row.nShopSent));
    }
}
