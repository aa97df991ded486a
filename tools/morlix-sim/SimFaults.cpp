#include "SimFaults.h"

QByteArray SimFaults::Garbage()
{
    return QByteArray("~%\xff\x00\x7f=", 6) + "\r\n";
}

SimFaults::Decision SimFaults::Next()
{
    Decision decision;
    if (!m_enabled)
        return decision;
    if (m_settings.Silent) {
        decision.Send = false;
        return decision;
    }
    ++m_reports;
    ++m_reportsOnConnection;
    decision.Send = !IsNth(m_reports, m_settings.DropEvery);
    if (decision.Send && IsNth(m_reports, m_settings.NoiseEvery))
        decision.Noise = Garbage();
    if (m_settings.CloseAfter > 0 && m_reportsOnConnection == m_settings.CloseAfter) {
        decision.CloseAfter = true;
        m_reportsOnConnection = 0;
    }
    return decision;
}
