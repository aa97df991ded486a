#include "MirrorDump.h"

#include "ComDriver.h"
#include "variables/VariableAddress.h"
#include "variables/VariableTable.h"

QStringList MirrorDump::Lines(const TComDriver &driver)
{
    QStringList lines;
    for (int n = 0; n < VarTableSize; ++n)
        for (int e = VariableAddress::FirstUsedElement(n); e <= VariableAddress::LastUsedElement(n); ++e)
            lines << QStringLiteral("%1=%2").arg(VariableAddress::TargetName(n, e)).arg(driver.GetVarElement(n, e));
    return lines;
}
