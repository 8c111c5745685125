#pragma once
// The process's named log channels, all NORMAL, without call-back or side buffer, each
// named g<Name>LogSink and writing ./RuntimeData/<world>/Log/<Name>.<date-hour>.log.
// They live from static initialisation to exit; their destructors write what is left.
// Any thread may log to any channel (each has its own mutex); InitLogDefineModule is for
// start-up, before other threads run. Linked by the network library and the robot alike.

#include "LogSink.h"

typedef LogSink<32768> LogSinkType;

// X(Name): the robot's channels first, then the foundation's four, in construction order.
#define DRAVIK_LOG_CHANNELS(X) \
    X(DebugLog)                \
    X(Login)                   \
    X(Warning)                 \
    X(Error)                   \
    X(DBAgentError)            \
    X(DBAgent)                 \
    X(Lua)                     \
    X(GMCommand)               \
    X(Pool)                    \
    X(Packet)                  \
    X(Scene)                   \
    X(Guid)                    \
    X(Exp)                     \
    X(Oops)                    \
    X(Player)                  \
    X(Item)                    \
    X(Protobuf)                \
    X(Building)                \
    X(SNet)                    \
    X(ServerStatus)            \
    X(Efficiency)              \
    X(InvokeMonitor)           \
    X(CpuMem)

#define DRAVIK_DECLARE_LOG_CHANNEL(Name) extern LogSinkType g##Name##LogSink;
DRAVIK_LOG_CHANNELS(DRAVIK_DECLARE_LOG_CHANNEL)
#undef DRAVIK_DECLARE_LOG_CHANNEL

// Init(nWorldID) on every channel. Start-up only, before other threads run.
void InitLogDefineModule(tint32 nWorldID);
