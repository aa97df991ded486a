#include "SimCustomMemories.h"

#include "variables/VariableTable.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

const QString Prefix = QStringLiteral("OCMEMORY[");

} // namespace

const std::array<int, 19> &SimCustomMemories::Fields()
{
    static const std::array<int, 19> fields = {
        OCADVANCED,         OCCVT_HUTIL,         OCCVT_VUTIL,          OCCVT_RATE,        OCCVT_SCANTYPE,
        OCCVT_REDUCED_BLANKINGS, OCFULL_HSYNC,   OCFULL_HBACKPORCH,    OCFULL_HFRONTPORCH, OCFULL_HUTIL,
        OCFULL_VSYNC,       OCFULL_VBACKPORCH0,  OCFULL_VFRONTPORCH0,  OCFULL_VUTIL0,     OCFULL_VBACKPORCH1,
        OCFULL_VFRONTPORCH1, OCFULL_VUTIL1,      OCFULL_RATE,          OCFULL_SCANTYPE,
    };
    return fields;
}

void SimCustomMemories::Reset()
{
    for (int m = 0; m < Count; ++m)
        Reset(m);
}

void SimCustomMemories::Reset(int memory)
{
    TMemory &target = Memory(memory);
    for (size_t i = 0; i < Fields().size(); ++i)
        target.Values[i] = VarTable[Fields()[i]].Default;
    target.Name.fill(0);
}

SimCustomMemories::TMemory &SimCustomMemories::Memory(int memory)
{
    return m_memories[size_t(std::clamp(memory, 0, Count - 1))];
}

const SimCustomMemories::TMemory &SimCustomMemories::Memory(int memory) const
{
    return m_memories[size_t(std::clamp(memory, 0, Count - 1))];
}

int SimCustomMemories::NameLength(const TMemory &memory)
{
    int length = 0;
    while (length < MaxNameLength && memory.Name[size_t(length)] != 0)
        ++length;
    return length;
}

QStringList SimCustomMemories::Lines() const
{
    QStringList lines;
    for (int m = 0; m < Count; ++m) {
        const QString memory = Prefix + QString::number(m) + QStringLiteral("].");
        for (size_t i = 0; i < Fields().size(); ++i)
            lines << memory + QLatin1String(VarTable[Fields()[i]].Name) + QLatin1Char('=')
                         + QString::number(m_memories[size_t(m)].Values[i]);
        for (int p = 0; p < NamePositions; ++p)
            lines << memory + QStringLiteral("OCNAME[%1]=%2").arg(p).arg(m_memories[size_t(m)].Name[size_t(p)]);
    }
    return lines;
}

bool SimCustomMemories::IsMemoryLine(const QString &line)
{
    return line.trimmed().startsWith(Prefix, Qt::CaseInsensitive);
}

bool SimCustomMemories::ApplyLine(const QString &line, QString *error)
{
    static const QRegularExpression pattern(
        QStringLiteral("^OCMEMORY\\[(\\d+)\\]\\.([A-Z0-9_]+)(?:\\[(\\d+)\\])?=(\\d+)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(line.trimmed());
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (!match.hasMatch())
        return fail(QStringLiteral("a custom memory line reads OCMEMORY[M].NAME=VALUE"));
    const int memory = match.captured(1).toInt();
    if (memory >= Count)
        return fail(QStringLiteral("custom memory %1 beyond the %2 the device holds").arg(memory).arg(Count));
    const uint value = match.captured(4).toUInt();
    const QString name = match.captured(2).toUpper();
    if (name == QLatin1String("OCNAME")) {
        const int position = match.captured(3).isEmpty() ? -1 : match.captured(3).toInt();
        if (position < 0 || position >= NamePositions || value > 255)
            return fail(QStringLiteral("a custom name holds codes 0 to 255 at positions 0 to %1").arg(NamePositions - 1));
        m_memories[size_t(memory)].Name[size_t(position)] = uint8_t(value);
        return true;
    }
    for (size_t i = 0; i < Fields().size(); ++i) {
        const TVarDescriptor &row = VarTable[Fields()[i]];
        if (name == QLatin1String(row.Name) && match.captured(3).isEmpty()) {
            m_memories[size_t(memory)].Values[i] = uint16_t(std::clamp<uint>(value, row.Min, row.Max));
            return true;
        }
    }
    return fail(QStringLiteral("%1 is not a field of a custom memory").arg(match.captured(2)));
}
