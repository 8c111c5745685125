#include "net_buffer_th.h"

#include <cstdlib>
#include <cstring>

namespace NSNet {

CNetBufferTH::CNetBufferTH(tuint32 capacity) : m_buffer(nullptr), m_size(0), m_capacity(0) {
    if (capacity != 0) {
        m_buffer = static_cast<BuffType*>(std::calloc(capacity, 1));
        if (m_buffer != nullptr) {
            m_capacity = capacity;
        }
    }
}

CNetBufferTH::CNetBufferTH(const CNetBufferTH& other) : CNetBufferTH(other.m_capacity) {
    if (m_buffer != nullptr && other.m_size != 0) {
        std::memcpy(m_buffer, other.m_buffer, other.m_size);
        m_size = other.m_size;
    }
}

CNetBufferTH& CNetBufferTH::operator=(const CNetBufferTH& other) {
    if (this != &other) {
        clear();
        if (other.m_size != 0 && reserve(other.m_size) == 0) {
            std::memcpy(m_buffer, other.m_buffer, other.m_size);
            m_size = other.m_size;
        }
    }
    return *this;
}

CNetBufferTH::~CNetBufferTH() {
    std::free(m_buffer);
    m_buffer = nullptr;
    m_size = 0;
    m_capacity = 0;
}

int CNetBufferTH::reserve(tuint32 capacity) {
    if (capacity <= m_capacity) {
        return 0;
    }
    BuffType* block = static_cast<BuffType*>(std::malloc(capacity));
    if (block == nullptr) {
        return -1;
    }
    if (m_size != 0) {
        std::memcpy(block, m_buffer, m_size);
    }
    std::free(m_buffer);
    m_buffer = block;
    m_capacity = capacity;
    return 0;
}

int CNetBufferTH::push_back(const BuffType* data, tuint32 size) {
    if (size == 0) {
        return 0;
    }
    // A sum past 32 bits would reserve too little and write past the block.
    if (size > 0xFFFFFFFFu - m_size) {
        return -1;
    }
    if (m_capacity < m_size + size && reserve(m_size + size) != 0) {
        return -1;
    }
    std::memcpy(m_buffer + m_size, data, size);
    m_size += size;
    return 0;
}

} // namespace NSNet
