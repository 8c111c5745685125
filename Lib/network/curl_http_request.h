#pragma once
// HTTP client over libcurl's multi interface, turned by its owner's loop.

#include "param.h"

#include <curl/curl.h>
#include <list>
#include <set>
#include <string>
#include <sys/time.h>

namespace NSNet {

// Application call-backs: libcurl's result code (0 success), a text (the response body
// or header text), the request's context.
typedef void (*defwrite_cb)(tint32 result, std::string& text, const CParam& param);
typedef void (*defhead_cb)(tint32 result, std::string& text, const CParam& param);

// One request. The header list is not owned by the value: copies share it, and the
// client that takes the request over frees it once the transfer ends (so the caller must
// neither free it nor reuse it for another request). A null call-back is not called;
// the header call-back is called only with the body call-back, right after it.
struct stHttpData {
    defwrite_cb write_cb;  // receives the response body
    defhead_cb head_cb;    // receives the response header text
    std::string url;
    std::string method;    // "POST" sends a POST; anything else a GET
    curl_slist* header;    // extra request header lines; null for none
    CParam param;          // the caller's context, handed back to the call-backs
    std::string postData;  // the POST body
    std::string retHead;   // header text collected so far
    std::string retWrite;  // body collected so far
    CURL* handler;         // the easy handle while the request is in flight

    stHttpData();
    stHttpData(const stHttpData& other);
    stHttpData& operator=(const stHttpData& other) = default;
    ~stHttpData();

    // A new copy of every field but retWrite, which starts empty; null when out of memory.
    stHttpData* clone() const;
};

// Runs many requests at once: pushCacheData queues, each tick starts up to 64 queued
// requests, moves the transfers on and delivers every finished one to its call-backs.
// Owns its multi handle, the queued requests and the in-flight copies with their easy
// handles and header lists; destroying it ends unfinished transfers without call-backs.
// One thread only: the one that pushes and ticks.
class CCurlHttpRequest {
public:
    enum { Max_Add_Per_Tick = 64 };

    CCurlHttpRequest();
    ~CCurlHttpRequest();
    CCurlHttpRequest(const CCurlHttpRequest&) = delete;
    CCurlHttpRequest& operator=(const CCurlHttpRequest&) = delete;

    // The process's client, made on first use. REQUIRES: one thread uses it.
    static CCurlHttpRequest* getInstance();

    // Queues a copy of the request; it starts at a later tick.
    void pushCacheData(const stHttpData& data);
    // One turn: deliver finished requests, start queued ones, move the transfers on; may
    // wait inside select (see selectWait). Exceptions are reported and thrown on.
    void tick();

    stHttpData* get_private_data_by_handle(CURL* handle);

    // The select wait for a libcurl time-out in milliseconds: itself when 1000 or more,
    // else (shorter or none, -1) one second.
    static timeval selectWait(long timeoutMs);

    // Requests queued and requests running: an owner's loop may stop ticking (and so
    // stop waiting in select) once both are 0, since every call-back has been made then.
    size_t cachedCount() const { return m_cacheData.size(); }
    size_t inFlightCount() const { return m_inFlight.size(); }

private:
    int multi_addreq();
    int create_easy_url(stHttpData& data);
    int multi_perform();
    int multi_select();
    void multi_read_result();
    // Takes the finished or abandoned request out of the multi handle and frees it.
    void release(CURL* handle, stHttpData* data);

    static size_t write_callback(char* ptr, size_t size, size_t nmemb, void* userdata);
    static size_t head_callback(char* ptr, size_t size, size_t nmemb, void* userdata);

    CURLM* m_multi_curl;
    int m_running_handle_count;
    std::list<stHttpData> m_cacheData;
    std::set<stHttpData*> m_inFlight; // the in-flight copies, for release at destruction

    static CCurlHttpRequest* m_inst;
};

} // namespace NSNet
