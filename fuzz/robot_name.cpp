// The robot-name table (Config/RobotName.txt, text or binary form) as start-up loads it,
// then the name pool built from it. Reports (a wrong column count or type, a repeated or
// out-of-range ID, too many rows) are expected outcomes.

#include "FuzzSupport.h"
#include "FuzzTables.h"
#include "RobotNameManager.h"
#include "Table_RobotName.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::QuietReports();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    DBCFile db;
    if (!fuzz::OpenTable(db, pData, nSize)) {
        return 0;
    }
    bool bLoaded = false;
    if (fuzz::Reported([&] { bLoaded = InitTable_RobotNameTableFromMemory(db); }) || !bLoaded) {
        return 0;
    }
    const tint32 nCount = GetTable_RobotNameCount();
    for (tint32 i = 0; i < nCount; ++i) {
        const Table_RobotName* p = GetTable_RobotNameByIndex(i);
        if (p == nullptr || GetTable_RobotNameByID(p->GetID()) != p || p->GetFName() == nullptr ||
            p->GetSName() == nullptr) {
            fuzz::Fail("robot name %d of %d does not read back", i, nCount);
        }
    }
    // The pool holds count x count names: kept small, so that an input stays quick.
    if (nCount <= 40) {
        RobotNameManager& names = *RobotNameManager::getInstance();
        names.InitNamePool("fuzz");
        for (tint32 i = 0; i < 3; ++i) {
            const std::string name = names.GetOneName();
            if (name.find('*') == std::string::npos && name != "Null") {
                fuzz::Fail("name \"%s\" pairs no two parts", name.c_str());
            }
        }
    }
    return 0;
}
