#include "RobotNameManager.h"

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
    if (n > 0) {
        m_Names.reserve(static_cast<size_t>(n) * static_cast<size_t>(n));
    }
    for (int i = 0; i < n; ++i) {
        const Table_RobotName* pFirst = GetTable_RobotNameByIndex(i);
        const char* szFirst = pFirst != nullptr && pFirst->GetFName() != nullptr ? pFirst->GetFName() : "";
        for (int j = 0; j < n; ++j) {
            const Table_RobotName* pSecond = GetTable_RobotNameByIndex(j);
            const char* szSecond = pSecond != nullptr && pSecond->GetSName() != nullptr ? pSecond->GetSName() : "";
            std::string name(szFirst);
            name += '*';
            name += szSecond;
            m_Names.push_back(std::move(name));
        }
    }
    // The steps of std::random_shuffle (deprecated since C++14, gone in C++17), drawing
    // from the process-wide rand sequence seeded by main.
    for (size_t i = 1; i < m_Names.size(); ++i) {
        size_t j = static_cast<size_t>(rand()) % (i + 1);
        if (i != j) {
            std::swap(m_Names[i], m_Names[j]);
        }
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
