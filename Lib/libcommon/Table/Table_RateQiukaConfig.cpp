#include "Table_RateQiukaConfig.h"

DBC_DEFINE_TABLE_LOAD(RateQiukaConfig, "Lib/libcommon/Table/Table_RateQiukaConfig")
DBC_DEFINE_TABLE_FUNCS(RateQiukaConfig, "Lib/libcommon/Table/Table_RateQiukaConfig")
