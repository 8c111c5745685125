#pragma once
// Draws from the process-wide rand() sequence (seeded once by start-up, never here).
// No state of its own; draws from several threads share rand()'s state.
// Header-only so that the common library's string utilities can use it without a link cycle.

#include "BaseType.h"

#include <cstdlib>

class Random {
public:
    // rand() / 2^31 in single precision: in [0, 1], exactly 1.0 for the top 64 values of rand().
    static tfloat32 Gen()
    {
        return static_cast<tfloat32>(rand()) / 2147483648.0f;
    }

    // An integer from nMin to nMax - 1; nMin when nMin >= nMax.
    static tint32 Gen(tint32 nMin, tint32 nMax)
    {
        if (nMin >= nMax) {
            return nMin;
        }
        // The range is taken in 64 bits: nMax - nMin may exceed INT_MAX.
        const tint64 nRange = static_cast<tint64>(nMax) - nMin;
        const tint64 nOffset = static_cast<tint64>(Gen() * static_cast<tfloat32>(nRange));
        tint64 nRet = nMin + nOffset;
        if (nRet < nMin) {
            nRet = nMin;
        }
        if (nRet >= nMax) {
            nRet = static_cast<tint64>(nMax) - 1;
        }
        return static_cast<tint32>(nRet);
    }

    // True with probability nNumerator / nDenominator.
    static bool Sampling(tint32 nNumerator, tint32 nDenominator)
    {
        return Gen(0, nDenominator) < nNumerator;
    }
};
