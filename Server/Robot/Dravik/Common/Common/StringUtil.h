#pragma once
// Delimited text to lists. No state; any thread may call them (the random pick shares the
// process-wide rand() sequence).

#include "BaseType.h"

#include <string>
#include <vector>

// Pieces of chunk between delim characters, empty ones kept, except that a delimiter at the
// very end yields no empty last piece; an empty chunk yields nothing.
std::vector<std::string> split(const std::string& chunk, char delim);

// Appends atoi() of every non-empty piece between any characters of pDelim to intVec.
void GetIntListFromString(const std::string& intListStr, std::vector<tint32>& intVec,
                          const char* pDelim);

// atoi() of one non-empty piece picked at random; 0 when there is none.
tint32 GetRandomIntFromString(const std::string& intListStr, const char* pDelim);
