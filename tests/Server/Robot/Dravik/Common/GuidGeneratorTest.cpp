#include "GuidGenerator.h"

#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Saved {
    tint32 nType;
    tuint32 uCarry;
    tuint32 uSerial;
};

Saved SaveOf(GuidGenerator& gen)
{
    Saved s = {-1, 0, 0};
    gen.Save(s.nType, s.uCarry, s.uSerial);
    return s;
}

}  // namespace

TEST(GuidGenerator, FirstGenReservesABlockOf512)
{
    GuidGenerator gen;
    ASSERT_TRUE(gen.Init(7, 0, 0, 100));
    Guid64 first = gen.Gen();
    EXPECT_EQ(first.Get64Value(), 0x0007000000000064ULL);  // world 7, type 0, carry 0, serial 100
    Saved s = SaveOf(gen);
    EXPECT_EQ(s.nType, 0);
    EXPECT_EQ(s.uCarry, 0u);
    EXPECT_EQ(s.uSerial, 2660u);  // saved 612 plus the margin of 2048
    EXPECT_EQ(SaveOf(gen).uSerial, 2660u) << "Save changes nothing";
}

TEST(GuidGenerator, The513thCallReservesTheNextBlock)
{
    GuidGenerator gen;
    ASSERT_TRUE(gen.Init(3, 1, 2, 1000));
    for (tuint32 i = 0; i < 512; ++i) {
        Guid64 g = gen.Gen();
        ASSERT_EQ(g.Get64Value(), (3ULL << 48) | (1ULL << 40) | (2ULL << 32) | (1000 + i));
    }
    EXPECT_EQ(SaveOf(gen).uSerial, 1000u + 512 + 2048);
    EXPECT_EQ(gen.Gen().GetSerial(), 1512u);
    Saved s = SaveOf(gen);
    EXPECT_EQ(s.nType, 1);
    EXPECT_EQ(s.uCarry, 2u);
    EXPECT_EQ(s.uSerial, 1000u + 1024 + 2048);
}

TEST(GuidGenerator, SerialMovesToTheNextCarryAt0xFFFF0000)
{
    GuidGenerator gen;
    ASSERT_TRUE(gen.Init(1, 0, 5, 0xFFFEFFFF));
    Guid64 a = gen.Gen();
    EXPECT_EQ(a.GetCarry(), 5);
    EXPECT_EQ(a.GetSerial(), 0xFFFEFFFFu);
    Guid64 b = gen.Gen();
    EXPECT_EQ(b.GetCarry(), 6);
    EXPECT_EQ(b.GetSerial(), 0u);
    EXPECT_LT(a.Get64Value(), b.Get64Value());

    GuidGenerator block;
    ASSERT_TRUE(block.Init(1, 0, 5, 0xFFFEFF00));
    block.Gen();  // reserves 0xFFFEFF00 + 512, that is carry 6, serial 0x100
    Saved s = SaveOf(block);
    EXPECT_EQ(s.uCarry, 6u);
    EXPECT_EQ(s.uSerial, 0x100u + 2048);
}

TEST(GuidGenerator, MisuseIsReportedAndThrown)
{
    TempWorkDir dir;
    testing::internal::CaptureStdout();
    GuidGenerator unstarted;
    EXPECT_THROW(unstarted.Gen(), int);

    GuidGenerator twice;
    EXPECT_TRUE(twice.Init(1, 0, 0, 0));
    EXPECT_THROW(twice.Init(1, 0, 0, 0), int);
    EXPECT_EQ(twice.Gen().GetSerial(), 0u) << "the failed second Init changed nothing";
    const std::string strConsole = testing::internal::GetCapturedStdout();

    EXPECT_NE(strConsole.find("[Guid64 GuidGenerator::Gen()][m_bInited == true]\n[]\n"),
              std::string::npos)
        << strConsole;
    EXPECT_NE(strConsole.find("[Guid64 GuidGenerator::Gen()][false]\n[Guid64 GuidGenerator::Gen()]\n"),
              std::string::npos);
    // The second Init: its condition, then Init's own wrapper report.
    const size_t nCond = strConsole.find("[bool GuidGenerator::Init(tuint16, tuint8, tuint8, tuint32)]"
                                         "[m_bInited == false]\n[]\n");
    const size_t nWrap = strConsole.find(
        "[bool GuidGenerator::Init(tuint16, tuint8, tuint8, tuint32)][false]\n"
        "[bool GuidGenerator::Init(tuint16, tuint8, tuint8, tuint32)]\n");
    ASSERT_NE(nCond, std::string::npos) << strConsole;
    ASSERT_NE(nWrap, std::string::npos) << strConsole;
    EXPECT_LT(nCond, nWrap);
}

TEST(GuidGenerator, InitRefusesASerialThatCouldNeverBeHandedOut)
{
    TempWorkDir dir;
    for (tuint32 uSerial : {0xFFFF0000u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(uSerial);
        GuidGenerator gen;
        testing::internal::CaptureStdout();
        EXPECT_THROW(gen.Init(1, 0, 0, uSerial), int);
        EXPECT_THROW(gen.Gen(), int) << "still not started";
        const std::string strConsole = testing::internal::GetCapturedStdout();
        EXPECT_NE(strConsole.find("][Serial < 0xFFFF0000]\n[]\n"), std::string::npos) << strConsole;
    }
    GuidGenerator last;
    EXPECT_TRUE(last.Init(1, 0, 0, 0xFFFEFFFF));
}

TEST(GuidGenerator, CarryPast255IsReportedNotWrapped)
{
    TempWorkDir dir;
    GuidGenerator gen;
    ASSERT_TRUE(gen.Init(1, 0, 255, 0xFFFEFDFF));  // the first block reaches 0xFFFEFFFF exactly
    for (tuint32 i = 0; i < 512; ++i) {
        ASSERT_EQ(gen.Gen().GetSerial(), 0xFFFEFDFFu + i);
    }
    testing::internal::CaptureStdout();
    EXPECT_THROW(gen.Gen(), int);
    const std::string strConsole = testing::internal::GetCapturedStdout();
    // The condition, then IncreaseSerial's wrapper, then Gen's.
    const size_t nCond = strConsole.find("][rSerial.first < 0xFF]\n[]\n");
    const size_t nInner = strConsole.find(
        "[void GuidGenerator::IncreaseSerial(GuidSerial&, tint32)][false]\n");
    const size_t nOuter = strConsole.find("[Guid64 GuidGenerator::Gen()][false]\n");
    ASSERT_NE(nCond, std::string::npos) << strConsole;
    ASSERT_NE(nInner, std::string::npos) << strConsole;
    ASSERT_NE(nOuter, std::string::npos) << strConsole;
    EXPECT_LT(nCond, nInner);
    EXPECT_LT(nInner, nOuter);
}

TEST(GuidGenerator, ThreadsGetDistinctIdentifiers)
{
    GuidGenerator gen;
    ASSERT_TRUE(gen.Init(9, 2, 0, 0));
    const int nThreads = 4;
    const int nEach = 2000;
    std::vector<std::vector<tuint64>> got(nThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < nThreads; ++t) {
        threads.emplace_back([&gen, &got, t] {
            for (int i = 0; i < nEach; ++i) {
                got[t].push_back(gen.Gen().Get64Value());
            }
        });
    }
    for (auto& th : threads) {
        th.join();
    }
    std::set<tuint64> all;
    for (const auto& v : got) {
        EXPECT_TRUE(std::is_sorted(v.begin(), v.end()));
        all.insert(v.begin(), v.end());
    }
    EXPECT_EQ(all.size(), static_cast<size_t>(nThreads * nEach));
    EXPECT_EQ(*all.begin(), (9ULL << 48) | (2ULL << 40));
    EXPECT_EQ(*all.rbegin(), (9ULL << 48) | (2ULL << 40) | (nThreads * nEach - 1));
}

TEST(GuidGeneratorEx, CountsSerialsBelow0xFF00)
{
    GuidGeneratorEx gen;
    ASSERT_TRUE(gen.Init(1, 3, 0xFEFF));
    GuidEx64 a = gen.Gen();
    EXPECT_EQ(a.Get64Value(), 0x0001FEFF00000003ULL);
    GuidEx64 b = gen.Gen();
    EXPECT_EQ(b.Get64Value(), 0x0001000000000004ULL);  // carry 4, serial 0

    GuidGeneratorEx high;
    ASSERT_TRUE(high.Init(1, 3, 0xFFFF));
    high.Gen();
    EXPECT_EQ(high.Gen().Get64Value(), 0x0001010000000004ULL);  // carry 4, serial 0x100
}

TEST(GuidGeneratorEx, MisuseIsReported)
{
    TempWorkDir dir;
    testing::internal::CaptureStdout();
    GuidGeneratorEx gen;
    EXPECT_THROW(gen.Gen(), int);
    EXPECT_TRUE(gen.Init(1, 0xFFFFFFFF, 0xFEFE));
    EXPECT_EQ(gen.Gen().Get64Value(), 0x0001FEFEFFFFFFFFULL);
    EXPECT_THROW(gen.Gen(), int) << "carry past 0xFFFFFFFF";
    EXPECT_THROW(gen.Init(1, 0, 0), int);
    testing::internal::GetCapturedStdout();
}
