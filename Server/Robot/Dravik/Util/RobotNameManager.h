#pragma once
// The pool of robot character names and the character-name mark.
//
// The pool pairs the first-name part of every robot-name table row with the second-name
// part of every row ("first*second", n x n names), shuffled with the process-wide rand
// sequence. Filled once by InitNamePool on the main thread before any worker exists.
// GetOneName advances one process-wide read position without a lock: one thread only.
// The single instance m_inst is built before main and lives until process exit.

#include <string>
#include <vector>

class RobotNameManager {
public:
    virtual ~RobotNameManager();

    static RobotNameManager* getInstance();

    // Builds the shuffled pool from the robot-name table and stores the mark.
    void InitNamePool(const std::string& mark);
    // The next name of the pool, repeating from the first after the last; "Null" when empty.
    std::string GetOneName();
    void SetNameMark(const std::string& mark);
    std::string GetNameMark();

private:
    RobotNameManager();
    RobotNameManager(const RobotNameManager&);
    RobotNameManager& operator=(const RobotNameManager&);

    std::vector<std::string> m_Names;
    std::string m_CharMark;

    static RobotNameManager m_inst;
};
