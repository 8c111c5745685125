#pragma once
// The robot's configuration, read once from "./XmlConfig/benchmark_config.xml":
// the database-agent servers (keyed by server id, walked in ascending id) and the
// interval of each request kind.
//
// Threads: filled by Load on the main thread before any worker exists; read without
// a lock afterwards by the main thread and every worker. The one instance is the
// function-local static of getInstance and lives until process exit.

#include "BaseType.h"

#include <map>
#include <string>

// The request kinds of the simulation.
enum BenchmarkType {
    BT_START = 0,
    BT_CREATECHAR = 0,
    BT_USERSAVE = 1,
    BT_USERLOAD = 2,
    BT_MAX = 3,
};

// The configuration's names of the kinds, indexed by BenchmarkType.
extern const tchar sBenchmarkType[BT_MAX][32];

struct ServerConfig {
    std::string dbServerHost; // IPv4 address as inet_aton reads it (dotted decimal, or 127.1 ...)
    tint16 dbServerPort = 0;  // used as unsigned 16 bits
    tint16 playerNum = 0;     // negative values create no player
    std::string accPrefix;
};

struct TestConfig {
    tint32 interval = 0; // milliseconds of processor time; -1 switches the kind off
};

typedef std::map<int, ServerConfig> TServerConfigMap;

class BenchmarkConfig {
public:
    static BenchmarkConfig& getInstance();
    ~BenchmarkConfig() = default;

    // Reads the file; every failure is an assertion report (thrown on), so it returns true.
    bool Load();

    const TServerConfigMap& Servers() const { return m_mapServerConfig; }
    // The interval of a kind; -1 for a type outside 0 to 2.
    tint32 GetInterval(tint32 type) const;

private:
    BenchmarkConfig();
    BenchmarkConfig(const BenchmarkConfig&);
    BenchmarkConfig& operator=(const BenchmarkConfig&);

    TServerConfigMap m_mapServerConfig;
    TestConfig m_testConfig[BT_MAX];
};

// Reads a whole attribute text as an integer: optional white space, an optional sign,
// decimal digits, optional white space and nothing else, within 32 bits. False for any
// other text, rValue then unchanged.
bool ReadConfigInt(const tchar* szText, tint32& rValue);
