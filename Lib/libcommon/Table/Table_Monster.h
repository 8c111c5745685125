#pragma once
// The monsters: looks, level and attributes, element values, AI timings and ranges, rewards,
// sounds (the delay times are texts), buffs, scenes, scores, game mode and notices.
// Loaded on the main thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_Monster(TABLE, COL, ELEM)                                 \
    TABLE(Monster, SequenceMgrType, 9999, 10000, 87)                        \
    COL(47, ID_AIID, INT, AIID)                                             \
    COL(41, ID_ACTIVE, INT, Active)                                         \
    COL(30, ID_ALLATTR, INT, AllAttr)                                       \
    COL(31, ID_ALLATTRDEF, INT, AllAttrDef)                                 \
    COL(48, ID_ATKR, FLOAT, AtkR)                                           \
    COL(34, ID_ATKTIME, FLOAT, AtkTime)                                     \
    COL(40, ID_BATTLES, FLOAT, BattleS)                                     \
    COL(5, ID_BEHITR, FLOAT, BeHitR)                                        \
    COL(58, ID_BEHITSELFSOUNDDELAYTIME, STRING, BehitSelfSoundDelayTime)    \
    COL(57, ID_BEHITSELFSOUNDNAME, STRING, BehitSelfSoundName)              \
    COL(68, ID_BORNBUFF, INT, BornBuff)                                     \
    COL(76, ID_COINEFFECTID, INT, CoinEffectID)                             \
    COL(14, ID_CRIT, INT, Crit)                                             \
    COL(16, ID_CRITMULT, INT, CritMult)                                     \
    COL(32, ID_DEALLATTRDEF, INT, DeAllAttrDef)                             \
    COL(13, ID_DEDEFENSE, INT, DeDefense)                                   \
    COL(23, ID_DEFLAMEDEF, INT, DeFlameDef)                                 \
    COL(20, ID_DEICEDEF, INT, DeIceDef)                                     \
    COL(29, ID_DEPOISONDEF, INT, DePoisonDef)                               \
    COL(54, ID_DEADAUDIO, INT, DeadAudio)                                   \
    COL(77, ID_DEADDISAPPEAR, INT, DeadDisappear)                           \
    COL(53, ID_DEADTIME, FLOAT, DeadTime)                                   \
    COL(12, ID_DEF, INT, Def)                                               \
    COL(26, ID_DEFTHUNDERDEF, INT, DefThunderDef)                           \
    COL(60, ID_DIEDSOUNDDELAYTIME, STRING, DiedSoundDelayTime)              \
    COL(59, ID_DIEDSOUNDNAME, STRING, DiedSoundName)                        \
    COL(69, ID_DISAPPERBUFF, INT, DisapperBuff)                             \
    COL(33, ID_EXP, INT, Exp)                                               \
    COL(21, ID_FLAME, INT, Flame)                                           \
    COL(22, ID_FLAMEDEF, INT, FlameDef)                                     \
    COL(78, ID_GAMEMODE, INT, GameMode)                                     \
    COL(79, ID_GAMEMODECFGID, INT, GameModeCfgId)                           \
    COL(44, ID_HATER, INT, HateR)                                           \
    COL(45, ID_HATET, FLOAT, HateT)                                         \
    COL(74, ID_HITEDRATE, INT, HitedRate)                                   \
    COL(8, ID_HP, INT, Hp)                                                  \
    COL(51, ID_HPBARLENGTH, FLOAT, HpBarLength)                             \
    COL(52, ID_HPBARNUM, INT, HpBarNum)                                     \
    COL(18, ID_ICE, INT, Ice)                                               \
    COL(19, ID_ICEDEF, INT, IceDef)                                         \
    COL(0, ID_ID, INT, Id)                                                  \
    COL(56, ID_IMMUNEATTRIBUTE, INT, ImmuneAttribute)                       \
    COL(82, ID_INVAILDSKILL, INT, InvaildSkill)                             \
    COL(86, ID_INVITEVALUE, INT, InviteValue)                               \
    COL(85, ID_ISCOUNT, INT, IsCount)                                       \
    COL(62, ID_LANDFOOTSTEPSOUNDNAME, STRING, LandFootstepSoundName)        \
    COL(66, ID_LANDUPHITSOUNDDELAYTIME, STRING, LandUpHitSoundDelayTime)    \
    COL(65, ID_LANDUPHITSOUNDNAME, STRING, LandUpHitSoundName)              \
    COL(50, ID_LOCKR, FLOAT, LockR)                                         \
    COL(17, ID_LUCKY, INT, Lucky)                                           \
    COL(7, ID_LV, INT, Lv)                                                  \
    COL(11, ID_MAXATK, INT, MaxAtk)                                         \
    COL(84, ID_MAXGROUPCOSTID, INT, MaxGroupCostID)                         \
    COL(10, ID_MINATK, INT, MinAtk)                                         \
    COL(3, ID_MODELPATH, STRING, ModelPath)                                 \
    COL(4, ID_MONSTERICON, STRING, MonsterIcon)                             \
    COL(75, ID_MONSTERSCORE, INT, MonsterScore)                             \
    COL(71, ID_MONSTERTYPE, INT, MonsterType)                               \
    COL(2, ID_NAMEID, INT, NameID)                                          \
    ELEM(80, ID_NOTICEID, INT, NoticeID, 0)                                 \
    ELEM(81, ID_NOTICEID1, INT, NoticeID, 1)                                \
    COL(36, ID_PATROLT, FLOAT, PatrolT)                                     \
    COL(27, ID_POISON, INT, Poison)                                         \
    COL(28, ID_POISONDEF, INT, PoisonDef)                                   \
    COL(9, ID_POWER, INT, Power)                                            \
    COL(83, ID_POWERAFF, INT, PowerAff)                                     \
    COL(72, ID_REFRESHADDTIME, INT, RefreshAddTime)                         \
    COL(38, ID_RELAXT, FLOAT, RelaxT)                                       \
    COL(49, ID_REWARDSID, INT, RewardsId)                                   \
    COL(39, ID_RUNS, FLOAT, RunS)                                           \
    COL(37, ID_RUNPROBABILITY, FLOAT, Runprobability)                       \
    COL(73, ID_SCENES, STRING, Scenes)                                      \
    COL(55, ID_SCRIPTID, INT, ScriptId)                                     \
    COL(15, ID_SPEED, INT, Speed)                                           \
    COL(24, ID_THUNDER, INT, Thunder)                                       \
    COL(25, ID_THUNDERDEF, INT, ThunderDef)                                 \
    COL(70, ID_TIME, INT, Time)                                             \
    COL(67, ID_TRACEDIS, FLOAT, TraceDis)                                   \
    COL(46, ID_TURNS, FLOAT, TurnS)                                         \
    COL(6, ID_TYPE, INT, Type)                                              \
    COL(42, ID_VIEWR, INT, ViewR)                                           \
    COL(35, ID_WAITT, FLOAT, WaitT)                                         \
    COL(43, ID_WATCHT, FLOAT, WatchT)                                       \
    COL(61, ID_WATERFOOTSTEPSOUNDNAME, STRING, WaterFootstepSoundName)      \
    COL(64, ID_WATERUPHITSOUNDDELAYTIME, STRING, WaterUpHitSoundDelayTime)  \
    COL(63, ID_WATERUPHITSOUNDNAME, STRING, WaterUpHitSoundName)

DBC_DECLARE_TABLE(Monster)
