// Wire forms of the schema's messages: byte vectors the database agent
// expects, the required-field rules on parsing, and the encodings a parser
// must accept. Serialisation never checks required fields, so every encode
// here goes through SerializePartialToArray.

#include "AD_PBMessage.pb.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace
{
using Bytes = std::vector<uint8_t>;

Bytes Encode(const google::protobuf::Message& rMsg)
{
	const size_t nSize = rMsg.ByteSizeLong();
	Bytes out(nSize);
	EXPECT_LE(nSize, static_cast<size_t>(INT32_MAX));
	// A zero-byte message still gets a valid pointer.
	uint8_t dummy = 0;
	EXPECT_TRUE(rMsg.SerializePartialToArray(nSize > 0 ? out.data() : &dummy, static_cast<int>(nSize)));
	return out;
}

bool Decode(google::protobuf::Message& rMsg, const Bytes& bytes)
{
	static const uint8_t s_empty = 0;
	return rMsg.ParseFromArray(bytes.empty() ? &s_empty : bytes.data(), static_cast<int>(bytes.size()));
}

Bytes Concat(std::initializer_list<Bytes> parts)
{
	Bytes out;
	for (const Bytes& b : parts)
		out.insert(out.end(), b.begin(), b.end());
	return out;
}

Bytes Filled(size_t nSize, uint8_t byte)
{
	return Bytes(nSize, byte);
}

// Ten-byte varint of a negative 32-bit value -1.
const Bytes s_MinusOne = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01};

} // namespace

TEST(Wire, RegistrationOfServerOneForThreeGuidTypes)
{
	AD_REGIST msg;
	msg.set_serverid(1);
	msg.add_guidtype(0);
	msg.add_guidtype(1);
	msg.add_guidtype(2);
	EXPECT_EQ(Encode(msg), (Bytes{0x08, 0x01, 0x10, 0x00, 0x10, 0x01, 0x10, 0x02}));
}

TEST(Wire, NegativeInt32TakesTenBytes)
{
	AD_REGIST regist;
	regist.set_serverid(-1);
	EXPECT_EQ(Encode(regist), Concat({{0x08}, s_MinusOne}));

	DA_BASE_USERSAVE save;
	save.set_result(-1);
	save.set_guid(1);
	const Bytes bytes = Encode(save);
	EXPECT_EQ(bytes.size(), 13u);
	EXPECT_EQ(bytes, Concat({{0x08}, s_MinusOne, {0x10, 0x01}}));

	AD_SAVE_MONSTERRECORD monster;
	monster.set_index(-1);
	EXPECT_EQ(Encode(monster), Concat({{0x08}, s_MinusOne}));

	DA_BASE_USERSAVE back;
	ASSERT_TRUE(Decode(back, bytes));
	EXPECT_EQ(back.result(), -1);
}

TEST(Wire, RegistrationReplyPairsItsArrays)
{
	// ServerId 3, GuidType 0 1 2, Serial 100 200 (only two), Carry 5 6 7, taskBeginTime 9.
	const Bytes bytes = {0x08, 0x03, 0x10, 0x00, 0x10, 0x01, 0x10, 0x02, 0x18, 0x64, 0x18, 0xC8, 0x01,
		0x20, 0x05, 0x20, 0x06, 0x20, 0x07, 0x28, 0x09};
	DA_REGIST msg;
	ASSERT_TRUE(Decode(msg, bytes));
	EXPECT_EQ(msg.guidtype_size(), 3);
	ASSERT_EQ(msg.serial_size(), 2);
	EXPECT_EQ(msg.serial(0), 100u);
	EXPECT_EQ(msg.serial(1), 200u);
	EXPECT_EQ(msg.carry_size(), 3);
	EXPECT_EQ(msg.taskbegintime(), 9);

	// Only the two required fields: the arrays are empty and it still parses.
	DA_REGIST empty;
	ASSERT_TRUE(Decode(empty, Bytes{0x08, 0x01, 0x28, 0x00}));
	EXPECT_EQ(empty.guidtype_size(), 0);
	EXPECT_EQ(empty.serial_size(), 0);
	EXPECT_EQ(empty.carry_size(), 0);
}

TEST(Wire, RepeatedScalarsParsePackedAndUnpackedAlike)
{
	// GuidType 0 1 2 and Serial 7 8 as packed runs, Carry 0x1FF unpacked.
	const Bytes packed = {0x08, 0x01, 0x12, 0x03, 0x00, 0x01, 0x02, 0x1A, 0x02, 0x07, 0x08, 0x20, 0xFF,
		0x03, 0x28, 0x00};
	DA_REGIST msg;
	ASSERT_TRUE(Decode(msg, packed));
	ASSERT_EQ(msg.guidtype_size(), 3);
	EXPECT_EQ(msg.guidtype(2), 2);
	ASSERT_EQ(msg.serial_size(), 2);
	EXPECT_EQ(msg.serial(1), 8u);
	ASSERT_EQ(msg.carry_size(), 1);
	EXPECT_EQ(msg.carry(0), 0x1FFu);

	D_TaskBaseInfo task;
	ASSERT_TRUE(Decode(task, Bytes{0x0A, 0x02, 0x01, 0x02}));
	ASSERT_EQ(task.count_size(), 2);
	EXPECT_EQ(Encode(task), (Bytes{0x08, 0x01, 0x08, 0x02})); // written back unpacked

	D_StarTaskListInfo star;
	ASSERT_TRUE(Decode(star, Bytes{0x0A, 0x03, 0x04, 0x05, 0x06, 0x08, 0x07}));
	ASSERT_EQ(star.info_size(), 4);
	EXPECT_EQ(star.info(3), 7);

	DA_REQUEST_MONSTERRECORD monster;
	ASSERT_TRUE(Decode(monster, Bytes{0x0A, 0x02, 0x01, 0x02, 0x12, 0x01, 0xAB}));
	EXPECT_EQ(monster.index_size(), 2); // lists of different length parse
	EXPECT_EQ(monster.mstrecord_size(), 1);
}

TEST(Wire, MessagesWithoutFieldsAreEmpty)
{
	AD_REQUEST_RECHARGEDATA a;
	AD_MOVE_RECHARGEDATA b;
	AD_REQUEST_MATCH_SCORE c;
	AD_REQUEST_MONSTERRECORD d;
	google::protobuf::Message* msgs[] = {&a, &b, &c, &d};
	for (google::protobuf::Message* pMsg : msgs)
	{
		SCOPED_TRACE(pMsg->GetTypeName());
		EXPECT_TRUE(Encode(*pMsg).empty());
		EXPECT_TRUE(Decode(*pMsg, Bytes{}));
	}
}

// Messages whose every field is optional or repeated: empty, they encode to
// nothing and parse back from nothing.
TEST(Wire, EmptyOptionalOnlyMessagesRoundTrip)
{
	D_TaskListInfo tasks;
	D_StarTaskListInfo stars;
	DA_REQUEST_RECHARGEDATA recharge;
	AD_UPDATE_MATCH_SCORE score;
	DA_ITEMLOAD items;
	AD_ITEMSAVE itemSave;
	google::protobuf::Message* msgs[] = {&tasks, &stars, &recharge, &score, &items, &itemSave};
	for (google::protobuf::Message* pMsg : msgs)
	{
		SCOPED_TRACE(pMsg->GetTypeName());
		EXPECT_TRUE(Encode(*pMsg).empty());
		EXPECT_TRUE(Decode(*pMsg, Bytes{}));
	}
	EXPECT_FALSE(score.has_scoreinfo());
}

// Partial messages serialise without error but do not parse back.
TEST(Wire, MissingRequiredFieldSerialisesButFailsToParse)
{
	struct Row
	{
		const char* szCase;
		google::protobuf::Message* pMsg;
	};
	AD_GUID_SAVE guidSave; // four required fields, three set
	guidSave.set_serverid(1);
	guidSave.set_guidtype(0);
	guidSave.set_serial(5);
	DA_REGIST regist; // taskBeginTime missing
	regist.set_serverid(1);
	AD_ITEMLOAD itemLoad; // Guid missing
	AD_UPDATE_PLAYER_MATCHITEM matchItem; // matchData missing
	matchItem.set_guid(1);
	DA_SAVE_USER_RECHARGETIMES recharge; // rechargedata missing
	recharge.set_guid(1);
	AD_SAVE_MONSTERRECORD monster; // mstRecord missing
	monster.set_index(3);
	DA_SAVEGLOBALDATA global; // result missing
	global.set_key("scrapcard");
	D_TaskInfo task; // typeInfo missing
	task.set_id(1);
	task.set_status(0);
	D_TaskListInfo taskList; // holds the incomplete task
	taskList.add_info()->CopyFrom(task);
	AD_USERSAVE userSave; // UserData missing
	userSave.set_savetype(AD_USERSAVE::ST_CREATE);

	const Row rows[] = {
		{"AD_GUID_SAVE without Carry", &guidSave},
		{"DA_REGIST without taskBeginTime", &regist},
		{"AD_ITEMLOAD without Guid", &itemLoad},
		{"AD_UPDATE_PLAYER_MATCHITEM without matchData", &matchItem},
		{"DA_SAVE_USER_RECHARGETIMES without rechargedata", &recharge},
		{"AD_SAVE_MONSTERRECORD without mstRecord", &monster},
		{"DA_SAVEGLOBALDATA without result", &global},
		{"D_TaskInfo without typeInfo", &task},
		{"D_TaskListInfo holding an incomplete task", &taskList},
		{"AD_USERSAVE without UserData", &userSave},
	};
	for (const Row& row : rows)
	{
		SCOPED_TRACE(row.szCase);
		EXPECT_FALSE(row.pMsg->IsInitialized());
		const Bytes bytes = Encode(*row.pMsg);
		std::unique_ptr<google::protobuf::Message> pBack(row.pMsg->New());
		EXPECT_FALSE(Decode(*pBack, bytes));
	}
	EXPECT_EQ(Encode(guidSave), (Bytes{0x08, 0x01, 0x10, 0x00, 0x18, 0x05}));
}

TEST(Wire, ParseRejectsMalformedBytes)
{
	struct Row
	{
		const char* szCase;
		Bytes bytes;
	};
	const Row rows[] = {
		{"body ends inside a varint", {0x08, 0x81}},
		{"length runs past the end", {0x08, 0x01, 0x28, 0x00, 0x1A, 0x05, 0x01}},
		{"field number zero", {0x00, 0x01}},
		{"end-group tag without a group", {0x0C}},
	};
	for (const Row& row : rows)
	{
		SCOPED_TRACE(row.szCase);
		DA_REGIST msg;
		EXPECT_FALSE(Decode(msg, row.bytes));
	}
}

TEST(Wire, BaseUserMessages)
{
	AD_BASE_USERLOAD load;
	load.set_guid(1);
	EXPECT_EQ(Encode(load), (Bytes{0x10, 0x01}));

	// A GUID sent as field 1 is an unknown field and leaves field 2 missing.
	AD_BASE_USERLOAD wrong;
	EXPECT_FALSE(Decode(wrong, Bytes{0x08, 0x01}));

	AD_BASE_USERSAVE save;
	const Bytes image = Filled(3287, 0x5A);
	save.set_ubdata(image.data(), image.size());
	const Bytes bytes = Encode(save);
	ASSERT_EQ(bytes.size(), 3290u);
	EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 3), (Bytes{0x0A, 0xD7, 0x19}));
	EXPECT_EQ(Bytes(bytes.begin() + 3, bytes.end()), image);

	DA_BASE_USERLOAD reply;
	ASSERT_TRUE(Decode(reply, Bytes{0x08, 0x00, 0x10, 0x07}));
	EXPECT_FALSE(reply.has_ubdata());
	EXPECT_EQ(reply.guid(), 7u);
}

TEST(Wire, StringsKeepEmptyAndNonUtf8Values)
{
	AD_CHECKACCOUNT check;
	check.set_sendaccount("");
	check.set_checkaccount("");
	const Bytes bytes = Encode(check);
	EXPECT_EQ(bytes, (Bytes{0x0A, 0x00, 0x12, 0x00}));
	AD_CHECKACCOUNT back;
	ASSERT_TRUE(Decode(back, bytes));
	EXPECT_TRUE(back.has_sendaccount());
	EXPECT_TRUE(back.has_checkaccount());
	EXPECT_EQ(back.sendaccount(), "");

	// Not UTF-8: proto2 strings pass unchanged.
	const std::string sRaw("\xFF\xFE\x80name", 7);
	DA_CHECKACCOUNT raw;
	raw.set_sendaccount(sRaw);
	raw.set_checkaccount("x");
	raw.set_result(0);
	DA_CHECKACCOUNT rawBack;
	ASSERT_TRUE(Decode(rawBack, Encode(raw)));
	EXPECT_EQ(rawBack.sendaccount(), sRaw);
}

TEST(Wire, GlobalDataAndMatchMessages)
{
	AD_LOADGLOBALDATA load;
	load.set_key("scrapcard");
	EXPECT_EQ(Encode(load),
		(Bytes{0x0A, 0x09, 0x73, 0x63, 0x72, 0x61, 0x70, 0x63, 0x61, 0x72, 0x64}));

	AD_UPDATE_PLAYER_MATCHITEM match;
	match.set_guid(1);
	const Bytes image = Filled(332, 0x11);
	match.set_matchdata(image.data(), image.size());
	const Bytes matchBytes = Encode(match);
	ASSERT_EQ(matchBytes.size(), 337u);
	EXPECT_EQ(Bytes(matchBytes.begin(), matchBytes.begin() + 5), (Bytes{0x08, 0x01, 0x12, 0xCC, 0x02}));

	DA_UPDATE_MATCH_SCORE scores;
	const Bytes row1 = Filled(240, 0x01), row2 = Filled(240, 0x02);
	scores.add_scorevec(row1.data(), row1.size());
	scores.add_scorevec(row2.data(), row2.size());
	const Bytes scoreBytes = Encode(scores);
	EXPECT_EQ(scoreBytes, Concat({{0x0A, 0xF0, 0x01}, row1, {0x0A, 0xF0, 0x01}, row2}));
	EXPECT_EQ(scoreBytes.size(), 486u);
	DA_UPDATE_MATCH_SCORE scoresBack;
	ASSERT_TRUE(Decode(scoresBack, scoreBytes));
	EXPECT_EQ(scoresBack.scorevec_size(), 2);
}

TEST(Wire, TaskInfoWithEmptyTypeInfo)
{
	D_TaskInfo task;
	task.set_id(1);
	task.set_status(0);
	EXPECT_FALSE(task.has_typeinfo());
	EXPECT_FALSE(task.typeinfo().has_weekindex()); // the default, not set
	EXPECT_FALSE(task.has_typeinfo());
	task.mutable_typeinfo();
	EXPECT_TRUE(task.IsInitialized());
	EXPECT_EQ(Encode(task), (Bytes{0x08, 0x01, 0x10, 0x00, 0x1A, 0x00}));

	D_TaskBaseInfo base;
	base.add_count(-1);
	EXPECT_EQ(Encode(base), Concat({{0x08}, s_MinusOne}));
}

namespace
{
void FillMail(AD_EMAILINFO& rMail)
{
	rMail.set_guid(0x0102030405060708ull);
	rMail.set_type(1);
	rMail.set_state(0);
	rMail.set_createtime(1700000000);
	rMail.set_globalguid(0);
	rMail.set_sender("sender");
	rMail.set_receiver(std::string("receiver"));
	rMail.set_title("title");
	rMail.set_content("content");
	rMail.set_senderguid(-1);
	rMail.set_receiverguid(42);
}
} // namespace

TEST(Wire, MailAttachmentPresence)
{
	AD_EMAILINFO plain;
	FillMail(plain);
	ASSERT_TRUE(plain.IsInitialized());
	AD_EMAILINFO plainBack;
	ASSERT_TRUE(Decode(plainBack, Encode(plain)));
	EXPECT_FALSE(plainBack.has_awardinfo());
	EXPECT_EQ(plainBack.senderguid(), -1);
	EXPECT_EQ(plainBack.guid(), 0x0102030405060708ull);
	EXPECT_EQ(plainBack.receiver(), "receiver");

	// Created but empty: field 10 with length 0 survives the round trip.
	AD_EMAILINFO empty;
	FillMail(empty);
	empty.mutable_awardinfo();
	const Bytes emptyBytes = Encode(empty);
	EXPECT_EQ(emptyBytes.size(), Encode(plain).size() + 2);
	AD_EMAILINFO emptyBack;
	ASSERT_TRUE(Decode(emptyBack, emptyBytes));
	EXPECT_TRUE(emptyBack.has_awardinfo());
	EXPECT_EQ(emptyBack.awardinfo().data_size(), 0);

	// An attachment lacking count makes the whole mail fail.
	AD_EMAILINFO broken;
	FillMail(broken);
	broken.mutable_awardinfo()->add_data()->set_itemid(5);
	AD_EMAILINFO brokenBack;
	EXPECT_FALSE(Decode(brokenBack, Encode(broken)));
}

TEST(Wire, MailSenderGuidMinusOneIsTenBytes)
{
	AD_EMAILINFO mail;
	mail.set_senderguid(-1);
	EXPECT_EQ(Encode(mail), Concat({{0x58}, s_MinusOne}));
}

TEST(Wire, MailListsWithoutMails)
{
	AD_INSERT_USEREMAIL insert;
	insert.set_guid(9);
	AD_INSERT_USEREMAIL insertBack;
	EXPECT_TRUE(Decode(insertBack, Encode(insert)));
	EXPECT_EQ(insertBack.emialdata_size(), 0);

	DA_LOAD_GLOBALEMAIL load;
	load.set_result(0);
	DA_LOAD_GLOBALEMAIL loadBack;
	EXPECT_TRUE(Decode(loadBack, Encode(load)));

	// A mail copied into a list keeps every field.
	AD_EMAILINFO mail;
	FillMail(mail);
	insert.add_emialdata()->CopyFrom(mail);
	ASSERT_TRUE(Decode(insertBack, Encode(insert)));
	ASSERT_EQ(insertBack.emialdata_size(), 1);
	EXPECT_EQ(insertBack.emialdata(0).SerializePartialAsString(), mail.SerializePartialAsString());
}

// Sizes of the character-creation save: four part images and the 60-byte
// scrap-card prefix.
TEST(Wire, CreationSaveIs10220Bytes)
{
	AD_USERSAVE save;
	save.set_savetype(AD_USERSAVE::ST_CREATE);
	AD_USER_DATA* pData = save.mutable_userdata();
	const Bytes base = Filled(3287, 0), ex1 = Filled(3446, 0), ex2 = Filled(1864, 0),
				ex3 = Filled(1544, 0), scrap = Filled(60, 0);
	pData->set_ubdata(base.data(), base.size());
	pData->set_ubdataex1(ex1.data(), ex1.size());
	pData->set_ubdataex2(ex2.data(), ex2.size());
	pData->set_ubdataex3(ex3.data(), ex3.size());
	pData->set_scrapcard(scrap.data(), scrap.size());
	ASSERT_TRUE(save.IsInitialized());
	EXPECT_EQ(pData->ByteSizeLong(), 10215u);
	const Bytes bytes = Encode(save);
	ASSERT_EQ(bytes.size(), 10220u);
	// SaveType, then UserData with a two-byte length.
	EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 5), (Bytes{0x08, 0x01, 0x12, 0xE7, 0x4F}));
	// The first part image follows at once.
	EXPECT_EQ(Bytes(bytes.begin() + 5, bytes.begin() + 8), (Bytes{0x0A, 0xD7, 0x19}));

	AD_USERSAVE back;
	ASSERT_TRUE(Decode(back, bytes));
	EXPECT_EQ(back.userdata().itemdata_size(), 0);
	EXPECT_FALSE(back.userdata().has_matchdata());
	EXPECT_EQ(back.userdata().scrapcard().size(), 60u);
}

TEST(Wire, SaveRowCostsAndOrder)
{
	AD_USER_DATA data;
	const Bytes item = Filled(176, 0xA1), currency = Filled(16, 0xC1), shop = Filled(18, 0x51),
				match = Filled(332, 0x3A), scrap = Filled(12296, 0x5C);
	data.add_itemdata(item.data(), item.size());
	EXPECT_EQ(data.ByteSizeLong(), 179u);
	data.add_currencydata(currency.data(), currency.size());
	EXPECT_EQ(data.ByteSizeLong(), 179u + 18u);
	data.add_shopdata(shop.data(), shop.size());
	EXPECT_EQ(data.ByteSizeLong(), 179u + 18u + 20u);
	data.set_matchdata(match.data(), match.size());
	EXPECT_EQ(data.ByteSizeLong(), 179u + 18u + 20u + 335u);
	data.set_scrapcard(scrap.data(), scrap.size());
	EXPECT_EQ(data.ByteSizeLong(), 179u + 18u + 20u + 335u + 12299u);

	// Item before currency before shop, whatever order they were set in.
	const Bytes bytes = Encode(data);
	EXPECT_EQ(bytes[0], 0x2A);
	EXPECT_EQ(bytes[179], 0x32);
	EXPECT_EQ(bytes[179 + 18], 0x42);
	EXPECT_EQ(bytes[179 + 18 + 20], 0x4A);
	EXPECT_EQ(bytes[179 + 18 + 20 + 335], 0x52);
}

TEST(Wire, SaveTypeOutsideTheEnumStillParses)
{
	AD_USERSAVE save;
	save.set_savetype(7);
	save.mutable_userdata()->set_ubdata("");
	save.mutable_userdata()->set_ubdataex1("");
	save.mutable_userdata()->set_ubdataex2("");
	save.mutable_userdata()->set_ubdataex3("");
	save.mutable_userdata()->set_scrapcard("");
	AD_USERSAVE back;
	ASSERT_TRUE(Decode(back, Encode(save)));
	EXPECT_EQ(back.savetype(), 7);
	EXPECT_FALSE(AD_USERSAVE_SAVE_TYPE_IsValid(back.savetype()));
}

TEST(Wire, LoginLoad)
{
	AD_USERLOAD load;
	load.set_usertype(AD_USERLOAD::UT_LOGIN_ACC_LOAD);
	load.set_account("ab");
	EXPECT_EQ(Encode(load), (Bytes{0x08, 0x01, 0x1A, 0x02, 0x61, 0x62}));
}
