#include "net_buffer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace NSNet {

CNetBuffer::CNetBuffer(tuint32 capacity)
    : m_buffer(nullptr), m_head(0), m_tail(0), m_capacity(0), m_maxCapacity(Buffer_Max_Capacity) {
    if (capacity == 0) {
        capacity = Buffer_Min_Capacity;
    }
    capacity = std::min(capacity, Buffer_Max_Capacity);
    m_buffer = static_cast<BuffType*>(std::calloc(capacity, 1));
    if (m_buffer != nullptr) {
        m_capacity = capacity;
    }
}

CNetBuffer::~CNetBuffer() {
    if (m_buffer != nullptr) {
        std::free(m_buffer);
        m_buffer = nullptr;
    }
}

void CNetBuffer::clone(const CNetBuffer& other) {
    if (&other == this) {
        clear(); // the block below would be freed before its size is read
        return;
    }
    if (m_buffer != nullptr) {
        std::free(m_buffer);
    }
    // Only the shape is taken: copying the indices without the bytes would read as
    // zero-filled data.
    m_head = 0;
    m_tail = 0;
    m_capacity = 0;
    m_maxCapacity = other.m_maxCapacity;
    m_buffer = other.m_capacity > 0 ? static_cast<BuffType*>(std::calloc(other.m_capacity, 1)) : nullptr;
    if (m_buffer != nullptr) {
        m_capacity = other.m_capacity;
    }
}

// The index arithmetic below compares and subtracts instead of taking a remainder: these
// run once per system call of the stream io, and a 64-bit division costs more than the rest.

tuint32 CNetBuffer::size() const {
    return m_tail >= m_head ? m_tail - m_head : m_capacity - m_head + m_tail;
}

bool CNetBuffer::empty() const { return m_head == m_tail; }

bool CNetBuffer::full() const {
    // At most capacity - 1 bytes are held; a blockless buffer (capacity 0) counts as full.
    return static_cast<tuint64>(size()) + 1 >= m_capacity;
}

tuint32 CNetBuffer::advance(tuint32 index, tuint32 count) const {
    // REQUIRES: count < capacity, so one subtraction brings the index back into the block.
    const tuint64 next = static_cast<tuint64>(index) + count;
    return static_cast<tuint32>(next >= m_capacity ? next - m_capacity : next);
}

tint64 CNetBuffer::remain64() const {
    return static_cast<tint64>(m_capacity) - static_cast<tint64>(size()) - 1;
}

int CNetBuffer::remain() const {
    // capacity <= Buffer_Max_Capacity keeps this within an int; a blockless buffer has no room.
    return static_cast<int>(std::max<tint64>(remain64(), 0));
}

void CNetBuffer::clear() {
    m_head = 0;
    m_tail = 0;
}

int CNetBuffer::peek(BuffType* dst, tuint32& length) const {
    const tuint32 count = std::min(length, size());
    length = count;
    if (count == 0) {
        return 0;
    }
    const tuint32 toEnd = m_capacity - m_head;
    if (m_head >= m_tail && count > toEnd) {
        std::memcpy(dst, m_buffer + m_head, toEnd);
        std::memcpy(dst + toEnd, m_buffer, count - toEnd);
    } else {
        std::memcpy(dst, m_buffer + m_head, count);
    }
    return 0;
}

int CNetBuffer::skip(tuint32 count) {
    if (count > size()) {
        return -1;
    }
    m_head = advance(m_head, count);
    return 0;
}

int CNetBuffer::pop(BuffType* dst, tuint32& length) {
    peek(dst, length);
    skip(length);
    return 0;
}

int CNetBuffer::reserve(tuint32 length) {
    const tint64 room = remain64();
    if (room >= static_cast<tint64>(length)) {
        return 0;
    }
    // room is -1 only for a blockless buffer, which expand refuses.
    const tint64 missing = static_cast<tint64>(length) - std::max<tint64>(room, 0);
    if (missing > static_cast<tint64>(Buffer_Max_Capacity)) {
        return -1;
    }
    return expand(static_cast<tuint32>(missing)) > 0 ? 0 : -1;
}

int CNetBuffer::push(const BuffType* src, int length) {
    if (length < 0) {
        return -1;
    }
    if (length == 0) {
        return 0;
    }
    const tuint32 count = static_cast<tuint32>(length);
    if (reserve(count) != 0) {
        return -1;
    }
    const tuint32 toEnd = m_capacity - m_tail;
    if (m_tail >= m_head && toEnd < count) {
        std::memcpy(m_buffer + m_tail, src, toEnd);
        std::memcpy(m_buffer, src + toEnd, count - toEnd);
    } else {
        std::memcpy(m_buffer + m_tail, src, count);
    }
    m_tail = advance(m_tail, count);
    return 0;
}

tuint32 CNetBuffer::expand(tuint32 expandLength) {
    if (m_capacity == 0) {
        return 0;
    }
    tuint64 added = m_capacity >= expandLength
                        ? m_capacity
                        : (static_cast<tuint64>(expandLength) / m_capacity + 1) * m_capacity;
    const tuint64 limit = m_maxCapacity;
    if (m_capacity + added > limit) {
        // Stop at the bound when that still gives the room asked for.
        if (limit <= m_capacity || limit - m_capacity < expandLength) {
            return 0;
        }
        added = limit - m_capacity;
    }
    const tuint64 newCapacity = m_capacity + added;
    BuffType* block = static_cast<BuffType*>(std::malloc(static_cast<size_t>(newCapacity)));
    if (block == nullptr) {
        return 0;
    }
    if (m_head < m_tail) {
        std::memcpy(block + m_head, m_buffer + m_head, m_tail - m_head);
    } else if (m_tail < m_head) {
        std::memcpy(block, m_buffer, m_tail);
        std::memcpy(block + m_head + added, m_buffer + m_head, m_capacity - m_head);
        m_head += static_cast<tuint32>(added);
    }
    std::free(m_buffer);
    m_buffer = block;
    m_capacity = static_cast<tuint32>(newCapacity);
    return static_cast<tuint32>(added);
}

BuffType* CNetBuffer::tailRun(tuint32& runLength) {
    if (m_capacity == 0) {
        runLength = 0;
        return m_buffer;
    }
    if (m_tail < m_head) {
        runLength = m_head - m_tail - 1;
    } else {
        // The free byte sits just before the head: at the block's end when head is 0.
        runLength = m_capacity - m_tail - (m_head == 0 ? 1 : 0);
    }
    return m_buffer + m_tail;
}

void CNetBuffer::commit(tuint32 length) {
    if (length == 0 || static_cast<tint64>(length) > remain64()) {
        return;
    }
    m_tail = advance(m_tail, length);
}

const BuffType* CNetBuffer::headRun(tuint32& runLength) const {
    runLength = m_head <= m_tail ? m_tail - m_head : m_capacity - m_head;
    return m_buffer + m_head;
}

int CNetBuffer::growFrom(tuint32 length) {
    const tuint64 need = static_cast<tuint64>(length) + 1; // the one free byte
    if (need <= m_capacity) {
        return 0;
    }
    if (m_capacity == 0 || need > m_maxCapacity) {
        return -1;
    }
    const tuint64 newCapacity =
        std::min<tuint64>((need + m_capacity - 1) / m_capacity * m_capacity, m_maxCapacity);
    BuffType* block = static_cast<BuffType*>(std::malloc(static_cast<size_t>(newCapacity)));
    if (block == nullptr) {
        return -1;
    }
    tuint32 held = size();
    peek(block, held);
    std::free(m_buffer);
    m_buffer = block;
    m_capacity = static_cast<tuint32>(newCapacity);
    m_head = 0;
    m_tail = held;
    return 0;
}

bool CNetBuffer::shrink(tuint32 capacity) {
    if (!empty() || capacity == 0 || capacity >= m_capacity) {
        return false;
    }
    BuffType* block = static_cast<BuffType*>(std::malloc(capacity));
    if (block == nullptr) {
        return false;
    }
    std::free(m_buffer);
    m_buffer = block;
    m_capacity = capacity;
    m_head = 0;
    m_tail = 0;
    return true;
}

void CNetBuffer::setMaxCapacity(tuint32 maxCapacity) {
    m_maxCapacity = std::min(maxCapacity, Buffer_Max_Capacity);
}

} // namespace NSNet
