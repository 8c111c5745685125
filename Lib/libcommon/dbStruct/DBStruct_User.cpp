#include "DBStruct_User.h"

#include <cstddef>

#include "Assertx.h"
#include "TimeManager.h"

const dbCol DBUserInfo::DBBaseUserCol[] = {DB_RECORD_COLUMNS(DBBASEUSERDATA_FIELDS)};
const char* DBUserInfo::TBName = "t_player";
const dbCol DBUserInfo::DBUserEx1Col[] = {DB_RECORD_COLUMNS(DBUSERDATAEX1_FIELDS)};
const char* DBUserInfo::DBUserEx1TBName = "t_player_ex1";
const dbCol DBUserInfo::DBUserEx2Col[] = {DB_RECORD_COLUMNS(DBUSERDATAEX2_FIELDS)};
const char* DBUserInfo::DBUserEx2TBName = "t_player_ex2";
const dbCol DBUserInfo::DBUserEx3RealTimeCol[] = {DB_RECORD_COLUMNS(DBUSERDATAEX3REALTIME_FIELDS)};
const char* DBUserInfo::DBUserEx3RealTimeTBName = "t_player_ex3_realtime";

void DBBaseUserData::CopyFrom(const DBBaseUserData& rSour)
{
    __ENTER_FUNCTION
        if (this == &rSour)
            return;
        DB_RECORD_COPY(DBBASEUSERDATA_FIELDS)
    __LEAVE_FUNCTION
}

void DBBaseUserData::InitAsCreateNewChar(tuint64 guid, const tchar* szCharName, const tchar* szAccName,
                                         tint32 sex, tint32 initialHP, tint32 initialMP)
{
    __ENTER_FUNCTION
        m_Guid = guid;
        m_Level = 1;
        m_Exp = 0;
        m_Sex = static_cast<tint8>(static_cast<tuint8>(sex));
        memset(m_activitytask, 0, sizeof(m_activitytask));
        DBCopyText(m_CharName, sizeof(m_CharName), szCharName);
        DBCopyText(m_AccName, sizeof(m_AccName), szAccName);
        m_CreateRoleTime = static_cast<tint64>(gTimeManager.GetANSITime());
        m_blockTime = 0;
        m_equipmentId = -1;
        m_HP = initialHP;
        m_MP = initialMP;
        m_LastLogoutTime = static_cast<tint64>(gTimeManager.GetANSITime());
    __LEAVE_FUNCTION
}

tuint32 DBBaseUserData::CalcCRC()
{
    __ENTER_FUNCTION
        const tchar* pImage = reinterpret_cast<const tchar*>(this);
        tuint32 nCRC = BinCRC(pImage + offsetof(DBBaseUserData, m_Guid), sizeof(m_Guid));
        nCRC += BinCRC(pImage + offsetof(DBBaseUserData, m_AccName), sizeof(m_AccName));
        nCRC += BinCRC(pImage + offsetof(DBBaseUserData, m_Level), sizeof(m_Level));
        return nCRC;
    __LEAVE_FUNCTION
    return 0;
}

void DBFullUserData::CleanUp()
{
    m_User.CleanUp();
    m_UserDataEx1.CleanUp();
    m_UserDataEx2.CleanUp();
    m_UserDataEx3RealTime.CleanUp();
    m_ItemPack.CleanUp();
    m_CurrencyPack.CleanUp();
    m_emailPack.CleanUp();
    m_shopPack.CleanUp();
    m_matchData.CleanUp();
    m_scrapCard.CleanUp();
}

void DBFullUserData::InitAsCreateNewChar(tuint64 guid, const tchar* szCharName, const tchar* szAccName,
                                         tint32 sex, tint32 luckyWheelCount, tint32 initialHP,
                                         tint32 initialMP)
{
    __ENTER_FUNCTION
        CleanUp();
        m_User.InitAsCreateNewChar(guid, szCharName, szAccName, sex, initialHP, initialMP);
        m_UserDataEx1.InitAsCreateNewChar(m_User.m_Guid, luckyWheelCount);
        m_UserDataEx2.InitAsCreateNewChar(m_User.m_Guid);
        m_UserDataEx3RealTime.InitAsCreateNewChar(m_User.m_Guid);
        // The packs, mails, match data and scrap card have nothing character-specific:
        // their InitAsCreateNewChar is exactly the CleanUp just done (57 KB not reset twice).
    __LEAVE_FUNCTION
}

void DBFullUserData::CopyFrom(const DBFullUserData& rSour)
{
    __ENTER_FUNCTION
        if (this == &rSour)
            return;
        m_User.CopyFrom(rSour.m_User);
        m_UserDataEx1.CopyFrom(rSour.m_UserDataEx1);
        m_UserDataEx2.CopyFrom(rSour.m_UserDataEx2);
        m_UserDataEx3RealTime.CopyFrom(rSour.m_UserDataEx3RealTime);
        m_ItemPack.CopyFrom(rSour.m_ItemPack);
        m_CurrencyPack.CopyFrom(rSour.m_CurrencyPack);
        m_emailPack.CopyFrom(rSour.m_emailPack);
        m_shopPack.CopyFrom(rSour.m_shopPack);
        m_matchData.CopyFrom(rSour.m_matchData);
        m_scrapCard.CopyFrom(rSour.m_scrapCard);
    __LEAVE_FUNCTION
}

tuint32 DBFullUserData::CalcCRC()
{
    __ENTER_FUNCTION
        return m_User.CalcCRC();
    __LEAVE_FUNCTION
    return 0;
}

void DBFullUserData::SetGuid(const tint64& guid)
{
    tuint64 v = static_cast<tuint64>(guid);
    m_User.m_Guid = v;
    m_UserDataEx1.m_guid = v;
    m_UserDataEx2.m_guid = v;
    m_UserDataEx3RealTime.m_guid = v;
}

// The wire images are the parts' bytes: their sizes are fixed here.
void CompileTimeCheck_FullUserData()
{
    static_assert(sizeof(DBBaseUserData) == 3287, "DBBaseUserData image");
    static_assert(sizeof(DBUserDataEX1) == 3446, "DBUserDataEX1 image");
    static_assert(sizeof(DBUserDataEX2) == 1864, "DBUserDataEX2 image");
    static_assert(sizeof(DBUserDataEX3RealTime) == 1544, "DBUserDataEX3RealTime image");
}

void CompileTimeCheck_DBConstDefine_FullUserData()
{
    static_assert(sizeof(DBItemData) == 176, "DBItemData image");
    static_assert(sizeof(DBItemPack) == 40132, "DBItemPack");
    static_assert(sizeof(DBCurrencyData) == 16, "DBCurrencyData image");
    static_assert(sizeof(DBCurrencyPack) == 164, "DBCurrencyPack");
    static_assert(sizeof(DBShopData) == 18, "DBShopData image");
    static_assert(sizeof(DBShopPack) == 4612, "DBShopPack");
    static_assert(sizeof(DBMatchData) == 332, "DBMatchData image");
    static_assert(sizeof(DBPlayerScrapCard) == 12296, "DBPlayerScrapCard image");
    static_assert(sizeof(DBEmailData) == 1562, "DBEmailData row");
}
