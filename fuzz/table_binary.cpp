// The table reader, binary form: the 16-byte header (identify word, columns, rows, string
// block size), the column types, the cells and the string block, loaded through the same
// two modules as the text form. The input is the file after its identify word, which the
// target puts in front, so that every input takes the binary road.
// Reports (a repeated ID, a row a module refuses) are expected outcomes.

#include "FuzzSupport.h"
#include "FuzzTables.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::QuietReports();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    std::vector<uint8_t> vFile(4 + nSize);
    const uint32_t nIdentify = DBCFile::BINARY_IDENTIFY;
    std::memcpy(vFile.data(), &nIdentify, 4);
    if (nSize > 0) {
        std::memcpy(vFile.data() + 4, pData, nSize);
    }
    DBCFile db;
    if (!fuzz::OpenTable(db, vFile.data(), vFile.size())) {
        return 0;
    }
    fuzz::WalkCells(db);
    fuzz::LoadIntoModules(db);
    return 0;
}
