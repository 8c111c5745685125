// The configuration file "./XmlConfig/benchmark_config.xml": servers, intervals and the
// reports of a missing, malformed or incomplete file.

#include "BenchmarkConfig.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

const char* const kConfigPath = "XmlConfig/benchmark_config.xml";

// Loads a file with the given text; true when Load returned, false when it reported.
bool LoadText(TempWorkDir& dir, const std::string& text)
{
    dir.WriteFile(kConfigPath, text);
    try {
        return BenchmarkConfig::getInstance().Load();
    } catch (int) {
        return false;
    }
}

} // namespace

TEST(BenchmarkConfig, KindNamesAndOutOfRangeInterval)
{
    EXPECT_STREQ("createchar", sBenchmarkType[BT_CREATECHAR]);
    EXPECT_STREQ("usersave", sBenchmarkType[BT_USERSAVE]);
    EXPECT_STREQ("userload", sBenchmarkType[BT_USERLOAD]);
    EXPECT_EQ(-1, BenchmarkConfig::getInstance().GetInterval(3));
    EXPECT_EQ(-1, BenchmarkConfig::getInstance().GetInterval(-1));
}

TEST(BenchmarkConfig, ServersInAscendingIdAndInterleavedTests)
{
    TempWorkDir dir;
    ASSERT_TRUE(LoadText(dir,
                         "<root>\n"
                         "  <test type=\"usersave\" interval=\"300\"/>\n"
                         "  <benchmark serverid=\"2\" dbserverhost=\"127.0.0.1\" dbserverport=\"40000\" playernum=\"3\" accprefix=\"b\"/>\n"
                         "  <!-- a comment -->\n"
                         "  <test type=\"createchar\" interval=\"-1\"/>\n"
                         "  <benchmark serverid=\"1\" dbserverhost=\"127.0.0.2\" dbserverport=\"7001\" playernum=\"5\" accprefix=\"a&amp;\"/>\n"
                         "  <other serverid=\"9\"/>\n"
                         "  <test type=\"userload\" interval=\"250\"/>\n"
                         "</root>\n"));
    const BenchmarkConfig& cfg = BenchmarkConfig::getInstance();
    const TServerConfigMap& servers = cfg.Servers();
    ASSERT_EQ(2u, servers.size());
    auto it = servers.begin();
    EXPECT_EQ(1, it->first);
    EXPECT_EQ("127.0.0.2", it->second.dbServerHost);
    EXPECT_EQ(7001, it->second.dbServerPort);
    EXPECT_EQ(5, it->second.playerNum);
    EXPECT_EQ("a&", it->second.accPrefix);
    ++it;
    EXPECT_EQ(2, it->first);
    EXPECT_EQ(40000, static_cast<tuint16>(it->second.dbServerPort));
    EXPECT_EQ("b", it->second.accPrefix);
    EXPECT_EQ(-1, cfg.GetInterval(BT_CREATECHAR));
    EXPECT_EQ(300, cfg.GetInterval(BT_USERSAVE));
    EXPECT_EQ(250, cfg.GetInterval(BT_USERLOAD));
}

TEST(BenchmarkConfig, ElementRules)
{
    TempWorkDir dir;
    ASSERT_TRUE(LoadText(dir,
                         "<cfg>"
                         "<benchmark serverid=\"0\" dbserverhost=\"127.0.0.1\" accprefix=\"z\"/>"
                         "<benchmark serverid=\"-3\"/>"
                         "<benchmark serverid=\"x\" dbserverhost=\"127.0.0.1\" accprefix=\"z\"/>"
                         "<benchmark serverid=\"5\" dbserverhost=\"127.0.0.1\" dbserverport=\"1\" playernum=\"1\" accprefix=\"first\"/>"
                         "<benchmark serverid=\"5\" dbserverhost=\"127.0.0.9\" playernum=\"40000\"/>"
                         "<test type=\"usersave\" interval=\"100\"/>"
                         "<test type=\"CreateChar\" interval=\"7\"/>"
                         "<test interval=\"8\"/>"
                         "<test type=\"usersave\"/>"
                         "</cfg>"));
    const BenchmarkConfig& cfg = BenchmarkConfig::getInstance();
    ASSERT_EQ(1u, cfg.Servers().size());
    const ServerConfig& s = cfg.Servers().at(5);
    // The second element with id 5 wins wholly: no port, no prefix of the first.
    EXPECT_EQ("127.0.0.9", s.dbServerHost);
    EXPECT_EQ(0, s.dbServerPort);
    EXPECT_EQ("", s.accPrefix);
    EXPECT_EQ(40000 - 65536, s.playerNum); // negative: no players
    EXPECT_EQ(0, cfg.GetInterval(BT_CREATECHAR)); // "CreateChar" and a type-less test change nothing
    EXPECT_EQ(0, cfg.GetInterval(BT_USERSAVE));   // the last usersave, without interval
    EXPECT_EQ(0, cfg.GetInterval(BT_USERLOAD));
}

TEST(BenchmarkConfig, HostsReadAsTheNetworkLibraryReadsThem)
{
    // The forms that inet_aton reads are kept as written; the library reads them the same way.
    TempWorkDir dir;
    ASSERT_TRUE(LoadText(dir, "<r><benchmark serverid=\"1\" dbserverhost=\"127.1\" accprefix=\"a\"/>"
                              "<benchmark serverid=\"2\" dbserverhost=\"0x7f.0.0.1\" accprefix=\"b\"/>"
                              "<benchmark serverid=\"3\" dbserverhost=\"010.0.0.1\" accprefix=\"c\"/></r>"));
    const TServerConfigMap& servers = BenchmarkConfig::getInstance().Servers();
    ASSERT_EQ(3u, servers.size());
    EXPECT_EQ("127.1", servers.at(1).dbServerHost);
    EXPECT_EQ("0x7f.0.0.1", servers.at(2).dbServerHost);
    EXPECT_EQ("010.0.0.1", servers.at(3).dbServerHost);
}

TEST(BenchmarkConfig, NoServersAndReloadStartsEmpty)
{
    TempWorkDir dir;
    ASSERT_TRUE(LoadText(dir, "<r><benchmark serverid=\"4\" dbserverhost=\"127.0.0.1\" accprefix=\"p\"/><test type=\"userload\" interval=\"9\"/></r>"));
    ASSERT_EQ(1u, BenchmarkConfig::getInstance().Servers().size());
    ASSERT_TRUE(LoadText(dir, "<r/>"));
    EXPECT_TRUE(BenchmarkConfig::getInstance().Servers().empty());
    EXPECT_EQ(0, BenchmarkConfig::getInstance().GetInterval(BT_USERLOAD));
}

TEST(BenchmarkConfig, IntegersAreDecimal)
{
    struct Row {
        const char* text;
        tint32 expected;
    } rows[] = {
        {"12", 12},          {"  42", 42},        {"+7", 7},       {"-1", -1},
        {"12abc", 12},       {"0x10", 0},         {"abc", 0},      {"", 0},
        {" -", 0},           {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"2147483648", 0},   {"99999999999999999999", 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(r.expected, ParseConfigInt(r.text, 0));
    }
    EXPECT_EQ(5, ParseConfigInt(nullptr, 5));

    TempWorkDir dir;
    ASSERT_TRUE(LoadText(dir, "<r><benchmark serverid=\"0x10\" dbserverhost=\"127.0.0.1\" accprefix=\"p\"/>"
                              "<benchmark serverid=\"3\" dbserverhost=\"127.0.0.1\" dbserverport=\"0x1F90\" playernum=\"70000\" accprefix=\"p\"/>"
                              "<test type=\"usersave\" interval=\"0x20\"/></r>"));
    const BenchmarkConfig& cfg = BenchmarkConfig::getInstance();
    ASSERT_EQ(1u, cfg.Servers().size());
    EXPECT_EQ(0, cfg.Servers().at(3).dbServerPort);
    EXPECT_EQ(70000 - 65536, cfg.Servers().at(3).playerNum); // the low 16 bits
    EXPECT_EQ(0, cfg.GetInterval(BT_USERSAVE));
}

TEST(BenchmarkConfig, FailuresAreReported)
{
    TempWorkDir dir;
    struct Row {
        const char* name;
        const char* text; // null: no file at all
        const char* expected;
    } rows[] = {
        {"missing file", nullptr, "load benchmark config failed."},
        {"malformed", "<root><benchmark serverid=\"1\"", "load benchmark config failed."},
        {"only a comment", "<!-- nothing -->", "[parentRoot]"},
        {"no dbserverhost", "<r><benchmark serverid=\"12\" accprefix=\"p\"/></r>", "benchmark serverid 12 has no dbserverhost."},
        {"host name", "<r><benchmark serverid=\"7\" dbserverhost=\"localhost\" accprefix=\"p\"/></r>",
         "benchmark serverid 7 has dbserverhost \"localhost\", which is not an IPv4 address (host names are not resolved)."},
        {"empty host", "<r><benchmark serverid=\"8\" dbserverhost=\"\" accprefix=\"p\"/></r>",
         "benchmark serverid 8 has dbserverhost \"\", which is not an IPv4 address"},
        {"octet above 255", "<r><benchmark serverid=\"9\" dbserverhost=\"10.0.0.256\" accprefix=\"p\"/></r>",
         "benchmark serverid 9 has dbserverhost \"10.0.0.256\", which is not an IPv4 address"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        std::remove(kConfigPath);
        testing::internal::CaptureStdout();
        bool loaded = true;
        if (r.text != nullptr) {
            loaded = LoadText(dir, r.text);
        } else {
            try {
                BenchmarkConfig::getInstance().Load();
            } catch (int) {
                loaded = false;
            }
        }
        std::string out = testing::internal::GetCapturedStdout();
        EXPECT_FALSE(loaded);
        EXPECT_NE(std::string::npos, out.find(r.expected)) << out;
        EXPECT_NE(std::string::npos, out.find("bool BenchmarkConfig::Load()")) << out;
        EXPECT_NE(std::string::npos, dir.ReadLogs("assert.").find(r.expected));
    }
}
