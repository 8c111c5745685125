// The table reader, text form: a file of names, types and rows, opened as the loader opens
// Config/*.txt and loaded through two modules with INT, FLOAT and STRING columns and arrays.
// Reports (a bad type word, a repeated ID, a row a module refuses) are expected outcomes.

#include "FuzzSupport.h"
#include "FuzzTables.h"

#include <cstddef>
#include <cstdint>

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
    fuzz::WalkCells(db);
    fuzz::LoadIntoModules(db);
    return 0;
}
