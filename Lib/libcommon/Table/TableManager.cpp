#include "TableManager.h"

#include "DBCFile.h"
#include "DBCTableModule.h"
#include "LogDefine.h"
#include "TableSequence.h"

#include <cstring>
#include <string>

#define TABLE_LOAD(nPlace, Name, szFile) bool InitTable_##Name##Table(const tchar* szFileName);
#include "TableSequence.def"
#undef TABLE_LOAD

namespace
{
const tchar* const s_szSourceFile = "Lib/libcommon/Table/TableManager";

const TableSeqEntry s_aSequence[] = {
#define TABLE_LOAD(nPlace, Name, szFile) {nPlace, #Name, szFile, &InitTable_##Name##Table},
#include "TableSequence.def"
#undef TABLE_LOAD
};

const tint32 s_nSequenceCount = static_cast<tint32>(sizeof(s_aSequence) / sizeof(s_aSequence[0]));
static_assert(sizeof(s_aSequence) / sizeof(s_aSequence[0]) == 86, "the loading sequence holds 86 places");

constexpr bool PlacesRunFromOne()
{
    tint32 nPlace = 0;
#define TABLE_LOAD(nEntryPlace, Name, szFile) \
    if (nEntryPlace != ++nPlace) {            \
        return false;                         \
    }
#include "TableSequence.def"
#undef TABLE_LOAD
    return true;
}
static_assert(PlacesRunFromOne(), "the places of TableSequence.def run 1, 2, ... in their order");
}   // namespace

const TableSeqEntry* GetTableSequence(tint32& nCount)
{
    nCount = s_nSequenceCount;
    return s_aSequence;
}

const TableSeqEntry* FindTableSeqEntry(const tchar* szTable)
{
    for (const TableSeqEntry& e : s_aSequence) {
        if (szTable != nullptr && std::strcmp(e.szTable, szTable) == 0) {
            return &e;
        }
    }
    return nullptr;
}

bool InitTableRun(const TableSeqEntry* pEntries, tint32 nCount)
{
    try {
        bool bResult = true;
        std::string strLine;
        for (tint32 i = 0; i < nCount; ++i) {
            const TableSeqEntry& e = pEntries[i];
            strLine = std::string("Start Loading Table ") + e.szFile + " ...";
            DiskLog(gServerStatusLogSink, strLine.c_str());
            // An entry without a loading function is a table that did not load, never a skip.
            const bool bLoaded = e.pfnLoad != nullptr && e.pfnLoad(e.szFile);
            bResult = bResult && bLoaded;
            if (bResult) {
                strLine = std::string("Load Table ") + e.szFile + " OK";
                DiskLog(gServerStatusLogSink, strLine.c_str());
            } else {
                strLine = std::string("Load Table ") + e.szFile + " Failed";
                _do_assert_(s_szSourceFile, __LINE__, "bool InitTable()", "false", strLine.c_str(), true);
            }
        }
        return bResult;
    }
    DBC_TABLE_HANDLERS(s_szSourceFile, "bool InitTable()")
    return false;
}

bool InitTable()
{
    return InitTableRun(s_aSequence, s_nSequenceCount);
}
