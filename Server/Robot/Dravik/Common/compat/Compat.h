#pragma once
// The robot's millisecond sleep.

namespace NSRobot {

// Sleeps ms milliseconds; nothing for ms <= 0.
void sleep(int ms);

}  // namespace NSRobot
