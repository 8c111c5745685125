#include "net_timer.h"

namespace NSNet {

CNetTimer::CNetTimer() { updateCurrTime(); }

void CNetTimer::updateCurrTime() { ::gettimeofday(&m_currTime, nullptr); }

} // namespace NSNet
