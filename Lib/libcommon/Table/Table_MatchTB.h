#pragma once
// Table_MatchTB: matches.
// One record per data row of its table file, indexed by ID (0 to 99), at most 100 records.
// Loaded on the main thread before any worker runs, read-only afterwards.
// TIMEAREA0 has no numbered sibling, so it stays the scalar m_TimeArea0.

#include "DBCTableModule.h"

#define DBC_TABLE_MatchTB(TABLE, COL, ELEM)                             \
    TABLE(MatchTB, SequenceMgrType, 99, 100, 44)                        \
    COL(43, ID_ALWAYSCREATE, INT, AlwaysCreate)                         \
    COL(41, ID_COPYINVITETIME, INT, CopyInviteTIme)                     \
    COL(39, ID_COPYSCENEID, INT, CopySceneID)                           \
    COL(40, ID_COPYTHRESHOLD, INT, CopyThreshold)                       \
    COL(15, ID_COSTITEMID, INT, CostItemId)                             \
    COL(16, ID_COSTITEMNUM, INT, CostItemNum)                           \
    COL(31, ID_DEFAULTATK, INT, DefaultAtk)                             \
    COL(8, ID_ENROLLTIME, INT, EnrollTime)                              \
    COL(36, ID_EXCHANGEMUL, INT, ExchangeMul)                           \
    COL(37, ID_GOLDLIMIT, INT, GoldLimit)                               \
    COL(38, ID_GOLDWARNING, INT, GoldWarning)                           \
    COL(0, ID_ID, INT, Id)                                              \
    COL(2, ID_MATCHDESINTERFACE, INT, MatchDesInterface)                \
    COL(4, ID_MATCHDESRULE, INT, MatchDesRule)                          \
    COL(3, ID_MATCHDESTIME, INT, MatchDesTime)                          \
    COL(20, ID_MATCHLIMIT, INT, MatchLimit)                             \
    COL(10, ID_MATCHPLAYERMAX, INT, MatchPlayerMax)                     \
    COL(28, ID_MAXLEVEL, INT, MaxLevel)                                 \
    COL(29, ID_MINATK, INT, MinAtk)                                     \
    COL(33, ID_MINGOLD, INT, MinGold)                                   \
    COL(26, ID_MINLEVEL, INT, MinLevel)                                 \
    COL(24, ID_NOTICEID, INT, NoticeId)                                 \
    COL(23, ID_NOTICEINTERVAL, INT, NoticeInterval)                     \
    COL(22, ID_NOTICETIMEE, INT, NoticeTimeE)                           \
    COL(21, ID_NOTICETIMES, INT, NoticeTimeS)                           \
    COL(32, ID_PLAYERATKADJUST, INT, PlayerAtkAdjust)                   \
    COL(30, ID_PLAYERMAXATK, INT, PlayerMaxAtk)                         \
    COL(27, ID_QVEXPLEVEL, INT, QVExpLevel)                             \
    COL(35, ID_QVMATCHID, INT, QVMatchID)                               \
    COL(34, ID_QVROOMID, INT, QVRoomID)                                 \
    COL(17, ID_RANKID, INT, RankId)                                     \
    COL(19, ID_REFRESHROBORT, INT, RefreshRobort)                       \
    COL(18, ID_REWARDID, STRING, RewardId)                              \
    COL(11, ID_ROOMNUMMAX, INT, RoomNumMax)                             \
    COL(12, ID_ROOMPLAYERMAX, INT, RoomPlayerMax)                       \
    COL(13, ID_ROUNDNUMMAX, INT, RoundNumMax)                           \
    COL(9, ID_ROUNDTIME, INT, RoundTime)                                \
    COL(14, ID_SCENEID, INT, SceneId)                                   \
    COL(25, ID_SCORENUM, INT, ScoreNum)                                 \
    COL(42, ID_TAXRATE, INT, TaxRate)                                   \
    COL(6, ID_TIMEAREA0, STRING, TimeArea0)                             \
    COL(7, ID_TIMEINTERVAL, INT, TimeInterval)                          \
    COL(5, ID_TYPE, INT, Type)

DBC_DECLARE_TABLE(MatchTB)
