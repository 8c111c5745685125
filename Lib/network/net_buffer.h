#pragma once
// Growable ring buffer: the byte queue of a network session.

#include "net_def.h"

namespace NSNet {

// One heap block used as a circle; one byte always stays free, so the two indices
// alone tell empty from full.
//
//   not wrapped (head <= tail):  [ free | held ............ | free ]
//                                       ^head               ^tail
//   wrapped (tail < head):       [ held .. | free | held ........ ]
//                                          ^tail  ^head
//
// Invariants: head, tail < capacity; size() = (tail + capacity - head) mod capacity,
// at most capacity - 1; remain() = capacity - size() - 1; empty is head == tail, full
// is (tail + 1) mod capacity == head. The block grows only in push (or reserve), never
// past maxCapacity(), and shrinks only through shrink() while empty. A capacity of 0
// means the block could not be had: such a buffer holds nothing and refuses every push.
// Sizes are computed in 64 bits, so no index arithmetic can overflow.
//
// Owns its block (malloc/free). Not copyable; not thread-safe: a buffer belongs to one
// session and is used by the thread that ticks that session's reactor.
class CNetBuffer {
public:
    enum { Buffer_Init_Capacity = 65536, Buffer_Min_Capacity = 1 };
    // No buffer grows past this, so remain() always fits an int.
    static constexpr tuint32 Buffer_Max_Capacity = 0x80000000u;

    explicit CNetBuffer(tuint32 capacity);
    ~CNetBuffer();
    CNetBuffer(const CNetBuffer&) = delete;
    CNetBuffer& operator=(const CNetBuffer&) = delete;

    // Becomes an empty buffer with the other's capacity and growth bound (the bytes
    // are not taken: a clone is the fresh buffer of a session made from a prototype).
    void clone(const CNetBuffer& other);

    tuint32 size() const;
    bool empty() const;
    bool full() const;
    int remain() const;
    void clear();

    // Copies min(length, size()) bytes from the front; length receives that count.
    int peek(BuffType* dst, tuint32& length) const;
    // Drops count bytes from the front; -1 (and no change) when fewer are held.
    int skip(tuint32 count);
    // peek, then skip of what was copied.
    int pop(BuffType* dst, tuint32& length);
    // Appends length bytes, growing first when needed. 0, or -1 when length is
    // negative or the block cannot grow enough (the buffer is then unchanged).
    int push(const BuffType* src, int length);
    // Grows the block by at least expandLength bytes (at least doubling, within
    // maxCapacity()); returns the bytes added, 0 when it could not grow.
    tuint32 expand(tuint32 expandLength);

    // Direct access for callers that write or read in place.
    // reserve: makes remain() >= length, growing as push would; 0 or -1.
    int reserve(tuint32 length);
    // The free bytes that follow the tail without a break; runLength receives their count.
    BuffType* tailRun(tuint32& runLength);
    // REQUIRES: length <= remain(). Counts length bytes written at tailRun() as held.
    void commit(tuint32 length);
    // The held bytes from the head without a break; runLength receives their count.
    const BuffType* headRun(tuint32& runLength) const;

    tuint32 capacity() const { return m_capacity; }
    tuint32 head() const { return m_head; }
    tuint32 tail() const { return m_tail; }
    tuint32 maxCapacity() const { return m_maxCapacity; }
    // Makes room for length bytes counted from the head. When the block holds fewer than
    // length + 1 bytes, a new one (the smallest whole multiple of the current capacity
    // above length, within maxCapacity()) takes the held bytes at its start, so that they
    // and the rest of the length bytes lie in one run. 0, or -1 (no change) when length
    // is beyond maxCapacity() - 1 or the block cannot be had.
    int growFrom(tuint32 length);
    // REQUIRES: empty(). Gives a grown block back: a new block of capacity bytes
    // (below the current capacity) replaces it. false, and no change, when the buffer
    // holds bytes, the capacity is not smaller or 0, or the block cannot be had.
    bool shrink(tuint32 capacity);
    // Bounds later growth; clamped to Buffer_Max_Capacity. A buffer already larger
    // keeps its block but does not grow.
    void setMaxCapacity(tuint32 maxCapacity);

private:
    tint64 remain64() const;
    // index + count, wrapped round the block's end.
    tuint32 advance(tuint32 index, tuint32 count) const;

    BuffType* m_buffer;
    tuint32 m_head;
    tuint32 m_tail;
    tuint32 m_capacity;
    tuint32 m_maxCapacity;
};

} // namespace NSNet
