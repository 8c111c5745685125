// The robot-name pool: every first part paired with every second part, shuffled with the
// process-wide rand sequence, handed out in a repeating cycle.

#include "RobotNameManager.h"
#include "Table_RobotName.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

// A robot-name table in the text form: names, types, two free lines, then the rows.
std::string RobotNameFile(const std::vector<std::pair<std::string, std::string>>& rows)
{
    std::string text = "ID\tNote\tFName\tSName\nINT\tSTRING\tSTRING\tSTRING\nid\tnote\tfirst\tsecond\nx\tx\tx\tx\n";
    int id = 0;
    for (const auto& r : rows) {
        text += std::to_string(id++) + "\t-\t" + r.first + "\t" + r.second + "\n";
    }
    return text;
}

// n consecutive names from wherever the read position stands.
std::vector<std::string> Take(size_t n)
{
    std::vector<std::string> names;
    for (size_t i = 0; i < n; ++i) {
        names.push_back(RobotNameManager::getInstance()->GetOneName());
    }
    return names;
}

bool IsRotation(const std::vector<std::string>& a, const std::vector<std::string>& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t k = 0; k < a.size(); ++k) {
        if (std::equal(a.begin(), a.end() - long(k), b.begin() + long(k)) &&
            std::equal(a.end() - long(k), a.end(), b.begin())) {
            return true;
        }
    }
    return false;
}

} // namespace

TEST(RobotNamePool, NoTableGivesAnEmptyPool)
{
    TempWorkDir dir;
    EXPECT_FALSE(InitTable_RobotNameTable("Config/RobotName.txt"));
    RobotNameManager::getInstance()->InitNamePool("mark");
    EXPECT_EQ("Null", RobotNameManager::getInstance()->GetOneName());
    EXPECT_EQ("Null", RobotNameManager::getInstance()->GetOneName());
    EXPECT_EQ("mark", RobotNameManager::getInstance()->GetNameMark());
}

TEST(RobotNamePool, EveryPairOnceThenTheCycleRepeats)
{
    TempWorkDir dir;
    dir.WriteFile("Config/RobotName.txt", RobotNameFile({{"Al", "Bo"}, {"", "Di"}}));
    ASSERT_TRUE(InitTable_RobotNameTable("Config/RobotName.txt"));
    RobotNameManager::getInstance()->InitNamePool("m2");
    std::vector<std::string> first = Take(4);
    EXPECT_EQ((std::set<std::string>{"Al*Bo", "Al*Di", "*Bo", "*Di"}), std::set<std::string>(first.begin(), first.end()));
    std::vector<std::string> second = Take(8);
    EXPECT_TRUE(IsRotation(first, std::vector<std::string>(second.begin(), second.begin() + 4)));
    EXPECT_TRUE(std::equal(second.begin(), second.begin() + 4, second.begin() + 4));
    EXPECT_EQ("m2", RobotNameManager::getInstance()->GetNameMark());
}

TEST(RobotNamePool, TheSeedDecidesTheOrder)
{
    TempWorkDir dir;
    std::vector<std::pair<std::string, std::string>> rows;
    for (const char* p : {"a", "b", "c", "d", "e", "f", "g", "h"}) {
        rows.push_back({std::string("F") + p, std::string("S") + p});
    }
    dir.WriteFile("Config/RobotName.txt", RobotNameFile(rows));
    ASSERT_TRUE(InitTable_RobotNameTable("Config/RobotName.txt"));

    srand(7);
    RobotNameManager::getInstance()->InitNamePool("");
    std::vector<std::string> a = Take(64);
    srand(7);
    RobotNameManager::getInstance()->InitNamePool("");
    std::vector<std::string> b = Take(64);
    srand(8);
    RobotNameManager::getInstance()->InitNamePool("");
    std::vector<std::string> c = Take(64);

    EXPECT_EQ(64u, std::set<std::string>(a.begin(), a.end()).size());
    EXPECT_TRUE(IsRotation(a, b));
    EXPECT_FALSE(IsRotation(a, c));
    // Shuffled: the first-name-major order of the pairs is not kept.
    std::vector<std::string> sorted = a;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_FALSE(IsRotation(a, sorted));

    // The order is std::random_shuffle's over the first-name-major pairs, same seed.
    std::vector<std::string> expected;
    for (const auto& f : rows) {
        for (const auto& g : rows) {
            expected.push_back(f.first + "*" + g.second);
        }
    }
    srand(7);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    std::random_shuffle(expected.begin(), expected.end());
#pragma GCC diagnostic pop
    EXPECT_TRUE(IsRotation(a, expected));
}
