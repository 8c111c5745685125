#include "Table_RateQiukaConfig.h"

DBC_DEFINE_TABLE(RateQiukaConfig, "Lib/libcommon/Table/Table_RateQiukaConfig")
