#include "PlayerRequests.h"

#include <cstring>

namespace {

// The byte image of one record part into a bytes field, reusing the field's storage.
template <typename T>
void SetImage(std::string* pField, const T& rPart, size_t nBytes = sizeof(T))
{
    pField->assign(reinterpret_cast<const char*>(&rPart), nBytes);
}

// One entry per row below nCount; after Clear the entries' strings are taken again.
template <typename T>
void AddImages(google::protobuf::RepeatedPtrField<std::string>& rField, const T* pRows, tint32 nCount)
{
    for (tint32 i = 0; i < nCount; ++i) {
        SetImage(rField.Add(), pRows[i]);
    }
}

void SetCharacterImages(AD_USER_DATA& rData, const DBFullUserData& rRecord)
{
    SetImage(rData.mutable_ubdata(), rRecord.m_User);
    SetImage(rData.mutable_ubdataex1(), rRecord.m_UserDataEx1);
    SetImage(rData.mutable_ubdataex2(), rRecord.m_UserDataEx2);
    SetImage(rData.mutable_ubdataex3(), rRecord.m_UserDataEx3RealTime);
}

template <typename T>
void ZeroBytes(T& rPart)
{
    memset(static_cast<void*>(&rPart), 0, sizeof(T));
}

} // namespace

static_assert(sizeof(DBPlayerScrapCard) >= PlayerRequests::CREATE_SCRAPCARD_BYTES,
              "a creation sends the card's first 60 bytes");

constexpr size_t PlayerRequests::CREATE_SCRAPCARD_BYTES;

void ZeroRecordBytes(DBFullUserData& r)
{
    ZeroBytes(r.m_User);
    ZeroBytes(r.m_UserDataEx1);
    ZeroBytes(r.m_UserDataEx2);
    ZeroBytes(r.m_UserDataEx3RealTime);
    ZeroBytes(r.m_ItemPack);
    ZeroBytes(r.m_CurrencyPack);
    r.m_emailPack.m_emailData.Clear();
    ZeroBytes(r.m_shopPack);
    ZeroBytes(r.m_matchData);
    ZeroBytes(r.m_scrapCard);
}

PlayerRequests::PlayerRequests() : m_pNewChar(new DBFullUserData())
{
    ZeroRecordBytes(*m_pNewChar);
}

size_t PlayerRequests::CreateImageBytes()
{
    return sizeof(DBBaseUserData) + sizeof(DBUserDataEX1) + sizeof(DBUserDataEX2) + sizeof(DBUserDataEX3RealTime) +
           CREATE_SCRAPCARD_BYTES;
}

size_t PlayerRequests::SaveImageBytes(const DBFullUserData& r)
{
    return CreateImageBytes() - CREATE_SCRAPCARD_BYTES + sizeof(r.m_scrapCard) + sizeof(r.m_matchData) +
           size_t(r.m_ItemPack.GetValidCount()) * sizeof(r.m_ItemPack.m_data[0]) +
           size_t(r.m_CurrencyPack.GetValidCount()) * sizeof(r.m_CurrencyPack.m_data[0]) +
           size_t(r.m_shopPack.GetValidCount()) * sizeof(r.m_shopPack.m_data[0]);
}

AD_USERSAVE& PlayerRequests::Create(const DBFullUserData& rRecord)
{
    m_create.Clear();
    m_create.set_savetype(AD_USERSAVE::ST_CREATE);
    AD_USER_DATA& data = *m_create.mutable_userdata();
    SetCharacterImages(data, rRecord);
    m_newCard.charGuid = rRecord.GetGuid();
    SetImage(data.mutable_scrapcard(), m_newCard, CREATE_SCRAPCARD_BYTES);
    return m_create;
}

AD_USERSAVE& PlayerRequests::Save(const DBFullUserData& rRecord)
{
    m_save.Clear();
    m_save.set_savetype(AD_USERSAVE::ST_SAVE);
    AD_USER_DATA& data = *m_save.mutable_userdata();
    SetCharacterImages(data, rRecord);
    AddImages(*data.mutable_itemdata(), rRecord.m_ItemPack.m_data, rRecord.m_ItemPack.GetValidCount());
    AddImages(*data.mutable_currencydata(), rRecord.m_CurrencyPack.m_data, rRecord.m_CurrencyPack.GetValidCount());
    for (const AD_EMAILINFO& mail : rRecord.m_emailPack.m_emailData) {
        data.add_emialdata()->CopyFrom(mail);
    }
    AddImages(*data.mutable_shopdata(), rRecord.m_shopPack.m_data, rRecord.m_shopPack.GetValidCount());
    SetImage(data.mutable_matchdata(), rRecord.m_matchData);
    SetImage(data.mutable_scrapcard(), rRecord.m_scrapCard);
    return m_save;
}

AD_USERLOAD& PlayerRequests::Load(const std::string& strAccount)
{
    m_load.Clear();
    m_load.set_usertype(AD_USERLOAD::UT_LOGIN_ACC_LOAD);
    m_load.set_account(strAccount);
    return m_load;
}
