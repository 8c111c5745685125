#pragma once
// Blocking HTTP request over one libcurl easy handle.

#include "curl_http_request.h"

namespace NSNet {

// Sends one request at a time and waits for it. Owns its easy handle (null when libcurl
// could not make one; every request then fails). Nothing of one request carries over to
// the next. One thread at a time.
class CCurlReq {
public:
    CCurlReq();
    ~CCurlReq();
    CCurlReq(const CCurlReq&) = delete;
    CCurlReq& operator=(const CCurlReq&) = delete;

    // Performs the request (the body reaches write_cb chunk by chunk, each time with
    // result 0; no header call-back, no header list); libcurl's result code, 0 on success.
    int sendHttpRequest(stHttpData data);

    static size_t write_callback(char* ptr, size_t size, size_t nmemb, void* userdata);

private:
    CURL* m_curl;
};

} // namespace NSNet
