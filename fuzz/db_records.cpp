// Mail and user-data messages converted into records, as the receiving side of a save
// does: the first byte of the input chooses what the rest is.
//   0: an AD_USERSAVE; its AD_USER_DATA's images go into a full user record (an image of
//      the wrong size is refused, rows past a pack's room are dropped), each mail goes
//      through the mail record and back, and the record is copied.
//   1: one AD_EMAILINFO with its attachment list, through the mail record and back.
//   2: the image of a mail record (1562 bytes, zero-padded), read back into a mail.
// Reports (an attachment list too long for the record, a stored list that does not read
// back) are expected outcomes where the record cannot hold the mail, and findings otherwise.

#include "AD_PBMessage.pb.h"
#include "DBStruct_Email.h"
#include "DBStruct_User.h"
#include "FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

namespace {

// A message text as a text member of nWidth bytes keeps it: up to its first NUL, at most
// nWidth - 1 bytes.
std::string Kept(const std::string& str, size_t nWidth)
{
    return str.substr(0, strnlen(str.c_str(), std::min(str.size(), nWidth - 1)));
}

// One mail through the mail record and back: every value the record holds comes back.
void MailRoundTrip(const AD_EMAILINFO& info)
{
    DBEmailData record;
    const size_t nList = info.has_awardinfo() ? info.awardinfo().ByteSizeLong() : 0;
    if (fuzz::Reported([&] { record.GetFromInfo(info); })) {
        if (nList <= DBEmailData::Email_AwardList_Capacity) {
            fuzz::Fail("a mail with a %zu-byte list was refused", nList);
        }
        return;
    }
    if (nList > DBEmailData::Email_AwardList_Capacity) {
        fuzz::Fail("a %zu-byte list was stored in %d bytes", nList, DBEmailData::Email_AwardList_Capacity);
    }
    AD_EMAILINFO back;
    back.mutable_awardinfo()->add_data();   // a stale list must not stay
    if (fuzz::Reported([&] { record.SetIntoInfo(back); })) {
        fuzz::Fail("a stored mail (list of %zu bytes) does not read back", nList);
    }
    if (back.guid() != info.guid() || back.type() != info.type() || back.state() != info.state() ||
        back.createtime() != info.createtime() || back.globalguid() != info.globalguid() ||
        back.senderguid() != info.senderguid() || back.receiverguid() != info.receiverguid()) {
        fuzz::Fail("a mail's numbers changed through the record");
    }
    if (back.sender() != Kept(info.sender(), sizeof(record.m_sender)) ||
        back.receiver() != Kept(info.receiver(), sizeof(record.m_receiver)) ||
        back.title() != Kept(info.title(), sizeof(record.m_title)) ||
        back.content() != Kept(info.content(), sizeof(record.m_content))) {
        fuzz::Fail("a mail's texts changed through the record");
    }
    if (nList == 0 ? back.has_awardinfo()
                   : back.awardinfo().SerializeAsString() != info.awardinfo().SerializeAsString()) {
        fuzz::Fail("a mail's list of %zu bytes changed through the record", nList);
    }
}

// The image into a record part of exactly its size; false for any other size.
template <typename T>
bool TakeImage(T& rPart, const std::string& strImage)
{
    if (strImage.size() != sizeof(T)) {
        return false;
    }
    std::memcpy(static_cast<void*>(&rPart), strImage.data(), sizeof(T));
    return true;
}

template <typename Pack>
void TakeRows(Pack& rPack, const google::protobuf::RepeatedPtrField<std::string>& rImages)
{
    rPack.m_count = 0;
    for (const std::string& strImage : rImages) {
        if (rPack.m_count >= Pack::ITEM_TOTAL_COUNT) {
            break;
        }
        if (TakeImage(rPack.m_data[rPack.m_count], strImage)) {
            ++rPack.m_count;
        }
    }
}

template <typename T>
bool SameImage(const T& a, const T& b)
{
    return std::memcmp(static_cast<const void*>(&a), static_cast<const void*>(&b), sizeof(T)) == 0;
}

void UserData(const AD_USER_DATA& data)
{
    std::unique_ptr<DBFullUserData> pRecord(new DBFullUserData());
    DBFullUserData& r = *pRecord;
    TakeImage(r.m_User, data.ubdata());
    TakeImage(r.m_UserDataEx1, data.ubdataex1());
    TakeImage(r.m_UserDataEx2, data.ubdataex2());
    TakeImage(r.m_UserDataEx3RealTime, data.ubdataex3());
    TakeRows(r.m_ItemPack, data.itemdata());
    TakeRows(r.m_CurrencyPack, data.currencydata());
    TakeRows(r.m_shopPack, data.shopdata());
    TakeImage(r.m_matchData, data.matchdata());
    TakeImage(r.m_scrapCard, data.scrapcard());
    r.m_emailPack.m_emailData.CopyFrom(data.emialdata());
    for (const AD_EMAILINFO& mail : data.emialdata()) {
        MailRoundTrip(mail);
    }
    (void)r.CalcCRC();

    // A copy of a copy is the copy: the bounded text copies settle at once.
    std::unique_ptr<DBFullUserData> pCopy(new DBFullUserData());
    std::unique_ptr<DBFullUserData> pAgain(new DBFullUserData());
    pCopy->CopyFrom(r);
    pAgain->CopyFrom(*pCopy);
    pAgain->m_User.m_CRC = pCopy->m_User.m_CRC;
    if (!SameImage(pCopy->m_User, pAgain->m_User) || !SameImage(pCopy->m_UserDataEx1, pAgain->m_UserDataEx1) ||
        !SameImage(pCopy->m_ItemPack, pAgain->m_ItemPack) || !SameImage(pCopy->m_scrapCard, pAgain->m_scrapCard) ||
        pCopy->m_emailPack.m_emailData.size() != r.m_emailPack.m_emailData.size() ||
        pCopy->CalcCRC() != pAgain->CalcCRC()) {
        fuzz::Fail("a copied user record changed when copied again");
    }
}

void MailImage(const uint8_t* pData, size_t nSize)
{
    DBEmailData record;
    std::memcpy(static_cast<void*>(&record), pData, std::min(nSize, sizeof(record)));
    AD_EMAILINFO info;
    const tint32 nLength = record.GetAwardInfoLength();
    if (fuzz::Reported([&] { record.SetIntoInfo(info); })) {
        if (nLength == 0) {
            fuzz::Fail("a mail image without a list was refused");
        }
        return;
    }
    if ((nLength == 0) == info.has_awardinfo()) {
        fuzz::Fail("length word %d, list %s", nLength, info.has_awardinfo() ? "present" : "absent");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::QuietReports();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    if (nSize == 0) {
        return 0;
    }
    const uint8_t nKind = pData[0] % 3;
    ++pData;
    --nSize;
    if (nKind == 0) {
        AD_USERSAVE save;
        if (save.ParseFromArray(pData, static_cast<int>(nSize))) {
            UserData(save.userdata());
        }
    } else if (nKind == 1) {
        AD_EMAILINFO info;
        if (info.ParseFromArray(pData, static_cast<int>(nSize))) {
            MailRoundTrip(info);
        }
    } else {
        MailImage(pData, nSize);
    }
    return 0;
}
