// The two record containers: capacity, ID bounds, buckets, the thrown texts, and the empty
// state that a failed load leaves.

#include "DBCTableHash.h"
#include "DBCTableIndex.h"

#include "DBCLoader.h"
#include "DBCTestUtil.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

namespace
{
// A record of one ID column; column 1, when present and 1, makes LoadFromDB fail, and 2
// makes it throw.
struct ProbeRecord
{
    tint32 m_nID = -1;
    bool LoadFromDB(const DBCFile& rDB, tint32 nRow)
    {
        DBC_Loader loader(rDB, nRow);
        loader.ReadDirect(m_nID, 0);
        if (rDB.GetFieldsNum() > 1) {
            tint32 nMode = 0;
            loader.ReadDirect(nMode, 1);
            if (nMode == 2) {
                throw "row refused";
            }
            return nMode != 1;
        }
        return true;
    }
};

std::unique_ptr<DBCFile> File(const std::vector<std::string>& rows, const char* szTypes = "INT")
{
    const std::string strText = DBCTest::TextTable(szTypes, rows);
    auto db = std::make_unique<DBCFile>();
    EXPECT_TRUE(db->OpenFromMemory(strText.data(), strText.data() + strText.size(), "Config/Probe.txt"));
    return db;
}

std::vector<std::string> Ids(int nFrom, int nCount)
{
    std::vector<std::string> v;
    for (int i = 0; i < nCount; ++i) {
        v.push_back(std::to_string(nFrom + i));
    }
    return v;
}

// Loads and returns the thrown text, "" when the load returned true, "false" when false.
template <class C>
std::string Load(C& c, const DBCFile& db)
{
    try {
        const bool b = c.LoadFromMemory(db);
        if (b) {
            c.MarkReadyFlag();
        }
        return b ? "" : "false";
    } catch (const char* p) {
        return p;
    }
}

typedef DBC_Table_Index_T<ProbeRecord, 9, 5> SmallIndex;

struct LoadCase
{
    const char* szName;
    std::vector<std::string> rows;
    const char* szTypes;
    std::string strResult;
    tint32 nCountAfter;
};

TEST(DBCTableIndex, RefusesCapacityIdsAndDuplicatesAndLeavesItselfEmpty)
{
    const LoadCase cases[] = {
        {"exactly MAX_RECORD_NUM rows", Ids(0, 5), "INT", "", 5},
        {"one row more", Ids(0, 6), "INT", "[DBC_Table_Hash_T::LoadFromMemory]: Record count is larger than UNIT_LIST_SIZE!!", 0},
        {"IDs 0 and MAX_ID", {"0", "9"}, "INT", "", 2},
        {"MAX_ID + 1", {"0", "10"}, "INT", "[DBC_Table_Index_T::LoadFromMemory]: ID(10)>MAX_ID over flow!!", 0},
        {"negative ID", {"3", "-1"}, "INT", "[DBC_Table_Index_T::LoadFromMemory]: ID(-1)<0 under flow!!", 0},
        {"IDs equal in their low 32 bits", {"5", "4294967301"}, "INT", "[DBC_Table_Index_T::LoadFromMemory]: Duplicate Record(5) found!!", 0},
        {"row that does not load", {"1\t0", "2\t1"}, "INT\tINT", "[DBC_Table_Index_T::LoadFromMemory]: load content(2) failed!!", 0},
        {"row that throws", {"1\t0", "2\t2"}, "INT\tINT", "row refused", 0},
        {"no rows", {}, "INT", "", 0},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.szName);
        auto pC = std::make_unique<SmallIndex>();
        auto db = File(c.rows, c.szTypes);
        EXPECT_EQ(c.strResult, Load(*pC, *db));
        EXPECT_EQ(c.nCountAfter, pC->GetCount());
        EXPECT_EQ(c.strResult.empty(), pC->IsReady());
        // A later valid load starts clean.
        auto good = File({"4"});
        pC->Init();
        EXPECT_EQ("", Load(*pC, *good));
        EXPECT_EQ(1, pC->GetCount());
        ASSERT_NE(nullptr, pC->GetDataByID(4));
    }
}

TEST(DBCTableIndex, FindsRecordsByIdAndByFileOrder)
{
    auto pC = std::make_unique<DBC_Table_Index_T<ProbeRecord, 999, 10>>();
    auto db = File({"7", "3", "500"});
    ASSERT_TRUE(pC->LoadFromMemory(*db));
    EXPECT_EQ(3, pC->GetCount());
    EXPECT_EQ(nullptr, pC->GetDataByIndex(0));   // not ready yet
    EXPECT_EQ(nullptr, pC->GetDataByID(7));
    pC->MarkReadyFlag();
    EXPECT_EQ(7, pC->GetDataByIndex(0)->m_nID);
    EXPECT_EQ(500, pC->GetDataByIndex(2)->m_nID);
    EXPECT_EQ(nullptr, pC->GetDataByIndex(3));
    EXPECT_EQ(nullptr, pC->GetDataByIndex(-1));
    EXPECT_EQ(3, pC->GetDataByID(3)->m_nID);
    for (tint32 nID : {4, -1, 1000, INT_MIN, INT_MAX}) {
        EXPECT_EQ(nullptr, pC->GetDataByID(nID)) << nID;
    }
    pC->Init();
    EXPECT_EQ(nullptr, pC->GetDataByID(3));
    EXPECT_EQ(0, pC->GetCount());
}

template <tint32 HASH_SIZE, tint32 MAX_RECORD>
struct ProbeHash : public DBC_Table_Hash_T<ProbeRecord, HASH_SIZE, MAX_RECORD>
{
    tuint32 Bucket(tint32 nID) const { return this->Hash(nID); }
    const ProbeRecord* Oldest(tuint32 nBucket) const
    {
        const auto* pSlot = this->LastSlotByHashValue(nBucket);
        return pSlot != nullptr ? pSlot->GetContent() : nullptr;
    }
};

TEST(DBCTableHash, RefusesCapacityAndDuplicatesAndLeavesItselfEmpty)
{
    const LoadCase cases[] = {
        {"exactly MAX_RECORD_NUM rows", Ids(100, 4), "INT", "", 4},
        {"one row more", Ids(100, 5), "INT", "[DBC_Table_Hash_T::LoadFromMemory]: Record count is larger than SEEK_LIST_SIZE!!", 0},
        {"IDs equal in their low 32 bits", {"1", "5", "4294967301"}, "INT", "[DBC_Table_Hash_T::PushContent]: Duplicated ID(5) found!!", 0},
        {"row that does not load", {"1\t0", "2\t1"}, "INT\tINT", "[DBC_Table_Hash_T::LoadFromMemory]: load content(2) failed!!", 0},
        {"row that throws", {"1\t0", "2\t2"}, "INT\tINT", "row refused", 0},
        {"-2147483648 has no bucket among 1023", {"1", "-2147483648"}, "INT", "false", 0},
        {"no rows", {}, "INT", "", 0},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.szName);
        auto pC = std::make_unique<ProbeHash<1023, 4>>();
        auto db = File(c.rows, c.szTypes);
        EXPECT_EQ(c.strResult, Load(*pC, *db));
        EXPECT_EQ(c.nCountAfter, pC->GetCount());
        auto good = File({"5"});
        pC->Init();
        EXPECT_EQ("", Load(*pC, *good));
        ASSERT_NE(nullptr, pC->GetDataByID(5));
    }
}

TEST(DBCTableHash, SharesBucketsAndFindsEachIdByItself)
{
    auto pC = std::make_unique<ProbeHash<1023, 8>>();
    EXPECT_EQ(5u, pC->Bucket(5));
    EXPECT_EQ(5u, pC->Bucket(-5));
    EXPECT_EQ(pC->Bucket(1), pC->Bucket(1024));
    EXPECT_EQ(pC->Bucket(1), pC->Bucket(2047));
    EXPECT_LE(1023u, pC->Bucket(INT_MIN));   // no bucket
    EXPECT_EQ(1u, pC->Bucket(INT_MAX));   // 2^10 = 1 (mod 1023), so 2^31 - 1 = 1

    auto db = File({"5", "-5", "1", "1024", "-2147483647"});
    ASSERT_EQ("", Load(*pC, *db));
    for (tint32 nID : {5, -5, 1, 1024, -2147483647}) {
        ASSERT_NE(nullptr, pC->GetDataByID(nID)) << nID;
        EXPECT_EQ(nID, pC->GetDataByID(nID)->m_nID);
    }
    EXPECT_EQ(nullptr, pC->GetDataByID(2047));
    EXPECT_EQ(nullptr, pC->GetDataByID(INT_MIN));
    EXPECT_EQ(-5, pC->GetDataByIndex(1)->m_nID);
    EXPECT_EQ(1, pC->Oldest(1)->m_nID);   // 1024 went in front of 1
    EXPECT_EQ(nullptr, pC->Oldest(2));
    EXPECT_EQ(nullptr, pC->Oldest(1023));

    auto p512 = std::make_unique<ProbeHash<512, 4>>();
    EXPECT_EQ(0u, p512->Bucket(INT_MIN));
    auto dbMin = File({"-2147483648", "0"});
    ASSERT_EQ("", Load(*p512, *dbMin));
    EXPECT_EQ(INT_MIN, p512->GetDataByID(INT_MIN)->m_nID);
    EXPECT_EQ(0, p512->GetDataByID(0)->m_nID);
}
}   // namespace
