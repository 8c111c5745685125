#include "StringUtil.h"

// Header-only, so the common library needs no link to the utilities library.
#include "../../Util/RandomUtil.h"

#include <cstdlib>
#include <sstream>

namespace {

// Pieces between any characters of pDelim, empty ones dropped (as protobuf's
// SplitStringUsing, without linking protobuf into the common library).
std::vector<std::string> SplitDroppingEmpty(const std::string& strText, const char* pDelim)
{
    std::vector<std::string> pieces;
    const std::string strDelim = (pDelim != nullptr) ? pDelim : "";
    std::string::size_type nBegin = strText.find_first_not_of(strDelim);
    while (nBegin != std::string::npos) {
        std::string::size_type nEnd = strText.find_first_of(strDelim, nBegin);
        if (nEnd == std::string::npos) {
            pieces.push_back(strText.substr(nBegin));
            break;
        }
        pieces.push_back(strText.substr(nBegin, nEnd - nBegin));
        nBegin = strText.find_first_not_of(strDelim, nEnd);
    }
    return pieces;
}

}  // namespace

std::vector<std::string> split(const std::string& chunk, char delim)
{
    std::vector<std::string> result;
    std::istringstream ss(chunk);
    std::string piece;
    while (std::getline(ss, piece, delim)) {
        result.push_back(piece);
    }
    return result;
}

void GetIntListFromString(const std::string& intListStr, std::vector<tint32>& intVec,
                          const char* pDelim)
{
    std::vector<std::string> strList = SplitDroppingEmpty(intListStr, pDelim);
    intVec.reserve(intVec.size() + strList.size());
    for (const std::string& strPiece : strList) {
        intVec.push_back(atoi(strPiece.c_str()));
    }
}

tint32 GetRandomIntFromString(const std::string& intListStr, const char* pDelim)
{
    std::vector<std::string> strList = SplitDroppingEmpty(intListStr, pDelim);
    if (strList.empty()) {
        return 0;  // nothing to pick from
    }
    tint32 sz = static_cast<tint32>(strList.size());
    tint32 rndNum = Random::Gen(0, sz);
    return atoi(strList[static_cast<size_t>(rndNum)].c_str());
}
