// One recharge order, 308 bytes, byte-packed (table "t_recharge"). The text
// members are copied whole, as raw bytes. Plain value; starts zeroed;
// one thread at a time.
#ifndef DBSTRUCT_RECHARGE_H
#define DBSTRUCT_RECHARGE_H

#include "ServerDefine_DB.h"

#define DBRECHARGEDATA_FIELDS(V, K, T, B)                                                         \
    B(tchar,  Version,   Recharge_Data_Version_LENGTH,   "Version",   DB_STR, 32, false)            \
    V(tint32, AppID,             "AppID",             DB_DWORD, false, -1)                        \
    B(tchar,  CPOrderID, Recharge_Data_CPOrderID_LENGTH, "CPOrderID", DB_STR, 64, false)            \
    B(tchar,  OrderID,   Recharge_Data_OrderID_LENGTH,   "OrderID",   DB_STR, 64, true)             \
    V(tint32, PID,               "PID",               DB_DWORD, false, -1)                        \
    V(tint32, SourceMoneyID,     "SourceMoneyID",     DB_DWORD, false, -1)                        \
    V(tint32, SourceMoneyAmount, "SourceMoneyAmount", DB_DWORD, false, -1)                        \
    V(tint32, EndMoneyID,        "EndMoneyID",        DB_DWORD, false, -1)                        \
    V(tint32, EndMoneyAmount,    "EndMoneyAmount",    DB_DWORD, false, -1)                        \
    V(tint32, Coin,              "Coin",              DB_DWORD, false, -1)                        \
    V(tint32, PayResult,         "PayResult",         DB_DWORD, false, -1)                        \
    V(tint32, AppSchemeID,       "AppSchemeID",       DB_DWORD, false, -1)                        \
    B(tchar,  Extend,    Recharge_Data_Extend_LENGTH,    "Extend",    DB_STR, 64, false)            \
    B(tchar,  Sign,      Recharge_Data_Sign_LENGTH,      "Sign",      DB_STR, 32, false)            \
    V(tint64, CreateTime,        "CreateTime",        DB_QWORD, false, invalid_guid64)            \
    V(tint32, state,             "State",             DB_DWORD, false, -1)                        \
    V(tint32, GoodsId,           "GoodsId",           DB_DWORD, false, 0)

#pragma pack(push, 1)

class DBRechargeData
{
public:
    enum
    {
        Recharge_Data_Version_LENGTH = 32,
        Recharge_Data_CPOrderID_LENGTH = 64,
        Recharge_Data_OrderID_LENGTH = 64,
        Recharge_Data_Extend_LENGTH = 64,
        Recharge_Data_Sign_LENGTH = 32,
    };

    DB_RECORD_MEMBERS(DBRECHARGEDATA_FIELDS)

    DBRechargeData() { memset(static_cast<void*>(this), 0, sizeof(*this)); }
    void CleanUp() { DB_RECORD_CLEANUP(DBRECHARGEDATA_FIELDS) }
    void CopyFrom(const DBRechargeData& rSour)
    {
        if (this == &rSour)
            return;
        DB_RECORD_COPY(DBRECHARGEDATA_FIELDS)
    }
};

#pragma pack(pop)

class DBRechargeDataInfo
{
public:
    static const char* TBName;
    static const dbCol DBDataCol[];
};

#endif
