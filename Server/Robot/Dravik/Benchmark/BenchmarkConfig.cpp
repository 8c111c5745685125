#include "BenchmarkConfig.h"

#include "Assertx.h"
#include "net_socket_option.h"

#include <tinyxml2.h>

#include <cctype>
#include <cstring>
#include <limits>

const tchar sBenchmarkType[BT_MAX][32] = {"createchar", "usersave", "userload"};

namespace {

const tchar* const s_szConfigFile = "./XmlConfig/benchmark_config.xml";
const tchar* const s_szSourceFile = "Server/Robot/Dravik/Benchmark/BenchmarkConfig";
const tchar* const s_szLoadFunc = "bool BenchmarkConfig::Load()";

tint32 IntAttr(const tinyxml2::XMLElement* pElem, const tchar* szName)
{
    return ParseConfigInt(pElem->Attribute(szName), 0);
}

} // namespace

// TinyXML-2's IntAttribute also takes hexadecimal ("0x10"); the file's integers are decimal.
tint32 ParseConfigInt(const tchar* szValue, tint32 nDefault)
{
    if (szValue == nullptr) {
        return nDefault;
    }
    const tchar* p = szValue;
    while (*p != '\0' && isspace(static_cast<unsigned char>(*p))) {
        ++p;
    }
    bool bNeg = false;
    if (*p == '+' || *p == '-') {
        bNeg = (*p == '-');
        ++p;
    }
    if (!isdigit(static_cast<unsigned char>(*p))) {
        return nDefault;
    }
    tint64 v = 0;
    for (; isdigit(static_cast<unsigned char>(*p)); ++p) {
        v = v * 10 + (*p - '0');
        if (v > tint64(std::numeric_limits<tint32>::max()) + 1) {
            return nDefault; // not a 32-bit number
        }
    }
    if (bNeg) {
        v = -v;
    }
    if (v > std::numeric_limits<tint32>::max()) {
        return nDefault;
    }
    return tint32(v);
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
        _do_assert_(s_szSourceFile, __LINE__, s_szLoadFunc, "false", "load benchmark config failed.", true);
    }
    const tinyxml2::XMLElement* parentRoot = doc.RootElement();
    if (parentRoot == nullptr) {
        _do_assert_(s_szSourceFile, __LINE__, s_szLoadFunc, "parentRoot", "", true);
        return false; // not reached: the report above is thrown on
    }

    for (const tinyxml2::XMLElement* pElem = parentRoot->FirstChildElement("benchmark"); pElem != nullptr;
         pElem = pElem->NextSiblingElement("benchmark")) {
        tint32 serverId = IntAttr(pElem, "serverid");
        if (serverId <= 0) {
            continue;
        }
        const tchar* szHost = pElem->Attribute("dbserverhost");
        if (szHost == nullptr) {
            // Without an address the client could never connect; say which server lacks it.
            std::string msg = "benchmark serverid " + std::to_string(serverId) + " has no dbserverhost.";
            _do_assert_(s_szSourceFile, __LINE__, s_szLoadFunc, "dbserverhost", msg.c_str(), true);
        }
        // Text that the network library cannot read would fail every connect, retried for
        // ever with only a network-log line: said here, at start-up.
        tuint32 addrNetOrder = 0;
        if (!NSNet::parseIPv4Address(szHost, addrNetOrder)) {
            std::string msg = "benchmark serverid " + std::to_string(serverId) + " has dbserverhost \"" + szHost +
                              "\", which is not an IPv4 address (host names are not resolved).";
            _do_assert_(s_szSourceFile, __LINE__, s_szLoadFunc, "inet_aton(dbserverhost)", msg.c_str(), true);
        }
        const tchar* szPrefix = pElem->Attribute("accprefix");
        ServerConfig cfg;
        cfg.dbServerHost = szHost;
        cfg.dbServerPort = static_cast<tint16>(static_cast<tuint16>(IntAttr(pElem, "dbserverport")));
        cfg.playerNum = static_cast<tint16>(static_cast<tuint16>(IntAttr(pElem, "playernum")));
        cfg.accPrefix = szPrefix != nullptr ? szPrefix : "";
        m_mapServerConfig[serverId] = cfg;
    }

    for (const tinyxml2::XMLElement* pElem = parentRoot->FirstChildElement("test"); pElem != nullptr;
         pElem = pElem->NextSiblingElement("test")) {
        const tchar* szType = pElem->Attribute("type");
        if (szType == nullptr) {
            continue; // a test element without a kind counts for nothing
        }
        tint32 interval = IntAttr(pElem, "interval");
        for (tint32 i = 0; i < BT_MAX; ++i) {
            if (strcmp(sBenchmarkType[i], szType) == 0) {
                m_testConfig[i].interval = interval;
                break;
            }
        }
    }
    return true;
}
