// The configuration file "./XmlConfig/benchmark_config.xml": servers, intervals and the
// reports of a missing, malformed or incomplete file.

#include "BenchmarkConfig.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

const char* const kConfigPath = "XmlConfig/benchmark_config.xml";

// Writes the file (none when szText is null) and loads it; true when Load returned, false
// when it reported.
bool LoadFile(TempWorkDir& dir, const char* szText)
{
    std::remove(kConfigPath);
    if (szText != nullptr) {
        dir.WriteFile(kConfigPath, szText);
    }
    try {
        return BenchmarkConfig::getInstance().Load();
    } catch (int) {
        return false;
    }
}

bool LoadText(TempWorkDir& dir, const std::string& text)
{
    return LoadFile(dir, text.c_str());
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
                         "  <benchmark serverid=\"3\" dbserverhost=\"127.0.0.1\" dbserverport=\"1\" playernum=\"32767\" accprefix=\"c\"/>\n"
                         "  <benchmark serverid=\"4\" dbserverhost=\"127.0.0.1\" dbserverport=\"65535\" playernum=\"0\" accprefix=\"d\"/>\n"
                         "</root>\n"));
    const BenchmarkConfig& cfg = BenchmarkConfig::getInstance();
    const TServerConfigMap& servers = cfg.Servers();
    ASSERT_EQ(4u, servers.size());
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
    // The ends of each range are taken as written.
    EXPECT_EQ(1, servers.at(3).dbServerPort);
    EXPECT_EQ(32767, servers.at(3).playerNum);
    EXPECT_EQ(65535, static_cast<tuint16>(servers.at(4).dbServerPort));
    EXPECT_EQ(0, servers.at(4).playerNum);
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
                         "<benchmark dbserverport=\"70000\"/>"
                         "<benchmark serverid=\" +5 \" dbserverhost=\"127.0.0.9\" dbserverport=\"65535\" accprefix=\"p\"/>"
                         "<test type=\"usersave\" interval=\"100\"/>"
                         "<test type=\"userload\" interval=\"-1\"/>"
                         "<test type=\"usersave\"/>"
                         "</cfg>"));
    const BenchmarkConfig& cfg = BenchmarkConfig::getInstance();
    ASSERT_EQ(1u, cfg.Servers().size()); // ids 0, -3, "x" and none are skipped unread
    const ServerConfig& s = cfg.Servers().at(5);
    EXPECT_EQ("127.0.0.9", s.dbServerHost);
    EXPECT_EQ(65535, static_cast<tuint16>(s.dbServerPort));
    EXPECT_EQ(0, s.playerNum); // no playernum: no players
    EXPECT_EQ("p", s.accPrefix);
    EXPECT_EQ(0, cfg.GetInterval(BT_CREATECHAR)); // no test element: every pass
    EXPECT_EQ(0, cfg.GetInterval(BT_USERSAVE));   // the last usersave, without interval
    EXPECT_EQ(-1, cfg.GetInterval(BT_USERLOAD));
}

TEST(BenchmarkConfig, HostsReadAsTheNetworkLibraryReadsThem)
{
    // The forms that inet_aton reads are kept as written; the library reads them the same way.
    TempWorkDir dir;
    ASSERT_TRUE(LoadText(dir, "<r><benchmark serverid=\"1\" dbserverhost=\"127.1\" dbserverport=\"1\" accprefix=\"a\"/>"
                              "<benchmark serverid=\"2\" dbserverhost=\"0x7f.0.0.1\" dbserverport=\"1\" accprefix=\"b\"/>"
                              "<benchmark serverid=\"3\" dbserverhost=\"010.0.0.1\" dbserverport=\"1\" accprefix=\"c\"/></r>"));
    const TServerConfigMap& servers = BenchmarkConfig::getInstance().Servers();
    ASSERT_EQ(3u, servers.size());
    EXPECT_EQ("127.1", servers.at(1).dbServerHost);
    EXPECT_EQ("0x7f.0.0.1", servers.at(2).dbServerHost);
    EXPECT_EQ("010.0.0.1", servers.at(3).dbServerHost);
}

TEST(BenchmarkConfig, ReloadStartsEmpty)
{
    TempWorkDir dir;
    ASSERT_TRUE(LoadText(dir, "<r><benchmark serverid=\"4\" dbserverhost=\"127.0.0.1\" dbserverport=\"7000\" accprefix=\"p\"/>"
                              "<test type=\"userload\" interval=\"9\"/></r>"));
    ASSERT_EQ(1u, BenchmarkConfig::getInstance().Servers().size());
    ASSERT_TRUE(LoadText(dir, "<r><benchmark serverid=\"5\" dbserverhost=\"127.0.0.1\" dbserverport=\"7000\" accprefix=\"p\"/></r>"));
    ASSERT_EQ(1u, BenchmarkConfig::getInstance().Servers().size());
    EXPECT_EQ(1u, BenchmarkConfig::getInstance().Servers().count(5));
    EXPECT_EQ(0, BenchmarkConfig::getInstance().GetInterval(BT_USERLOAD));
}

TEST(BenchmarkConfig, IntegersAreWholeDecimalTexts)
{
    struct Row {
        const char* text;
        bool bInteger;
        tint32 expected;
    } rows[] = {
        {"12", true, 12},          {"  42", true, 42},       {"42 ", true, 42},     {"+7", true, 7},
        {"-1", true, -1},          {"007", true, 7},         {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},              {"12abc", false, 0},   {"1 2", false, 0},
        {"0x10", false, 0},        {"1e3", false, 0},        {"3.0", false, 0},     {"abc", false, 0},
        {"", false, 0},            {" ", false, 0},          {" -", false, 0},      {"--1", false, 0},
        {"2147483648", false, 0},  {"-2147483649", false, 0}, {"99999999999999999999", false, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        tint32 value = 555;
        EXPECT_EQ(r.bInteger, ReadConfigInt(r.text, value));
        EXPECT_EQ(r.bInteger ? r.expected : 555, value);
    }
    tint32 value = 555;
    EXPECT_FALSE(ReadConfigInt(nullptr, value));
    EXPECT_EQ(555, value);
}

TEST(BenchmarkConfig, FailuresAreReported)
{
    TempWorkDir dir;
    // One valid server, for the rows about test elements.
    const std::string kServer = "<benchmark serverid=\"1\" dbserverhost=\"127.0.0.1\" dbserverport=\"7000\" accprefix=\"p\"/>";
    auto server = [](const std::string& attrs) {
        return "<r><benchmark serverid=\"3\" dbserverhost=\"127.0.0.1\" accprefix=\"p\" " + attrs + "/></r>";
    };
    struct Row {
        const char* name;
        std::string text; // "-": no file at all
        std::string expected;
    } rows[] = {
        {"missing file", "-", "load benchmark config failed."},
        {"malformed", "<root>\n<benchmark serverid=\"1\"", "load benchmark config failed."},
        {"only a comment", "<!-- nothing -->", "[parentRoot]"},
        {"no server", "<r><benchmark serverid=\"0\" dbserverhost=\"127.0.0.1\" dbserverport=\"1\"/><test type=\"usersave\"/></r>",
         "./XmlConfig/benchmark_config.xml has no benchmark element with a serverid above 0: there is no server to run."},
        {"empty root", "<r/>", "has no benchmark element with a serverid above 0"},
        {"serverid with more behind it", "<r><benchmark serverid=\"12abc\" dbserverhost=\"127.0.0.1\" dbserverport=\"1\"/></r>",
         "[serverid is an integer]\n[benchmark has serverid \"12abc\", which is not an integer.]"},
        {"serverid beyond 32 bits", "<r><benchmark serverid=\"99999999999\"/></r>",
         "benchmark has serverid \"99999999999\", which is not an integer."},
        {"no dbserverhost", "<r><benchmark serverid=\"12\" accprefix=\"p\"/></r>", "benchmark serverid 12 has no dbserverhost."},
        {"host name", "<r><benchmark serverid=\"7\" dbserverhost=\"localhost\" accprefix=\"p\"/></r>",
         "benchmark serverid 7 has dbserverhost \"localhost\", which is not an IPv4 address (host names are not resolved)."},
        {"empty host", "<r><benchmark serverid=\"8\" dbserverhost=\"\" accprefix=\"p\"/></r>",
         "benchmark serverid 8 has dbserverhost \"\", which is not an IPv4 address"},
        {"octet above 255", "<r><benchmark serverid=\"9\" dbserverhost=\"10.0.0.256\" accprefix=\"p\"/></r>",
         "benchmark serverid 9 has dbserverhost \"10.0.0.256\", which is not an IPv4 address"},
        {"no dbserverport", server(""), "[dbserverport]\n[benchmark serverid 3 has no dbserverport.]"},
        {"port above 65535", server("dbserverport=\"70000\""),
         "[1 <= dbserverport <= 65535]\n[benchmark serverid 3 has dbserverport \"70000\", which is not an integer from 1 to 65535.]"},
        {"port 65536", server("dbserverport=\"65536\""), "benchmark serverid 3 has dbserverport \"65536\", which is not"},
        {"port -1", server("dbserverport=\"-1\""), "benchmark serverid 3 has dbserverport \"-1\", which is not"},
        {"port 0", server("dbserverport=\"0\""), "benchmark serverid 3 has dbserverport \"0\", which is not"},
        {"port with letters", server("dbserverport=\"12abc\""), "benchmark serverid 3 has dbserverport \"12abc\", which is not"},
        {"port in hexadecimal", server("dbserverport=\"0x1F90\""), "benchmark serverid 3 has dbserverport \"0x1F90\", which is not"},
        {"port abc", server("dbserverport=\"abc\""), "benchmark serverid 3 has dbserverport \"abc\", which is not"},
        {"playernum 40000", server("dbserverport=\"1\" playernum=\"40000\""),
         "[0 <= playernum <= 32767]\n[benchmark serverid 3 has playernum \"40000\", which is not an integer from 0 to 32767.]"},
        {"playernum 32768", server("dbserverport=\"1\" playernum=\"32768\""),
         "benchmark serverid 3 has playernum \"32768\", which is not"},
        {"playernum -1", server("dbserverport=\"1\" playernum=\"-1\""), "benchmark serverid 3 has playernum \"-1\", which is not"},
        {"playernum -3", server("dbserverport=\"1\" playernum=\"-3\""), "benchmark serverid 3 has playernum \"-3\", which is not"},
        {"playernum many", server("dbserverport=\"1\" playernum=\"many\""),
         "benchmark serverid 3 has playernum \"many\", which is not"},
        {"playernum empty", server("dbserverport=\"1\" playernum=\"\""), "benchmark serverid 3 has playernum \"\", which is not"},
        {"server id twice",
         "<r>\n<benchmark serverid=\"5\" dbserverhost=\"127.0.0.1\" dbserverport=\"1\"/>\n\n"
         "<benchmark serverid=\"05\" dbserverhost=\"127.0.0.9\" dbserverport=\"2\"/></r>",
         "[serverid is unique]\n[benchmark serverid 5 appears twice (lines 2 and 4); a server id may appear once.]"},
        {"test without type", "<r>" + kServer + "\n<test interval=\"8\"/></r>",
         "[type]\n[test on line 2 has no type (createchar, usersave or userload).]"},
        {"misspelt type", "<r>" + kServer + "<test type=\"usrsave\" interval=\"5\"/></r>",
         "[type names a kind]\n[test on line 1 has type \"usrsave\", which names no kind (createchar, usersave or userload; "
         "letter case counts).]"},
        {"type in capitals", "<r>" + kServer + "<test type=\"CreateChar\"/></r>",
         "test on line 1 has type \"CreateChar\", which names no kind"},
        {"interval -5", "<r>" + kServer + "<test type=\"usersave\" interval=\"-5\"/></r>",
         "[interval >= -1]\n[test type \"usersave\" on line 1 has interval \"-5\", which is not an integer of -1 or more.]"},
        {"interval -2", "<r>" + kServer + "<test type=\"createchar\" interval=\"-2\"/></r>",
         "test type \"createchar\" on line 1 has interval \"-2\", which is not an integer of -1 or more."},
        {"interval often", "<r>" + kServer + "<test type=\"userload\" interval=\"often\"/></r>",
         "test type \"userload\" on line 1 has interval \"often\", which is not an integer of -1 or more."},
        {"interval 2.5", "<r>" + kServer + "<test type=\"userload\" interval=\"2.5\"/></r>",
         "has interval \"2.5\", which is not"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        testing::internal::CaptureStdout();
        const bool loaded = LoadFile(dir, r.text == "-" ? nullptr : r.text.c_str());
        std::string out = testing::internal::GetCapturedStdout();
        EXPECT_FALSE(loaded);
        EXPECT_NE(std::string::npos, out.find(r.expected)) << out;
        EXPECT_NE(std::string::npos, out.find("bool BenchmarkConfig::Load()")) << out;
        EXPECT_NE(std::string::npos, dir.ReadLogs("assert.").find(r.expected));
    }
}

TEST(BenchmarkConfig, AFileThatDoesNotParseIsNamedWithTheParsersWords)
{
    // One line before the report: the file, the parser's error kind and its line.
    TempWorkDir dir;
    struct Row {
        const char* name;
        const char* text; // null: no file
        const char* line;
    } rows[] = {
        {"missing", nullptr,
         "benchmark config ./XmlConfig/benchmark_config.xml: Error=XML_ERROR_FILE_NOT_FOUND ErrorID=3 (0x3) Line number=0"},
        {"unclosed element", "<root>\n\n<benchmark serverid=\"1\"",
         "benchmark config ./XmlConfig/benchmark_config.xml: Error=XML_ERROR_PARSING_ELEMENT ErrorID=6 (0x6) Line number=3"},
        {"mismatched end", "<r>\n<benchmark></test>\n</r>",
         "benchmark config ./XmlConfig/benchmark_config.xml: Error=XML_ERROR_MISMATCHED_ELEMENT ErrorID=14 (0xe) Line "
         "number=2: XMLElement name=benchmark"},
        {"empty", "", "benchmark config ./XmlConfig/benchmark_config.xml: Error=XML_ERROR_EMPTY_DOCUMENT"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        for (const auto& e : std::filesystem::directory_iterator(dir.LogDir())) {
            std::filesystem::remove(e.path());
        }
        testing::internal::CaptureStdout();
        const bool loaded = LoadFile(dir, r.text);
        const std::string out = testing::internal::GetCapturedStdout();
        EXPECT_FALSE(loaded);
        // On standard output the line comes first, then the report.
        EXPECT_EQ(0u, out.find(std::string(r.line))) << out;
        EXPECT_NE(std::string::npos, out.find("[load benchmark config failed.]")) << out;
        const std::string log = dir.ReadLogs("assert.");
        const size_t at = log.find(r.line);
        EXPECT_EQ(0u, at) << log;
        EXPECT_LT(at, log.find("[load benchmark config failed.]")) << log;
    }
}
