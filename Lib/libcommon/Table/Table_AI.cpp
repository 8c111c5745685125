#include "Table_AI.h"

DBC_DEFINE_TABLE(AI, "Lib/libcommon/Table/Table_AI")
