// The records' bounded text copy (DBCopyText) against the copy it stands for:
// the member zero-filled, then tsnprintfex(member, capacity, "%s", text).
#include <string>
#include <vector>

#include "DBTestUtil.h"
#include "ServerDefine_DB.h"
#include "StringParser.h"

namespace
{
const size_t kSlack = 8;            // bytes behind the member that nobody may write
const unsigned char kDirty = 0x5A;  // what the destination held before

struct TextRow
{
    size_t      cap;
    std::string src;
    std::string stored;  // the text the member holds afterwards
};

// A destination member of at most 2048 bytes and the slack behind it.
struct Dest
{
    char   bytes[2048 + kSlack];
    size_t cap;

    explicit Dest(size_t nCap) : cap(nCap) { memset(bytes, kDirty, sizeof(bytes)); }
    std::string Image() const { return std::string(bytes, cap + kSlack); }
};

// The text, then zero bytes up to the capacity, then the untouched slack.
std::string Expected(size_t cap, const std::string& stored)
{
    std::string image = stored;
    image.resize(cap, '\0');
    image.append(kSlack, static_cast<char>(kDirty));
    return image;
}

TEST(DBCopyText, MatchesTheFormatterCopyByteForByte)
{
    const TextRow rows[] = {
        {1, "", ""},
        {1, "a", ""},
        {2, "ab", "a"},
        {80, "", ""},
        {80, "hero", "hero"},
        {80, std::string(78, 'n'), std::string(78, 'n')},
        {80, std::string(79, 'n'), std::string(79, 'n')},
        {80, std::string(80, 'n'), std::string(79, 'n')},
        {80, std::string(200, 'n'), std::string(79, 'n')},
        {41, "100% %s %d %n", "100% %s %d %n"},  // the text is never read as a format
        {41, "\xFF\x80\xC3\xA9 bytes", "\xFF\x80\xC3\xA9 bytes"},
        {2048, std::string(2047, 'c'), std::string(2047, 'c')},
        {2048, std::string(3000, 'c'), std::string(2047, 'c')},
    };
    for (const TextRow& r : rows)
    {
        SCOPED_TRACE(r.cap);
        SCOPED_TRACE(r.src.substr(0, 20));

        Dest reference(r.cap);
        memset(reference.bytes, 0, r.cap);
        tsnprintfex(reference.bytes, r.cap, "%s", r.src.c_str());
        ASSERT_EQ(reference.Image(), Expected(r.cap, r.stored));

        // From an argument text.
        Dest fromText(r.cap);
        DBCopyText(fromText.bytes, r.cap, r.src.c_str());
        EXPECT_EQ(fromText.Image(), reference.Image());

        // From another record's member: the text, its NUL and zero bytes behind it.
        std::vector<char> member(r.src.size() + 16, '\0');
        memcpy(member.data(), r.src.data(), r.src.size());
        Dest fromMember(r.cap);
        DBCopyText(fromMember.bytes, r.cap, member.data(), member.size());
        EXPECT_EQ(fromMember.Image(), reference.Image());
    }
}

TEST(DBCopyText, StopsAtTheSourceCapacityAndLeavesNullEmpty)
{
    // A source member of 80 bytes without a NUL: no byte behind it is read.
    std::vector<char> src(80, 'a');
    Dest dst(80);
    DBCopyText(dst.bytes, 80, src.data(), src.size());
    EXPECT_EQ(dst.Image(), Expected(80, std::string(79, 'a')));

    // A shorter source member without a NUL gives its whole width.
    std::vector<char> shortSrc(41, 't');
    Dest wide(80);
    DBCopyText(wide.bytes, 80, shortSrc.data(), shortSrc.size());
    EXPECT_EQ(wide.Image(), Expected(80, std::string(41, 't')));

    // A null text leaves the member empty (the formatter would write "(null)").
    Dest fromNull(80);
    DBCopyText(fromNull.bytes, 80, nullptr);
    EXPECT_EQ(fromNull.Image(), Expected(80, ""));

    // No capacity: nothing is written.
    Dest none(0);
    DBCopyText(none.bytes, 0, "abc");
    EXPECT_EQ(none.Image(), Expected(0, ""));
}
} // namespace
