#include "LogDefine.h"

#define DRAVIK_DEFINE_LOG_CHANNEL(Name) LogSinkType g##Name##LogSink(#Name, LogFormatType::NORMAL, nullptr);
DRAVIK_LOG_CHANNELS(DRAVIK_DEFINE_LOG_CHANNEL)
#undef DRAVIK_DEFINE_LOG_CHANNEL

void InitLogDefineModule(tint32 nWorldID)
{
    __ENTER_FUNCTION
#define DRAVIK_INIT_LOG_CHANNEL(Name) g##Name##LogSink.Init(nWorldID);
    DRAVIK_LOG_CHANNELS(DRAVIK_INIT_LOG_CHANNEL)
#undef DRAVIK_INIT_LOG_CHANNEL
    __LEAVE_FUNCTION
}
