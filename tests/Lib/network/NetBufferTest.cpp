// Ring buffer: growth, wrap-around and the bounds of peek, skip and push.

#include "net_buffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using NSNet::BuffType;
using NSNet::CNetBuffer;

namespace {

int Push(CNetBuffer& buf, const std::string& s) {
    return buf.push(reinterpret_cast<const BuffType*>(s.data()), static_cast<int>(s.size()));
}

std::string Peek(const CNetBuffer& buf, tuint32 n) {
    std::vector<BuffType> out(n + 1, 0);
    tuint32 len = n;
    buf.peek(out.data(), len);
    return std::string(out.begin(), out.begin() + len);
}

std::string Filler(char first, size_t n) {
    std::string s;
    for (size_t i = 0; i < n; ++i) {
        s.push_back(static_cast<char>(first + static_cast<char>(i % 26)));
    }
    return s;
}

} // namespace

// Each row: a buffer of `capacity`, `skip` bytes pushed and dropped (placing head and
// tail), `held` bytes pushed, then a push of `push` bytes; the expected shape after.
struct GrowthRow {
    const char* name;
    tuint32 capacity;
    tuint32 skip;
    tuint32 held;
    tuint32 push;
    tuint32 expCapacity;
    tuint32 expHead;
    tuint32 expTail;
};

TEST(NetBuffer, GrowthAndWrapTable) {
    const GrowthRow rows[] = {
        {"capacity 0 becomes 1 and grows to n + 2", 0, 0, 0, 5, 7, 0, 5},
        {"65535 bytes fit a 65536 block", 65536, 0, 0, 65535, 65536, 0, 65535},
        {"the 65536th byte doubles the block", 65536, 0, 65535, 1, 131072, 0, 65536},
        {"full 65536 block takes 100 more", 65536, 0, 65535, 100, 131072, 0, 65635},
        {"empty at head 6 wraps without growing", 8, 6, 0, 4, 8, 6, 2},
        {"wrapped block grows, tail piece moves to the end", 8, 6, 4, 5, 16, 14, 7},
        {"empty 8 takes 20: grows by 16", 8, 0, 0, 20, 24, 0, 20},
        {"unwrapped growth keeps the indices", 8, 1, 2, 10, 16, 1, 13},
        {"exact fit leaves one byte free", 8, 0, 0, 7, 8, 0, 7},
    };
    for (const GrowthRow& row : rows) {
        SCOPED_TRACE(row.name);
        CNetBuffer buf(row.capacity);
        const std::string pre = Filler('a', row.skip);
        ASSERT_EQ(0, Push(buf, pre));
        ASSERT_EQ(0, buf.skip(row.skip));
        const std::string old = Filler('A', row.held);
        ASSERT_EQ(0, Push(buf, old));
        const std::string add = Filler('k', row.push);
        ASSERT_EQ(0, Push(buf, add));

        EXPECT_EQ(row.expCapacity, buf.capacity());
        EXPECT_EQ(row.expHead, buf.head());
        EXPECT_EQ(row.expTail, buf.tail());
        EXPECT_EQ(row.held + row.push, buf.size());
        EXPECT_EQ(static_cast<int>(row.expCapacity - row.held - row.push - 1), buf.remain());
        EXPECT_EQ(old + add, Peek(buf, buf.size()));
    }
}

TEST(NetBuffer, CapacityZeroIsOneByteThatIsFull) {
    CNetBuffer buf(0);
    EXPECT_EQ(1u, buf.capacity());
    EXPECT_TRUE(buf.empty());
    EXPECT_TRUE(buf.full());
    EXPECT_EQ(0, buf.remain());
    EXPECT_EQ(0u, buf.size());
}

TEST(NetBuffer, PeekSkipPopBounds) {
    CNetBuffer buf(8);
    ASSERT_EQ(0, Push(buf, "abcdef"));
    ASSERT_EQ(0, buf.skip(6)); // head 6, empty
    ASSERT_EQ(0, Push(buf, "wxyz")); // wraps: 2 bytes at 6-7, 2 at 0-1

    // peek asking for more than is held copies what is held and says so.
    std::vector<BuffType> out(16, 0);
    tuint32 len = 16;
    EXPECT_EQ(0, buf.peek(out.data(), len));
    EXPECT_EQ(4u, len);
    EXPECT_EQ("wxyz", std::string(out.begin(), out.begin() + 4));
    EXPECT_EQ(4u, buf.size()); // peek removes nothing

    // skip past the end is refused and changes nothing.
    EXPECT_EQ(-1, buf.skip(5));
    EXPECT_EQ(4u, buf.size());
    EXPECT_EQ(6u, buf.head());

    // pop takes the front.
    len = 3;
    EXPECT_EQ(0, buf.pop(out.data(), len));
    EXPECT_EQ(3u, len);
    EXPECT_EQ("wxy", std::string(out.begin(), out.begin() + 3));
    EXPECT_EQ("z", Peek(buf, 8));

    // skip of exactly size() empties, wherever head and tail are.
    EXPECT_EQ(0, buf.skip(1));
    EXPECT_TRUE(buf.empty());
    EXPECT_EQ(buf.head(), buf.tail());

    // peek and pop on an empty buffer copy nothing.
    len = 4;
    EXPECT_EQ(0, buf.pop(out.data(), len));
    EXPECT_EQ(0u, len);
}

TEST(NetBuffer, ClearAndCloneGiveEmptyBuffers) {
    CNetBuffer buf(8);
    ASSERT_EQ(0, Push(buf, "abcdef"));
    ASSERT_EQ(0, buf.skip(6));
    ASSERT_EQ(0, Push(buf, "wxyz"));

    CNetBuffer copy(2);
    copy.clone(buf);
    EXPECT_EQ(8u, copy.capacity());
    EXPECT_TRUE(copy.empty());
    EXPECT_EQ(0u, copy.size());
    ASSERT_EQ(0, Push(copy, "q"));
    EXPECT_EQ("q", Peek(copy, 8));

    // A clone of itself keeps its block and empties it.
    copy.clone(copy);
    EXPECT_EQ(8u, copy.capacity());
    EXPECT_TRUE(copy.empty());
    ASSERT_EQ(0, Push(copy, "r"));
    EXPECT_EQ("r", Peek(copy, 8));

    buf.clear();
    EXPECT_TRUE(buf.empty());
    EXPECT_EQ(0u, buf.head());
    EXPECT_EQ(0u, buf.tail());
    EXPECT_EQ(8u, buf.capacity());
}

TEST(NetBuffer, PushRefusesNegativeLengthAndGrowthPastTheBound) {
    CNetBuffer buf(8);
    buf.setMaxCapacity(20);
    EXPECT_EQ(-1, buf.push(reinterpret_cast<const BuffType*>("x"), -1));
    EXPECT_EQ(0, buf.push(nullptr, 0));
    EXPECT_TRUE(buf.empty());

    // 12 bytes: 8 -> 16.
    ASSERT_EQ(0, Push(buf, Filler('a', 12)));
    EXPECT_EQ(16u, buf.capacity());
    // 5 more would double to 32: the block stops at the bound, which still fits them.
    ASSERT_EQ(0, Push(buf, "12345"));
    EXPECT_EQ(20u, buf.capacity());
    EXPECT_EQ(17u, buf.size());
    // 3 more do not fit within 20 bytes (19 held at most): refused whole.
    EXPECT_EQ(-1, Push(buf, "xyz"));
    EXPECT_EQ(20u, buf.capacity());
    EXPECT_EQ(Filler('a', 12) + "12345", Peek(buf, 32));
    // 2 still fit.
    EXPECT_EQ(0, Push(buf, "xy"));
    EXPECT_TRUE(buf.full());
}

TEST(NetBuffer, DirectRunsCoverTheFreeAndHeldBytes) {
    CNetBuffer buf(8);
    // Empty at head 0: 7 free bytes in one run (the last byte stays free).
    tuint32 run = 0;
    buf.tailRun(run);
    EXPECT_EQ(7u, run);

    ASSERT_EQ(0, Push(buf, "abcdef"));
    ASSERT_EQ(0, buf.skip(5)); // head 5, tail 6, "f" held
    buf.tailRun(run);
    EXPECT_EQ(2u, run); // 6-7; the rest (0-3) lies past the block's end
    ASSERT_EQ(0, buf.reserve(6));
    EXPECT_EQ(8u, buf.capacity()); // 6 fit already (remain 6)
    BuffType* p = buf.tailRun(run);
    p[0] = 'g';
    p[1] = 'h';
    buf.commit(2);
    EXPECT_EQ(0u, buf.tail());
    const BuffType* h = buf.headRun(run);
    EXPECT_EQ(3u, run);
    EXPECT_EQ("fgh", std::string(h, h + run));

    // reserve grows like push.
    ASSERT_EQ(0, buf.reserve(10));
    EXPECT_EQ(16u, buf.capacity());
    EXPECT_EQ("fgh", Peek(buf, 16));
}

TEST(NetBuffer, GrowFromPutsTheHeldBytesInOneRunAtTheStart) {
    // Each row: a buffer of `capacity` with head at `skip` and `held` bytes, made to fit
    // `length` bytes from its head; the expected capacity, or 0 for a refusal.
    struct Row {
        const char* name;
        tuint32 capacity;
        tuint32 bound;
        tuint32 skip;
        tuint32 held;
        tuint32 length;
        tuint32 expCapacity;
    };
    const Row rows[] = {
        {"fits already: nothing changes", 8, 64, 3, 2, 7, 8},
        {"one byte more: the next multiple", 8, 64, 0, 3, 8, 16},
        {"wrapped bytes come out in order", 8, 64, 6, 4, 12, 16},
        {"several multiples at once", 8, 64, 5, 2, 30, 32},
        {"the multiple stops at the bound", 8, 20, 0, 2, 19, 20},
        {"past the bound: refused", 8, 20, 0, 2, 20, 0},
        {"71 KB frame in a 64 KiB block", 65536, 64u << 20, 65533, 6, 71000, 131072},
        {"the largest frame below 64 MiB", 65536, 64u << 20, 0, 6, (64u << 20) - 1, 64u << 20},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CNetBuffer buf(row.capacity);
        buf.setMaxCapacity(row.bound);
        buf.commit(row.skip);
        ASSERT_EQ(0, buf.skip(row.skip));
        const std::string held = Filler('a', row.held);
        ASSERT_EQ(0, Push(buf, held));
        const tuint32 head = buf.head();
        const int result = buf.growFrom(row.length);
        if (row.expCapacity == 0) {
            EXPECT_EQ(-1, result);
            EXPECT_EQ(row.capacity, buf.capacity());
            EXPECT_EQ(head, buf.head());
        } else {
            EXPECT_EQ(0, result);
            EXPECT_EQ(row.expCapacity, buf.capacity());
            if (row.expCapacity != row.capacity) {
                EXPECT_EQ(0u, buf.head());
                EXPECT_EQ(row.held, buf.tail());
                tuint32 run = 0;
                buf.tailRun(run);
                EXPECT_GE(run, row.length - row.held) << "the rest fits behind the held bytes";
            } else {
                EXPECT_EQ(head, buf.head());
            }
        }
        EXPECT_EQ(held, Peek(buf, buf.size()));
    }
}

TEST(NetBuffer, ShrinkGivesAGrownBlockBackOnlyWhenEmpty) {
    CNetBuffer buf(8);
    ASSERT_EQ(0, Push(buf, Filler('a', 20)));
    ASSERT_EQ(24u, buf.capacity());
    EXPECT_FALSE(buf.shrink(8)) << "bytes held";
    ASSERT_EQ(0, buf.skip(20));
    EXPECT_FALSE(buf.shrink(0));
    EXPECT_FALSE(buf.shrink(24)) << "not smaller";
    EXPECT_EQ(24u, buf.capacity());
    EXPECT_TRUE(buf.shrink(8));
    EXPECT_EQ(8u, buf.capacity());
    EXPECT_TRUE(buf.empty());
    EXPECT_EQ(0u, buf.head());
    ASSERT_EQ(0, Push(buf, "abcdefg"));
    EXPECT_TRUE(buf.full());
    EXPECT_EQ("abcdefg", Peek(buf, 8));
}
