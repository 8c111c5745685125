#pragma once
// 64-bit identifiers.
//   Guid64:   World << 48 | Type << 40 | Carry << 32 | Serial   (bits 48-63, 40-47, 32-39, 0-31)
//   GuidEx64: World << 48 | Serial << 32 | Carry                 (bits 48-63, 32-47, 0-31)
// invalid_guid64 (all bits set) is the empty identifier. Plain values; no locking.

#include "BaseType.h"

static const tuint64 invalid_guid64 = 0xFFFFFFFFFFFFFFFFULL;

// Both identifiers order and compare by their whole 64-bit value.
#define KORVATH_GUID_COMPARISONS(_Type)                                              \
    bool operator==(const _Type& r) const { return m_ullGuid == r.m_ullGuid; }      \
    bool operator!=(const _Type& r) const { return m_ullGuid != r.m_ullGuid; }      \
    bool operator<(const _Type& r) const { return m_ullGuid < r.m_ullGuid; }        \
    bool operator<=(const _Type& r) const { return m_ullGuid <= r.m_ullGuid; }      \
    bool operator>(const _Type& r) const { return m_ullGuid > r.m_ullGuid; }        \
    bool operator>=(const _Type& r) const { return m_ullGuid >= r.m_ullGuid; }

union Guid64 {
public:
    Guid64() { Reset(); }
    Guid64(tuint64 val64) { Assign(val64); }
    Guid64(tuint32 high32, tuint32 low32) { Assign(high32, low32); }
    Guid64(tuint16 worldID, tuint8 Type, tuint8 carry, tuint32 serial)
    {
        Assign(worldID, Type, carry, serial);
    }
    Guid64(const Guid64& rOther) { Assign(rOther.Get64Value()); }
    Guid64& operator=(const Guid64& rOther)
    {
        Assign(rOther.Get64Value());
        return *this;
    }

    void Reset() { m_ullGuid = invalid_guid64; }
    bool IsNull() const { return m_ullGuid == invalid_guid64; }
    void Assign(tuint64 val64) { m_ullGuid = val64; }
    void Assign(tuint32 high32, tuint32 low32)
    {
        m_ullGuid = (static_cast<tuint64>(high32) << 32) | low32;
    }
    void Assign(tuint16 worldID, tuint8 Type, tuint8 carry, tuint32 serial)
    {
        m_ullGuid = (static_cast<tuint64>(worldID) << 48) | (static_cast<tuint64>(Type) << 40) |
                    (static_cast<tuint64>(carry) << 32) | serial;
    }

    tuint64 Get64Value() const { return m_ullGuid; }
    tuint32 GetHigh32Value() const { return static_cast<tuint32>(m_ullGuid >> 32); }
    tuint32 GetLow32Value() const { return static_cast<tuint32>(m_ullGuid); }
    tuint16 GetWorldID() const { return static_cast<tuint16>(m_ullGuid >> 48); }
    tuint8 GetType() const { return static_cast<tuint8>(m_ullGuid >> 40); }
    tuint8 GetCarry() const { return static_cast<tuint8>(m_ullGuid >> 32); }
    tuint32 GetSerial() const { return static_cast<tuint32>(m_ullGuid); }

    KORVATH_GUID_COMPARISONS(Guid64)

    // Views of the same bits (little-endian).
    tuint64 m_ullGuid;
    struct {
        tuint32 m_Serial;
        tuint8 m_Carry;
        tuint8 m_Type;
        tuint16 m_World;
    } ig;
    struct {
        tuint32 m_Low;
        tuint32 m_High;
    } val64bit;
};

union GuidEx64 {
public:
    GuidEx64() { Reset(); }
    GuidEx64(tuint64 val64) { Assign(val64); }
    GuidEx64(tuint32 high32, tuint32 low32) { Assign(high32, low32); }
    GuidEx64(tuint16 worldID, tuint32 carry, tuint16 serial) { Assign(worldID, carry, serial); }
    GuidEx64(const GuidEx64& rOther) { Assign(rOther.Get64Value()); }
    GuidEx64& operator=(const GuidEx64& rOther)
    {
        Assign(rOther.Get64Value());
        return *this;
    }

    void Reset() { m_ullGuid = invalid_guid64; }
    bool IsNull() const { return m_ullGuid == invalid_guid64; }
    void Assign(tuint64 val64) { m_ullGuid = val64; }
    void Assign(tuint32 high32, tuint32 low32)
    {
        m_ullGuid = (static_cast<tuint64>(high32) << 32) | low32;
    }
    void Assign(tuint16 worldID, tuint32 carry, tuint16 serial)
    {
        m_ullGuid = (static_cast<tuint64>(worldID) << 48) | (static_cast<tuint64>(serial) << 32) |
                    carry;
    }

    tuint64 Get64Value() const { return m_ullGuid; }
    tuint16 GetWorldID() const { return static_cast<tuint16>(m_ullGuid >> 48); }
    tuint16 GetSerial() const { return static_cast<tuint16>(m_ullGuid >> 32); }
    tuint32 GetCarry() const { return static_cast<tuint32>(m_ullGuid); }

    KORVATH_GUID_COMPARISONS(GuidEx64)

    tuint64 m_ullGuid;
    struct {
        tuint32 m_Carry;
        tuint16 m_Serial;
        tuint16 m_World;
    } ig;
    struct {
        tuint32 m_Low;
        tuint32 m_High;
    } val64bit;
};

static_assert(sizeof(Guid64) == 8 && sizeof(GuidEx64) == 8, "GUIDs are 8 bytes");

#undef KORVATH_GUID_COMPARISONS
