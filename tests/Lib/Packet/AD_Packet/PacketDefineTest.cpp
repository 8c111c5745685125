// Packet ids and the packet-name table.

#include "AD_PBMessage.pb.h"
#include "AD_PacketDefine.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace ADPackets;

namespace
{
struct IdRow
{
	tint32 nId;
	const char* szName;
};

// Every id with its name, written out as the agent's tooling knows them.
const IdRow s_Ids[] = {
	{0, "PACKET_AD_NONE"},
	{1, "PACKET_AD_REGIST_PAK"},
	{2, "PACKET_DA_REGIST_PAK"},
	{3, "PACKET_AD_GUID_SAVE_PAK"},
	{4, "PACKET_AD_USERSAVE_PAK"},
	{5, "PACKET_DA_USERSAVE_PAK"},
	{6, "PACKET_AD_USERLOAD_PAK"},
	{7, "PACKET_DA_USERLOAD_PAK"},
	{8, "PACKET_AD_BASE_USERSAVE_PAK"},
	{9, "PACKET_DA_BASE_USERSAVE_PAK"},
	{10, "PACKET_AD_BASE_USERLOAD_PAK"},
	{11, "PACKET_DA_BASE_USERLOAD_PAK"},
	{12, "PACKET_AD_CHECKACCOUNT_PAK"},
	{13, "PACKET_DA_CHECKACCOUNT_PAK"},
	{14, "PACKET_AD_ITEMSAVE_PAK"},
	{15, "PACKET_AD_ITEMLOAD_PAK"},
	{16, "PACKET_DA_ITEMLOAD_PAK"},
	{17, "PACKET_AD_INSERT_USEREMAIL_PAK"},
	{18, "PACKET_AD_LOAD_GLOBALEMAIL_PAK"},
	{19, "PACKET_DA_LOAD_GLOBALEMAIL_PAK"},
	{20, "PACKET_AD_UPDATE_PLAYER_MATCHITEM_PAK"},
	{21, "PACKET_DA_SAVE_USER_RECHARGETIMES_PAK"},
	{22, "PACKET_AD_REQUEST_RECHARGEDATA_PAK"},
	{23, "PACKET_DA_REQUEST_RECHARGEDATA_PAK"},
	{24, "PACKET_AD_ADD_RECHARGEDATA_PAK"},
	{25, "PACKET_AD_MOVE_RECHARGEDATA_PAK"},
	{26, "PACKET_AD_MODIFY_RECHARGEDATA_STATE_PAK"},
	{27, "PACKET_AD_CHECK_RECHARGE_ORDERID_PAK"},
	{28, "PACKET_DA_CHECK_RECHARGE_ORDERID_PAK"},
	{29, "PACKET_AD_UPDATE_MATCH_SCORE_PAK"},
	{30, "PACKET_DA_UPDATE_MATCH_SCORE_PAK"},
	{31, "PACKET_AD_REQUEST_MATCH_SCORE_PAK"},
	{32, "PACKET_AD_REQUEST_MONSTERRECORD_PAK"},
	{33, "PACKET_DA_REQUEST_MONSTERRECORD_PAK"},
	{34, "PACKET_AD_SAVE_MONSTERRECORD_PAK"},
	{35, "PACKET_AD_LOADGLOBALDATA_PAK"},
	{36, "PACKET_DA_LOADGLOBALDATA_PAK"},
	{37, "PACKET_AD_SAVEGLOBALDATA_PAK"},
	{38, "PACKET_DA_SAVEGLOBALDATA_PAK"},
};

// The ten messages that travel only inside others.
const char* const s_DataMessages[] = {"AD_EmailAwardData", "AD_EmailAwardDataList", "AD_EMAILINFO",
	"AD_USER_DATA", "D_PresentItem", "D_TaskBaseInfo", "D_TaskTypeInfo", "D_TaskInfo",
	"D_TaskListInfo", "D_StarTaskListInfo"};

bool IsDataMessage(const std::string& sName)
{
	for (const char* szData : s_DataMessages)
		if (sName == szData)
			return true;
	return false;
}
} // namespace

TEST(PacketDefine, EnumeratorValues)
{
	EXPECT_EQ(PACKET_AD_NONE, 0);
	EXPECT_EQ(PACKET_AD_REGIST_PAK, 1);
	EXPECT_EQ(PACKET_DA_REGIST_PAK, 2);
	EXPECT_EQ(PACKET_AD_GUID_SAVE_PAK, 3);
	EXPECT_EQ(PACKET_AD_USERSAVE_PAK, 4); // the eighth message of the file
	EXPECT_EQ(PACKET_DA_USERSAVE_PAK, 5);
	EXPECT_EQ(PACKET_AD_USERLOAD_PAK, 6);
	EXPECT_EQ(PACKET_DA_USERLOAD_PAK, 7);
	EXPECT_EQ(PACKET_AD_ITEMSAVE_PAK, 14);
	EXPECT_EQ(PACKET_AD_INSERT_USEREMAIL_PAK, 17);
	EXPECT_EQ(PACKET_AD_UPDATE_PLAYER_MATCHITEM_PAK, 20);
	EXPECT_EQ(PACKET_DA_SAVE_USER_RECHARGETIMES_PAK, 21); // five data messages skipped
	EXPECT_EQ(PACKET_AD_MODIFY_RECHARGEDATA_STATE_PAK, 26);
	EXPECT_EQ(PACKET_AD_UPDATE_MATCH_SCORE_PAK, 29);
	EXPECT_EQ(PACKET_AD_REQUEST_MONSTERRECORD_PAK, 32);
	EXPECT_EQ(PACKET_DA_SAVEGLOBALDATA_PAK, 38);
	EXPECT_EQ(PACKET_AD_MAX, 39);
}

// The ids follow the schema: walking its messages in file order and skipping
// the data messages gives the message of each id in turn.
TEST(PacketDefine, IdsFollowTheSchemaOrder)
{
	const google::protobuf::FileDescriptor* pFile = AD_REGIST::descriptor()->file();
	tint32 nNextId = 1;
	for (int m = 0; m < pFile->message_type_count(); ++m)
	{
		const std::string sName = pFile->message_type(m)->name();
		if (IsDataMessage(sName))
			continue;
		SCOPED_TRACE(sName);
		ASSERT_LT(nNextId, PACKET_AD_MAX);
		EXPECT_EQ(std::string(s_Ids[nNextId].szName), "PACKET_" + sName + "_PAK");
		++nNextId;
	}
	EXPECT_EQ(nNextId, PACKET_AD_MAX);

	// Each line of the declaration pairs an id with its message.
#define AD_PACKET(enumerator, message)                                                 \
	EXPECT_STREQ(s_Ids[enumerator].szName, #enumerator);                                 \
	EXPECT_EQ("PACKET_" + message::descriptor()->name() + "_PAK", std::string(#enumerator));
#include "AD_PacketDefine.def"
#undef AD_PACKET
}

// Runs before and after the table is filled; the fill is the only step that
// changes the process-wide table, so both halves live in one test.
TEST(PacketDefine, NameTable)
{
	for (const IdRow& row : s_Ids)
	{
		SCOPED_TRACE(row.szName);
		EXPECT_STREQ(AD_GetPacketNameByID(row.nId), "") << "filled before AD_InitPacketNameVector";
	}

	AD_InitPacketNameVector();
	for (const IdRow& row : s_Ids)
	{
		SCOPED_TRACE(row.szName);
		EXPECT_STREQ(AD_GetPacketNameByID(row.nId), row.szName);
		EXPECT_STREQ(g_ADPacketNameVector[row.nId].GetCText(), row.szName);
	}
	EXPECT_EQ(std::strlen(AD_GetPacketNameByID(26)), 39u); // the longest name, whole

	const tint32 outside[] = {PACKET_AD_MAX, -1, 1000, INT32_MIN, INT32_MAX};
	for (tint32 nId : outside)
	{
		SCOPED_TRACE(nId);
		EXPECT_STREQ(AD_GetPacketNameByID(nId), "");
	}

	AD_InitPacketNameVector(); // again: the same texts
	EXPECT_STREQ(AD_GetPacketNameByID(2), "PACKET_DA_REGIST_PAK");
	EXPECT_STREQ(AD_GetPacketNameByID(38), "PACKET_DA_SAVEGLOBALDATA_PAK");
}
