#pragma once
// Hands out the Guid64 values of one world and one type.
//
//   issued  <  m_NextAvailableSerial  <=  m_CurrentSavedSerial
//   (carry, serial) pairs compare carry first. Gen hands out the next pair and, when the next
//   pair has reached the saved one, first moves the saved pair a block of 512 ahead. Save
//   reports the saved pair plus 2048 as a safe restart point. Serials 0xFFFF0000-0xFFFFFFFF
//   are never used: at 0xFFFF0000 numbering moves on to the next carry; a carry past 255 is
//   an assertion report, never a wrap that would reissue identifiers.
// Built unstarted; Init exactly once. Init and Gen lock m_bstMutex, so several threads may
// generate from one generator; Save takes no lock and belongs to the generating thread.

#include "Assertx.h"
#include "BaseLib.h"
#include "Guid64.h"

#include <utility>

class GuidGenerator {
public:
    typedef std::pair<tuint8, tuint32> GuidSerial;  // (carry, serial)

    GuidGenerator();
    ~GuidGenerator();

    // False (after the thrown report) for a second Init or a serial of 0xFFFF0000 or more.
    bool Init(tuint16 World, tuint8 Type, tuint8 Carry, tuint32 Serial);
    Guid64 Gen();
    void Save(tint32& guidType, tuint32& carry, tuint32& serial);

private:
    void IncreaseSerial(GuidSerial& rSerial, tint32 nValue);

    bstMutex m_bstMutex;
    tuint16 m_World;
    tuint8 m_Type;
    GuidSerial m_NextAvailableSerial;
    GuidSerial m_CurrentSavedSerial;
    bool m_bInited;
};

// Carry (32 bits) and serial (16 bits, below 0xFF00) of one world; no type, no saved serial.
// Same start and locking rules as GuidGenerator; a carry past 0xFFFFFFFF is a report.
class GuidGeneratorEx {
public:
    typedef std::pair<tuint32, tuint16> GuidSerial;  // (carry, serial)

    GuidGeneratorEx();
    ~GuidGeneratorEx();

    bool Init(tuint16 World, tuint32 Carry, tuint16 Serial);
    GuidEx64 Gen();

private:
    void IncreaseSerial(GuidSerial& rSerial);

    bstMutex m_bstMutex;
    tuint16 m_World;
    GuidSerial m_NextAvailableSerial;
    bool m_bInited;
};
