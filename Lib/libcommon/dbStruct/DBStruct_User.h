// The character record: its four byte-packed parts (base 3287 bytes, EX1 3446,
// EX2 1864, EX3 1544; each part's memory is its table row and its wire image)
// and DBFullUserData, the whole character: the four parts, the item,
// currency, mail and shop packs, the match data and the scrap card.
//
// DBFullUserData is not a byte image (its mail pack owns messages): copy it
// with its copy operations only. The base part's m_CRC is zeroed on
// construction and by CleanUp; no other operation writes it. Plain values;
// one thread at a time (the clock is the process-wide gTimeManager).
#ifndef DBSTRUCT_USER_H
#define DBSTRUCT_USER_H

#include "DBStruct_Email.h"
#include "DBStruct_Item.h"
#include "DBStruct_Match.h"
#include "DBStruct_ScrapCard.h"
#include "DBStruct_Shop.h"
#include "ServerDefine_DB.h"

#define DBBASEUSERDATA_FIELDS(V, K, T, B)                                                   \
    T(m_AccName, 80, "accname", DB_STR, 80, true)                                           \
    V(tuint64, m_Guid, "charguid", DB_QWORD, true, invalid_guid64)                          \
    T(m_CharName, 80, "charname", DB_STR, 80, false)                                        \
    V(tint16, m_Level, "level", DB_WORD,  false, 0)                                         \
    V(tint32, m_Exp,   "exp",   DB_DWORD, false, 0)                                         \
    V(tint8,  m_Sex,   "sex",   DB_CHAR,  false, -1)                                        \
    B(tchar,  m_activitytask, 1024, "activitytask", DB_BIN, 1024, false)                    \
    V(tint64, m_CreateRoleTime, "createtime",   DB_QWORD, false, 0)                         \
    V(tint64, m_LastLogoutTime, "logouttime",   DB_QWORD, false, 0)                         \
    V(tint64, m_blockTime,      "blocktime",    DB_QWORD, false, 0)                         \
    V(tint32, m_equipmentId,    "equipment_id", DB_DWORD, false, -1)                        \
    V(tint32, m_HP,             "hp",           DB_DWORD, false, 0)                         \
    V(tint32, m_MP,             "mp",           DB_DWORD, false, 0)                         \
    /* typed DB_DWORD with the member's size, as the table stores it */                     \
    T(m_ClientCfg, 2048, "clientcfg", DB_DWORD, 2048, false)                                \
    K(tuint32, m_CRC, "crc", DB_DWORD, false, 0)

#define DBUSERDATAEX1_FIELDS(V, K, T, B)                                                          \
    V(tuint64, m_guid,        "charguid",    DB_QWORD, true,  invalid_guid64)                     \
    V(tint64,  m_shopRefTime, "shopreftime", DB_QWORD, false, 0)                                  \
    B(tchar,   m_StatusList, MAX_STATUSLIST_SIZE, "statuslist", DB_BIN, 128, false)               \
    V(tint8,   m_IsValid,              "isvalid",             DB_CHAR,  false, 0)                 \
    V(tuint32, m_LoginAwardRecevied,   "loginawardCount",     DB_DWORD, false, 0)                 \
    V(tuint32, m_LoginAwardWeek,       "loginawardweek",      DB_DWORD, false, 0)                 \
    V(tint64,  m_FinalLoginAwardTime,  "finalloginawardtime", DB_QWORD, false, 0)                 \
    V(tint32,  m_starCount,            "starcount",           DB_DWORD, false, 0)                 \
    V(tint64,  m_starRefTime,          "starreftime",         DB_QWORD, false, 0)                 \
    V(tint64,  m_dailyRefTime,         "dailyreftime",        DB_QWORD, false, 0)                 \
    V(tint64,  m_weekRefTime,          "weekreftime",         DB_QWORD, false, 0)                 \
    B(tchar,   m_taskList,             MAX_TASK_SIZE,      "tasklist",              DB_BIN, 2048, false) \
    B(tchar,   m_starTaskList,         MAX_STARTASK_SIZE,  "startasklist",          DB_BIN, 512,  false) \
    B(tchar,   m_equipmentUnlockList,  MAX_Equipment_Size, "equipment_unlock_list", DB_BIN, 512,  false) \
    B(tchar,   m_rechargeList,         MAX_RECHAEGE_SIZE,  "rechargeList",          DB_BIN, 32,   false) \
    V(tint64,  m_LastWeekCardEmailTime, "lastweekcardmailtime", DB_QWORD, false, 0)               \
    V(tint32,  m_LuckyWheelCount,       "luckywheelcount",      DB_DWORD, false, 0)               \
    V(tint32,  m_rechargeFirstFlag,     "rechargefirstflag",    DB_DWORD, false, 0)               \
    V(tint8,   m_starLvlUp,             "starlvlup",            DB_CHAR,  false, 0)               \
    V(tint64,  m_LastLuckyWheelTime,    "lastluckywheeltime",   DB_QWORD, false, 0)               \
    B(tuint16, m_clientSets, MAX_SETTING_SIZE, "clientsets", DB_BIN, 128, false)

#define DBUSERDATAEX2_FIELDS(V, K, T, B)                                                              \
    V(tuint64, m_guid, "charguid", DB_QWORD, true, invalid_guid64)                                    \
    B(tint32, m_CommonData, 128, "commondata", DB_BIN, 512, false)                                    \
    B(tint32, m_CommonFlag, 5,   "commonflag", DB_BIN, 20,  false)                                    \
    B(tchar,  m_jackpotData,           MAX_JACKPOTDATA_SIZE,      "jackpotdata",           DB_BIN, 64,  false) \
    B(tchar,  m_NewTicketLottryRecord, MAX_LOTTERYRECORD_SIZE,    "newticketlottryrecord", DB_BIN, 512, false) \
    B(tchar,  m_MonopolyData,          MAX_MONOPOLYDATA_SIZE,     "monopolydata",          DB_BIN, 160, false) \
    B(tchar,  m_MatchEnterTimes,       MAX_MATCHENTERTIMES_SIZE,  "matchentereimes",       DB_BIN, 128, false) \
    B(tchar,  m_TreasureLandData,      MAX_TREASURELANDATA_SIZE,  "treasurelanddata",      DB_BIN, 300, false) \
    B(tchar,  m_DailyTaskData,         160,                       "dailytaskdata",         DB_BIN, 160, false)

#define DBUSERDATAEX3REALTIME_FIELDS(V, K, T, B)                           \
    V(tuint64, m_guid, "charguid", DB_QWORD, true, invalid_guid64)         \
    B(tint32, m_DwordData, 128, "dworddata", DB_BIN, 512, false)           \
    /* 512 as the table stores it; the member is 1024 bytes */             \
    B(tint32, m_WordData,  256, "worddata",  DB_BIN, 512, false)

#pragma pack(push, 1)

// Identity and core values. The constructor leaves everything but m_CRC to
// the owner's CleanUp.
struct DBBaseUserData
{
    DB_RECORD_MEMBERS(DBBASEUSERDATA_FIELDS)

    DBBaseUserData() { m_CRC = 0; }
    ~DBBaseUserData() {}
    void CleanUp() { DB_RECORD_CLEANUP(DBBASEUSERDATA_FIELDS) }
    // Texts copied as texts (bounded by their widths); m_CRC is kept.
    void CopyFrom(const DBBaseUserData& rSour);
    void InitAsCreateNewChar(tuint64 guid, const tchar* szCharName, const tchar* szAccName, tint32 sex,
                             tint32 initialHP, tint32 initialMP);
    // BinCRC of m_Guid + of the 80 bytes of m_AccName + of m_Level, mod 2^32.
    tuint32 CalcCRC();
};

// First extension. The constructor leaves the record to the owner's CleanUp.
struct DBUserDataEX1
{
    enum
    {
        MAX_STATUSLIST_SIZE = 128,
        MAX_STARTASK_SIZE = 512,
        MAX_Equipment_Size = 512,
        MAX_TASK_SIZE = 2048,
        MAX_RECHAEGE_SIZE = 32,
        MAX_SETTING_SIZE = 64,
    };

    DB_RECORD_MEMBERS(DBUSERDATAEX1_FIELDS)

    DBUserDataEX1() {}
    ~DBUserDataEX1() {}
    void CleanUp() { DB_RECORD_CLEANUP(DBUSERDATAEX1_FIELDS) }
    void CopyFrom(const DBUserDataEX1& rSour)
    {
        if (this == &rSour)
            return;
        DB_RECORD_COPY(DBUSERDATAEX1_FIELDS)
    }
    void InitAsCreateNewChar(tuint64 guid, tint32 luckyWheelCount)
    {
        CleanUp();
        m_guid = guid;
        m_IsValid = 1;
        m_LuckyWheelCount = luckyWheelCount;
    }
};

struct DBUserDataEX2
{
    enum
    {
        MAX_LOTTERYRECORD_SIZE = 512,
        MAX_JACKPOTDATA_SIZE = 64,
        MAX_MONOPOLYDATA_SIZE = 160,
        MAX_MATCHENTERTIMES_SIZE = 128,
        MAX_TREASURELANDATA_SIZE = 300,
    };

    DB_RECORD_MEMBERS(DBUSERDATAEX2_FIELDS)

    DBUserDataEX2() { CleanUp(); }
    ~DBUserDataEX2() {}
    void CleanUp() { DB_RECORD_CLEANUP(DBUSERDATAEX2_FIELDS) }
    void CopyFrom(const DBUserDataEX2& rSour)
    {
        if (this == &rSour)
            return;
        DB_RECORD_COPY(DBUSERDATAEX2_FIELDS)
    }
    void InitAsCreateNewChar(tuint64 guid)
    {
        CleanUp();
        m_guid = guid;
        m_CommonData[20] = 200;
    }
};

struct DBUserDataEX3RealTime
{
    DB_RECORD_MEMBERS(DBUSERDATAEX3REALTIME_FIELDS)

    DBUserDataEX3RealTime() { CleanUp(); }
    ~DBUserDataEX3RealTime() {}
    void CleanUp() { DB_RECORD_CLEANUP(DBUSERDATAEX3REALTIME_FIELDS) }
    void CopyFrom(const DBUserDataEX3RealTime& rSour)
    {
        if (this == &rSour)
            return;
        DB_RECORD_COPY(DBUSERDATAEX3REALTIME_FIELDS)
    }
    void InitAsCreateNewChar(tuint64 guid)
    {
        CleanUp();
        m_guid = guid;
    }
};

#pragma pack(pop)

class DBUserInfo
{
public:
    static const dbCol DBBaseUserCol[];
    static const char* TBName;
    static const dbCol DBUserEx1Col[];
    static const char* DBUserEx1TBName;
    static const dbCol DBUserEx2Col[];
    static const char* DBUserEx2TBName;
    static const dbCol DBUserEx3RealTimeCol[];
    static const char* DBUserEx3RealTimeTBName;
};

// The whole character. Constructed cleared; the implicit copy constructor
// copies every byte of the fixed parts and deep-copies the mails.
struct DBFullUserData
{
    DBBaseUserData        m_User;
    DBUserDataEX1         m_UserDataEx1;
    DBUserDataEX2         m_UserDataEx2;
    DBUserDataEX3RealTime m_UserDataEx3RealTime;
    DBItemPack            m_ItemPack;
    DBCurrencyPack        m_CurrencyPack;
    DBEmailPack           m_emailPack;
    DBShopPack            m_shopPack;
    DBMatchData           m_matchData;
    DBPlayerScrapCard     m_scrapCard;

    DBFullUserData() { CleanUp(); }

    void CleanUp();
    // Cleans up, then makes a new character; the extensions take the GUID
    // back from m_User.m_Guid.
    void InitAsCreateNewChar(tuint64 guid, const tchar* szCharName, const tchar* szAccName, tint32 sex,
                             tint32 luckyWheelCount, tint32 initialHP, tint32 initialMP);
    // REQUIRES: &rSour != this (the mail pack clears before it reads).
    void CopyFrom(const DBFullUserData& rSour);
    tuint32 CalcCRC();
    tint64 GetGuid() const { return static_cast<tint64>(m_User.m_Guid); }
    // Sets the character GUID in the base part and the three extensions.
    void SetGuid(const tint64& guid);
};

void CompileTimeCheck_FullUserData();
void CompileTimeCheck_DBConstDefine_FullUserData();

#endif
