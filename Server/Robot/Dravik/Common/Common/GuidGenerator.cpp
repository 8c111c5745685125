#include "GuidGenerator.h"

GuidGenerator::GuidGenerator()
    : m_World(0xFFFF),
      m_Type(0xFF),
      m_NextAvailableSerial(0xFF, 0xFFFFFFFF),
      m_CurrentSavedSerial(0xFF, 0xFFFFFFFF),
      m_bInited(false)
{
}

GuidGenerator::~GuidGenerator() {}

bool GuidGenerator::Init(tuint16 World, tuint8 Type, tuint8 Carry, tuint32 Serial)
{
    __ENTER_FUNCTION
    bstMutexScopedLock lock(m_bstMutex);
    Assert(m_bInited == false);
    // Such a serial could never be handed out: numbering skips 0xFFFF0000-0xFFFFFFFF.
    Assert(Serial < 0xFFFF0000);
    m_World = World;
    m_Type = Type;
    m_NextAvailableSerial = GuidSerial(Carry, Serial);
    m_CurrentSavedSerial = GuidSerial(Carry, Serial);
    m_bInited = true;
    return true;
    __LEAVE_FUNCTION
    return false;
}

Guid64 GuidGenerator::Gen()
{
    __ENTER_FUNCTION
    bstMutexScopedLock lock(m_bstMutex);
    Assert(m_bInited == true);
    if (m_NextAvailableSerial >= m_CurrentSavedSerial) {
        IncreaseSerial(m_CurrentSavedSerial, 512);
    }
    Guid64 guid(m_World, m_Type, m_NextAvailableSerial.first, m_NextAvailableSerial.second);
    IncreaseSerial(m_NextAvailableSerial, 1);
    return guid;
    __LEAVE_FUNCTION
    return Guid64();
}

void GuidGenerator::Save(tint32& guidType, tuint32& carry, tuint32& serial)
{
    GuidSerial Temp = m_CurrentSavedSerial;
    IncreaseSerial(Temp, 2048);
    guidType = m_Type;
    carry = Temp.first;
    serial = Temp.second;
}

void GuidGenerator::IncreaseSerial(GuidSerial& rSerial, tint32 nValue)
{
    __ENTER_FUNCTION
    const tuint32 MaxSerialValue = 0xFFFF0000;
    Assert(nValue > 0 && nValue <= 4096);
    tuint32 uTemp = rSerial.second + static_cast<tuint32>(nValue);
    Assert(uTemp > rSerial.second);
    if (uTemp < MaxSerialValue) {
        rSerial.second = uTemp;
    } else {
        // A carry past 255 would wrap to 0 and reissue old identifiers.
        Assert(rSerial.first < 0xFF);
        rSerial.first = static_cast<tuint8>(rSerial.first + 1);
        rSerial.second = uTemp % MaxSerialValue;
    }
    __LEAVE_FUNCTION
}

GuidGeneratorEx::GuidGeneratorEx()
    : m_World(0xFFFF), m_NextAvailableSerial(0xFFFFFFFF, 0xFFFF), m_bInited(false)
{
}

GuidGeneratorEx::~GuidGeneratorEx() {}

bool GuidGeneratorEx::Init(tuint16 World, tuint32 Carry, tuint16 Serial)
{
    __ENTER_FUNCTION
    bstMutexScopedLock lock(m_bstMutex);
    Assert(m_bInited == false);
    m_World = World;
    m_NextAvailableSerial = GuidSerial(Carry, Serial);
    m_bInited = true;
    return true;
    __LEAVE_FUNCTION
    return false;
}

GuidEx64 GuidGeneratorEx::Gen()
{
    __ENTER_FUNCTION
    bstMutexScopedLock lock(m_bstMutex);
    Assert(m_bInited == true);
    GuidEx64 guid(m_World, m_NextAvailableSerial.first, m_NextAvailableSerial.second);
    IncreaseSerial(m_NextAvailableSerial);
    return guid;
    __LEAVE_FUNCTION
    return GuidEx64();
}

void GuidGeneratorEx::IncreaseSerial(GuidSerial& rSerial)
{
    __ENTER_FUNCTION
    const tuint32 MaxSerialValue = 0xFF00;
    tuint32 uTemp = static_cast<tuint32>(rSerial.second) + 1;
    Assert(uTemp > rSerial.second);
    if (uTemp < MaxSerialValue) {
        rSerial.second = static_cast<tuint16>(uTemp);
    } else {
        // A carry past 0xFFFFFFFF would wrap to 0 and reissue old identifiers.
        Assert(rSerial.first < 0xFFFFFFFF);
        rSerial.first = rSerial.first + 1;
        rSerial.second = static_cast<tuint16>(uTemp % MaxSerialValue);
    }
    __LEAVE_FUNCTION
}
