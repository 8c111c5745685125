#pragma once
// Helpers for the data-table framework's tests: the assertion records and server-status
// lines read back from the log folder, a text-table builder and a binary-form builder.

#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace DBCTest
{
struct AssertRecord
{
    std::string strFile;
    std::string strLine;
    std::string strFunc;
    std::string strExpr;
    std::string strMsg;
};

// Splits the assert log ("\n[Assert]\n[file][line][func][expr]\n[msg] (stamp)\n" per record).
inline std::vector<AssertRecord> ParseAssertLog(const std::string& strLog)
{
    std::vector<AssertRecord> v;
    const std::string strHead = "\n[Assert]\n[";
    size_t pos = strLog.find(strHead);
    while (pos != std::string::npos) {
        const size_t nBegin = pos + strHead.size();
        const size_t nNext = strLog.find(strHead, nBegin);
        const std::string strRec = strLog.substr(nBegin, nNext == std::string::npos ? std::string::npos : nNext - nBegin);
        AssertRecord r;
        const size_t nEol = strRec.find("]\n[");
        const std::string strFirst = strRec.substr(0, nEol);
        std::vector<std::string> fields;
        size_t a = 0;
        for (int i = 0; i < 3; ++i) {
            const size_t b = strFirst.find("][", a);
            fields.push_back(strFirst.substr(a, b - a));
            a = b + 2;
        }
        fields.push_back(strFirst.substr(a));
        r.strFile = fields[0];
        r.strLine = fields[1];
        r.strFunc = fields[2];
        r.strExpr = fields[3];
        std::string strSecond = strRec.substr(nEol + 3);
        const size_t nStamp = strSecond.rfind("] (");
        r.strMsg = strSecond.substr(0, nStamp);
        v.push_back(r);
        pos = nNext;
    }
    return v;
}

inline std::vector<AssertRecord> AssertRecords(const TempWorkDir& dir)
{
    return ParseAssertLog(dir.ReadLogs("assert."));
}

// "func | expr | msg" per record, for compact comparisons.
inline std::vector<std::string> AssertSummary(const TempWorkDir& dir)
{
    std::vector<std::string> v;
    for (const AssertRecord& r : AssertRecords(dir)) {
        v.push_back(r.strFunc + " | " + r.strExpr + " | " + r.strMsg);
    }
    return v;
}

// The lines of a log channel's files without their time stamps.
inline std::vector<std::string> LogLines(const TempWorkDir& dir, const std::string& strPrefix)
{
    std::vector<std::string> v;
    const std::string strAll = dir.ReadLogs(strPrefix);
    size_t a = 0;
    while (a < strAll.size()) {
        size_t b = strAll.find('\n', a);
        if (b == std::string::npos) {
            b = strAll.size();
        }
        std::string strLine = strAll.substr(a, b - a);
        const size_t nStamp = strLine.rfind(" (");
        if (nStamp != std::string::npos) {
            strLine.resize(nStamp);
        }
        v.push_back(strLine);
        a = b + 1;
    }
    return v;
}

// Runs f and expects it to leave by the report's thrown integer 1.
template <class F>
void ExpectReportThrown(F f)
{
    try {
        f();
        ADD_FAILURE() << "no report was thrown";
    } catch (int n) {
        EXPECT_EQ(1, n);
    }
}

// A text table: names, the type line, two note lines, then the rows.
inline std::string TextTable(const std::string& strTypes, const std::vector<std::string>& rows)
{
    std::string s = "names\n" + strTypes + "\nnotes\nmore notes\n";
    for (const std::string& r : rows) {
        s += r + "\n";
    }
    return s;
}

// The binary form, byte by byte; the header counts may be set to anything.
struct BinaryTable
{
    uint32_t nIdentify = 0xDDBBCC00u;
    int32_t nFields = 0;
    int32_t nRecords = 0;
    int32_t nBlockSize = 0;
    std::vector<uint32_t> types;
    std::vector<uint64_t> cells;
    std::string strBlock;

    static uint64_t Int(int64_t v) { return static_cast<uint64_t>(v); }
    static uint64_t Float(double d)
    {
        uint64_t u;
        std::memcpy(&u, &d, sizeof(u));
        return u;
    }

    std::string Bytes() const
    {
        std::string s;
        auto put = [&s](const void* p, size_t n) { s.append(static_cast<const char*>(p), n); };
        put(&nIdentify, 4);
        put(&nFields, 4);
        put(&nRecords, 4);
        put(&nBlockSize, 4);
        for (uint32_t t : types) {
            put(&t, 4);
        }
        for (uint64_t c : cells) {
            put(&c, 8);
        }
        s += strBlock;
        return s;
    }
};
}   // namespace DBCTest
