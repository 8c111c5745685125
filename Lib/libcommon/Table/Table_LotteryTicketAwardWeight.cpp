#include "Table_LotteryTicketAwardWeight.h"

DBC_DEFINE_TABLE(LotteryTicketAwardWeight, "Lib/libcommon/Table/Table_LotteryTicketAwardWeight")
