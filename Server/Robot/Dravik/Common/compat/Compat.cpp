#include "Compat.h"

#include <chrono>
#include <thread>

namespace NSRobot {

void sleep(int ms)
{
    // usleep(ms * 1000) would overflow 32 bits past ~35 minutes; the chrono duration cannot.
    if (ms > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

}  // namespace NSRobot
