#include "RobotNameManager.h"

#include "BaseType.h"
#include "Table_RobotName.h"

#include <cstdlib>
#include <utility>

RobotNameManager RobotNameManager::m_inst;

RobotNameManager::RobotNameManager() {}

RobotNameManager::~RobotNameManager() {}

RobotNameManager* RobotNameManager::getInstance()
{
    return &m_inst;
}

void RobotNameManager::InitNamePool(const std::string& mark)
{
    m_Names.clear();
    const int n = GetTable_RobotNameCount();
    const size_t total = n > 0 ? static_cast<size_t>(n) * static_cast<size_t>(n) : 0;
    std::vector<const char*> firsts;
    std::vector<const char*> seconds;
    for (int i = 0; i < n; ++i) {
        const Table_RobotName* p = GetTable_RobotNameByIndex(i);
        firsts.push_back(p != nullptr && p->GetFName() != nullptr ? p->GetFName() : "");
        seconds.push_back(p != nullptr && p->GetSName() != nullptr ? p->GetSName() : "");
    }

    // Name k of the unshuffled pool is first part k / n with second part k % n. The steps
    // of std::random_shuffle (deprecated since C++14, gone in C++17), drawing from the
    // process-wide rand sequence seeded by main, are taken on these numbers, and each name
    // is then built once at its place (swapping a million strings costs far more).
    std::vector<tuint32> order(total);
    for (size_t k = 0; k < total; ++k) {
        order[k] = static_cast<tuint32>(k);
    }
    for (size_t i = 1; i < total; ++i) {
        size_t j = static_cast<size_t>(rand()) % (i + 1);
        if (i != j) {
            std::swap(order[i], order[j]);
        }
    }
    m_Names.reserve(total);
    for (tuint32 k : order) {
        const size_t i = k / static_cast<size_t>(n);
        const size_t j = k % static_cast<size_t>(n);
        std::string name(firsts[i]);
        name += '*';
        name += seconds[j];
        m_Names.push_back(std::move(name));
    }
    SetNameMark(mark);
}

std::string RobotNameManager::GetOneName()
{
    static int s_nPos = 0;
    if (m_Names.empty()) {
        return "Null";
    }
    if (s_nPos >= 0 && static_cast<size_t>(s_nPos) < m_Names.size()) {
        return m_Names[static_cast<size_t>(s_nPos++)];
    }
    s_nPos = 1;
    return m_Names[0];
}

void RobotNameManager::SetNameMark(const std::string& mark)
{
    m_CharMark = mark;
}

std::string RobotNameManager::GetNameMark()
{
    return m_CharMark;
}
