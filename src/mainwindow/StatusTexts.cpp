#include "StatusTexts.h"

#include <QStringList>
#include <cmath>

namespace {

QString TableText(const QStringList &table, uint16_t value)
{
    const int index = value & 0x7F;
    return index < table.size() ? table[index] : QString();
}

} // namespace

namespace StatusTexts {

QString DeviceVersionLine(uint16_t verupd)
{
    const int high = verupd >> 8;
    const int low = verupd & 0xFF;
    return QStringLiteral("Version : %1.%2").arg(high).arg(low, 2, 10, QLatin1Char('0'));
}

QString ChecksumLine(const QString &label, uint16_t value)
{
    return label + QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

QString ProgramVersionFields(int major, int minor, int release, int build)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(major)
        .arg(minor, 2, 10, QLatin1Char('0'))
        .arg(release, 2, 10, QLatin1Char('0'))
        .arg(build, 2, 10, QLatin1Char('0'));
}

QString ProgramVersionLine()
{
    return QStringLiteral("Version : ")
           + ProgramVersionFields(MORLIX_VERSION_MAJOR, MORLIX_VERSION_MINOR, MORLIX_VERSION_RELEASE,
                                  MORLIX_VERSION_BUILD);
}

QString ProgramFileDescription()
{
    return QStringLiteral("Remote Control");
}

QString ProgramProductName()
{
    return QStringLiteral("Morlix");
}

QString ReleaseNotice(uint16_t verv, uint16_t expected)
{
    if (verv > expected)
        return QStringLiteral("       New ") + ProgramFileDescription()
               + QStringLiteral(" Software available, download update recommended !");
    if (verv < expected)
        return QStringLiteral("        New ") + ProgramProductName()
               + QStringLiteral(" Firmware available, download update recommended !");
    return QString();
}

QString FactoryResetText(uint16_t value)
{
    return TableText({QString(), QStringLiteral("Default value...      ")}, value);
}

QString MemoryResetText(uint16_t value)
{
    return TableText({QString(), QStringLiteral("Erase all memories...      ")}, value);
}

QString StoreText(uint16_t value)
{
    return TableText({QString(), QStringLiteral("Wait storing settings...      ")}, value);
}

QString OperationCaption(uint16_t copkind)
{
    return TableText({QString(), QStringLiteral("Centering in progress..."),
                      QStringLiteral("Auto setting in progress..."), QStringLiteral("Stand-by mode..."),
                      QStringLiteral("Save Logo/Frame...")},
                     copkind);
}

int RemainingSeconds(int progress, int minimum, int maximum)
{
    if (maximum == minimum)
        return 0;
    // Halves go to the even neighbour, as every rounding of the windows does.
    return int(std::nearbyint(30.0 - double(progress) / double(maximum - minimum) * 30.0));
}

} // namespace StatusTexts
