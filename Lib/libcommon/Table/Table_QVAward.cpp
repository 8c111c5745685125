#include "Table_QVAward.h"

DBC_DEFINE_TABLE_LOAD(QVAward, "Lib/libcommon/Table/Table_QVAward")
DBC_DEFINE_TABLE_FUNCS(QVAward, "Lib/libcommon/Table/Table_QVAward")
