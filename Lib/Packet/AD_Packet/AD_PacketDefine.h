#ifndef AD_PACKETDEFINE_H
#define AD_PACKETDEFINE_H

// Packet ids of the database agent protocol (AD_PBMessage.proto) and their
// names. The frame carries the id as an unsigned 16-bit number; this
// enumeration is the only place where ids and messages are paired.

#include "BaseType.h"
#include "FLString.h"

namespace ADPackets
{

enum AD_PACKET_DEFINE
{
	PACKET_AD_NONE = 0,
#define AD_PACKET(enumerator, message) enumerator,
#include "AD_PacketDefine.def"
#undef AD_PACKET
	PACKET_AD_MAX, // number of ids including 0, and the size of the name table
};

static_assert(PACKET_AD_MAX == 39, "the agent knows 38 packet ids");

// Entry i holds the enumerator name of id i once AD_InitPacketNameVector has
// run, and is empty before. Process-wide, without a lock: fill it once before
// other threads read it; lookups only read.
extern FLString<128> g_ADPacketNameVector[PACKET_AD_MAX];

// Assigns the 39 names, entry i the name of id i. Calling it again assigns the same texts.
void AD_InitPacketNameVector();

// Name of the id for 0 <= nPacketID < PACKET_AD_MAX (empty before the table is
// filled); a static empty text for any other id. Never reports anything.
const tchar* AD_GetPacketNameByID(tint32 nPacketID);

} // namespace ADPackets

#endif // AD_PACKETDEFINE_H
