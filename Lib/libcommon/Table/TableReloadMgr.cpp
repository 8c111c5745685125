#include "TableReloadMgr.h"

#include "DBCTableModule.h"
#include "LogDefine.h"
#include "TableSequence.h"
#include "TimeManager.h"

#include <string>

tint64 TableReload::m_shopTableReloadTime = 0;

namespace
{
const tchar* const s_szSourceFile = "Lib/libcommon/Table/TableReloadMgr";

// The sequence's entry of a reloaded table, for its file and its loading function.
const TableSeqEntry& ReloadEntry(const tchar* szTable)
{
    const TableSeqEntry* pEntry = FindTableSeqEntry(szTable);
    if (pEntry == nullptr) {
        const std::string strMsg = std::string("Table ") + szTable + " is not in the loading sequence";
        _do_assert_(s_szSourceFile, __LINE__, __PRETTY_FUNCTION__, "pEntry != null_ptr", strMsg.c_str(), true);
    }
    return *pEntry;
}
}   // namespace

bool TableReloadRun(const TableSeqEntry& rEntry, const tchar* szStartWords, const tchar* szDoneWords,
                    void (*pfnOnSuccess)())
{
    std::string strLine = std::string(szStartWords) + rEntry.szFile + " ...";
    DiskLog(gServerStatusLogSink, strLine.c_str());
    const bool bResult = rEntry.pfnLoad != nullptr && rEntry.pfnLoad(rEntry.szFile);
    if (bResult && pfnOnSuccess != nullptr) {
        pfnOnSuccess();
    }
    strLine = std::string(szDoneWords) + rEntry.szFile + (bResult ? " OK" : " Failed");
    DiskLog(gServerStatusLogSink, strLine.c_str());
    return bResult;
}

bool TableReload::ReloadShopTable()
{
    return TableReloadRun(ReloadEntry("Shop"), "Start ReLoading Table ", "ReLoad Table ",
                          []() { m_shopTableReloadTime = static_cast<tint64>(gTimeManager.GetANSITime()); });
}

bool TableReload::ReloadActivityTable()
{
    return TableReloadRun(ReloadEntry("Activity"), "Start ReLoading Table ", "ReLoad Table ", nullptr);
}

bool TableReload::ReloadWeeklyAndDailyTaskTable()
{
    return TableReloadRun(ReloadEntry("WeeklyAndDailyTask"), "Start Loading Table ", "Load Table ", nullptr);
}

bool TableReload::ReloadTaskAwardTable()
{
    return TableReloadRun(ReloadEntry("TaskAward"), "Start Loading Table ", "Load Table ", nullptr);
}

bool TableReload::ReloadCommonDataTable()
{
    try {
        return TableReloadRun(ReloadEntry("CommonData"), "Start Loading Table ", "Load Table ", nullptr);
    }
    DBC_TABLE_HANDLERS(s_szSourceFile, "static bool TableReload::ReloadCommonDataTable()")
    return false;
}

tint64 TableReload::GetShopTableReloadTime()
{
    return m_shopTableReloadTime;
}
