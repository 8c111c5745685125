#pragma once
// The start-up loading sequence of the game data tables.

#include "BaseType.h"

// Loads every table of the sequence in its fixed order, logging a start and a success line
// per table on the server-status channel. True when all loaded; the first failure is an
// assertion report that leaves by its thrown integer. Main thread, before any worker.
bool InitTable();
