#pragma once
// One record per area: position, type, length, width, radius, go-round type and way-point
// text. Loaded on the main thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_Area(TABLE, COL, ELEM)                              \
    TABLE(Area, SequenceMgrType, 9999, 10000, 11)                     \
    COL(9, ID_GOROUNDTYPE, INT, GoRoundType)                          \
    COL(0, ID_ID, INT, Id)                                            \
    COL(6, ID_LENGTH, FLOAT, Length)                                  \
    COL(8, ID_RADIUS, FLOAT, Radius)                                  \
    COL(5, ID_TYPE, INT, Type)                                        \
    COL(10, ID_WAYPOINT, STRING, WayPoint)                            \
    COL(7, ID_WIDTH, FLOAT, Width)                                    \
    COL(2, ID_X, FLOAT, X)                                            \
    COL(3, ID_Y, FLOAT, Y)                                            \
    COL(4, ID_Z, FLOAT, Z)

DBC_DECLARE_TABLE(Area)
