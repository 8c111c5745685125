#include "Table_QVAward.h"

DBC_DEFINE_TABLE(QVAward, "Lib/libcommon/Table/Table_QVAward")
