#include "BenchmarkConfig.h"

#include "Assertx.h"
#include "net_socket_option.h"

#include <tinyxml2.h>

#include <cctype>
#include <cstring>
#include <limits>
#include <map>
#include <string>

const tchar sBenchmarkType[BT_MAX][32] = {"createchar", "usersave", "userload"};

namespace {

const tchar* const s_szConfigFile = "./XmlConfig/benchmark_config.xml";
const tchar* const s_szSourceFile = "Server/Robot/Dravik/Benchmark/BenchmarkConfig";
const tchar* const s_szLoadFunc = "bool BenchmarkConfig::Load()";
const tchar* const s_szKinds = "createchar, usersave or userload";

// Ends start-up with a report of Load.
[[noreturn]] void Refuse(tuint32 nLine, const tchar* szExpr, const std::string& strMsg)
{
    _do_assert_(s_szSourceFile, nLine, s_szLoadFunc, szExpr, strMsg.c_str(), true);
    throw 1; // not reached: the report is thrown on
}

std::string Quoted(const tchar* szText)
{
    return std::string("\"") + szText + "\"";
}

bool IsBlank(tchar c)
{
    return isspace(static_cast<unsigned char>(c)) != 0;
}

// Past leading blanks and an optional sign; bNeg tells whether the sign was a minus.
const tchar* SkipBlanksAndSign(const tchar* p, bool& bNeg)
{
    while (IsBlank(*p)) {
        ++p;
    }
    bNeg = (*p == '-');
    return (*p == '+' || *p == '-') ? p + 1 : p;
}

} // namespace

bool ReadConfigInt(const tchar* szText, tint32& rValue)
{
    if (szText == nullptr) {
        return false;
    }
    bool bNeg = false;
    const tchar* p = SkipBlanksAndSign(szText, bNeg);
    if (!isdigit(static_cast<unsigned char>(*p))) {
        return false;
    }
    tint64 v = 0;
    for (; isdigit(static_cast<unsigned char>(*p)); ++p) {
        v = v * 10 + (*p - '0');
        if (v > tint64(std::numeric_limits<tint32>::max()) + 1) {
            return false; // not a 32-bit number
        }
    }
    while (IsBlank(*p)) {
        ++p;
    }
    if (*p != '\0') {
        return false; // "12abc" is no 12
    }
    v = bNeg ? -v : v;
    if (v > std::numeric_limits<tint32>::max()) {
        return false;
    }
    rValue = tint32(v);
    return true;
}

BenchmarkConfig::BenchmarkConfig()
{
    for (tint32 i = 0; i < BT_MAX; ++i) {
        m_testConfig[i].interval = 0;
    }
}

BenchmarkConfig& BenchmarkConfig::getInstance()
{
    static BenchmarkConfig sInst;
    return sInst;
}

tint32 BenchmarkConfig::GetInterval(tint32 type) const
{
    if (type < BT_START || type >= BT_MAX) {
        return -1;
    }
    return m_testConfig[type].interval;
}

bool BenchmarkConfig::Load()
{
    // Start from the built-empty state, so that the result depends on the file alone.
    m_mapServerConfig.clear();
    for (tint32 i = 0; i < BT_MAX; ++i) {
        m_testConfig[i].interval = 0;
    }
    tinyxml2::XMLDocument doc(true, tinyxml2::PRESERVE_WHITESPACE);
    if (doc.LoadFile(s_szConfigFile) != tinyxml2::XML_SUCCESS) {
        // Which file, and what the parser found where: the report itself says only that it failed.
        const std::string strWhy = std::string("benchmark config ") + s_szConfigFile + ": " + doc.ErrorStr();
        AssertLogLine(strWhy.c_str());
        _do_assert_(s_szSourceFile, __LINE__, s_szLoadFunc, "false", "load benchmark config failed.", true);
    }
    const tinyxml2::XMLElement* parentRoot = doc.RootElement();
    if (parentRoot == nullptr) {
        _do_assert_(s_szSourceFile, __LINE__, s_szLoadFunc, "parentRoot", "", true);
        return false; // not reached: the report above is thrown on
    }

    // A value that is not what its attribute takes ends start-up here, instead of becoming
    // another value (a port's low 16 bits, a negative player count, an interval of 0).
    std::map<int, int> mapServerLine;
    for (const tinyxml2::XMLElement* pElem = parentRoot->FirstChildElement("benchmark"); pElem != nullptr;
         pElem = pElem->NextSiblingElement("benchmark")) {
        const tchar* szServerId = pElem->Attribute("serverid");
        tint32 serverId = 0;
        if (szServerId == nullptr) {
            continue;
        }
        if (!ReadConfigInt(szServerId, serverId)) {
            // Text without a number is skipped as the format has it; a number with more behind it is a typo.
            bool bNeg = false;
            if (!isdigit(static_cast<unsigned char>(*SkipBlanksAndSign(szServerId, bNeg)))) {
                continue;
            }
            Refuse(__LINE__, "serverid is an integer",
                   "benchmark has serverid " + Quoted(szServerId) + ", which is not an integer.");
        }
        if (serverId <= 0) {
            continue;
        }
        const std::string strServer = "benchmark serverid " + std::to_string(serverId);
        const tchar* szHost = pElem->Attribute("dbserverhost");
        if (szHost == nullptr) {
            // Without an address the client could never connect; say which server lacks it.
            Refuse(__LINE__, "dbserverhost", strServer + " has no dbserverhost.");
        }
        // Text that the network library cannot read would fail every connect, retried for
        // ever with only a network-log line: said here, at start-up.
        tuint32 addrNetOrder = 0;
        if (!NSNet::parseIPv4Address(szHost, addrNetOrder)) {
            Refuse(__LINE__, "inet_aton(dbserverhost)",
                   strServer + " has dbserverhost " + Quoted(szHost) +
                       ", which is not an IPv4 address (host names are not resolved).");
        }
        const tchar* szPort = pElem->Attribute("dbserverport");
        tint32 port = 0;
        if (szPort == nullptr) {
            Refuse(__LINE__, "dbserverport", strServer + " has no dbserverport.");
        }
        if (!ReadConfigInt(szPort, port) || port < 1 || port > 65535) {
            Refuse(__LINE__, "1 <= dbserverport <= 65535",
                   strServer + " has dbserverport " + Quoted(szPort) + ", which is not an integer from 1 to 65535.");
        }
        const tchar* szPlayers = pElem->Attribute("playernum");
        tint32 players = 0;
        if (szPlayers != nullptr && (!ReadConfigInt(szPlayers, players) || players < 0 || players > 32767)) {
            Refuse(__LINE__, "0 <= playernum <= 32767",
                   strServer + " has playernum " + Quoted(szPlayers) + ", which is not an integer from 0 to 32767.");
        }
        const auto itSeen = mapServerLine.find(serverId);
        if (itSeen != mapServerLine.end()) {
            Refuse(__LINE__, "serverid is unique",
                   strServer + " appears twice (lines " + std::to_string(itSeen->second) + " and " +
                       std::to_string(pElem->GetLineNum()) + "); a server id may appear once.");
        }
        mapServerLine[serverId] = pElem->GetLineNum();

        const tchar* szPrefix = pElem->Attribute("accprefix");
        ServerConfig cfg;
        cfg.dbServerHost = szHost;
        cfg.dbServerPort = static_cast<tint16>(static_cast<tuint16>(port));
        cfg.playerNum = static_cast<tint16>(players);
        cfg.accPrefix = szPrefix != nullptr ? szPrefix : "";
        m_mapServerConfig[serverId] = cfg;
    }

    for (const tinyxml2::XMLElement* pElem = parentRoot->FirstChildElement("test"); pElem != nullptr;
         pElem = pElem->NextSiblingElement("test")) {
        const std::string strLine = std::to_string(pElem->GetLineNum());
        const tchar* szType = pElem->Attribute("type");
        if (szType == nullptr) {
            Refuse(__LINE__, "type", "test on line " + strLine + " has no type (" + s_szKinds + ").");
        }
        tint32 kind = BT_MAX;
        for (tint32 i = 0; i < BT_MAX; ++i) {
            if (strcmp(sBenchmarkType[i], szType) == 0) {
                kind = i;
                break;
            }
        }
        if (kind == BT_MAX) {
            Refuse(__LINE__, "type names a kind",
                   "test on line " + strLine + " has type " + Quoted(szType) + ", which names no kind (" + s_szKinds +
                       "; letter case counts).");
        }
        const tchar* szInterval = pElem->Attribute("interval");
        tint32 interval = 0;
        if (szInterval != nullptr && (!ReadConfigInt(szInterval, interval) || interval < -1)) {
            Refuse(__LINE__, "interval >= -1",
                   "test type " + Quoted(szType) + " on line " + strLine + " has interval " + Quoted(szInterval) +
                       ", which is not an integer of -1 or more.");
        }
        m_testConfig[kind].interval = interval;
    }

    if (m_mapServerConfig.empty()) {
        Refuse(__LINE__, "a benchmark element with a serverid above 0",
               std::string(s_szConfigFile) + " has no benchmark element with a serverid above 0: there is no server to run.");
    }
    return true;
}
