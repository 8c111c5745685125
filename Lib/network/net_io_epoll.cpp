#include "net_io_epoll.h"

#include <csignal>
#include <unistd.h>
#include <utility>

namespace NSNet {

CEpollIo::CEpollIo() : INetIo(), m_epollFd(-1), m_bDestroying(false) { init(); }

CEpollIo::~CEpollIo() {
    m_bDestroying = true;
    std::set<INetIo*> ios;
    for (auto& kv : m_mapEvents) {
        ios.insert(kv.second);
    }
    for (auto& kv : m_mapNewEvents) {
        ios.insert(kv.second);
    }
    m_mapEvents.clear();
    m_mapNewEvents.clear();
    // Ios left behind would keep their sockets and sessions for ever.
    for (INetIo* io : ios) {
        delete io;
    }
    if (m_epollFd >= 0) {
        ::close(m_epollFd);
        m_epollFd = -1;
    }
}

int CEpollIo::init() {
    std::signal(SIGPIPE, SIG_IGN);
    m_epollFd = ::epoll_create1(0);
    return m_epollFd == -1 ? -1 : 0;
}

INetIo* CEpollIo::registerEvent(INetIo* io, bool in, bool out) {
    if (io == nullptr || m_bDestroying || io->pollError() != 0) {
        return nullptr;
    }
    m_mapNewEvents[io->m_fd] = io;
    if (in) {
        io->m_newEvent |= enEventType_Read;
    }
    if (out) {
        io->m_newEvent |= enEventType_Write;
    }
    io->m_event = 0;
    return io;
}

INetIo* CEpollIo::pop(SOCKET fd) {
    auto it = m_mapEvents.find(fd);
    if (it == m_mapEvents.end()) {
        return nullptr;
    }
    if (::epoll_ctl(m_epollFd, EPOLL_CTL_DEL, fd, nullptr) != 0) {
        return nullptr;
    }
    INetIo* io = it->second;
    m_mapEvents.erase(it);
    return io;
}

void CEpollIo::updateEventsMap() {
    if (m_mapNewEvents.empty()) {
        return;
    }
    for (auto& kv : m_mapNewEvents) {
        m_mapEvents[kv.first] = kv.second;
        if (kv.second->m_newEvent != 0) {
            m_setEvents.insert(kv.second);
        }
    }
    m_mapNewEvents.clear();

    std::vector<std::pair<INetIo*, int>> changed;
    changed.reserve(m_setEvents.size());
    for (INetIo* io : m_setEvents) {
        changed.emplace_back(io, io->m_event);
        io->m_event = io->m_newEvent;
        io->m_newEvent = 0;
    }
    m_setEvents.clear();
    for (auto& c : changed) {
        loadEvent(c.first, c.second);
    }
}

int CEpollIo::loadEvent(INetIo* io, int oldEvents) {
    int flags = 0;
    if (io->m_event & enEventType_Write) {
        flags |= EPOLLOUT;
    }
    if (io->m_event & enEventType_Read) {
        flags |= EPOLLIN;
    }
    if (flags != 0) {
        epoll_event ev;
        ev.events = static_cast<uint32_t>(flags);
        ev.data.ptr = io;
        const int op = (oldEvents & (enEventType_Read | enEventType_Write)) ? EPOLL_CTL_MOD : EPOLL_CTL_ADD;
        ::epoll_ctl(m_epollFd, op, io->m_fd, &ev);
        return 0;
    }
    if (oldEvents != 0) {
        removeIo(io);
        return -1;
    }
    return 0;
}

void CEpollIo::removeIo(INetIo* io) {
    ::epoll_ctl(m_epollFd, EPOLL_CTL_DEL, io->m_fd, nullptr);
    auto it = m_mapEvents.find(io->m_fd);
    if (it != m_mapEvents.end() && it->second == io) {
        m_mapEvents.erase(it);
    }
    delete io;
}

void CEpollIo::triggerEvent(const epoll_event& event) {
    INetIo* io = static_cast<INetIo*>(event.data.ptr);
    if (event.events & (EPOLLIN | EPOLLERR | EPOLLHUP)) {
        io->pollIn();
    }
    if (event.events & EPOLLOUT) {
        io->pollOut();
    }
    if (io->pollClose()) {
        removeIo(io);
    }
}

void CEpollIo::removeClosed() {
    m_vecClosed.clear();
    for (auto& kv : m_mapEvents) {
        if (kv.second->pollClose()) {
            m_vecClosed.push_back(kv.second);
        }
    }
    // Deleting an io runs its session's call-backs, which may close (mark) others:
    // those go at the end of the next poll.
    for (INetIo* io : m_vecClosed) {
        removeIo(io);
    }
    m_vecClosed.clear();
}

int CEpollIo::poll() {
    updateEventsMap();
    const size_t n = m_mapEvents.size();
    if (n > 0 && m_epollFd >= 0) {
        m_vecFd.resize(n);
        const int nReady = ::epoll_wait(m_epollFd, m_vecFd.data(), static_cast<int>(n), 0);
        for (int i = 0; i < nReady; ++i) {
            triggerEvent(m_vecFd[static_cast<size_t>(i)]);
        }
    }
    // An io closed by its application gets no event of its own when its socket is idle.
    removeClosed();
    return 0;
}

} // namespace NSNet
