#include "LogDefine.h"

#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Channel {
    const char* szName;
    LogSinkType* pSink;
};

const std::vector<Channel>& AllChannels()
{
    static const std::vector<Channel> s_all = {
        {"DebugLog", &gDebugLogLogSink},   {"Login", &gLoginLogSink},
        {"Warning", &gWarningLogSink},     {"Error", &gErrorLogSink},
        {"DBAgentError", &gDBAgentErrorLogSink}, {"DBAgent", &gDBAgentLogSink},
        {"Lua", &gLuaLogSink},             {"GMCommand", &gGMCommandLogSink},
        {"Pool", &gPoolLogSink},           {"Packet", &gPacketLogSink},
        {"Scene", &gSceneLogSink},         {"Guid", &gGuidLogSink},
        {"Exp", &gExpLogSink},             {"Oops", &gOopsLogSink},
        {"Player", &gPlayerLogSink},       {"Item", &gItemLogSink},
        {"Protobuf", &gProtobufLogSink},   {"Building", &gBuildingLogSink},
        {"SNet", &gSNetLogSink},           {"ServerStatus", &gServerStatusLogSink},
        {"Efficiency", &gEfficiencyLogSink}, {"InvokeMonitor", &gInvokeMonitorLogSink},
        {"CpuMem", &gCpuMemLogSink},
    };
    return s_all;
}

}  // namespace

TEST(LogDefine, TwentyThreeNamedChannelsInWorld65535)
{
    ASSERT_EQ(AllChannels().size(), 23u);
    for (const Channel& c : AllChannels()) {
        SCOPED_TRACE(c.szName);
        EXPECT_STREQ(c.pSink->GetLogName(), c.szName);
        const std::string strPath = c.pSink->GetFilePath();
        EXPECT_EQ(strPath.rfind("./RuntimeData/65535/Log/" + std::string(c.szName) + ".", 0), 0u)
            << strPath;
        EXPECT_EQ(strPath.size(), std::string("./RuntimeData/65535/Log/").size() +
                                      strlen(c.szName) + std::string(".2024-05-06-07.log").size());
    }
}

TEST(LogDefine, ServerStatusLinesAreWrittenAtOnce)
{
    TempWorkDir dir;
    DiskLog(gServerStatusLogSink, "Start Loading Table Config/Shop.txt ...");
    DiskLog(gServerStatusLogSink, "Load Table Config/Shop.txt OK");
    const std::string strLog = dir.ReadFile(gServerStatusLogSink.GetFilePath());
    const size_t nSecond = strLog.find(")\nLoad Table Config/Shop.txt OK (");
    EXPECT_EQ(strLog.rfind("Start Loading Table Config/Shop.txt ... (", 0), 0u) << strLog;
    EXPECT_NE(nSecond, std::string::npos) << strLog;
    EXPECT_EQ(strLog.back(), '\n');
}

TEST(LogDefine, InitMovesEveryChannelToTheWorld)
{
    TempWorkDir dir;
    std::filesystem::create_directories(dir.Path() + "/RuntimeData/7/Log");
    InitLogDefineModule(7);
    for (const Channel& c : AllChannels()) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(std::string(c.pSink->GetFilePath()).rfind("./RuntimeData/7/Log/", 0), 0u);
    }
    DiskLog(gSNetLogSink, "connected");
    InitLogDefineModule(65535);
    EXPECT_NE(dir.ListFiles("RuntimeData/7/Log").find("SNet."), std::string::npos);
    EXPECT_EQ(std::string(gSNetLogSink.GetFilePath()).rfind("./RuntimeData/65535/Log/SNet.", 0), 0u);
}
