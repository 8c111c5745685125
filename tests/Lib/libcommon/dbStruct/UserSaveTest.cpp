// The character images inside AD_USERSAVE: sizes of a creation and of a save.
#include <memory>
#include <string>

#include "DBStruct_User.h"
#include "DBTestUtil.h"

namespace
{
const unsigned long long kGuid = 0x0001000000000007ull;

// What a creation sends: the four part images and the first 60 bytes of a
// cleared scrap card that names the character.
void FillCreation(const DBFullUserData& rec, AD_USERSAVE& msg)
{
    msg.set_savetype(AD_USERSAVE::ST_CREATE);
    AD_USER_DATA* data = msg.mutable_userdata();
    data->set_ubdata(&rec.m_User, sizeof(rec.m_User));
    data->set_ubdataex1(&rec.m_UserDataEx1, sizeof(rec.m_UserDataEx1));
    data->set_ubdataex2(&rec.m_UserDataEx2, sizeof(rec.m_UserDataEx2));
    data->set_ubdataex3(&rec.m_UserDataEx3RealTime, sizeof(rec.m_UserDataEx3RealTime));
    std::unique_ptr<DBPlayerScrapCard> card(new DBPlayerScrapCard);
    card->charGuid = rec.GetGuid();
    data->set_scrapcard(card.get(), 60);
}

TEST(UserSave, CreationBody)
{
    std::unique_ptr<DBFullUserData> rec(new DBFullUserData);
    rec->InitAsCreateNewChar(kGuid, "acc1700000000", "acc1700000000", 0, 0, 1000, 0);
    AD_USERSAVE msg;
    FillCreation(*rec, msg);
    EXPECT_EQ(msg.userdata().ByteSizeLong(), 10215u);
    ASSERT_EQ(msg.ByteSizeLong(), 10220u);

    std::string body(10220, '\0');
    ASSERT_TRUE(msg.SerializePartialToArray(&body[0], static_cast<int>(body.size())));
    // UBData decodes to the base part: level 1 at 168, names at 0 and 88.
    AD_USERSAVE back;
    ASSERT_TRUE(back.ParseFromArray(body.data(), static_cast<int>(body.size())));
    const std::string& base = back.userdata().ubdata();
    ASSERT_EQ(base.size(), 3287u);
    EXPECT_EQ(base, ImageOf(rec->m_User));
    EXPECT_EQ(base.substr(168, 2), std::string("\x01\x00", 2));
    EXPECT_EQ(std::string(base.c_str()), "acc1700000000");
    EXPECT_EQ(std::string(base.c_str() + 88), "acc1700000000");
    const std::string& card = back.userdata().scrapcard();
    ASSERT_EQ(card.size(), 60u);
    EXPECT_EQ(LoadU64(card, 0), kGuid);
    EXPECT_TRUE(ImageIs(card.substr(8), {{0, 51, 0}}));
}

TEST(UserSave, SaveOfFullPacks)
{
    std::unique_ptr<DBFullUserData> rec(new DBFullUserData);
    rec->InitAsCreateNewChar(kGuid, "a", "a", 0, 0, 1000, 0);
    rec->m_ItemPack.m_count = 228;
    rec->m_shopPack.m_count = 256;

    AD_USER_DATA data;
    data.set_ubdata(&rec->m_User, sizeof(rec->m_User));
    data.set_ubdataex1(&rec->m_UserDataEx1, sizeof(rec->m_UserDataEx1));
    data.set_ubdataex2(&rec->m_UserDataEx2, sizeof(rec->m_UserDataEx2));
    data.set_ubdataex3(&rec->m_UserDataEx3RealTime, sizeof(rec->m_UserDataEx3RealTime));
    for (int i = 0; i < rec->m_ItemPack.GetValidCount(); ++i)
        data.add_itemdata(&rec->m_ItemPack.m_data[i], sizeof(DBItemData));
    for (int i = 0; i < rec->m_CurrencyPack.GetValidCount(); ++i)
        data.add_currencydata(&rec->m_CurrencyPack.m_data[i], sizeof(DBCurrencyData));
    for (int i = 0; i < rec->m_shopPack.GetValidCount(); ++i)
        data.add_shopdata(&rec->m_shopPack.m_data[i], sizeof(DBShopData));
    data.set_matchdata(&rec->m_matchData, sizeof(rec->m_matchData));
    data.set_scrapcard(&rec->m_scrapCard, sizeof(rec->m_scrapCard));
    EXPECT_EQ(data.currencydata_size(), 0);
    EXPECT_EQ(data.ByteSizeLong(), 68719u);
}
} // namespace
