#pragma once
// A tiny HTTP server on 127.0.0.1 for the HTTP client tests, on its own thread.

#include "BaseType.h"

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace nettest {

// Listens on a port the system picks and serves one connection at a time until it is
// destroyed (every wait is bounded and checks for the stop). Each request is read whole
// (headers and Content-Length body), recorded, and answered according to the mode:
//   Echo:   200 with the body "<method> <target> <request body>" and a header "X-Test: yes";
//   Pieces: the same answer sent in three pieces 200 ms apart (headers, then the body in two halves);
//   Silent: nothing is read or sent; the connection stays open until the server stops.
class HttpTestServer {
public:
    enum Mode { Echo, Pieces, Silent };

    explicit HttpTestServer(Mode mode);
    ~HttpTestServer();
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    tuint16 Port() const { return m_port; }
    // "http://127.0.0.1:<port>" followed by target.
    std::string Url(const std::string& target) const;
    // The raw requests received so far, in order.
    std::vector<std::string> Requests() const;
    // The echo body for a request text.
    static std::string EchoBody(const std::string& request);

private:
    void Run();
    void Serve(int fd);

    Mode m_mode;
    int m_listen;
    tuint16 m_port;
    std::atomic<bool> m_bStop;
    mutable std::mutex m_mutex;
    std::vector<std::string> m_requests;
    std::vector<int> m_silent;
    std::thread m_thread;
};

// A port on 127.0.0.1 where nobody listens (bound once, then closed).
tuint16 ClosedPort();

} // namespace nettest
