// The character parts and the full user record: cleared, new-character and
// copied states, and the checksum.
#include <ctime>
#include <memory>
#include <new>
#include <string>

#include "DBStruct_User.h"
#include "DBTestUtil.h"

namespace
{
const unsigned long long kGuid = 0x0001000200000005ull;

// Heap-held, as the records are large.
template <class T>
std::unique_ptr<T> Make()
{
    return std::unique_ptr<T>(new T);
}

TEST(BaseUserData, ClearedImage)
{
    auto p = Make<DBBaseUserData>();
    Scribble(*p, 3);
    p->CleanUp();
    EXPECT_TRUE(ImageIs(ImageOf(*p), {{0, 79, 0},
                                      {80, 87, 0xFF},
                                      {88, 173, 0},
                                      {174, 174, 0xFF},
                                      {175, 1222, 0},
                                      {1223, 1226, 0xFF},
                                      {1227, 3282, 0},
                                      {3283, 3286, 0}}));  // checksum member zeroed too
}

TEST(BaseUserData, ConstructionZeroesChecksum)
{
    alignas(DBBaseUserData) unsigned char raw[sizeof(DBBaseUserData)];
    memset(raw, 0xAB, sizeof(raw));
    DBBaseUserData* p = new (raw) DBBaseUserData;
    EXPECT_EQ(Val(p->m_CRC), 0u);
    p->~DBBaseUserData();
}

TEST(BaseUserData, Checksums)
{
    auto p = Make<DBBaseUserData>();
    p->CleanUp();
    EXPECT_EQ(p->CalcCRC(), 0x9259C535u);

    // Neither the client configuration nor the checksum member enters the sum.
    p->m_ClientCfg[100] = 'q';
    p->m_CRC = 1234;
    EXPECT_EQ(p->CalcCRC(), 0x9259C535u);
    // Every byte of the account name does, also after its text.
    p->m_AccName[79] = 1;
    EXPECT_NE(p->CalcCRC(), 0x9259C535u);

    p->CleanUp();
    p->m_Guid = 1;
    strcpy(p->m_AccName, "abc");
    p->m_Level = 1;
    EXPECT_EQ(p->CalcCRC(), 0x2E35CD25u);
}

TEST(BaseUserData, NewCharacter)
{
    auto p = Make<DBBaseUserData>();
    p->CleanUp();
    memset(p->m_ClientCfg, 'c', 10);
    time_t before = time(nullptr);
    p->InitAsCreateNewChar(kGuid, "hero", "acc", 257, 1000, 5);
    time_t after = time(nullptr);

    EXPECT_EQ(Val(p->m_Guid), kGuid);
    EXPECT_EQ(Val(p->m_Level), 1);
    EXPECT_EQ(Val(p->m_Exp), 0);
    EXPECT_EQ(Val(p->m_Sex), 1);  // low 8 bits of 257
    EXPECT_STREQ(p->m_CharName, "hero");
    EXPECT_STREQ(p->m_AccName, "acc");
    EXPECT_EQ(Val(p->m_equipmentId), -1);
    EXPECT_EQ(Val(p->m_HP), 1000);
    EXPECT_EQ(Val(p->m_MP), 5);
    EXPECT_EQ(Val(p->m_blockTime), 0);
    EXPECT_GE(Val(p->m_CreateRoleTime), before);
    EXPECT_LE(Val(p->m_LastLogoutTime), after);
    EXPECT_GE(Val(p->m_LastLogoutTime), Val(p->m_CreateRoleTime));
    EXPECT_EQ(Val(p->m_ClientCfg[0]), 'c') << "the part's own creation leaves the configuration";

    p->InitAsCreateNewChar(kGuid, "hero", "acc", -1, 0, 0);
    EXPECT_EQ(static_cast<unsigned char>(p->m_Sex), 0xFFu);
}

TEST(BaseUserData, NamesAreCutToTheirField)
{
    struct Row
    {
        size_t length;
        size_t stored;
    };
    const Row rows[] = {{0, 0}, {78, 78}, {79, 79}, {80, 79}, {200, 79}};
    auto p = Make<DBBaseUserData>();
    for (const Row& r : rows)
    {
        SCOPED_TRACE(r.length);
        std::string name(r.length, 'n');
        p->CleanUp();
        p->InitAsCreateNewChar(kGuid, name.c_str(), name.c_str(), 0, 0, 0);
        EXPECT_EQ(std::string(p->m_CharName), std::string(r.stored, 'n'));
        EXPECT_EQ(std::string(p->m_AccName), std::string(r.stored, 'n'));
        EXPECT_EQ(Val(p->m_CharName[79]), 0);
        EXPECT_EQ(Val(p->m_AccName[79]), 0);
    }
}

TEST(BaseUserData, CopyTakesTextsAsTextsAndKeepsChecksum)
{
    auto src = Make<DBBaseUserData>();
    auto dst = Make<DBBaseUserData>();
    src->CleanUp();
    src->InitAsCreateNewChar(kGuid, "hero", "acc", 0, 10, 20);
    src->m_Exp = 99;
    src->m_activitytask[0] = 0;
    src->m_activitytask[1] = 7;  // blob: copied whole
    strcpy(src->m_ClientCfg, "cfg");
    src->m_ClientCfg[10] = 'x';  // after the text: not carried
    src->m_CharName[50] = 'y';   // after the text: not carried
    src->m_CRC = 111;
    Scribble(*dst, 9);
    dst->m_CRC = 222;

    dst->CopyFrom(*src);

    DBBaseUserData expected = *src;  // the byte copy, then what the text copy drops
    expected.m_ClientCfg[10] = 0;
    expected.m_CharName[50] = 0;
    expected.m_CRC = 222;
    EXPECT_EQ(ImageOf(*dst), ImageOf(expected));
}

TEST(BaseUserData, CopyStopsAtTheFieldWithoutTerminator)
{
    auto src = Make<DBBaseUserData>();
    auto dst = Make<DBBaseUserData>();
    src->CleanUp();
    memset(src->m_AccName, 'a', sizeof(src->m_AccName));      // no NUL within 80 bytes
    memset(src->m_ClientCfg, 'c', sizeof(src->m_ClientCfg));  // none within 2048 either
    dst->CleanUp();
    dst->CopyFrom(*src);
    EXPECT_EQ(std::string(dst->m_AccName), std::string(79, 'a'));
    EXPECT_EQ(std::string(dst->m_ClientCfg), std::string(2047, 'c'));
}

TEST(UserExtensions, ClearedImages)
{
    auto ex1 = Make<DBUserDataEX1>();
    auto ex2 = Make<DBUserDataEX2>();
    auto ex3 = Make<DBUserDataEX3RealTime>();
    Scribble(*ex1, 1);
    Scribble(*ex2, 2);
    Scribble(*ex3, 3);
    ex1->CleanUp();
    ex2->CleanUp();
    ex3->CleanUp();
    EXPECT_TRUE(ImageIs(ImageOf(*ex1), {{0, 7, 0xFF}, {8, 3445, 0}}));
    EXPECT_TRUE(ImageIs(ImageOf(*ex2), {{0, 7, 0xFF}, {8, 1863, 0}}));
    EXPECT_TRUE(ImageIs(ImageOf(*ex3), {{0, 7, 0xFF}, {8, 1543, 0}}));
    DBUserDataEX2 fresh2;
    DBUserDataEX3RealTime fresh3;
    EXPECT_EQ(ImageOf(fresh2), ImageOf(*ex2));
    EXPECT_EQ(ImageOf(fresh3), ImageOf(*ex3));
}

TEST(UserExtensions, NewCharacterImages)
{
    const unsigned long long g = 0x1122334455667788ull;
    auto ex1 = Make<DBUserDataEX1>();
    auto ex2 = Make<DBUserDataEX2>();
    auto ex3 = Make<DBUserDataEX3RealTime>();
    Scribble(*ex1, 4);
    Scribble(*ex2, 5);
    Scribble(*ex3, 6);
    ex1->InitAsCreateNewChar(g, 0x01020304);
    ex2->InitAsCreateNewChar(g);
    ex3->InitAsCreateNewChar(g);

    std::string i1 = ImageOf(*ex1);
    EXPECT_EQ(LoadU64(i1, 0), g);
    EXPECT_TRUE(ImageIs(i1.substr(8), {{0, 135, 0},
                                       {136, 136, 1},  // image byte 144: m_IsValid
                                       {137, 3292, 0},
                                       {3293, 3293, 0x04},  // image bytes 3301-3304: lucky wheels
                                       {3294, 3294, 0x03},
                                       {3295, 3295, 0x02},
                                       {3296, 3296, 0x01},
                                       {3297, 3437, 0}}));
    std::string i2 = ImageOf(*ex2);
    EXPECT_EQ(LoadU64(i2, 0), g);
    EXPECT_TRUE(ImageIs(i2.substr(8), {{0, 79, 0}, {80, 80, 0xC8}, {81, 1855, 0}}));
    std::string i3 = ImageOf(*ex3);
    EXPECT_EQ(LoadU64(i3, 0), g);
    EXPECT_TRUE(ImageIs(i3.substr(8), {{0, 1535, 0}}));
}

TEST(UserExtensions, CopiesReproduceEveryByte)
{
    auto a1 = Make<DBUserDataEX1>(), b1 = Make<DBUserDataEX1>();
    auto a2 = Make<DBUserDataEX2>(), b2 = Make<DBUserDataEX2>();
    auto a3 = Make<DBUserDataEX3RealTime>(), b3 = Make<DBUserDataEX3RealTime>();
    Scribble(*a1, 10);
    Scribble(*a2, 20);
    Scribble(*a3, 30);
    b1->CopyFrom(*a1);
    b2->CopyFrom(*a2);
    b3->CopyFrom(*a3);
    EXPECT_EQ(ImageOf(*b1), ImageOf(*a1));
    EXPECT_EQ(ImageOf(*b2), ImageOf(*a2));
    EXPECT_EQ(ImageOf(*b3), ImageOf(*a3));
    std::string before = ImageOf(*a1);
    a1->CopyFrom(*a1);
    EXPECT_EQ(ImageOf(*a1), before);
}

AD_EMAILINFO* AddMail(DBFullUserData& rec, unsigned long long guid)
{
    AD_EMAILINFO* m = rec.m_emailPack.m_emailData.Add();
    m->set_guid(guid);
    m->set_title("t");
    return m;
}

TEST(FullUserData, ConstructedCleared)
{
    auto p = Make<DBFullUserData>();
    EXPECT_EQ(p->GetGuid(), -1);
    auto base = Make<DBBaseUserData>();
    base->CleanUp();
    EXPECT_EQ(ImageOf(p->m_User), ImageOf(*base));
    EXPECT_TRUE(ImageIs(ImageOf(p->m_UserDataEx1), {{0, 7, 0xFF}, {8, 3445, 0}}));
    EXPECT_EQ(Val(p->m_ItemPack.m_count), 0);
    EXPECT_EQ(Val(p->m_CurrencyPack.m_count), 0);
    EXPECT_EQ(Val(p->m_shopPack.m_count), 0);
    EXPECT_EQ(p->m_emailPack.m_emailData.size(), 0);
    EXPECT_EQ(Val(p->m_scrapCard.charGuid), -1);
}

TEST(FullUserData, NewCharacterState)
{
    auto p = Make<DBFullUserData>();
    // A character with items, shop rows, mails and a configuration first.
    p->m_ItemPack.m_count = 228;
    p->m_ItemPack.m_data[5].m_guid = 77;
    p->m_CurrencyPack.m_count = 3;
    p->m_shopPack.m_count = 256;
    p->m_shopPack.m_data[0].m_tId = 41002;
    p->m_matchData.m_ownrank = 4;
    p->m_scrapCard.charGuid = 12;
    strcpy(p->m_User.m_ClientCfg, "cfg");
    AddMail(*p, 1);

    // Every argument distinct, so that no two can trade places unseen.
    p->InitAsCreateNewChar(kGuid, "hero", "acc", 2, 3, 1000, 40);

    const long long g = static_cast<long long>(kGuid);
    struct FieldRow
    {
        const char* field;
        long long   actual;
        long long   expected;
    };
    const FieldRow rows[] = {
        {"GetGuid()", p->GetGuid(), g},
        {"ex1 m_guid", static_cast<long long>(p->m_UserDataEx1.m_guid), g},
        {"ex2 m_guid", static_cast<long long>(p->m_UserDataEx2.m_guid), g},
        {"ex3 m_guid", static_cast<long long>(p->m_UserDataEx3RealTime.m_guid), g},
        {"ex1 m_IsValid", p->m_UserDataEx1.m_IsValid, 1},
        {"ex1 m_LuckyWheelCount", p->m_UserDataEx1.m_LuckyWheelCount, 3},
        {"ex2 m_CommonData[20]", p->m_UserDataEx2.m_CommonData[20], 200},
        {"m_HP", p->m_User.m_HP, 1000},
        {"m_MP", p->m_User.m_MP, 40},
        {"m_Level", p->m_User.m_Level, 1},
        {"m_Sex", p->m_User.m_Sex, 2},
        {"m_equipmentId", p->m_User.m_equipmentId, -1},
        {"m_ClientCfg[0]", p->m_User.m_ClientCfg[0], 0},
        {"item count", p->m_ItemPack.m_count, 0},
        {"item 5 guid", static_cast<long long>(p->m_ItemPack.m_data[5].m_guid), -1},
        {"currency count", p->m_CurrencyPack.m_count, 0},
        {"shop count", p->m_shopPack.m_count, 0},
        {"shop 0 tid", p->m_shopPack.m_data[0].m_tId, -1},
        {"match rank", p->m_matchData.m_ownrank, -1},
        {"match guid", static_cast<long long>(p->m_matchData.m_guid), -1},
        {"scrap card charGuid", p->m_scrapCard.charGuid, -1},
        {"mails", p->m_emailPack.m_emailData.size(), 0},
    };
    for (const FieldRow& r : rows)
    {
        SCOPED_TRACE(r.field);
        EXPECT_EQ(r.actual, r.expected);
    }

    std::string base = ImageOf(p->m_User);
    EXPECT_EQ(base.substr(0, 80), "acc" + std::string(77, '\0'));
    EXPECT_EQ(base.substr(88, 80), "hero" + std::string(76, '\0'));
    EXPECT_EQ(base.substr(168, 2), std::string("\x01\x00", 2));
    EXPECT_EQ(base[174], 2);
    EXPECT_EQ(base.substr(1223, 4), std::string("\xFF\xFF\xFF\xFF", 4));
    EXPECT_EQ(base.substr(1227, 4), std::string("\xE8\x03\x00\x00", 4));
    EXPECT_EQ(base.substr(1231, 4), std::string("\x28\x00\x00\x00", 4));
    EXPECT_EQ(p->CalcCRC(), p->m_User.CalcCRC());
}

TEST(FullUserData, CopyConstructorOwnsItsMails)
{
    auto src = Make<DBFullUserData>();
    src->InitAsCreateNewChar(kGuid, "hero", "acc", 0, 0, 1000, 0);
    AddMail(*src, 1);
    AddMail(*src, 2);
    src->m_User.m_CRC = 42;

    std::unique_ptr<DBFullUserData> copy(new DBFullUserData(*src));
    EXPECT_EQ(ImageOf(copy->m_User), ImageOf(src->m_User));
    ASSERT_EQ(copy->m_emailPack.m_emailData.size(), 2);
    copy->m_emailPack.CleanUp();
    ASSERT_EQ(src->m_emailPack.m_emailData.size(), 2);
    EXPECT_EQ(src->m_emailPack.m_emailData.Get(1).guid(), 2u);

    std::unique_ptr<DBFullUserData> second(new DBFullUserData(*src));
    src.reset();
    EXPECT_EQ(second->m_emailPack.m_emailData.Get(0).guid(), 1u);
}

// Every byte-packed member of the record with a pattern of its own.
void ScribbleMembers(DBFullUserData& rec, uint8_t seed)
{
    Scribble(rec.m_User, seed);
    Scribble(rec.m_UserDataEx1, seed + 1);
    Scribble(rec.m_UserDataEx2, seed + 2);
    Scribble(rec.m_UserDataEx3RealTime, seed + 3);
    Scribble(rec.m_ItemPack, seed + 4);
    Scribble(rec.m_CurrencyPack, seed + 5);
    Scribble(rec.m_shopPack, seed + 6);
    Scribble(rec.m_matchData, seed + 7);
    Scribble(rec.m_scrapCard, seed + 8);
}

TEST(FullUserData, CopyFromCopiesEveryMember)
{
    auto src = Make<DBFullUserData>();
    auto dst = Make<DBFullUserData>();
    ScribbleMembers(*src, 10);
    ScribbleMembers(*dst, 100);
    // The base part's texts end inside their fields, so its copy is byte for byte but
    // for the checksum member, which keeps the destination's value.
    DBCopyText(src->m_User.m_AccName, sizeof(src->m_User.m_AccName), "acc");
    DBCopyText(src->m_User.m_CharName, sizeof(src->m_User.m_CharName), "hero");
    DBCopyText(src->m_User.m_ClientCfg, sizeof(src->m_User.m_ClientCfg), "cfg");
    src->m_User.m_CRC = 42;
    dst->m_User.m_CRC = 7;
    AddMail(*src, 5);
    AddMail(*dst, 6);
    AddMail(*dst, 7);

    DBBaseUserData expectedBase = src->m_User;
    expectedBase.m_CRC = 7;
    dst->CopyFrom(*src);

    const struct
    {
        const char* member;
        std::string copied;
        std::string expected;
    } rows[] = {
        {"m_User", ImageOf(dst->m_User), ImageOf(expectedBase)},
        {"m_UserDataEx1", ImageOf(dst->m_UserDataEx1), ImageOf(src->m_UserDataEx1)},
        {"m_UserDataEx2", ImageOf(dst->m_UserDataEx2), ImageOf(src->m_UserDataEx2)},
        {"m_UserDataEx3RealTime", ImageOf(dst->m_UserDataEx3RealTime), ImageOf(src->m_UserDataEx3RealTime)},
        {"m_ItemPack", ImageOf(dst->m_ItemPack), ImageOf(src->m_ItemPack)},  // rows past the count too
        {"m_CurrencyPack", ImageOf(dst->m_CurrencyPack), ImageOf(src->m_CurrencyPack)},
        {"m_shopPack", ImageOf(dst->m_shopPack), ImageOf(src->m_shopPack)},
        {"m_matchData", ImageOf(dst->m_matchData), ImageOf(src->m_matchData)},
        {"m_scrapCard", ImageOf(dst->m_scrapCard), ImageOf(src->m_scrapCard)},
    };
    for (const auto& r : rows)
    {
        SCOPED_TRACE(r.member);
        EXPECT_TRUE(r.copied == r.expected);
    }
    ASSERT_EQ(dst->m_emailPack.m_emailData.size(), 1);
    EXPECT_EQ(dst->m_emailPack.m_emailData.Get(0).guid(), 5u);

    // Onto itself: nothing changes, the mails included.
    const std::string base = ImageOf(dst->m_User);
    dst->CopyFrom(*dst);
    EXPECT_EQ(ImageOf(dst->m_User), base);
    ASSERT_EQ(dst->m_emailPack.m_emailData.size(), 1);
    EXPECT_EQ(dst->m_emailPack.m_emailData.Get(0).guid(), 5u);
}

TEST(FullUserData, SetGuidReachesAllParts)
{
    auto p = Make<DBFullUserData>();
    p->SetGuid(static_cast<long long>(kGuid));
    EXPECT_EQ(p->GetGuid(), static_cast<long long>(kGuid));
    EXPECT_EQ(Val(p->m_UserDataEx3RealTime.m_guid), kGuid);
}
} // namespace
