// The schema as the database agent knows it: message order, every field's
// name, number, label and type, the nested enums, and the size of the
// serialised file descriptor that the generated code embeds.

#include "AD_PBMessage.pb.h"

#include <google/protobuf/descriptor.h>
#include <google/protobuf/descriptor.pb.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using google::protobuf::Descriptor;
using google::protobuf::EnumDescriptor;
using google::protobuf::FieldDescriptor;
using google::protobuf::FileDescriptor;

const FileDescriptor* SchemaFile()
{
	// Any generated class leads to the file; AD_REGIST is its first message.
	return AD_REGIST::descriptor()->file();
}

// The 48 messages in file order.
const char* const s_MessageOrder[] = {
	"AD_REGIST", "DA_REGIST", "AD_GUID_SAVE", "AD_EmailAwardData", "AD_EmailAwardDataList",
	"AD_EMAILINFO", "AD_USER_DATA", "AD_USERSAVE", "DA_USERSAVE", "AD_USERLOAD", "DA_USERLOAD",
	"AD_BASE_USERSAVE", "DA_BASE_USERSAVE", "AD_BASE_USERLOAD", "DA_BASE_USERLOAD",
	"AD_CHECKACCOUNT", "DA_CHECKACCOUNT", "AD_ITEMSAVE", "AD_ITEMLOAD", "DA_ITEMLOAD",
	"AD_INSERT_USEREMAIL", "AD_LOAD_GLOBALEMAIL", "DA_LOAD_GLOBALEMAIL", "D_PresentItem",
	"AD_UPDATE_PLAYER_MATCHITEM", "D_TaskBaseInfo", "D_TaskTypeInfo", "D_TaskInfo",
	"D_TaskListInfo", "D_StarTaskListInfo", "DA_SAVE_USER_RECHARGETIMES",
	"AD_REQUEST_RECHARGEDATA", "DA_REQUEST_RECHARGEDATA", "AD_ADD_RECHARGEDATA",
	"AD_MOVE_RECHARGEDATA", "AD_MODIFY_RECHARGEDATA_STATE", "AD_CHECK_RECHARGE_ORDERID",
	"DA_CHECK_RECHARGE_ORDERID", "AD_UPDATE_MATCH_SCORE", "DA_UPDATE_MATCH_SCORE",
	"AD_REQUEST_MATCH_SCORE", "AD_REQUEST_MONSTERRECORD", "DA_REQUEST_MONSTERRECORD",
	"AD_SAVE_MONSTERRECORD", "AD_LOADGLOBALDATA", "DA_LOADGLOBALDATA", "AD_SAVEGLOBALDATA",
	"DA_SAVEGLOBALDATA",
};

constexpr FieldDescriptor::Label REQ = FieldDescriptor::LABEL_REQUIRED;
constexpr FieldDescriptor::Label OPT = FieldDescriptor::LABEL_OPTIONAL;
constexpr FieldDescriptor::Label REP = FieldDescriptor::LABEL_REPEATED;

constexpr FieldDescriptor::Type I32 = FieldDescriptor::TYPE_INT32;
constexpr FieldDescriptor::Type I64 = FieldDescriptor::TYPE_INT64;
constexpr FieldDescriptor::Type U32 = FieldDescriptor::TYPE_UINT32;
constexpr FieldDescriptor::Type U64 = FieldDescriptor::TYPE_UINT64;
constexpr FieldDescriptor::Type STR = FieldDescriptor::TYPE_STRING;
constexpr FieldDescriptor::Type BYT = FieldDescriptor::TYPE_BYTES;
constexpr FieldDescriptor::Type MSG = FieldDescriptor::TYPE_MESSAGE;

struct FieldRow
{
	const char* szMessage;
	const char* szName;
	int nNumber;
	FieldDescriptor::Label eLabel;
	FieldDescriptor::Type eType;
	const char* szMessageType; // full name of a message-typed field's type, else ""
};

// Every field of the schema, in file order and, within a message, declaration order.
const FieldRow s_Fields[] = {
	{"AD_REGIST", "ServerId", 1, REQ, I32, ""},
	{"AD_REGIST", "GuidType", 2, REP, I32, ""},

	{"DA_REGIST", "ServerId", 1, REQ, I32, ""},
	{"DA_REGIST", "GuidType", 2, REP, I32, ""},
	{"DA_REGIST", "Serial", 3, REP, U32, ""},
	{"DA_REGIST", "Carry", 4, REP, U32, ""},
	{"DA_REGIST", "taskBeginTime", 5, REQ, I64, ""},

	{"AD_GUID_SAVE", "ServerId", 1, REQ, I32, ""},
	{"AD_GUID_SAVE", "GuidType", 2, REQ, I32, ""},
	{"AD_GUID_SAVE", "Serial", 3, REQ, U32, ""},
	{"AD_GUID_SAVE", "Carry", 4, REQ, U32, ""},

	{"AD_EmailAwardData", "itemId", 1, REQ, I32, ""},
	{"AD_EmailAwardData", "count", 2, REQ, I32, ""},

	{"AD_EmailAwardDataList", "data", 1, REP, MSG, "AD_EmailAwardData"},

	{"AD_EMAILINFO", "guid", 1, REQ, U64, ""},
	{"AD_EMAILINFO", "type", 2, REQ, I32, ""},
	{"AD_EMAILINFO", "state", 3, REQ, I32, ""},
	{"AD_EMAILINFO", "createtime", 4, REQ, I64, ""},
	{"AD_EMAILINFO", "globalGuid", 5, REQ, U64, ""},
	{"AD_EMAILINFO", "sender", 6, REQ, STR, ""},
	{"AD_EMAILINFO", "receiver", 7, REQ, STR, ""},
	{"AD_EMAILINFO", "title", 8, REQ, STR, ""},
	{"AD_EMAILINFO", "content", 9, REQ, STR, ""},
	{"AD_EMAILINFO", "awardInfo", 10, OPT, MSG, "AD_EmailAwardDataList"},
	{"AD_EMAILINFO", "senderGuid", 11, REQ, I64, ""},
	{"AD_EMAILINFO", "receiverGuid", 12, REQ, I64, ""},

	{"AD_USER_DATA", "UBData", 1, REQ, BYT, ""},
	{"AD_USER_DATA", "UBDataEx1", 2, REQ, BYT, ""},
	{"AD_USER_DATA", "UBDataEx2", 3, REQ, BYT, ""},
	{"AD_USER_DATA", "UBDataEx3", 4, REQ, BYT, ""},
	{"AD_USER_DATA", "ItemData", 5, REP, BYT, ""},
	{"AD_USER_DATA", "CurrencyData", 6, REP, BYT, ""},
	{"AD_USER_DATA", "emialData", 7, REP, MSG, "AD_EMAILINFO"},
	{"AD_USER_DATA", "shopData", 8, REP, BYT, ""},
	{"AD_USER_DATA", "matchData", 9, OPT, BYT, ""},
	{"AD_USER_DATA", "scrapcard", 10, REQ, BYT, ""},

	{"AD_USERSAVE", "SaveType", 1, REQ, I32, ""},
	{"AD_USERSAVE", "UserData", 2, REQ, MSG, "AD_USER_DATA"},

	{"DA_USERSAVE", "SaveType", 1, REQ, I32, ""},
	{"DA_USERSAVE", "Result", 2, REQ, I32, ""},
	{"DA_USERSAVE", "Account", 3, REQ, STR, ""},
	{"DA_USERSAVE", "UserData", 4, OPT, MSG, "AD_USER_DATA"},

	{"AD_USERLOAD", "UserType", 1, REQ, I32, ""},
	{"AD_USERLOAD", "Guid", 2, OPT, U64, ""},
	{"AD_USERLOAD", "Account", 3, OPT, STR, ""},
	{"AD_USERLOAD", "CharName", 4, OPT, STR, ""},
	{"AD_USERLOAD", "Param", 5, OPT, STR, ""},

	{"DA_USERLOAD", "UserType", 1, REQ, I32, ""},
	{"DA_USERLOAD", "Result", 2, REQ, I32, ""},
	{"DA_USERLOAD", "UserData", 3, OPT, MSG, "AD_USER_DATA"},
	{"DA_USERLOAD", "Guid", 4, OPT, U64, ""},
	{"DA_USERLOAD", "Account", 5, OPT, STR, ""},
	{"DA_USERLOAD", "CharName", 6, OPT, STR, ""},
	{"DA_USERLOAD", "Param", 7, OPT, STR, ""},

	{"AD_BASE_USERSAVE", "UBData", 1, REQ, BYT, ""},

	{"DA_BASE_USERSAVE", "Result", 1, REQ, I32, ""},
	{"DA_BASE_USERSAVE", "Guid", 2, REQ, U64, ""},

	{"AD_BASE_USERLOAD", "Guid", 2, REQ, U64, ""},

	{"DA_BASE_USERLOAD", "Result", 1, REQ, I32, ""},
	{"DA_BASE_USERLOAD", "Guid", 2, REQ, U64, ""},
	{"DA_BASE_USERLOAD", "UBData", 3, OPT, BYT, ""},

	{"AD_CHECKACCOUNT", "SendAccount", 1, REQ, STR, ""},
	{"AD_CHECKACCOUNT", "CheckAccount", 2, REQ, STR, ""},

	{"DA_CHECKACCOUNT", "SendAccount", 1, REQ, STR, ""},
	{"DA_CHECKACCOUNT", "CheckAccount", 2, REQ, STR, ""},
	{"DA_CHECKACCOUNT", "Result", 3, REQ, I32, ""},

	{"AD_ITEMSAVE", "ItemData", 1, REP, BYT, ""},

	{"AD_ITEMLOAD", "Guid", 1, REQ, U64, ""},

	{"DA_ITEMLOAD", "ItemData", 1, REP, BYT, ""},

	{"AD_INSERT_USEREMAIL", "Guid", 1, REQ, U64, ""},
	{"AD_INSERT_USEREMAIL", "emialData", 2, REP, MSG, "AD_EMAILINFO"},

	{"AD_LOAD_GLOBALEMAIL", "flag", 1, REQ, I32, ""},
	{"AD_LOAD_GLOBALEMAIL", "overDueTime", 2, REQ, I64, ""},

	{"DA_LOAD_GLOBALEMAIL", "result", 1, REQ, I32, ""},
	{"DA_LOAD_GLOBALEMAIL", "emialData", 2, REP, MSG, "AD_EMAILINFO"},

	{"D_PresentItem", "itemid", 1, OPT, I32, ""},
	{"D_PresentItem", "itemnum", 2, OPT, I32, ""},

	{"AD_UPDATE_PLAYER_MATCHITEM", "guid", 1, REQ, U64, ""},
	{"AD_UPDATE_PLAYER_MATCHITEM", "matchData", 2, REQ, BYT, ""},

	{"D_TaskBaseInfo", "count", 1, REP, I32, ""},
	{"D_TaskBaseInfo", "matchId", 2, OPT, U64, ""},

	{"D_TaskTypeInfo", "weekIndex", 1, OPT, I32, ""},
	{"D_TaskTypeInfo", "createTime", 2, OPT, I64, ""},

	{"D_TaskInfo", "id", 1, REQ, I32, ""},
	{"D_TaskInfo", "status", 2, REQ, I32, ""},
	{"D_TaskInfo", "typeInfo", 3, REQ, MSG, "D_TaskTypeInfo"},
	{"D_TaskInfo", "baseInfo", 4, REP, MSG, "D_TaskBaseInfo"},

	{"D_TaskListInfo", "info", 1, REP, MSG, "D_TaskInfo"},

	{"D_StarTaskListInfo", "info", 1, REP, I32, ""},

	{"DA_SAVE_USER_RECHARGETIMES", "guid", 1, REQ, U64, ""},
	{"DA_SAVE_USER_RECHARGETIMES", "rechargedata", 2, REQ, BYT, ""},

	{"DA_REQUEST_RECHARGEDATA", "rechargeData", 1, REP, BYT, ""},

	{"AD_ADD_RECHARGEDATA", "rechargeData", 1, OPT, BYT, ""},

	{"AD_MODIFY_RECHARGEDATA_STATE", "rechargeData", 1, OPT, BYT, ""},

	{"AD_CHECK_RECHARGE_ORDERID", "OrderID", 1, OPT, STR, ""},
	{"AD_CHECK_RECHARGE_ORDERID", "PID", 2, OPT, I32, ""},

	{"DA_CHECK_RECHARGE_ORDERID", "OrderID", 1, OPT, STR, ""},
	{"DA_CHECK_RECHARGE_ORDERID", "IsExist", 2, OPT, I32, ""},
	{"DA_CHECK_RECHARGE_ORDERID", "PID", 3, OPT, I32, ""},

	{"AD_UPDATE_MATCH_SCORE", "scoreinfo", 1, OPT, BYT, ""},

	{"DA_UPDATE_MATCH_SCORE", "ScoreVec", 1, REP, BYT, ""},

	{"DA_REQUEST_MONSTERRECORD", "index", 1, REP, I32, ""},
	{"DA_REQUEST_MONSTERRECORD", "mstRecord", 2, REP, BYT, ""},

	{"AD_SAVE_MONSTERRECORD", "index", 1, REQ, I32, ""},
	{"AD_SAVE_MONSTERRECORD", "mstRecord", 2, REQ, BYT, ""},

	{"AD_LOADGLOBALDATA", "key", 1, REQ, STR, ""},

	{"DA_LOADGLOBALDATA", "key", 1, REQ, STR, ""},
	{"DA_LOADGLOBALDATA", "data", 2, REQ, BYT, ""},

	{"AD_SAVEGLOBALDATA", "key", 1, REQ, STR, ""},
	{"AD_SAVEGLOBALDATA", "data", 2, REQ, BYT, ""},

	{"DA_SAVEGLOBALDATA", "key", 1, REQ, STR, ""},
	{"DA_SAVEGLOBALDATA", "result", 2, REQ, I32, ""},
};

struct EnumRow
{
	const char* szMessage;
	const char* szEnum;
	std::vector<std::pair<std::string, int>> values;
};

const EnumRow s_Enums[] = {
	{"AD_USERSAVE", "SAVE_TYPE", {{"ST_CREATE", 1}, {"ST_SAVE", 2}, {"ST_FINAL_SAVE", 3}}},
	{"AD_USERLOAD",
	 "USER_TYPE",
	 {{"UT_LOGIN_ACC_LOAD", 1}, {"UT_GM_ACC_LOAD", 2}, {"UT_GM_GUID_LOAD", 3}, {"UT_GM_CHAR_LOAD", 4}}},
	{"AD_ITEMSAVE", "SAVE_TYPE", {{"ST_SAVE", 1}, {"ST_FINAL_SAVE", 2}}},
};

} // namespace

TEST(Schema, FileSettings)
{
	const FileDescriptor* pFile = SchemaFile();
	ASSERT_NE(pFile, nullptr);
	EXPECT_EQ(pFile->name(), "AD_PBMessage.proto");
	EXPECT_EQ(pFile->package(), "");
	EXPECT_EQ(pFile->syntax(), FileDescriptor::SYNTAX_PROTO2);
	EXPECT_EQ(pFile->dependency_count(), 0);
	EXPECT_EQ(pFile->enum_type_count(), 0);
	EXPECT_EQ(pFile->service_count(), 0);
	EXPECT_EQ(pFile->extension_count(), 0);
}

// Field order, names, numbers, labels, types and enum values all go into
// this size, so it catches a schema that differs from the agent's anywhere.
TEST(Schema, SerialisedFileDescriptorIs3328Bytes)
{
	google::protobuf::FileDescriptorProto proto;
	SchemaFile()->CopyTo(&proto);
	EXPECT_EQ(proto.ByteSizeLong(), 3328u);
}

TEST(Schema, MessagesInFileOrderWithoutNesting)
{
	const FileDescriptor* pFile = SchemaFile();
	const int nCount = static_cast<int>(sizeof(s_MessageOrder) / sizeof(s_MessageOrder[0]));
	ASSERT_EQ(nCount, 48);
	ASSERT_EQ(pFile->message_type_count(), nCount);
	for (int i = 0; i < nCount; ++i)
	{
		SCOPED_TRACE(s_MessageOrder[i]);
		const Descriptor* pMsg = pFile->message_type(i);
		EXPECT_EQ(pMsg->full_name(), s_MessageOrder[i]);
		EXPECT_EQ(pMsg->nested_type_count(), 0);
		EXPECT_EQ(pMsg->extension_range_count(), 0);
		EXPECT_EQ(pMsg->oneof_decl_count(), 0);
	}
	// The generated classes are the same descriptors, in the global namespace.
	EXPECT_EQ(AD_USERSAVE::descriptor(), pFile->message_type(7));
	EXPECT_EQ(DA_SAVEGLOBALDATA::descriptor(), pFile->message_type(47));
}

TEST(Schema, EveryFieldMatchesTheGoldenTable)
{
	const FileDescriptor* pFile = SchemaFile();
	const size_t nRows = sizeof(s_Fields) / sizeof(s_Fields[0]);
	size_t nRow = 0;
	for (int m = 0; m < pFile->message_type_count(); ++m)
	{
		const Descriptor* pMsg = pFile->message_type(m);
		for (int f = 0; f < pMsg->field_count(); ++f, ++nRow)
		{
			const FieldDescriptor* pField = pMsg->field(f);
			SCOPED_TRACE(pMsg->name() + "." + pField->name());
			ASSERT_LT(nRow, nRows) << "field beyond the golden table";
			const FieldRow& row = s_Fields[nRow];
			EXPECT_EQ(pMsg->name(), row.szMessage);
			EXPECT_EQ(pField->name(), row.szName);
			EXPECT_EQ(pField->number(), row.nNumber);
			EXPECT_EQ(pField->label(), row.eLabel);
			EXPECT_EQ(pField->type(), row.eType);
			EXPECT_FALSE(pField->has_default_value());
			EXPECT_FALSE(pField->is_packed());
			const std::string sTypeName =
				pField->message_type() != nullptr ? pField->message_type()->full_name() : "";
			EXPECT_EQ(sTypeName, row.szMessageType);
		}
	}
	EXPECT_EQ(nRow, nRows) << "golden rows left unmatched";
}

TEST(Schema, NestedEnums)
{
	const FileDescriptor* pFile = SchemaFile();
	int nMessagesWithEnums = 0;
	for (int m = 0; m < pFile->message_type_count(); ++m)
		nMessagesWithEnums += pFile->message_type(m)->enum_type_count() > 0 ? 1 : 0;
	EXPECT_EQ(nMessagesWithEnums, 3);

	for (const EnumRow& row : s_Enums)
	{
		SCOPED_TRACE(std::string(row.szMessage) + "." + row.szEnum);
		const Descriptor* pMsg = pFile->FindMessageTypeByName(row.szMessage);
		ASSERT_NE(pMsg, nullptr);
		ASSERT_EQ(pMsg->enum_type_count(), 1);
		const EnumDescriptor* pEnum = pMsg->enum_type(0);
		EXPECT_EQ(pEnum->name(), row.szEnum);
		ASSERT_EQ(pEnum->value_count(), static_cast<int>(row.values.size()));
		for (int v = 0; v < pEnum->value_count(); ++v)
		{
			EXPECT_EQ(pEnum->value(v)->name(), row.values[v].first);
			EXPECT_EQ(pEnum->value(v)->number(), row.values[v].second);
		}
	}
	EXPECT_EQ(AD_USERSAVE_SAVE_TYPE_descriptor(), AD_USERSAVE::descriptor()->enum_type(0));
	EXPECT_EQ(AD_USERLOAD_USER_TYPE_descriptor(), AD_USERLOAD::descriptor()->enum_type(0));
	EXPECT_EQ(AD_ITEMSAVE_SAVE_TYPE_descriptor(), AD_ITEMSAVE::descriptor()->enum_type(0));
}

TEST(Schema, EnumValidityChecksAcceptOnlyDeclaredValues)
{
	struct Row
	{
		int nValue;
		bool bSave, bLoad, bItemSave;
	};
	const Row rows[] = {
		{0, false, false, false}, {1, true, true, true},   {2, true, true, true},
		{3, true, true, false},   {4, false, true, false}, {5, false, false, false},
		{-1, false, false, false},
	};
	for (const Row& row : rows)
	{
		SCOPED_TRACE(row.nValue);
		EXPECT_EQ(AD_USERSAVE_SAVE_TYPE_IsValid(row.nValue), row.bSave);
		EXPECT_EQ(AD_USERLOAD_USER_TYPE_IsValid(row.nValue), row.bLoad);
		EXPECT_EQ(AD_ITEMSAVE_SAVE_TYPE_IsValid(row.nValue), row.bItemSave);
	}
	EXPECT_EQ(AD_USERSAVE::ST_CREATE, 1);
	EXPECT_EQ(AD_USERSAVE_SAVE_TYPE_ST_FINAL_SAVE, 3);
	EXPECT_EQ(AD_USERLOAD::UT_GM_CHAR_LOAD, 4);
	EXPECT_EQ(AD_ITEMSAVE::SAVE_TYPE_MIN, 1);
	EXPECT_EQ(AD_ITEMSAVE::SAVE_TYPE_MAX, 2);
	EXPECT_EQ(AD_ITEMSAVE::SAVE_TYPE_ARRAYSIZE, 3);
}
