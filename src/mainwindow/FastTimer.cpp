#include "FastTimer.h"

void TFastTimer::SetNeeded(const void *user, bool needed)
{
    if (needed)
        m_users.insert(user);
    else
        m_users.remove(user);
    if (m_users.isEmpty())
        stop();
    else if (!isActive())
        start();
}
