#include "DBStruct_Email.h"

#include "Assertx.h"

const char* DBEmailDataInfo::TBName = "t_email";
const dbCol DBEmailDataInfo::DBDataCol[] = {DB_RECORD_COLUMNS(DBEMAILDATA_FIELDS)};

namespace
{
void CopyMessageText(tchar* dst, size_t dstCap, const std::string& src)
{
    DBCopyText(dst, dstCap, src.data(), src.size());
}

void SetAwardLength(tchar* area, tint32 nLen)
{
    tuint32 v = static_cast<tuint32>(nLen);
    for (int i = 0; i < 4; ++i)
        area[i] = static_cast<tchar>((v >> (8 * i)) & 0xFF);
}
} // namespace

tint32 DBEmailData::GetAwardInfoLength() const
{
    tuint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<tuint8>(m_awardinfo[i]);
    return static_cast<tint32>(v);
}

void DBEmailData::GetFromInfo(const AD_EMAILINFO& info)
{
    m_guid = info.guid();
    m_type = info.type();
    m_state = info.state();
    m_createtime = info.createtime();
    m_globalGuid = info.globalguid();
    m_senderGuid = static_cast<tuint64>(info.senderguid());
    m_receiverGuid = static_cast<tuint64>(info.receiverguid());

    CopyMessageText(m_sender, sizeof(m_sender), info.sender());
    CopyMessageText(m_receiver, sizeof(m_receiver), info.receiver());
    CopyMessageText(m_title, sizeof(m_title), info.title());
    CopyMessageText(m_content, sizeof(m_content), info.content());

    if (!info.has_awardinfo())
    {
        // No list: the length word must not announce an older one.
        SetAwardLength(m_awardinfo, 0);
        return;
    }
    // Checked before anything is written, so a failed store leaves the area as it was.
    size_t nSize = info.awardinfo().ByteSizeLong();
    bool ret = nSize <= static_cast<size_t>(Email_AwardList_Capacity);
    Assert(ret == true);
    ret = info.awardinfo().SerializePartialToArray(m_awardinfo + 4, static_cast<int>(nSize));
    Assert(ret == true);
    SetAwardLength(m_awardinfo, static_cast<tint32>(nSize));
}

void DBEmailData::SetIntoInfo(AD_EMAILINFO& info)
{
    info.set_guid(m_guid);
    info.set_type(m_type);
    info.set_state(m_state);
    info.set_createtime(m_createtime);
    info.set_globalguid(m_globalGuid);
    info.set_senderguid(static_cast<tint64>(m_senderGuid));
    info.set_receiverguid(static_cast<tint64>(m_receiverGuid));

    // Read no further than each member's width, terminator or not.
    info.set_sender(m_sender, strnlen(m_sender, sizeof(m_sender)));
    info.set_receiver(m_receiver, strnlen(m_receiver, sizeof(m_receiver)));
    info.set_title(m_title, strnlen(m_title, sizeof(m_title)));
    info.set_content(m_content, strnlen(m_content, sizeof(m_content)));

    // The whole length word decides (a 256-byte list has a zero low byte).
    tint32 nLen = GetAwardInfoLength();
    if (nLen == 0)
    {
        // No list here: none may be carried over from an earlier mail.
        info.clear_awardinfo();
        return;
    }
    if (nLen < 0 || nLen > Email_AwardList_Capacity)
    {
        info.clear_awardinfo();
        AssertEx(nLen > 0 && nLen <= Email_AwardList_Capacity, "DBEmailData: award list length out of range");
    }
    bool ret = info.mutable_awardinfo()->ParseFromArray(m_awardinfo + 4, nLen);
    Assert(ret == true);
}
