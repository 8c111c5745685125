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

#include <pthread.h>
#include <signal.h>

#include <cstdlib>
#include <iostream>
#include <list>
#include <string>
#include <thread>

// Stop signals wait for one thread of their own, so that a run ended by Ctrl-C or kill
// still writes out what the log channels buffer (the network log's connect errors
// among it); the process then ends by that signal as before.
static void StartStopSignalWaiter()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &set, nullptr); // inherited by every thread started later
    std::thread([set]() {
        int nSignal = 0;
        if (sigwait(&set, &nSignal) == 0) {
            Benchmark::EndOnSignal(nSignal);
        }
    }).detach();
}

void InitDravik(const std::string& mark)
{
    InitTable_RobotNameTable("Config/RobotName.txt");
    InitTable();
    RobotNameManager::getInstance()->InitNamePool(mark);
    BenchmarkConfig::getInstance().Load();
}

int main(int argc, char** argv)
{
    StartStopSignalWaiter();
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
