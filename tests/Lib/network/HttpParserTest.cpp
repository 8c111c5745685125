// HTTP request parsing, response text, the flat buffer and the text helpers.

#include "net_buffer_th.h"
#include "net_http_data.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using NSNet::CHttpRequest;
using NSNet::CHttpResponse;
using NSNet::CNetBufferTH;

namespace {

typedef std::map<std::string, std::string> TextMap;

int Parse(CHttpRequest& request, const std::string& text, tuint32& size) {
    size = static_cast<tuint32>(text.size());
    return request.parse(reinterpret_cast<const NSNet::BuffType*>(text.data()), size);
}

std::string Text(const CNetBufferTH& buffer) {
    return std::string(reinterpret_cast<const char*>(buffer.begin()), buffer.size());
}

const std::string kGet = "GET /a?x=1&y=2 HTTP/1.1\r\nHost: h\r\n\r\n";

TEST(HttpRequestParse, CompleteGet) {
    CHttpRequest request;
    tuint32 size = 0;
    // Bytes of a next request behind it are not part of it.
    ASSERT_EQ(0, Parse(request, kGet + "GET /next", size));
    EXPECT_EQ(36u, size);
    EXPECT_EQ(1, request.getHttpType());
    EXPECT_EQ("/a?x=1&y=2", request.getUrl());
    EXPECT_EQ("/a", request.getPath());
    EXPECT_EQ((TextMap{{"x", "1"}, {"y", "2"}}), request.getQueryMap());
    EXPECT_EQ((TextMap{{"Host", "h"}}), request.getRequestHeaderMap());
    EXPECT_FALSE(request.isKeepAlive());
}

TEST(HttpRequestParse, EveryCutOfACompleteRequestWaits) {
    const std::string post = "POST /p HTTP/1.1\r\nContent-Length: 5\r\nConnection: keep-alive\r\n\r\nhello";
    for (const std::string& whole : {kGet, post}) {
        for (size_t cut = 1; cut < whole.size(); ++cut) {
            SCOPED_TRACE(whole.substr(0, cut));
            CHttpRequest request;
            tuint32 size = 0;
            EXPECT_GT(Parse(request, whole.substr(0, cut), size), 0);
            EXPECT_EQ(cut, size); // nothing consumed
        }
        CHttpRequest request;
        tuint32 size = 0;
        EXPECT_EQ(0, Parse(request, whole, size));
        EXPECT_EQ(whole.size(), size);
    }
    CHttpRequest request;
    tuint32 size = 0;
    ASSERT_EQ(0, Parse(request, post, size));
    EXPECT_EQ(2, request.getHttpType());
    EXPECT_EQ("hello", Text(request.getPostData()));
    EXPECT_TRUE(request.isKeepAlive());
}

struct ParseRow {
    const char* text;
    int expected;
};

TEST(HttpRequestParse, ResultTable) {
    const std::string body2048(2048, 'b');
    const std::string post2048 = "POST / HTTP/1.1\r\nContent-Length: 2048\r\n\r\n" + body2048;
    const std::string longTarget = "GET /" + std::string(1023, 'u') + " HTTP/1.1\r\nHost: h\r\n\r\n";
    const std::string maxTarget = "GET /" + std::string(1022, 'u') + " HTTP/1.1\r\nHost: h\r\n\r\n";
    const ParseRow rows[] = {
        // Complete.
        {"GET / HTTP/1.1\r\nHost: h\r\nAccept: */*\r\n\r\n", 0},
        {"GET / HTTP/1.1\r\n\r\n", 0}, // no header line at all
        {"POST /p HTTP/1.1\r\nContent-Length: 0\r\n\r\n", 0},
        {"POST /p HTTP/1.1\r\nContent-Length: abc\r\n\r\n", 0}, // not a number reads as 0
        {post2048.c_str(), 0},
        {maxTarget.c_str(), 0},
        // Incomplete.
        {"G", 1},
        {"POS", 1},
        {"GET", 1},
        {"GET ", 1},
        {"GET /a", 1},
        {"GET /a ", 1},
        {"GET /a HTTP/1.1", 2},
        {"GET /a HTTP/1.1\r\n", 2},
        {"GET /a HTTP/1.1\r\nHost", 11},
        {"GET /a HTTP/1.1\r\nHost: h\r", 12},
        {"GET /a HTTP/1.1\r\nHost: h\r\n", 12},
        {"GET /a HTTP/1.1\r\nHost: h\r\n\r", 12},
        {"POST /p HTTP/1.1\r\nContent-Length: 5\r\n\r\nhell", 101},
        // Malformed.
        {"PUT / HTTP/1.1\r\n\r\n", -1},
        {"get / HTTP/1.1\r\n\r\n", -1},
        {"GETX", -1},
        {longTarget.c_str(), -2},
        {"GET / HTTP/1.1-and-a-very-long-version\r\n\r\n", -2},
        {"GET /a?a HTTP/1.1\r\n\r\n", -11},
        {"GET /a?a=1=2 HTTP/1.1\r\n\r\n", -11},
        {"GET /a?x=1&&y=2 HTTP/1.1\r\n\r\n", -11},
        {"GET / HTTP/1.1\r\nHost: h\n\r\n", -21},
        {"GET / HTTP/1.1\r\nHost: h\rX", -22},
        {"GET / HTTP/1.1\r\nHost:h\r\n\r\n", -31},
        {"POST /p HTTP/1.1\r\nHost: h\r\n\r\n", -101},
        {"POST /p HTTP/1.1\r\nContent-Length: 99999999999999999999999\r\n\r\n", -102},
        {"POST /p HTTP/1.1\r\nContent-Length: 2049\r\n\r\n", -103},
    };
    for (const ParseRow& row : rows) {
        SCOPED_TRACE(std::string(row.text).substr(0, 80));
        CHttpRequest request;
        tuint32 size = 0;
        EXPECT_EQ(row.expected, Parse(request, row.text, size));
    }
}

TEST(HttpRequestParse, ContentLengthIsDigitsOnly) {
    struct Row {
        const char* value;
        int expected;
        const char* output; // what the parse writes to standard output
    };
    const Row rows[] = {
        {"5", 0, ""},
        {"0005", 0, ""},
        {"abc", 0, ""}, // no number at all reads as 0
        {"", 0, ""},
        {"2049", -103, "data error. length = 2049\n"},
        {"4294967301", -103, "data error. length = 4294967301\n"}, // not cut to 32 bits
        {"18446744073709551615", -103, "data error. length = 18446744073709551615\n"},
        // A sign or a blank is not read past, and a minus does not wrap round.
        {"-1", -102, "Content-Length is not digits only\n"},
        {"+5", -102, "Content-Length is not digits only\n"},
        {" 5", -102, "Content-Length is not digits only\n"},
        {"\t5", -102, "Content-Length is not digits only\n"},
        {"5 ", -102, "Content-Length is not digits only\n"},
        {"5abc", -102, "Content-Length is not digits only\n"},
        {"18446744073709551616", -102, "Content-Length out of range\n"},
        {"99999999999999999999999", -102, "Content-Length out of range\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("[") + row.value + "]");
        CHttpRequest request;
        tuint32 size = 0;
        testing::internal::CaptureStdout();
        const int result = Parse(request, std::string("POST /p HTTP/1.1\r\nContent-Length: ") + row.value +
                                              "\r\n\r\nhello",
                                 size);
        EXPECT_EQ(row.output, testing::internal::GetCapturedStdout());
        EXPECT_EQ(row.expected, result);
    }
}

TEST(HttpRequestParse, QueryItemsAndRepeatedNames) {
    CHttpRequest request;
    tuint32 size = 0;
    ASSERT_EQ(0, Parse(request, "GET /q?%20=%20&x=1&=1&x=2 HTTP/1.1\r\nA: 1\r\nA: 2\r\nB:  s \r\n\r\n", size));
    // An empty name is kept; the first of a repeated name holds.
    EXPECT_EQ((TextMap{{"", "1"}, {"%20", "%20"}, {"x", "1"}}), request.getQueryMap());
    EXPECT_EQ("/q", request.getPath());
    // Header values are kept as sent, after the ": ".
    EXPECT_EQ((TextMap{{"A", "1"}, {"B", " s "}}), request.getRequestHeaderMap());
}

TEST(HttpRequestParse, ReusedRequestForgetsThePreviousOne) {
    CHttpRequest request;
    tuint32 size = 0;
    ASSERT_EQ(0, Parse(request, "POST /one?a=1 HTTP/1.1\r\nContent-Length: 3\r\n\r\nabc", size));
    ASSERT_EQ(0, Parse(request, "GET /two HTTP/1.1\r\n\r\n", size));
    EXPECT_EQ("/two", request.getPath());
    EXPECT_TRUE(request.getQueryMap().empty());
    EXPECT_TRUE(request.getRequestHeaderMap().empty());
    EXPECT_TRUE(request.getPostData().empty());
}

TEST(HttpResponse, GenerateDefaultAndGivenHeaders) {
    CNetBufferTH out(0);
    const std::string junk = "left over";
    out.push_back(reinterpret_cast<const NSNet::BuffType*>(junk.data()), static_cast<tuint32>(junk.size()));

    ASSERT_EQ(0, CHttpResponse(false).generate(out, "hi", nullptr, 200));
    EXPECT_EQ("HTTP/1.1 200 OK\r\n"
              "Server: my_httpd\r\n"
              "Content-Type: text/html; charset=UTF-8\r\n"
              "Content-Length: 2\r\n"
              "\r\n"
              "hi",
              Text(out));

    const TextMap empty;
    ASSERT_EQ(0, CHttpResponse(true).generate(out, "", &empty, 404));
    EXPECT_EQ("HTTP/1.1 404 Not Found\r\n"
              "Server: my_httpd\r\n"
              "Content-Type: text/html; charset=UTF-8\r\n"
              "Connection: Keep-Alive\r\n"
              "Content-Length: 0\r\n"
              "\r\n",
              Text(out));

    // Given headers replace the default ones, in name order; a status without a text
    // becomes 400.
    const TextMap headers{{"X-B", "2"}, {"Content-Length", "3"}};
    ASSERT_EQ(0, CHttpResponse(true).generate(out, "abc", &headers, 799));
    EXPECT_EQ("HTTP/1.1 400 Bad Request\r\n"
              "Content-Length: 3\r\n"
              "X-B: 2\r\n"
              "Connection: Keep-Alive\r\n"
              "\r\n"
              "abc",
              Text(out));

    CHttpResponse response(false);
    response.setStatus(500);
    response.setContent("no");
    response.addHeader("Content-Length", "2");
    ASSERT_EQ(0, response.marshal(out));
    EXPECT_EQ("HTTP/1.1 500 Internal Server Error\r\nContent-Length: 2\r\n\r\nno", Text(out));
    tuint32 size = 0;
    EXPECT_EQ(-1, response.parse(out.begin(), size));
}

TEST(HttpBufferTH, GrowsToWhatIsNeededAndCopies) {
    CNetBufferTH none(0);
    EXPECT_FALSE(none.isValid());
    EXPECT_TRUE(none.empty());

    CNetBufferTH buffer(4);
    ASSERT_TRUE(buffer.isValid());
    const NSNet::BuffType bytes[] = {'a', 'b', 'c', 0, 'e', 'f'};
    ASSERT_EQ(0, buffer.push_back(bytes, 3));
    EXPECT_EQ(4u, buffer.capacity());
    ASSERT_EQ(0, buffer.push_back(bytes + 3, 3));
    EXPECT_EQ(6u, buffer.capacity()); // exactly what was needed
    EXPECT_EQ(std::string("abc\0ef", 6), Text(buffer));
    EXPECT_EQ(buffer.begin() + 6, buffer.end());

    // Past 32 bits the sum would wrap: refused, nothing appended.
    EXPECT_EQ(-1, buffer.push_back(bytes, 0xFFFFFFFFu));
    EXPECT_EQ(6u, buffer.size());

    CNetBufferTH copy(buffer);
    CNetBufferTH assigned(1);
    assigned = buffer;
    buffer.clear();
    EXPECT_EQ(6u, buffer.capacity());
    EXPECT_EQ(std::string("abc\0ef", 6), Text(copy));
    EXPECT_EQ(std::string("abc\0ef", 6), Text(assigned));
    EXPECT_EQ(0, buffer.reserve(2));
    EXPECT_EQ(6u, buffer.capacity());
}

TEST(HttpText, SplitAndTrim) {
    struct SplitRow {
        const char* text;
        std::vector<std::string> pieces;
    };
    const SplitRow splits[] = {
        {"", {}},
        {"a", {"a"}},
        {"a&b", {"a", "b"}},
        {"a&&b", {"a", "", "b"}},
        {"a&", {"a"}},
        {"&a", {"", "a"}},
        {"&", {""}},
    };
    for (const SplitRow& row : splits) {
        SCOPED_TRACE(row.text);
        std::vector<std::string> out{"kept"};
        EXPECT_EQ(0, NSNet::split(out, row.text, '&'));
        std::vector<std::string> expected{"kept"};
        expected.insert(expected.end(), row.pieces.begin(), row.pieces.end());
        EXPECT_EQ(expected, out);
    }
    const std::pair<const char*, const char*> trims[] = {
        {"", ""}, {"   ", ""}, {" x ", "x"}, {"a b", "a b"}, {"\tx ", "\tx"},
    };
    for (const auto& row : trims) {
        SCOPED_TRACE(row.first);
        EXPECT_EQ(row.second, NSNet::trim(row.first));
    }
}

} // namespace
