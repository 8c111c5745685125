#pragma once
// Single-table reloads while the program runs. Nothing in the robot calls them; a caller
// must keep every other thread away from the table and drop record pointers taken before.

#include "BaseType.h"

class TableReload
{
public:
    static bool ReloadShopTable();
    static bool ReloadActivityTable();
    static bool ReloadWeeklyAndDailyTaskTable();
    static bool ReloadTaskAwardTable();
    static bool ReloadCommonDataTable();

    static tint64 GetShopTableReloadTime();

private:
    static tint64 m_shopTableReloadTime;   // calendar seconds of the last good shop reload; 0 before
};
