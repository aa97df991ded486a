#include "Commands.h"
#include "CtlOutput.h"
#include "variables/VariableTable.h"

// One tab-separated line per variable, so that scripts can cut columns.
int RunVars(const TCtlOptions &, const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return Fail(ExitUsage, QStringLiteral("vars takes no arguments"));
    for (int n = 0; n < VarTableSize; ++n) {
        const TVarDescriptor &row = VarTable[n];
        QStringList columns{QString::number(n),
                            QLatin1String(row.Name),
                            QLatin1String(row.SendMnemonic),
                            QLatin1String(row.ReplyMnemonic),
                            QString::number(row.Min),
                            QString::number(row.Max),
                            QString::number(row.Default)};
        if (row.IndexVar != NoVar)
            columns << QString::number(row.ArraySize) << QLatin1String(VarTable[row.IndexVar].Name)
                    << QLatin1String(VarTable[row.StatusIndexVar].Name);
        PrintResult(columns.join(QLatin1Char('\t')));
    }
    return ExitSuccess;
}
