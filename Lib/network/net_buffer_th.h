#pragma once
// Flat growable byte buffer: the text of an HTTP response, the body of a request.

#include "net_def.h"

namespace NSNet {

// One heap block (malloc/free, owned) holding m_size bytes from its start; 0 <= m_size
// <= m_capacity. It grows only (to exactly what is asked) and never shrinks; clear()
// keeps the block. A capacity of 0 means no block: begin() is null. A value type: a copy
// owns its own block. Not thread-safe: one owner at a time.
class CNetBufferTH {
public:
    explicit CNetBufferTH(tuint32 capacity);
    CNetBufferTH(const CNetBufferTH& other);
    CNetBufferTH& operator=(const CNetBufferTH& other);
    ~CNetBufferTH();

    // Appends size bytes, growing the block to exactly what is needed: 0, or -1 when it
    // cannot grow (nothing is appended then).
    int push_back(const BuffType* data, tuint32 size);
    // Makes the block at least capacity bytes: 0, or -1 when no block could be had
    // (the buffer is unchanged then).
    int reserve(tuint32 capacity);

    const BuffType* begin() const { return m_buffer; }
    // The byte after the held ones.
    const BuffType* end() const { return m_buffer + m_size; }
    tuint32 size() const { return m_size; }
    tuint32 capacity() const { return m_capacity; }
    bool empty() const { return m_size == 0; }
    // True when the buffer has a block.
    bool isValid() const { return m_buffer != nullptr; }
    // Size 0; the block is kept.
    void clear() { m_size = 0; }

private:
    BuffType* m_buffer;
    tuint32 m_size;
    tuint32 m_capacity;
};

} // namespace NSNet
