#pragma once
// The impacts (buffs): name, overlay, icon, types, logic, times, fade-out and mutual
// exclusion, ten integer and two text parameters. At most 100000 records but only the IDs
// 0 to 9999. Loaded on the main thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_Impact(TABLE, COL, ELEM)                                 \
    TABLE(Impact, SequenceMgrType, 9999, 100000, 33)                       \
    COL(32, ID_BREAKDISRULE, INT, BreakDisRule)                            \
    COL(30, ID_BUFFCHOOSE, INT, BuffChoose)                                \
    COL(31, ID_BUFFDISCON, INT, BuffDisCon)                                \
    COL(5, ID_BUFFICON, STRING, BuffIcon)                                  \
    COL(7, ID_BUFFSUBTYPE, INT, BuffSubType)                               \
    COL(6, ID_BUFFTYPE, INT, BuffType)                                     \
    COL(10, ID_DELAYTIME, INT, DelayTime)                                  \
    COL(13, ID_EFFECTID, INT, EffectId)                                    \
    COL(11, ID_EXISTTIME, INT, ExistTime)                                  \
    COL(15, ID_FADEOUTRULE, INT, FadeOutRule)                              \
    COL(0, ID_IMPACTID, INT, ImpactID)                                     \
    COL(12, ID_INTERVALTIME, INT, IntervalTime)                            \
    COL(9, ID_LOGICID, INT, LogicID)                                       \
    COL(3, ID_MAXOVERLAYCOUNT, INT, MaxOverlayCount)                       \
    COL(16, ID_MUTEXCOLLECTIONID, INT, MutexcollectionId)                  \
    COL(17, ID_MUTEXPRIORITY, INT, Mutexpriority)                          \
    COL(2, ID_NAME, STRING, Name)                                          \
    COL(4, ID_NOTICETYPE, INT, NoticeType)                                 \
    COL(8, ID_OVERLAYTYPE, INT, OverlayType)                               \
    ELEM(18, ID_PARAMVALUE_01, INT, ParamValue, 0)                         \
    ELEM(19, ID_PARAMVALUE_02, INT, ParamValue, 1)                         \
    ELEM(20, ID_PARAMVALUE_03, INT, ParamValue, 2)                         \
    ELEM(21, ID_PARAMVALUE_04, INT, ParamValue, 3)                         \
    ELEM(22, ID_PARAMVALUE_05, INT, ParamValue, 4)                         \
    ELEM(23, ID_PARAMVALUE_06, INT, ParamValue, 5)                         \
    ELEM(24, ID_PARAMVALUE_07, INT, ParamValue, 6)                         \
    ELEM(25, ID_PARAMVALUE_08, INT, ParamValue, 7)                         \
    ELEM(26, ID_PARAMVALUE_09, INT, ParamValue, 8)                         \
    ELEM(27, ID_PARAMVALUE_10, INT, ParamValue, 9)                         \
    COL(14, ID_PLAYTIME, INT, PlayTime)                                    \
    ELEM(28, ID_STRVALUE1, STRING, StrValue, 0)                            \
    ELEM(29, ID_STRVALUE2, STRING, StrValue, 1)

DBC_DECLARE_TABLE(Impact)
