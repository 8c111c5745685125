// The libcurl HTTP clients against a tiny local server: what is sent, what comes back
// through the call-backs, the start rate, failures and time-outs.

#include "HttpTestServer.h"
#include "TempWorkDir.h"
#include "curl_http_request.h"
#include "curl_req.h"
#include "net_timer.h"
#include "param.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <poll.h>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using nettest::HttpTestServer;
using NSNet::CCurlHttpRequest;
using NSNet::CCurlReq;
using NSNet::stHttpData;

namespace {

// What the call-backs saw: "<kind> <id> <result> <text>", kind body or head.
std::vector<std::string> s_calls;

std::string Id(const CParam& param) {
    tint32 id = -1;
    param.get("id", id);
    return std::to_string(id);
}

void OnBody(tint32 result, std::string& text, const CParam& param) {
    s_calls.push_back("body " + Id(param) + " " + std::to_string(result) + " " + text);
}

void OnHead(tint32 result, std::string& text, const CParam& param) {
    s_calls.push_back("head " + Id(param) + " " + std::to_string(result) + " " + text);
}

void Throws(tint32, std::string&, const CParam&) { throw std::runtime_error("call-back failed"); }

stHttpData Request(const std::string& url, const std::string& method, tint32 id) {
    stHttpData data;
    data.write_cb = &OnBody;
    data.head_cb = &OnHead;
    data.url = url;
    data.method = method;
    data.param.setInt("id", id);
    return data;
}

class HttpClientTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir.reset(new TempWorkDir());
        s_calls.clear();
    }

    // Ticks the client until nothing is queued or in flight (bounded).
    bool TickUntilIdle(CCurlHttpRequest& client, int timeoutMs = 20000) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (client.cachedCount() != 0 || client.inFlightCount() != 0) {
            if (std::chrono::steady_clock::now() >= deadline) {
                return false;
            }
            client.tick();
        }
        return true;
    }

    std::unique_ptr<TempWorkDir> m_dir;
};

TEST_F(HttpClientTest, MultiRequestsSendTheirBodyAndDeliverBodyAndHeaders) {
    HttpTestServer server(HttpTestServer::Echo);
    ASSERT_NE(0, server.Port());
    CCurlHttpRequest client;

    stHttpData get = Request(server.Url("/get?x=1"), "GET", 1);
    get.header = curl_slist_append(nullptr, "X-Custom: 1"); // taken over by the client
    client.pushCacheData(get);
    stHttpData post = Request(server.Url("/post"), "POST", 2);
    post.postData = std::string("a\0b", 3); // the whole body, zero byte included
    client.pushCacheData(post);
    stHttpData lower = Request(server.Url("/lower"), "post", 3);
    lower.postData = "unsent";
    client.pushCacheData(lower);
    stHttpData silent = Request(server.Url("/quiet"), "GET", 4);
    silent.write_cb = nullptr;
    silent.head_cb = nullptr;
    client.pushCacheData(silent);
    stHttpData headOnly = Request(server.Url("/head"), "GET", 5);
    headOnly.write_cb = nullptr; // the header call-back comes only with the body one
    client.pushCacheData(headOnly);
    stHttpData bodyOnly = Request(server.Url("/body"), "GET", 6);
    bodyOnly.head_cb = nullptr;
    client.pushCacheData(bodyOnly);
    EXPECT_EQ(6u, client.cachedCount());

    ASSERT_TRUE(TickUntilIdle(client));
    const std::vector<std::string> requests = server.Requests();
    ASSERT_EQ(6u, requests.size());
    std::vector<std::string> lines;
    for (const std::string& r : requests) {
        lines.push_back(r.substr(0, r.find("\r\n")));
    }
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ((std::vector<std::string>{"GET /body HTTP/1.1", "GET /get?x=1 HTTP/1.1", "GET /head HTTP/1.1",
                                        "GET /lower HTTP/1.1", "GET /quiet HTTP/1.1", "POST /post HTTP/1.1"}),
              lines);
    for (const std::string& r : requests) {
        if (r.compare(0, 8, "GET /get") == 0) {
            EXPECT_NE(std::string::npos, r.find("\r\nX-Custom: 1\r\n")) << r;
        }
        if (r.compare(0, 4, "POST") == 0) {
            EXPECT_NE(std::string::npos, r.find("\r\nContent-Length: 3\r\n")) << r;
        }
    }

    // Each finished request with both call-backs: its body, then its header text, with
    // result 0. Request 6 has its body alone; 4 and 5 have no call at all.
    std::vector<std::string> bodies;
    std::vector<std::string> heads;
    for (size_t i = 0; i < s_calls.size(); ++i) {
        const std::string& call = s_calls[i];
        if (call.compare(0, 5, "body ") == 0) {
            bodies.push_back(call);
            const std::string id = call.substr(5, 1);
            if (id != "6") {
                ASSERT_LT(i + 1, s_calls.size());
                const std::string head = s_calls[i + 1];
                EXPECT_EQ(0u, head.find("head " + id + " 0 HTTP/1.1 200 OK\r\n")) << head;
                EXPECT_NE(std::string::npos, head.find("\r\nX-Test: yes\r\n")) << head;
            }
        } else {
            heads.push_back(call.substr(0, 7));
        }
    }
    EXPECT_EQ(7u, s_calls.size());
    std::sort(heads.begin(), heads.end());
    EXPECT_EQ((std::vector<std::string>{"head 1 ", "head 2 ", "head 3 "}), heads);
    std::sort(bodies.begin(), bodies.end());
    EXPECT_EQ((std::vector<std::string>{"body 1 0 GET /get?x=1 ", std::string("body 2 0 POST /post a\0b", 23),
                                        "body 3 0 GET /lower ", "body 6 0 GET /body "}),
              bodies);
}

TEST_F(HttpClientTest, AtMost64TransfersStartPerTick) {
    HttpTestServer server(HttpTestServer::Echo);
    ASSERT_NE(0, server.Port());
    CCurlHttpRequest client;
    for (int i = 0; i < 100; ++i) {
        stHttpData data;
        data.url = server.Url("/n" + std::to_string(i));
        client.pushCacheData(data);
    }
    client.tick();
    EXPECT_EQ(36u, client.cachedCount());
    EXPECT_EQ(64u, client.inFlightCount());
    client.tick();
    EXPECT_EQ(0u, client.cachedCount());
    ASSERT_TRUE(TickUntilIdle(client, 30000));
    EXPECT_EQ(100u, server.Requests().size());
}

TEST_F(HttpClientTest, FailuresReachTheCallBacksWithLibcurlsCode) {
    HttpTestServer silent(HttpTestServer::Silent);
    ASSERT_NE(0, silent.Port());
    CCurlHttpRequest client;
    // Nobody listens: the connect fails at once (CURLE_COULDNT_CONNECT).
    client.pushCacheData(Request("http://127.0.0.1:" + std::to_string(nettest::ClosedPort()) + "/", "GET", 1));
    // Accepted but never answered: the low-speed limit ends it after about 3 s
    // (CURLE_OPERATION_TIMEDOUT).
    client.pushCacheData(Request(silent.Url("/"), "GET", 2));
    ASSERT_TRUE(TickUntilIdle(client));
    std::sort(s_calls.begin(), s_calls.end());
    EXPECT_EQ((std::vector<std::string>{"body 1 7 ", "body 2 28 ", "head 1 7 ", "head 2 28 "}), s_calls);
}

TEST_F(HttpClientTest, ThrowingCallBackIsReportedAndTheRequestReleased) {
    HttpTestServer server(HttpTestServer::Echo);
    ASSERT_NE(0, server.Port());
    CCurlHttpRequest client;
    stHttpData data = Request(server.Url("/"), "GET", 1);
    data.write_cb = &Throws;
    data.header = curl_slist_append(nullptr, "X-Custom: 1");
    client.pushCacheData(data);
    bool bThrown = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!bThrown && std::chrono::steady_clock::now() < deadline) {
        try {
            client.tick();
        } catch (int e) {
            EXPECT_EQ(1, e);
            bThrown = true;
        }
    }
    EXPECT_TRUE(bThrown);
    EXPECT_EQ(0u, client.inFlightCount());
    EXPECT_NE(std::string::npos, m_dir->ReadLogs("assert").find("call-back failed"));
}

TEST_F(HttpClientTest, DestroyingTheClientReleasesQueuedAndRunningRequests) {
    HttpTestServer silent(HttpTestServer::Silent);
    ASSERT_NE(0, silent.Port());
    {
        CCurlHttpRequest client;
        stHttpData running = Request(silent.Url("/"), "GET", 1);
        running.header = curl_slist_append(nullptr, "X-Custom: 1");
        client.pushCacheData(running);
        client.tick();
        EXPECT_EQ(1u, client.inFlightCount());
        stHttpData queued = Request(silent.Url("/"), "GET", 2);
        queued.header = curl_slist_append(nullptr, "X-Custom: 2");
        client.pushCacheData(queued);
    }
    // No call-back for what never finished; the sanitizer build sees no leak.
    EXPECT_TRUE(s_calls.empty());
    EXPECT_EQ(CCurlHttpRequest::getInstance(), CCurlHttpRequest::getInstance());
}

TEST_F(HttpClientTest, BlockingRequestHandsOverTheBodyChunkByChunk) {
    HttpTestServer pieces(HttpTestServer::Pieces);
    ASSERT_NE(0, pieces.Port());
    CCurlReq req;
    stHttpData data = Request(pieces.Url("/chunks"), "GET", 5);
    EXPECT_EQ(0, req.sendHttpRequest(data));
    // The body came in two pieces 200 ms apart: one call each, result 0, no header call.
    ASSERT_GE(s_calls.size(), 2u);
    std::string joined;
    for (const std::string& call : s_calls) {
        ASSERT_EQ(0u, call.find("body 5 0 ")) << call;
        joined += call.substr(9);
    }
    EXPECT_EQ("GET /chunks ", joined);
}

TEST_F(HttpClientTest, BlockingRequestsStandAlone) {
    HttpTestServer server(HttpTestServer::Echo);
    ASSERT_NE(0, server.Port());
    CCurlReq req;
    stHttpData post = Request(server.Url("/p"), "POST", 1);
    post.postData = "k=v";
    EXPECT_EQ(0, req.sendHttpRequest(post));
    // A GET after a POST on the same object is a GET without a body.
    EXPECT_EQ(0, req.sendHttpRequest(Request(server.Url("/g"), "GET", 2)));
    EXPECT_EQ((std::vector<std::string>{"body 1 0 POST /p k=v", "body 2 0 GET /g "}), s_calls);
    const std::vector<std::string> requests = server.Requests();
    ASSERT_EQ(2u, requests.size());
    EXPECT_EQ(std::string::npos, requests[1].find("Content-Length"));

    s_calls.clear();
    EXPECT_EQ(7, req.sendHttpRequest(Request("http://127.0.0.1:" + std::to_string(nettest::ClosedPort()) + "/",
                                             "GET", 3)));
    EXPECT_TRUE(s_calls.empty());
}

TEST(HttpClientParts, SelectWaitFromLibcurlsTimeout) {
    struct Row {
        long timeoutMs;
        long sec;
        long usec;
    };
    const Row rows[] = {{2500, 2, 500000}, {1000, 1, 0}, {61001, 61, 1000}, {999, 1, 0}, {200, 1, 0}, {0, 1, 0},
                        {-1, 1, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.timeoutMs);
        const timeval wait = CCurlHttpRequest::selectWait(row.timeoutMs);
        EXPECT_EQ(row.sec, wait.tv_sec);
        EXPECT_EQ(row.usec, wait.tv_usec);
    }
}

TEST(HttpClientParts, ParamValuesAndRequestClone) {
    CParam param;
    EXPECT_TRUE(param.empty());
    param.setBool("b", true);
    param.setInt("i", -5);
    param.setUInt("u", 7u);
    param.setString("s", "text");
    param.setFloat("f", 1.5f);
    param.setDouble("d", 2.25);
    param.setInt64("l", -(1LL << 40));
    param.setUInt64("ul", 1ULL << 63);
    param.setInt("i", -6); // replaces
    EXPECT_EQ(8u, param.count());

    CParam copy(param);
    param.clear();
    EXPECT_TRUE(param.empty());
    bool b = false;
    tint32 i = 0;
    tuint32 u = 0;
    std::string s;
    tfloat32 f = 0;
    tfloat64 d = 0;
    tint64 l = 0;
    tuint64 ul = 0;
    EXPECT_TRUE(copy.get("b", b) && b);
    EXPECT_TRUE(copy.get("i", i));
    EXPECT_EQ(-6, i);
    EXPECT_TRUE(copy.get("u", u));
    EXPECT_EQ(7u, u);
    EXPECT_TRUE(copy.get("s", s));
    EXPECT_EQ("text", s);
    EXPECT_TRUE(copy.get("f", f));
    EXPECT_EQ(1.5f, f);
    EXPECT_TRUE(copy.get("d", d));
    EXPECT_EQ(2.25, d);
    EXPECT_TRUE(copy.get("l", l));
    EXPECT_EQ(-(1LL << 40), l);
    EXPECT_TRUE(copy.get("ul", ul));
    EXPECT_EQ(1ULL << 63, ul);
    // Only as the type it was stored with.
    EXPECT_FALSE(copy.get("u", i));
    EXPECT_FALSE(copy.get("none", i));
    EXPECT_EQ(-6, i);
    copy.erase("s");
    EXPECT_FALSE(copy.contains("s"));
    EXPECT_TRUE(copy.contains("d"));

    stHttpData data;
    data.url = "u";
    data.method = "POST";
    data.postData = "p";
    data.retHead = "h";
    data.retWrite = "w";
    data.param = copy;
    curl_slist* list = curl_slist_append(nullptr, "A: 1");
    data.header = list;
    std::unique_ptr<stHttpData> clone(data.clone());
    ASSERT_NE(nullptr, clone);
    EXPECT_EQ("u", clone->url);
    EXPECT_EQ("POST", clone->method);
    EXPECT_EQ("p", clone->postData);
    EXPECT_EQ("h", clone->retHead);
    EXPECT_EQ("", clone->retWrite);
    EXPECT_EQ(list, clone->header); // shared, not copied
    EXPECT_TRUE(clone->param.contains("ul"));
    curl_slist_free_all(list);

    NSNet::CNetTimer timer;
    const timeval before = timer.getCurrTime();
    timeval now;
    ::gettimeofday(&now, nullptr);
    EXPECT_LE(before.tv_sec, now.tv_sec);
    timer.updateCurrTime();
    EXPECT_GE(timer.getCurrTime().tv_sec, now.tv_sec);
}

// Ticks the timer for about ms milliseconds.
void TickFor(NSNet::CNetTimer& timer, int ms) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < until) {
        timer.tick();
        ::poll(nullptr, 0, 1);
    }
}

TEST(NetTimer, RunsDueJobsEarliestFirstAndRepeatsWhileTheJobAsks) {
    NSNet::CNetTimer timer;
    std::vector<std::string> runs;
    int repeats = 0;
    ASSERT_TRUE(timer.submit([&] { runs.push_back("c"); return true; }, 120, 0)); // no interval: once
    ASSERT_TRUE(timer.submit([&] { runs.push_back("a"); return true; }, 0, 0));
    ASSERT_TRUE(timer.submit([&] { runs.push_back("b"); return true; }, 60, 0));
    ASSERT_TRUE(timer.submit([&] { runs.push_back("r"); return ++repeats < 3; }, 0, 5)); // ends on its 3rd run
    EXPECT_FALSE(timer.submit(boost::function<bool()>(), 0, 0));
    TickFor(timer, 400);
    std::vector<std::string> once;
    for (const std::string& run : runs) {
        if (run != "r") {
            once.push_back(run);
        }
    }
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c"}), once);
    EXPECT_EQ(3, repeats);
    EXPECT_EQ(6u, runs.size());
    EXPECT_EQ(0, timer.tick());
}

TEST(NetTimer, EachTaskRunsAtMostOncePerTick) {
    NSNet::CNetTimer timer;
    int inner = 0;
    int outer = 0;
    // A job that queues a job due at once: the new one waits for the next tick.
    ASSERT_TRUE(timer.submit(
        [&] {
            ++outer;
            timer.submit([&] { ++inner; return false; }, 0, 0);
            return false;
        },
        0, 0));
    ::poll(nullptr, 0, 2);
    EXPECT_EQ(1, timer.tick());
    EXPECT_EQ(1, outer);
    EXPECT_EQ(0, inner);
    ::poll(nullptr, 0, 2);
    EXPECT_EQ(1, timer.tick());
    EXPECT_EQ(1, inner);

    // A job that throws ends its task; the others stay.
    int kept = 0;
    ASSERT_TRUE(timer.submit([]() -> bool { throw std::runtime_error("job failed"); }, 0, 1));
    ASSERT_TRUE(timer.submit([&] { ++kept; return true; }, 1000, 1000));
    ::poll(nullptr, 0, 2);
    EXPECT_THROW(timer.tick(), std::runtime_error);
    EXPECT_EQ(0, timer.tick());
    EXPECT_EQ(0, kept); // still queued: the sanitizer build sees it freed with the timer
}

TEST(NetTimer, TaskTimesAndHeapOrder) {
    struct Row {
        long sec, usec, adjustedSec, adjustedUsec;
    };
    const Row rows[] = {{1, 1500000, 2, 500000}, {2, -1, 1, 999999}, {0, 999999, 0, 999999}, {3, 2000000, 5, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.sec) + "," + std::to_string(row.usec));
        timeval tv;
        tv.tv_sec = row.sec;
        tv.tv_usec = row.usec;
        NSNet::CNetTimer::CTimerTask::adjustTimeval(tv);
        EXPECT_EQ(row.adjustedSec, tv.tv_sec);
        EXPECT_EQ(row.adjustedUsec, tv.tv_usec);
    }

    NSNet::CNetTimer timer;
    const timeval now = timer.getCurrTime();
    const auto job = [] { return true; };
    auto at = [&](long ms) {
        timeval tv;
        tv.tv_sec = now.tv_sec + ms / 1000;
        tv.tv_usec = now.tv_usec + (ms % 1000) * 1000;
        NSNet::CNetTimer::CTimerTask::adjustTimeval(tv);
        return tv;
    };
    const timeval interval = {0, 10000}; // 10 ms
    // On time: the next run is one interval later.
    NSNet::CNetTimer::CTimerTask onTime(job, at(5), interval, &timer);
    EXPECT_EQ(5, onTime.getRemainMillSecond());
    onTime.addInterval();
    EXPECT_EQ(15, onTime.getRemainMillSecond());
    // 100 ms behind: the missed runs are skipped, the next is one interval from now.
    NSNet::CNetTimer::CTimerTask behind(job, at(-100), interval, &timer);
    EXPECT_EQ(0, behind.getRemainMillSecond());
    behind.addInterval();
    EXPECT_EQ(10, behind.getRemainMillSecond());
    EXPECT_TRUE(onTime > behind);
    EXPECT_FALSE(behind > onTime);

    // 40 tasks pushed out of order (past the first growth) come out earliest first.
    std::vector<std::unique_ptr<NSNet::CNetTimer::CTimerTask>> tasks;
    NSNet::CNetTimer::CTimerHeap heap;
    EXPECT_EQ(nullptr, heap.popFront());
    for (int i = 0; i < 40; ++i) {
        tasks.emplace_back(new NSNet::CNetTimer::CTimerTask(job, at((i * 17) % 40), interval, &timer));
        ASSERT_TRUE(heap.push(tasks.back().get()));
    }
    EXPECT_EQ(40u, heap.size());
    for (long ms = 0; ms < 40; ++ms) {
        SCOPED_TRACE(ms);
        NSNet::CNetTimer::CTimerTask* first = heap.popFront();
        ASSERT_NE(nullptr, first);
        EXPECT_EQ(ms, first->getRemainMillSecond());
    }
    EXPECT_TRUE(heap.empty());
}

} // namespace
