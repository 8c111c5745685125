#pragma once
// Identifiers and byte type of the network library.

#include "BaseType.h"

namespace NSNet {

typedef int SOCKET;             // a socket descriptor
typedef unsigned char BuffType; // the byte of every network buffer and frame
typedef tuint32 SessionId;      // a session's id within its reactor; 0 is never a live id

} // namespace NSNet
