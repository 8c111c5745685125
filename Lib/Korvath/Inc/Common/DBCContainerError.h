#pragma once
// The record containers throw their message as a character string. A formatted message
// lives in this per-thread buffer, so it stays valid after the throwing frame is gone and
// until the table function that catches it has reported it.

#include "BaseType.h"

#include <cstdio>

inline const tchar* DBC_FormatContainerError(const tchar* szFormat, tint32 nID)
{
    static thread_local tchar s_szText[256];
    std::snprintf(s_szText, sizeof(s_szText), szFormat, nID);
    return s_szText;
}
