// Dravik: start-up on the main thread. Loads the robot-name table, the game data tables,
// the name pool and the configuration, then starts one Benchmark client per configured
// server in ascending server id and waits for their workers, which run until the process
// is killed or an assertion report ends it.

#include "Assertx.h"
#include "BaseTime.h"
#include "Benchmark.h"
#include "BenchmarkConfig.h"
#include "RobotNameManager.h"
#include "TableManager.h"
#include "Table_RobotName.h"

#include <cstdlib>
#include <iostream>
#include <list>
#include <string>

void InitDravik(const std::string& mark)
{
    InitTable_RobotNameTable("Config/RobotName.txt");
    InitTable();
    RobotNameManager::getInstance()->InitNamePool(mark);
    BenchmarkConfig::getInstance().Load();
}

int main(int argc, char** argv)
{
    try {
        std::cout << "start bench" << std::endl;
        srand(static_cast<tuint32>(_ansitime()));

        std::string mark;
        if (argc > 1) {
            mark = argv[1];
        } else {
            std::cout << "Please Input CharName Mark........." << std::endl;
            std::cin >> mark;
            std::cout << "Set CharName Mark OK........" << std::endl;
        }

        InitDravik(mark);

        std::list<ThreadPtr> threads;
        for (const auto& kv : BenchmarkConfig::getInstance().Servers()) {
            ThreadPtr ptr = Benchmark::Create(kv.first, kv.second);
            if (ptr == nullptr) {
                _do_assert_("Server/Robot/Dravik/main", __LINE__, "int main(int, char**)", "ptr != nullptr", "", true);
            }
            threads.push_back(ptr);
        }
        for (ThreadPtr& ptr : threads) {
            ptr->join();
        }
    } catch (int) {
        // The report has already said why; end with status 1 instead of an abort.
        Benchmark::EndOnReport();
    }
    return 0;
}
