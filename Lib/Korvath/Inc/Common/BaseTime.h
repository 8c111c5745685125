#pragma once
// Calendar wrappers over time(), localtime_r() and mktime(); declared with the lock names
// in BaseLib.h, gathered here for the clock's users.

#include "BaseLib.h"
