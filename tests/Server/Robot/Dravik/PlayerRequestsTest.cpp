// The request messages that a client keeps from one request to the next: whatever was
// built in them before, a request's bytes equal those of a message built afresh.

#include "AD_PBMessage.pb.h"
#include "PlayerRequests.h"
#include "RobotHarness.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::string Bytes(const google::protobuf::Message& m)
{
    std::string s;
    EXPECT_TRUE(m.SerializePartialToString(&s));
    return s;
}

} // namespace

TEST(PlayerRequests, ReusedMessagesSendWhatAFreshOneSends)
{
    std::unique_ptr<DBFullUserData> big = PlayerRecord(0x0001000000000010ull, 228, 256, 0, 30);
    std::unique_ptr<DBFullUserData> small = PlayerRecord(0x0001000000000020ull, 2, 1, 3, 1);

    PlayerRequests reused;
    reused.Save(*big);
    reused.Create(*big);
    reused.Load(std::string(50, 'x'));
    struct Row {
        const char* name;
        std::string reusedBytes;
        std::string freshBytes;
    } rows[] = {
        {"smaller save", Bytes(reused.Save(*small)), Bytes(PlayerRequests().Save(*small))},
        {"larger save again", Bytes(reused.Save(*big)), Bytes(PlayerRequests().Save(*big))},
        {"other creation", Bytes(reused.Create(*small)), Bytes(PlayerRequests().Create(*small))},
        {"shorter account", Bytes(reused.Load("p7")), Bytes(PlayerRequests().Load("p7"))},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(r.freshBytes, r.reusedBytes);
    }

    AD_USERSAVE save;
    ASSERT_TRUE(save.ParsePartialFromString(Bytes(reused.Save(*small)))); // the test mails lack fields
    EXPECT_EQ(2, save.savetype());
    EXPECT_EQ(2, save.userdata().itemdata_size());
    EXPECT_EQ(3, save.userdata().currencydata_size());
    EXPECT_EQ(1, save.userdata().shopdata_size());
    ASSERT_EQ(1, save.userdata().emialdata_size());
    EXPECT_TRUE(save.userdata().emialdata(0).has_awardinfo());
    EXPECT_EQ(12296u, save.userdata().scrapcard().size());

    AD_USERLOAD load;
    ASSERT_TRUE(load.ParseFromString(Bytes(reused.Load("p7"))));
    EXPECT_EQ("p7", load.account());
    EXPECT_FALSE(load.has_guid());
}

TEST(PlayerRequests, ACreationCarriesANewCardHeadAndNothingElse)
{
    PlayerRequests req;
    std::unique_ptr<DBFullUserData> r = PlayerRecord(0x00010000000001F4ull, 228, 256, 0, 30);
    r->m_scrapCard.szCurPeriodData[0] = 'x'; // the player's own card is not what a creation sends
    AD_USERSAVE create;
    ASSERT_TRUE(create.ParseFromString(Bytes(req.Create(*r))));
    EXPECT_EQ(1, create.savetype());
    const AD_USER_DATA& d = create.userdata();
    EXPECT_EQ(3287u, d.ubdata().size());
    EXPECT_EQ(3446u, d.ubdataex1().size());
    EXPECT_EQ(1864u, d.ubdataex2().size());
    EXPECT_EQ(1544u, d.ubdataex3().size());
    EXPECT_EQ(0, d.itemdata_size());
    EXPECT_EQ(0, d.emialdata_size());
    EXPECT_EQ(0, d.shopdata_size());
    EXPECT_FALSE(d.has_matchdata());
    EXPECT_EQ(std::string("\xF4\x01\x00\x00\x00\x00\x01\x00", 8) + std::string(52, '\0'), d.scrapcard());
    EXPECT_EQ(10201u, PlayerRequests::CreateImageBytes()); // 3287 + 3446 + 1864 + 1544 + 60
    EXPECT_EQ(67505u, PlayerRequests::SaveImageBytes(*r));
}

TEST(PlayerRequests, TheNewCharacterRoomIsBuiltAsAFreshRecord)
{
    // A periodic creation builds its character in the same room each time; after another
    // character was built there, the images equal those of a record built from nothing.
    PlayerRequests req;
    DBFullUserData& room = req.NewCharRecord();
    room.InitAsCreateNewChar(0x0001000000000005ull, std::string(79, 'L').c_str(), "long", 1, 7, 5, 6);
    room.m_ItemPack.m_count = 228;
    room.InitAsCreateNewChar(0x0001000000000006ull, "c01700000000", "c01700000000", 0, 0, 1000, 1000);

    std::unique_ptr<DBFullUserData> fresh(new DBFullUserData());
    fresh->InitAsCreateNewChar(0x0001000000000006ull, "c01700000000", "c01700000000", 0, 0, 1000, 1000);
    // The two times come from the clock and may differ by a second.
    for (DBFullUserData* p : {&room, fresh.get()}) {
        p->m_User.m_CreateRoleTime = 1700000000;
        p->m_User.m_LastLogoutTime = 1700000000;
    }
    const std::string reused = Bytes(req.Create(room));
    EXPECT_EQ(Bytes(PlayerRequests().Create(*fresh)), reused);
    EXPECT_EQ(10220u, reused.size()); // the creation frame of 10226 bytes less its header
}
