// Mail records: one mail as a row of "t_email" (DBEmailData, 1562 bytes,
// byte-packed) and a character's mails as protocol messages (DBEmailPack).
//
// DBEmailData award area (m_awardinfo, 512 bytes):
//   [0..3]      tint32 L, little-endian: size of the stored attachment list
//   [4..4+L)    the AD_EmailAwardDataList in wire format, 1 <= L <= 508
//   [4+L..512)  not part of the value
// L == 0 means no list. Every text member is zero-terminated within its width
// and zero after the terminator.
//
// DBEmailPack owns its messages (heap); it is the one part of the character
// record that must not be copied as raw memory. Plain values; one thread at a
// time.
#ifndef DBSTRUCT_EMAIL_H
#define DBSTRUCT_EMAIL_H

#include "AD_PBMessage.pb.h"
#include "ServerDefine_DB.h"

#define DBEMAILDATA_FIELDS(V, K, T, B)                                                    \
    V(tuint64, m_guid,         "guid",         DB_QWORD, true,  invalid_guid64)           \
    V(tint32,  m_type,         "emailtype",    DB_DWORD, false, -1)                       \
    V(tint32,  m_state,        "emailstate",   DB_DWORD, false, -1)                       \
    V(tint64,  m_createtime,   "createtime",   DB_QWORD, false, 0)                        \
    V(tuint64, m_globalGuid,   "globalguid",   DB_QWORD, false, invalid_guid64)           \
    V(tuint64, m_senderGuid,   "senderguid",   DB_QWORD, false, invalid_guid64)           \
    V(tuint64, m_receiverGuid, "receiverguid", DB_QWORD, false, invalid_guid64)           \
    T(m_sender,   80,                        "sender",   DB_STR, 80,  false)              \
    T(m_receiver, 80,                        "receiver", DB_STR, 80,  false)              \
    T(m_title,    Email_Title_MaxSize + 1,   "title",    DB_STR, 41,  false)              \
    T(m_content,  Email_Content_MaxSize + 1, "content",  DB_STR, 801, false)              \
    B(tchar, m_awardinfo, Email_AwaedInfo_MaxSize, "awardinfo", DB_BIN, 512, false)

#pragma pack(push, 1)

class DBEmailData
{
public:
    enum
    {
        Email_Title_MaxSize = 40,
        Email_Content_MaxSize = 800,
        Email_AwaedInfo_MaxSize = 512,
    };
    // Room for the list behind the length word.
    enum { Email_AwardList_Capacity = Email_AwaedInfo_MaxSize - 4 };

    DB_RECORD_MEMBERS(DBEMAILDATA_FIELDS)

    // Starts zeroed (an all-zero award area holds no list).
    DBEmailData() { memset(static_cast<void*>(this), 0, sizeof(*this)); }
    void CleanUp() { DB_RECORD_CLEANUP(DBEMAILDATA_FIELDS) }
    void CopyFrom(const DBEmailData& rSour)
    {
        if (this == &rSour)
            return;
        DB_RECORD_COPY(DBEMAILDATA_FIELDS)
    }

    // Fills the record from a mail. A list that does not fit is reported
    // ("ret == true") before the area is touched.
    void GetFromInfo(const AD_EMAILINFO& info);
    // Fills a mail from the record; the mail's list is replaced by the stored
    // one, or cleared when the area holds none. A stored list that does not
    // parse, or a length word outside 0..508, is reported.
    void SetIntoInfo(AD_EMAILINFO& info);

    // The length word of the award area.
    tint32 GetAwardInfoLength() const;
};

#pragma pack(pop)

class DBEmailDataInfo
{
public:
    static const char* TBName;
    static const dbCol DBDataCol[];
};

class DBEmailPack
{
public:
    google::protobuf::RepeatedPtrField<AD_EMAILINFO> m_emailData;

    DBEmailPack() { CleanUp(); }
    ~DBEmailPack() {}
    void CleanUp() { m_emailData.Clear(); }
    void InitAsCreateNewChar() { CleanUp(); }
    // REQUIRES: &rItemPack != this.
    void CopyFrom(const DBEmailPack& rItemPack) { m_emailData.CopyFrom(rItemPack.m_emailData); }
};

#endif
