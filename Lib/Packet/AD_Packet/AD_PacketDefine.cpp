#include "AD_PacketDefine.h"

namespace ADPackets
{

FLString<128> g_ADPacketNameVector[PACKET_AD_MAX];

namespace
{
const tchar* const s_PacketNames[PACKET_AD_MAX] = {
	"PACKET_AD_NONE",
#define AD_PACKET(enumerator, message) #enumerator,
#include "AD_PacketDefine.def"
#undef AD_PACKET
};
} // namespace

void AD_InitPacketNameVector()
{
	for (tint32 i = 0; i < PACKET_AD_MAX; ++i)
		g_ADPacketNameVector[i] = s_PacketNames[i];
}

const tchar* AD_GetPacketNameByID(tint32 nPacketID)
{
	static const tchar s_szEmpty[] = "";
	if (nPacketID < 0 || nPacketID >= PACKET_AD_MAX)
		return s_szEmpty;
	return g_ADPacketNameVector[nPacketID].GetCText();
}

} // namespace ADPackets
