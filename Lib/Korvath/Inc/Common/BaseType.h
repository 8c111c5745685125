#pragma once
// Basic scalar type names used in every signature of the system.

typedef char tchar;
typedef char tint8;
typedef unsigned char tuint8;
typedef unsigned char tbyte;
typedef short tint16;
typedef unsigned short tuint16;
typedef int tint32;
typedef unsigned int tuint32;
typedef long long tint64;
typedef unsigned long long tuint64;
typedef float tfloat32;
typedef double tfloat64;
typedef tint64 tintptr;     // wide enough for a pointer
typedef tfloat64 tfloatptr;

static_assert(sizeof(tint16) == 2 && sizeof(tint32) == 4 && sizeof(tint64) == 8, "basic type sizes");
static_assert(sizeof(tintptr) >= sizeof(void*), "tintptr must hold a pointer");
