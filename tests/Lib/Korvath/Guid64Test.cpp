#include "Guid64.h"

#include <gtest/gtest.h>

TEST(Guid64, BitLayout)
{
    Guid64 empty;
    EXPECT_EQ(empty.Get64Value(), invalid_guid64);
    EXPECT_EQ(invalid_guid64, 0xFFFFFFFFFFFFFFFFULL);
    EXPECT_EQ(static_cast<tint64>(invalid_guid64), -1);
    EXPECT_TRUE(empty.IsNull());

    Guid64 g(1, 2, 3, 4);
    EXPECT_EQ(g.Get64Value(), 0x0001020300000004ULL);
    EXPECT_EQ(g.GetHigh32Value(), 0x00010203u);
    EXPECT_EQ(g.GetLow32Value(), 4u);
    EXPECT_EQ(g.ig.m_World, 1);
    EXPECT_EQ(g.ig.m_Type, 2);
    EXPECT_EQ(g.ig.m_Carry, 3);
    EXPECT_EQ(g.ig.m_Serial, 4u);
    EXPECT_EQ(g.val64bit.m_High, 0x00010203u);
    EXPECT_EQ(g.val64bit.m_Low, 4u);

    Guid64 top(0xFFFF, 0xFE, 0xFD, 0xFFFEFFFF);
    EXPECT_EQ(top.Get64Value(), 0xFFFFFEFDFFFEFFFFULL);
    EXPECT_EQ(top.GetWorldID(), 0xFFFF);
    EXPECT_EQ(top.GetType(), 0xFE);
    EXPECT_EQ(top.GetCarry(), 0xFD);
    EXPECT_EQ(top.GetSerial(), 0xFFFEFFFFu);

    Guid64 copy(g);
    EXPECT_EQ(copy, g);
    copy.Reset();
    EXPECT_EQ(copy.Get64Value(), invalid_guid64);
    copy.Assign(0x1234ULL);
    EXPECT_EQ(copy.Get64Value(), 0x1234ULL);
    EXPECT_LT(copy, g);
}

TEST(GuidEx64, BitLayout)
{
    GuidEx64 g(1, 3, 2);  // world 1, carry 3, serial 2
    EXPECT_EQ(g.Get64Value(), 0x0001000200000003ULL);
    EXPECT_EQ(g.ig.m_World, 1);
    EXPECT_EQ(g.ig.m_Serial, 2);
    EXPECT_EQ(g.ig.m_Carry, 3u);
    EXPECT_EQ(GuidEx64().Get64Value(), invalid_guid64);
    EXPECT_EQ(GuidEx64(0x00010002u, 3u), g);  // the same bits from two halves
    EXPECT_GT(GuidEx64(1, 3, 3), g);
}
