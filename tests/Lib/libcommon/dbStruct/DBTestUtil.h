#pragma once
// Helpers for looking at record images byte by byte, and at the assert log.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// Bytes first..last (inclusive) all hold value.
struct ByteRun
{
    size_t  first;
    size_t  last;
    uint8_t value;
};

template <class T>
std::string ImageOf(const T& rec)
{
    return std::string(reinterpret_cast<const char*>(&rec), sizeof(T));
}

// The runs must cover the whole image in order.
inline ::testing::AssertionResult ImageIs(const std::string& image, const std::vector<ByteRun>& runs)
{
    size_t next = 0;
    for (const ByteRun& r : runs)
    {
        if (r.first != next)
            return ::testing::AssertionFailure() << "runs leave a gap before byte " << r.first;
        for (size_t i = r.first; i <= r.last; ++i)
        {
            if (i >= image.size())
                return ::testing::AssertionFailure() << "image ends at " << image.size();
            if (static_cast<uint8_t>(image[i]) != r.value)
                return ::testing::AssertionFailure()
                       << "byte " << i << " is " << int(static_cast<uint8_t>(image[i])) << ", expected "
                       << int(r.value);
        }
        next = r.last + 1;
    }
    if (next != image.size())
        return ::testing::AssertionFailure() << "runs end at " << next << " of " << image.size();
    return ::testing::AssertionSuccess();
}

// Fills a record's memory with a running byte pattern (seed distinguishes records).
template <class T>
void Scribble(T& rec, uint8_t seed)
{
    unsigned char* p = reinterpret_cast<unsigned char*>(&rec);
    for (size_t i = 0; i < sizeof(T); ++i)
        p[i] = static_cast<unsigned char>(seed + i * 7 + 1);
}

inline uint64_t LoadU64(const std::string& image, size_t off)
{
    uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | static_cast<uint8_t>(image[off + i]);
    return v;
}

// A packed member read by value: gtest's macros would bind a reference to it,
// which may be misaligned.
template <class T>
T Val(T v)
{
    return v;
}

// The assert log's records, each as "function | expression | message"; a record is
// "\n[Assert]\n[file][line][function][expression]\n[message] (stamp)\n".
inline std::vector<std::string> AssertRecords(const std::string& log)
{
    const std::string head = "\n[Assert]\n[";
    std::vector<std::string> records;
    for (size_t pos = log.find(head); pos != std::string::npos;)
    {
        const size_t begin = pos + head.size();
        pos = log.find(head, begin);
        const std::string rec = log.substr(begin, pos == std::string::npos ? std::string::npos : pos - begin);
        const size_t eol = rec.find("]\n[");
        const std::string first = rec.substr(0, eol);
        const size_t funcBegin = first.find("][", first.find("][") + 2) + 2;
        const size_t exprBegin = first.rfind("][");
        const std::string message = rec.substr(eol + 3, rec.rfind("] (") - (eol + 3));
        records.push_back(first.substr(funcBegin, exprBegin - funcBegin) + " | " + first.substr(exprBegin + 2) +
                          " | " + message);
    }
    return records;
}
