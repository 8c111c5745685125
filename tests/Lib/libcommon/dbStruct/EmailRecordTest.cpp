// The mail row and its conversions to and from the mail message.
#include <memory>
#include <string>

#include "DBStruct_Email.h"
#include "DBTestUtil.h"
#include "TempWorkDir.h"

namespace
{
void FillMail(AD_EMAILINFO& m)
{
    m.set_guid(0x0002000000000011ull);
    m.set_type(3);
    m.set_state(-2);
    m.set_createtime(1700000000);
    m.set_globalguid(0);
    m.set_sender("from");
    m.set_receiver("to");
    m.set_title("title");
    m.set_content("body");
    m.set_senderguid(-1);
    m.set_receiverguid(0x0001000000000005ll);
}

// n attachments {itemId 2i+1, count 2i+2}: {1, 2}, {3, 4}, ...
void AddAwards(AD_EMAILINFO& m, int n)
{
    AD_EmailAwardDataList* list = m.mutable_awardinfo();
    for (int i = 0; i < n; ++i)
    {
        AD_EmailAwardData* d = list->add_data();
        d->set_itemid(2 * i + 1);
        d->set_count(2 * i + 2);
    }
}

// A valid list of exactly `size` bytes (size >= 6): entries {itemId 1, count 1}
// of 6 bytes each, then one entry whose varints make up the rest.
void AddAwardsOfSize(AD_EMAILINFO& m, int size)
{
    static const int kVarintOfLength[] = {0, 1, 128, 16384, 2097152, 268435456};
    AD_EmailAwardDataList* list = m.mutable_awardinfo();
    list->Clear();
    int k = (size - 6) / 6;
    for (int i = 0; i < k; ++i)
    {
        AD_EmailAwardData* d = list->add_data();
        d->set_itemid(1);
        d->set_count(1);
    }
    int t = size - 6 * k - 4;  // bytes of the two varints, 2..7
    int v1 = t > 5 ? t - 5 : 1;
    AD_EmailAwardData* d = list->add_data();
    d->set_itemid(kVarintOfLength[v1]);
    d->set_count(kVarintOfLength[t - v1]);
}

class EmailRecord : public ::testing::Test
{
protected:
    TempWorkDir                  m_dir;
    std::unique_ptr<DBEmailData> m_rec{new DBEmailData};
};

TEST_F(EmailRecord, ConstructedZeroAndClearedImage)
{
    EXPECT_TRUE(ImageIs(ImageOf(*m_rec), {{0, 1561, 0}}));
    Scribble(*m_rec, 5);
    m_rec->CleanUp();
    EXPECT_TRUE(ImageIs(ImageOf(*m_rec), {{0, 15, 0xFF}, {16, 23, 0}, {24, 47, 0xFF}, {48, 1561, 0}}));
}

TEST_F(EmailRecord, EachFieldAtItsOffsetBothWays)
{
    // Every field distinct, so that no two can trade places unseen in either direction.
    AD_EMAILINFO mail;
    mail.set_guid(0x0102030405060708ull);
    mail.set_type(0x11121314);
    mail.set_state(0x21222324);
    mail.set_createtime(0x3132333435363738ll);
    mail.set_globalguid(0x4142434445464748ull);
    mail.set_senderguid(-2);
    mail.set_receiverguid(0x6162636465666768ll);
    mail.set_sender("from");
    mail.set_receiver("to");
    mail.set_title("title");
    mail.set_content("body");
    struct Row
    {
        const char* field;
        size_t      offset;
        std::string bytes;
    };
    const Row rows[] = {
        {"guid", 0, std::string("\x08\x07\x06\x05\x04\x03\x02\x01", 8)},
        {"type", 8, std::string("\x14\x13\x12\x11", 4)},
        {"state", 12, std::string("\x24\x23\x22\x21", 4)},
        {"createtime", 16, std::string("\x38\x37\x36\x35\x34\x33\x32\x31", 8)},
        {"globalGuid", 24, std::string("\x48\x47\x46\x45\x44\x43\x42\x41", 8)},
        {"senderGuid", 32, std::string("\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 8)},
        {"receiverGuid", 40, std::string("\x68\x67\x66\x65\x64\x63\x62\x61", 8)},
        {"sender", 48, "from" + std::string(76, '\0')},
        {"receiver", 128, "to" + std::string(78, '\0')},
        {"title", 208, "title" + std::string(36, '\0')},
        {"content", 249, "body" + std::string(797, '\0')},
    };

    m_rec->CleanUp();
    m_rec->GetFromInfo(mail);
    const std::string image = ImageOf(*m_rec);
    for (const Row& r : rows)
    {
        SCOPED_TRACE(r.field);
        EXPECT_EQ(image.substr(r.offset, r.bytes.size()), r.bytes);
    }

    // A row laid out by hand reads back as the same mail.
    std::unique_ptr<DBEmailData> byHand(new DBEmailData);
    byHand->CleanUp();
    for (const Row& r : rows)
        memcpy(reinterpret_cast<char*>(byHand.get()) + r.offset, r.bytes.data(), r.bytes.size());
    AD_EMAILINFO out;
    byHand->SetIntoInfo(out);
    EXPECT_EQ(out.DebugString(), mail.DebugString());
}

TEST_F(EmailRecord, TwoAttachmentsStoredAndReadBack)
{
    AD_EMAILINFO in;
    FillMail(in);
    AddAwards(in, 2);
    m_rec->CleanUp();
    m_rec->GetFromInfo(in);

    const std::string area = ImageOf(*m_rec).substr(1050, 16);
    EXPECT_EQ(area, std::string("\x0C\x00\x00\x00\x0A\x04\x08\x01\x10\x02\x0A\x04\x08\x03\x10\x04", 16));
    EXPECT_EQ(Val(m_rec->m_senderGuid), 0xFFFFFFFFFFFFFFFFull);

    AD_EMAILINFO out;
    m_rec->SetIntoInfo(out);
    EXPECT_TRUE(out.IsInitialized());
    EXPECT_EQ(out.SerializePartialAsString(), in.SerializePartialAsString());
    EXPECT_EQ(out.senderguid(), -1);
}

TEST_F(EmailRecord, BoundaryListLengths)
{
    struct Row
    {
        int  size;
        bool stored;
    };
    const Row rows[] = {{6, true}, {255, true}, {256, true}, {507, true}, {508, true}, {509, false}, {600, false}};
    for (const Row& r : rows)
    {
        SCOPED_TRACE(r.size);
        AD_EMAILINFO in;
        FillMail(in);
        AddAwardsOfSize(in, r.size);
        int size = static_cast<int>(in.awardinfo().ByteSizeLong());
        ASSERT_EQ(size, r.size);

        m_rec->CleanUp();
        if (!r.stored)
        {
            EXPECT_THROW(m_rec->GetFromInfo(in), int);
            EXPECT_TRUE(ImageIs(ImageOf(*m_rec).substr(1050), {{0, 511, 0}})) << "nothing written";
            continue;
        }
        m_rec->GetFromInfo(in);
        EXPECT_EQ(m_rec->GetAwardInfoLength(), size);
        AD_EMAILINFO out;
        m_rec->SetIntoInfo(out);
        ASSERT_TRUE(out.has_awardinfo());
        EXPECT_EQ(out.awardinfo().SerializePartialAsString(), in.awardinfo().SerializePartialAsString());
    }
    EXPECT_NE(m_dir.ReadLogs("assert").find("ret == true"), std::string::npos);
}

TEST_F(EmailRecord, EmptyOrMissingListsLeaveNothingBehind)
{
    // A record that held a list, then a mail without one: the length is cleared.
    AD_EMAILINFO with;
    FillMail(with);
    AddAwards(with, 3);
    m_rec->CleanUp();
    m_rec->GetFromInfo(with);
    ASSERT_GT(m_rec->GetAwardInfoLength(), 0);

    AD_EMAILINFO without;
    FillMail(without);
    m_rec->GetFromInfo(without);
    EXPECT_EQ(m_rec->GetAwardInfoLength(), 0);

    // Converting back clears a list the target held from an earlier mail.
    AD_EMAILINFO target;
    AddAwards(target, 2);
    m_rec->SetIntoInfo(target);
    EXPECT_FALSE(target.has_awardinfo());

    // An empty but present list stores length 0 and reads back as absent.
    AD_EMAILINFO empty;
    FillMail(empty);
    empty.mutable_awardinfo();
    m_rec->GetFromInfo(empty);
    EXPECT_EQ(m_rec->GetAwardInfoLength(), 0);
    AD_EMAILINFO out;
    m_rec->SetIntoInfo(out);
    EXPECT_FALSE(out.has_awardinfo());
}

TEST_F(EmailRecord, CorruptAreaIsReported)
{
    struct Row
    {
        const char* what;
        std::string area;  // the first bytes of the award area
    };
    const Row rows[] = {
        {"length above capacity", std::string("\xFD\x01\x00\x00", 4)},       // 509
        {"negative length", std::string("\xFF\xFF\xFF\xFF", 4)},             // -1
        {"bytes that do not parse", std::string("\x02\x00\x00\x00\x0A\x05", 6)},
        {"attachment without count", std::string("\x04\x00\x00\x00\x0A\x02\x08\x01", 8)},
    };
    for (const Row& r : rows)
    {
        SCOPED_TRACE(r.what);
        m_rec->CleanUp();
        memcpy(m_rec->m_awardinfo, r.area.data(), r.area.size());
        AD_EMAILINFO out;
        EXPECT_THROW(m_rec->SetIntoInfo(out), int);
        EXPECT_TRUE(out.has_guid());
        EXPECT_TRUE(out.has_content());
    }
}

TEST_F(EmailRecord, TextsAreCutToTheirWidths)
{
    AD_EMAILINFO in;
    FillMail(in);
    in.set_sender(std::string(100, 's'));
    in.set_receiver(std::string(79, 'r'));
    in.set_title(std::string(41, 't'));
    in.set_content(std::string(801, 'c'));
    m_rec->CleanUp();
    m_rec->GetFromInfo(in);
    EXPECT_EQ(std::string(m_rec->m_sender), std::string(79, 's'));
    EXPECT_EQ(std::string(m_rec->m_receiver), std::string(79, 'r'));
    EXPECT_EQ(std::string(m_rec->m_title), std::string(40, 't'));
    EXPECT_EQ(std::string(m_rec->m_content), std::string(800, 'c'));

    // A row from outside whose texts lack their terminators: reads stop at the width.
    memset(m_rec->m_sender, 'S', sizeof(m_rec->m_sender));
    memset(m_rec->m_content, 'C', sizeof(m_rec->m_content));
    AD_EMAILINFO out;
    m_rec->SetIntoInfo(out);
    EXPECT_EQ(out.sender(), std::string(80, 'S'));
    EXPECT_EQ(out.content(), std::string(801, 'C'));
    std::unique_ptr<DBEmailData> copy(new DBEmailData);
    copy->CopyFrom(*m_rec);
    EXPECT_EQ(std::string(copy->m_sender), std::string(79, 'S'));
    EXPECT_EQ(std::string(copy->m_content), std::string(800, 'C'));
}

TEST_F(EmailRecord, CopyKeepsTheWholeAwardArea)
{
    Scribble(*m_rec, 11);
    memcpy(m_rec->m_title, "short", 6);  // bytes after its NUL are not carried
    std::unique_ptr<DBEmailData> copy(new DBEmailData);
    copy->CopyFrom(*m_rec);
    EXPECT_EQ(ImageOf(*copy).substr(1050), ImageOf(*m_rec).substr(1050));
    EXPECT_EQ(ImageOf(*copy).substr(0, 48), ImageOf(*m_rec).substr(0, 48));
    EXPECT_TRUE(ImageIs(ImageOf(*copy).substr(208, 41), {{0, 0, 's'}, {1, 1, 'h'}, {2, 2, 'o'}, {3, 3, 'r'},
                                                         {4, 4, 't'}, {5, 40, 0}}));
}

TEST(EmailPack, CopiesAreIndependent)
{
    DBEmailPack a;
    for (int i = 0; i < 3; ++i)
    {
        AD_EMAILINFO* m = a.m_emailData.Add();
        FillMail(*m);
        m->set_guid(static_cast<unsigned long long>(i));
    }
    DBEmailPack b;
    b.m_emailData.Add();
    b.CopyFrom(a);
    DBEmailPack c(a);
    a.CleanUp();
    EXPECT_EQ(a.m_emailData.size(), 0);
    ASSERT_EQ(b.m_emailData.size(), 3);
    ASSERT_EQ(c.m_emailData.size(), 3);
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(b.m_emailData.Get(i).guid(), static_cast<unsigned long long>(i));
        EXPECT_EQ(c.m_emailData.Get(i).guid(), static_cast<unsigned long long>(i));
    }
    c.InitAsCreateNewChar();
    EXPECT_EQ(c.m_emailData.size(), 0);
}
} // namespace
