#pragma once
// What the fuzz targets share: quiet assertion reports, the test of an expected report,
// the failure of a target's own check, and a peer that feeds bytes to one session of a
// reactor over a socket pair, as the network would.

#include "net_unit.h"

#include <cstddef>
#include <functional>
#include <string>

namespace fuzz {

// Every assertion report is echoed on standard output, and the protocol library logs each
// message that does not parse; in a target these are mostly expected outcomes, so both are
// silenced unless DRAVIK_FUZZ_VERBOSE is set.
// Call from LLVMFuzzerInitialize.
void QuietReports();

// Runs fn: true when it ended with an assertion report (the report's thrown integer).
// Anything else that escapes goes on to the fuzzer as a finding.
template <class Fn>
bool Reported(Fn&& fn)
{
    try {
        fn();
        return false;
    } catch (int) {
        return true;
    }
}

// A check of the target itself failed: prints the text and aborts (a finding).
[[noreturn]] void Fail(const char* szFormat, ...) __attribute__((format(printf, 1, 2)));

// The net unit of the session targets, on a reactor of its own: it notes when its session
// is deleted and whether the target's process refused something, and fails the target
// when anything reaches it from a session already closed.
class PeerUnit : public NSNet::INetIoAgent, public NSNet::INetUnit {
public:
    explicit PeerUnit(const char* szName);

    using NSNet::INetUnit::process;

    // Before each input.
    void Reset();
    int onAddSession(NSNet::SessionId) override { return 0; }
    int onDeleteSession(NSNet::SessionId) override;
    std::string identification() const override { return m_strName; }
    // Fails the target unless the session is still open: nothing may reach the unit after.
    void CheckOpen(NSNet::SessionId sid, const std::string& strWhat);

    bool bDeleted = false;   // the session is gone
    bool bRefused = false;   // process refused a frame or request (the session closes)

private:
    std::string m_strName;
};

// The peer of one session: a socket pair whose one end carries a stream io with a clone
// of the prototype, registered with the agent's reactor; the other end is written here.
// The agent is ticked after every write, so the session sees the bytes in the pieces
// written (and in the reactor's own steps of at most 1460 bytes).
class SessionPeer {
public:
    SessionPeer(NSNet::INetIoAgent& agent, const NSNet::INetSession& prototype);
    ~SessionPeer();
    SessionPeer(const SessionPeer&) = delete;
    SessionPeer& operator=(const SessionPeer&) = delete;

    bool Ok() const { return m_fdPeer >= 0; }
    // Writes all bytes, ticking whenever the socket takes no more; stops early (false) once
    // the session's side is gone.
    bool Write(const void* pData, size_t nSize);
    bool Write(const std::string& str) { return Write(str.data(), str.size()); }
    void Tick();
    // Closes the peer's end and ticks until bGone() holds; false when it still does not
    // after many turns (the session would stay open for ever).
    bool Leave(const std::function<bool()>& bGone);

private:
    NSNet::INetIoAgent& m_agent;
    int m_fdPeer;
};

} // namespace fuzz
