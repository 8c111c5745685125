#include "curl_http_request.h"

#include "Assertx.h"

#include <new>
#include <sys/select.h>

namespace NSNet {

// ---- stHttpData -----------------------------------------------------------

stHttpData::stHttpData()
    : write_cb(nullptr), head_cb(nullptr), url(), method(), header(nullptr), param(), postData(), retHead(),
      retWrite(), handler(nullptr) {}

stHttpData::stHttpData(const stHttpData& other)
    : write_cb(other.write_cb), head_cb(other.head_cb), url(other.url), method(other.method), header(other.header),
      param(other.param), postData(other.postData), retHead(other.retHead), retWrite(other.retWrite),
      handler(other.handler) {}

stHttpData::~stHttpData() {}

stHttpData* stHttpData::clone() const {
    try {
        stHttpData* copy = new stHttpData();
        copy->write_cb = write_cb;
        copy->head_cb = head_cb;
        copy->url = url;
        copy->method = method;
        copy->header = header;
        copy->param = param;
        copy->postData = postData;
        copy->retHead = retHead;
        copy->handler = handler;
        return copy;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

// ---- CCurlHttpRequest -----------------------------------------------------

CCurlHttpRequest* CCurlHttpRequest::m_inst = nullptr;

CCurlHttpRequest::CCurlHttpRequest() : m_multi_curl(curl_multi_init()), m_running_handle_count(0) {}

CCurlHttpRequest::~CCurlHttpRequest() {
    for (stHttpData& data : m_cacheData) {
        curl_slist_free_all(data.header);
        data.header = nullptr;
    }
    m_cacheData.clear();
    while (!m_inFlight.empty()) {
        stHttpData* data = *m_inFlight.begin();
        release(data->handler, data);
    }
    if (m_multi_curl != nullptr) {
        curl_multi_cleanup(m_multi_curl);
        m_multi_curl = nullptr;
    }
    if (m_inst == this) {
        m_inst = nullptr;
    }
}

CCurlHttpRequest* CCurlHttpRequest::getInstance() {
    if (m_inst == nullptr) {
        m_inst = new CCurlHttpRequest();
    }
    return m_inst;
}

void CCurlHttpRequest::pushCacheData(const stHttpData& data) { m_cacheData.push_back(data); }

void CCurlHttpRequest::tick() {
    __ENTER_FUNCTION
    if (m_multi_curl == nullptr) {
        return;
    }
    multi_read_result();
    multi_addreq();
    if (multi_perform() > 0) {
        multi_select();
        multi_perform();
    }
    __LEAVE_FUNCTION
}

stHttpData* CCurlHttpRequest::get_private_data_by_handle(CURL* handle) {
    char* data = nullptr;
    if (handle == nullptr || curl_easy_getinfo(handle, CURLINFO_PRIVATE, &data) != CURLE_OK) {
        return nullptr;
    }
    stHttpData* request = reinterpret_cast<stHttpData*>(data);
    return m_inFlight.count(request) != 0 ? request : nullptr;
}

timeval CCurlHttpRequest::selectWait(long timeoutMs) {
    timeval wait;
    if (timeoutMs >= 1000) {
        wait.tv_sec = timeoutMs / 1000;
        wait.tv_usec = (timeoutMs % 1000) * 1000;
    } else {
        wait.tv_sec = 1;
        wait.tv_usec = 0;
    }
    return wait;
}

int CCurlHttpRequest::multi_addreq() {
    int taken = 0;
    while (taken < Max_Add_Per_Tick && !m_cacheData.empty()) {
        create_easy_url(m_cacheData.front());
        m_cacheData.pop_front();
        ++taken;
    }
    return taken;
}

int CCurlHttpRequest::create_easy_url(stHttpData& data) {
    CURL* easy = curl_easy_init();
    if (easy == nullptr) {
        // The header list was handed over with the request: dropped with it.
        curl_slist_free_all(data.header);
        data.header = nullptr;
        return -1;
    }
    stHttpData* request = data.clone();
    if (request == nullptr) {
        curl_easy_cleanup(easy);
        curl_slist_free_all(data.header);
        data.header = nullptr;
        return -2;
    }
    data.header = nullptr; // the in-flight copy has it now
    request->handler = easy;

    curl_easy_setopt(easy, CURLOPT_URL, request->url.c_str());
    if (request->header != nullptr) {
        curl_slist* list = curl_slist_append(request->header, "expect: ");
        if (list != nullptr) {
            request->header = list;
        }
        curl_easy_setopt(easy, CURLOPT_HTTPHEADER, request->header);
    }
    curl_easy_setopt(easy, CURLOPT_READFUNCTION, nullptr);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &CCurlHttpRequest::write_callback);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, request);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &CCurlHttpRequest::head_callback);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, request);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 0L);
    curl_easy_setopt(easy, CURLOPT_VERBOSE, 0L);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 1L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, 3L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 10L);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, 3L);
    curl_easy_setopt(easy, CURLOPT_TIMEOUT, 6L);
    curl_easy_setopt(easy, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(easy, CURLOPT_PRIVATE, request);
    if (request->method == "POST") {
        curl_easy_setopt(easy, CURLOPT_POST, 1L);
        curl_easy_setopt(easy, CURLOPT_POSTFIELDS, request->postData.c_str());
        // Without the size libcurl measures the body up to its first zero byte.
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request->postData.size()));
    }
    m_inFlight.insert(request);
    const CURLMcode added = curl_multi_add_handle(m_multi_curl, easy);
    if (added != CURLM_OK) {
        release(easy, request); // never started: dropped like a request without a handle
    }
    return added;
}

int CCurlHttpRequest::multi_perform() {
    int running = 0;
    CURLMcode code;
    do {
        code = curl_multi_perform(m_multi_curl, &running);
    } while (code == CURLM_CALL_MULTI_PERFORM);
    m_running_handle_count = running;
    return running;
}

int CCurlHttpRequest::multi_select() {
    long timeoutMs = -1;
    curl_multi_timeout(m_multi_curl, &timeoutMs);
    timeval wait = selectWait(timeoutMs);

    fd_set readSet;
    fd_set writeSet;
    fd_set errorSet;
    FD_ZERO(&readSet);
    FD_ZERO(&writeSet);
    FD_ZERO(&errorSet);
    int maxFd = -1;
    curl_multi_fdset(m_multi_curl, &readSet, &writeSet, &errorSet, &maxFd);
    if (maxFd == -1) {
        return -1;
    }
    if (::select(maxFd + 1, &readSet, &writeSet, &errorSet, &wait) == -1) {
        return -1;
    }
    return 0;
}

void CCurlHttpRequest::release(CURL* handle, stHttpData* data) {
    if (handle != nullptr) {
        curl_multi_remove_handle(m_multi_curl, handle);
        curl_easy_cleanup(handle);
    }
    if (data != nullptr) {
        curl_slist_free_all(data->header);
        m_inFlight.erase(data);
        delete data;
    }
}

void CCurlHttpRequest::multi_read_result() {
    int left = 0;
    CURLMsg* msg = nullptr;
    while ((msg = curl_multi_info_read(m_multi_curl, &left)) != nullptr) {
        if (msg->msg != CURLMSG_DONE) {
            continue;
        }
        // msg dies with the handle's removal: take what is needed first.
        CURL* handle = msg->easy_handle;
        const tint32 result = static_cast<tint32>(msg->data.result);
        stHttpData* data = get_private_data_by_handle(handle);
        // Released even when a call-back throws.
        struct Release {
            CCurlHttpRequest* owner;
            CURL* handle;
            stHttpData* data;
            ~Release() { owner->release(handle, data); }
        } guard{this, handle, data};
        if (data == nullptr) {
            continue;
        }
        // The header text comes only after the body: without a body call-back, none.
        if (data->write_cb != nullptr) {
            data->write_cb(result, data->retWrite, data->param);
            if (data->head_cb != nullptr) {
                data->head_cb(result, data->retHead, data->param);
            }
        }
    }
}

size_t CCurlHttpRequest::write_callback(char* ptr, size_t size, size_t nmemb, void* userdata) {
    const size_t bytes = size * nmemb;
    stHttpData* data = static_cast<stHttpData*>(userdata);
    if (data != nullptr) {
        try {
            data->retWrite.append(ptr, bytes);
        } catch (const std::exception&) {
            return 0; // no exception may cross libcurl: the transfer fails instead
        }
    }
    return bytes;
}

size_t CCurlHttpRequest::head_callback(char* ptr, size_t size, size_t nmemb, void* userdata) {
    const size_t bytes = size * nmemb;
    stHttpData* data = static_cast<stHttpData*>(userdata);
    if (data != nullptr) {
        try {
            data->retHead.append(ptr, bytes);
        } catch (const std::exception&) {
            return 0;
        }
    }
    return bytes;
}

} // namespace NSNet
