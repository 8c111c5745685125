#include "curl_req.h"

namespace NSNet {

CCurlReq::CCurlReq() : m_curl(curl_easy_init()) {}

CCurlReq::~CCurlReq() {
    if (m_curl != nullptr) {
        curl_easy_cleanup(m_curl);
        m_curl = nullptr;
    }
}

int CCurlReq::sendHttpRequest(stHttpData data) {
    if (m_curl == nullptr) {
        return CURLE_FAILED_INIT;
    }
    // From libcurl's defaults each time: an earlier POST leaves nothing behind.
    curl_easy_reset(m_curl);
    curl_easy_setopt(m_curl, CURLOPT_URL, data.url.c_str());
    curl_easy_setopt(m_curl, CURLOPT_READFUNCTION, nullptr);
    curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, &CCurlReq::write_callback);
    curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, &data);
    curl_easy_setopt(m_curl, CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(m_curl, CURLOPT_SSL_VERIFYHOST, 0L);
    curl_easy_setopt(m_curl, CURLOPT_VERBOSE, 0L);
    curl_easy_setopt(m_curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_curl, CURLOPT_NOPROGRESS, 1L);
    curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_TIME, 3L);
    curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_LIMIT, 10L);
    curl_easy_setopt(m_curl, CURLOPT_CONNECTTIMEOUT, 3L);
    curl_easy_setopt(m_curl, CURLOPT_TIMEOUT, 10L);
    if (data.method == "POST") {
        curl_easy_setopt(m_curl, CURLOPT_POST, 1L);
        curl_easy_setopt(m_curl, CURLOPT_POSTFIELDS, data.postData.c_str());
        // Without the size libcurl measures the body up to its first zero byte.
        curl_easy_setopt(m_curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(data.postData.size()));
    }
    return curl_easy_perform(m_curl);
}

size_t CCurlReq::write_callback(char* ptr, size_t size, size_t nmemb, void* userdata) {
    const size_t bytes = size * nmemb;
    stHttpData* data = static_cast<stHttpData*>(userdata);
    if (data != nullptr && data->write_cb != nullptr) {
        try {
            std::string chunk(ptr, bytes);
            data->write_cb(0, chunk, data->param);
        } catch (...) {
            return 0; // no exception may cross libcurl: the transfer fails instead
        }
    }
    return bytes;
}

} // namespace NSNet
