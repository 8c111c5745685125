#include "FuzzTables.h"

#include "FuzzSupport.h"

#include <cstring>
#include <memory>

DBC_DEFINE_TABLE(FuzzSeq, "fuzz/FuzzTables")
DBC_DEFINE_TABLE(FuzzHash, "fuzz/FuzzTables")

namespace fuzz {

namespace {

volatile size_t s_nSink;   // keeps the reads of the walks

// The loaded records of one module against its lookups and the file's rows: record i is
// file row i, found again by its ID.
template <class Record>
void CheckModule(const DBCFile& rDB, tint32 (*fnCount)(), const Record* (*fnByIndex)(tint32),
                 const Record* (*fnByID)(tint32), const char* szName)
{
    const tint32 nCount = fnCount();
    if (nCount != rDB.GetRecordsNum()) {
        Fail("%s: %d records loaded from %d rows", szName, nCount, rDB.GetRecordsNum());
    }
    for (tint32 i = 0; i < nCount; ++i) {
        const Record* p = fnByIndex(i);
        if (p == nullptr) {
            Fail("%s: no record at index %d of %d", szName, i, nCount);
        }
        const tint32 nID = static_cast<tint32>(rDB.Search_Posistion(i, 0)->iValue);
        if (p->GetID() != nID) {
            Fail("%s: record %d has ID %d, its row %d", szName, i, p->GetID(), nID);
        }
        if (fnByID(nID) != p) {
            Fail("%s: ID %d does not find record %d", szName, nID, i);
        }
        const tchar* texts[] = {p->GetName(), p->GetTextbyIndex(0), p->GetTextbyIndex(1)};
        for (const tchar* sz : texts) {
            if (sz == nullptr) {
                Fail("%s: a text of record %d is null", szName, i);
            }
            s_nSink += std::strlen(sz);
        }
        s_nSink += static_cast<size_t>(p->GetValuebyIndex(2)) + (p->GetRate() > 0.0f ? 1 : 0);
    }
}

} // namespace

bool OpenTable(DBCFile& rDB, const unsigned char* pData, size_t nSize)
{
    // Exactly the size OpenFromTXT reads into, so that a read past it is caught.
    std::unique_ptr<tchar[]> pBuf(new tchar[nSize + 1]);
    if (nSize > 0) {
        std::memcpy(pBuf.get(), pData, nSize);
    }
    pBuf[nSize] = '\0';
    bool bOpened = false;
    const bool bReported = Reported(
        [&] { bOpened = rDB.OpenFromMemory(pBuf.get(), pBuf.get() + nSize + 1, "Config/Fuzz.txt"); });
    return bOpened && !bReported;
}

void WalkCells(const DBCFile& rDB)
{
    const tint32 nFields = rDB.GetFieldsNum();
    const tint32 nRecords = rDB.GetRecordsNum();
    for (tint32 r = 0; r < nRecords; ++r) {
        for (tint32 c = 0; c < nFields; ++c) {
            const DBCFile::FIELD* p = rDB.Search_Posistion(r, c);
            if (rDB.GetFieldType(c) == DBCFile::T_STRING) {
                if (p->pString == nullptr) {
                    Fail("text cell (%d, %d) is null", r, c);
                }
                s_nSink += std::strlen(p->pString);
            } else {
                s_nSink += static_cast<size_t>(p->iValue);
            }
        }
    }
}

void LoadIntoModules(const DBCFile& rDB)
{
    bool bLoaded = false;
    if (!Reported([&] { bLoaded = InitTable_FuzzSeqTableFromMemory(rDB); }) && bLoaded) {
        CheckModule<Table_FuzzSeq>(rDB, GetTable_FuzzSeqCount, GetTable_FuzzSeqByIndex, GetTable_FuzzSeqByID,
                                   "FuzzSeq");
    }
    bLoaded = false;
    if (!Reported([&] { bLoaded = InitTable_FuzzHashTableFromMemory(rDB); }) && bLoaded) {
        CheckModule<Table_FuzzHash>(rDB, GetTable_FuzzHashCount, GetTable_FuzzHashByIndex, GetTable_FuzzHashByID,
                                    "FuzzHash");
    }
}

} // namespace fuzz
