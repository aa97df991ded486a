#include "Commands.h"
#include "CtlLink.h"
#include "CtlOutput.h"

#include <QTime>

int RunWatch(const TCtlOptions &options, const QStringList &arguments)
{
    const bool raw = arguments == QStringList{QStringLiteral("--raw")};
    if (!raw && !arguments.isEmpty())
        return Fail(ExitUsage, QStringLiteral("usage: watch [--raw]"));

    TCtlLink link(options);
    if (!link.Connect(false))
        return Fail(ExitDeviceFailure, link.LastError());
    TComDriverMorlix &driver = link.Driver();
    if (raw) {
        // Raw mode leaves every byte in the accumulator, noise included.
        driver.SetConMode(cmRAW);
        QObject::connect(&driver, &TComDriver::OnRecString, &link,
                         [&driver] { PrintRaw(driver.TakeReceivedText().toLatin1()); });
    } else {
        QObject::connect(&driver, &TComDriver::OnVarReceived, &link, [&link](int varNumber) {
            const QString target = VariableAddress::TargetName(varNumber, link.CurrentElement(varNumber));
            PrintResult(QStringLiteral("%1 %2=%3")
                            .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")), target)
                            .arg(link.LastReported(varNumber)));
        });
    }
    link.ListenForever();
    return ExitSuccess;
}
