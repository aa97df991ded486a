#include "SimRegisters.h"
#include "SimDeviceState.h"
#include "variables/VariableTable.h"

#include <QRegularExpression>

namespace {
const QString LineName = QStringLiteral("REGISTER");
} // namespace

bool SimRegisters::FollowWrite(SimDeviceState &state, int varNumber)
{
    const uint16_t address = state.Value(ADDRDBG);
    const uint16_t mask = state.Value(varNumber);
    const uint16_t value = state.Registers().Read(address);
    switch (varNumber) {
    case ADDRDBG:
        return true;
    case STBDBG:
        state.Registers().Write(address, value | mask);
        return true;
    case RSBDBG:
        state.Registers().Write(address, value & uint16_t(~mask));
        return true;
    case NTBDBG:
        state.Registers().Write(address, value ^ mask);
        return true;
    default:
        return false;
    }
}

QStringList SimRegisters::Lines() const
{
    QStringList lines;
    for (int address = 0; address < Count; ++address)
        if (m_values[address] != 0)
            lines << QStringLiteral("%1[%2]=%3").arg(LineName).arg(address).arg(m_values[address]);
    return lines;
}

bool SimRegisters::IsLine(const QString &line)
{
    return line.trimmed().startsWith(LineName + QLatin1Char('['), Qt::CaseInsensitive);
}

bool SimRegisters::ApplyLine(const QString &line, QString *error)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*%1\\[(\\d{1,5})\\]\\s*=\\s*(\\d{1,5})\\s*$").arg(LineName),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(line);
    const uint address = match.captured(1).toUInt();
    const uint value = match.captured(2).toUInt();
    if (!match.hasMatch() || address >= uint(Count) || value > 0xFFFF) {
        if (error)
            *error = QStringLiteral("%1 is not %2[0..65535]=0..65535").arg(line.trimmed(), LineName);
        return false;
    }
    m_values[int(address)] = uint16_t(value);
    return true;
}
