#pragma once
// Level-triggered epoll reactor, turned one non-blocking step at a time by its owner.

#include "net_io.h"

#include <map>
#include <set>
#include <sys/epoll.h>
#include <vector>

namespace NSNet {

// Owns every io registered with it (pending in m_mapNewEvents until the next poll,
// then loaded in m_mapEvents) and deletes each once it is marked closed: at the end
// of its next event, or at the end of the next poll when no event comes for it.
// Deleting the reactor deletes the ios it still holds and closes the epoll descriptor.
// Also the source of session ids (nextSessionId). No locks: one thread creates,
// polls and destroys a reactor and everything registered with it.
class CEpollIo : public INetIo {
public:
    CEpollIo();
    ~CEpollIo() override;

    // Ignores SIGPIPE for the process and opens the epoll descriptor; -1 on failure.
    int init();

    int poll() override;
    INetIo* pop(SOCKET fd) override;
    INetIo* registerEvent(INetIo* io, bool in, bool out) override;

private:
    void updateEventsMap();
    int loadEvent(INetIo* io, int oldEvents);
    void triggerEvent(const epoll_event& event);
    // Takes io out of epoll and the map and deletes it.
    void removeIo(INetIo* io);
    // Deletes the loaded ios that are marked closed.
    void removeClosed();

    int m_epollFd;
    std::map<SOCKET, INetIo*> m_mapEvents;    // loaded, by descriptor
    std::map<SOCKET, INetIo*> m_mapNewEvents; // registered for the next poll
    std::vector<epoll_event> m_vecFd;         // filled by epoll_wait
    std::set<INetIo*> m_setEvents;            // ios whose mask changes in this update
    std::vector<INetIo*> m_vecClosed;         // scratch list of removeClosed
    bool m_bDestroying;                       // set by the destructor: no new registrations
};

} // namespace NSNet
