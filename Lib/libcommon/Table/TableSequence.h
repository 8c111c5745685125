#pragma once
// The loading sequence as data, shared by InitTable and the single-table reloads.

#include "BaseType.h"

struct TableSeqEntry
{
    tint32 nPlace;                               // 1-based place in the sequence
    const tchar* szTable;                        // table name without Table_
    const tchar* szFile;                         // the file the sequence loads it from
    bool (*pfnLoad)(const tchar* szFileName);    // InitTable_<name>Table
};

// The sequence's 86 entries in loading order.
const TableSeqEntry* GetTableSequence(tint32& nCount);
// The entry of a table, or null when the sequence has none of that name.
const TableSeqEntry* FindTableSeqEntry(const tchar* szTable);

// InitTable's body over the given entries: per table the start line, the load, then the
// success line or the failure report; the whole run inside the wrapper that reports as
// "bool InitTable()". An entry without a loading function fails like a table that does not
// load.
bool InitTableRun(const TableSeqEntry* pEntries, tint32 nCount);

// One single-table reload: the start line (szStartWords + file + " ..."), the table's load,
// then pfnOnSuccess and szDoneWords + file + " OK", or szDoneWords + file + " Failed" on
// false (or without a loading function); returns the load's result. A thrown failure passes
// through without a line.
bool TableReloadRun(const TableSeqEntry& rEntry, const tchar* szStartWords, const tchar* szDoneWords,
                    void (*pfnOnSuccess)());
