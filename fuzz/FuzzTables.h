#pragma once
// Two small table modules of the fuzz targets, declared as every game table is: the same
// columns (INT, STRING, FLOAT, an INT array and a STRING array) over the two containers,
// by ID (FuzzSeq, IDs 0 to 63) and hashed (FuzzHash, any ID), 64 records at most.

#include "DBCTableModule.h"

#define FUZZ_TABLE_COLUMNS(COL, ELEM)              \
    COL(0, ID_ID, INT, ID)                         \
    COL(2, ID_NAME, STRING, Name)                  \
    COL(3, ID_RATE, FLOAT, Rate)                   \
    ELEM(4, ID_VALUE0, INT, Value, 0)              \
    ELEM(5, ID_VALUE1, INT, Value, 1)              \
    ELEM(6, ID_VALUE2, INT, Value, 2)              \
    ELEM(7, ID_TEXT0, STRING, Text, 0)             \
    ELEM(8, ID_TEXT1, STRING, Text, 1)

#define DBC_TABLE_FuzzSeq(TABLE, COL, ELEM)                                  \
    TABLE(FuzzSeq, SequenceMgrType, 63, 64, 9)         \
    FUZZ_TABLE_COLUMNS(COL, ELEM)
DBC_DECLARE_TABLE(FuzzSeq)

#define DBC_TABLE_FuzzHash(TABLE, COL, ELEM)                                 \
    TABLE(FuzzHash, HashMgrType, 16, 64, 9)           \
    FUZZ_TABLE_COLUMNS(COL, ELEM)
DBC_DECLARE_TABLE(FuzzHash)

namespace fuzz {

// Opens the bytes as the table reader opens a file (whole, with the terminator that
// OpenFromTXT adds); false when the reader refused them or reported (an expected outcome).
bool OpenTable(DBCFile& rDB, const unsigned char* pData, size_t nSize);
// Reads every cell of an opened file as its column's type gives it (a text to its end).
void WalkCells(const DBCFile& rDB);
// Loads the file into both modules and checks every loaded record against its lookups
// and the file's row. A report (a row the modules refuse) is an expected outcome.
void LoadIntoModules(const DBCFile& rDB);

} // namespace fuzz
