// The packet cipher: repeating-key XOR with the characters of gXorKey.

#include "PacketDef.h"

#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Bytes(std::initializer_list<int> bytes)
{
    std::string str;
    for (int b : bytes) {
        str.push_back(static_cast<char>(b));
    }
    return str;
}

std::string Enciphered(std::string str)
{
    XorEncryptEx(&str[0], static_cast<tuint32>(str.size()));
    return str;
}

}  // namespace

TEST(PacketCipher, KeyIs32HexCharacters)
{
    EXPECT_STREQ(gXorKey.GetCText(), "3A7C1E9B2D4F6A8C0B5E7D9F1A3C5E7B");
    EXPECT_EQ(gXorKey.GetLength(), 32);
}

TEST(PacketCipher, EachByteTakesTheKeyCharacterAtItsPositionMod32)
{
    struct Row {
        const char* szCase;
        std::string strPlain;
        std::string strCipher;
    };
    const Row rows[] = {
        {"nothing", "", ""},
        {"abc", "abc", Bytes({0x52, 0x23, 0x54})},  // 'a'^'3', 'b'^'A', 'c'^'7'
        {"33 zero bytes give the key and its first character again", std::string(33, '\0'),
         "3A7C1E9B2D4F6A8C0B5E7D9F1A3C5E7B3"},
        {"the key text gives zeros", "3A7C1E9B2D4F6A8C0B5E7D9F1A3C5E7B", std::string(32, '\0')},
        {"high bits", Bytes({0xFF, 0x00, 0x80}), Bytes({0xCC, 0x41, 0xB7})},
        // 'x' ^ 'B' = ':', 'x' ^ '3' = 'K', 'x' ^ 'A' = '9': bytes 31, 32, 33.
        {"34 x: bytes 0 and 32 share a key character", std::string(34, 'x'),
         "K9O;I=A:J<L>N9@;H:M=O<A>I9K;M=O:K9"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.szCase);
        EXPECT_EQ(Enciphered(row.strPlain), row.strCipher);

        std::string str = row.strCipher;
        XorDecryptEx(&str[0], static_cast<tuint32>(str.size()));
        EXPECT_EQ(str, row.strPlain) << "deciphering restores the body";

        str = row.strPlain;
        _Xor(&str[0], static_cast<tuint32>(str.size()));
        EXPECT_EQ(str, row.strCipher);
    }
}

TEST(PacketCipher, EveryBodyStartsAtTheFirstKeyCharacter)
{
    EXPECT_EQ(Enciphered("abc"), Enciphered("abc"));
    EXPECT_EQ(Enciphered(std::string(40, 'x')).substr(32), Enciphered(std::string(8, 'x')));
}

TEST(PacketCipher, NullBodyIsAReportedAndThrownAssertion)
{
    TempWorkDir dir;
    typedef void (*CipherFn)(tchar*, tuint32);
    const CipherFn fns[] = {&_Xor, &XorEncryptEx, &XorDecryptEx};
    for (CipherFn fn : fns) {
        int nThrown = 0;
        try {
            fn(nullptr, 5);
        } catch (int n) {
            nThrown = n;
        }
        EXPECT_EQ(nThrown, 1);
    }
    std::string strLog = dir.ReadLogs("assert");
    EXPECT_NE(strLog.find("pContent != null_ptr"), std::string::npos) << strLog;
}
