#include "EdidRevert.h"

#include "variables/VariableTable.h"

void TEdidRevert::Identified(bool known)
{
    m_known = known;
    m_reported = {};
    m_captured.reset();
}

void TEdidRevert::Reported(int varNumber, uint16_t value)
{
    if (varNumber == EDIDFMT)
        m_reported.Format = value;
    else if (varNumber == EDIDRATE)
        m_reported.Rate = value;
}

bool TEdidRevert::WasReported(int varNumber) const
{
    if (varNumber == EDIDFMT)
        return m_reported.Format.has_value();
    if (varNumber == EDIDRATE)
        return m_reported.Rate.has_value();
    return false;
}

void TEdidRevert::Capture()
{
    if (m_known && m_reported.Format && m_reported.Rate)
        m_captured = m_reported;
}

QVector<TEdidRevert::TWrite> TEdidRevert::RevertWrites() const
{
    if (!m_captured)
        return {};
    return {{EDIDFMT, *m_captured->Format}, {EDIDRATE, *m_captured->Rate}};
}
