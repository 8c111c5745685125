#include "net_struct.h"

namespace NSNet {

_stSocketInfo::_stSocketInfo() : address() { clear(); }

void _stSocketInfo::clear() {
    type = -1;
    address.clear();
    port = 0xFFFF;
    reuseAddress = -1;
    keepAlive = -1;
    noDelay = -1;
    nonBlock = -1;
    sendBuffer = -1;
    recvBuffer = -1;
    backlog = -1;
}

} // namespace NSNet
