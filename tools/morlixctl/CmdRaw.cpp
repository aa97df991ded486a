#include "Commands.h"
#include "CtlLink.h"
#include "CtlOutput.h"

int RunRaw(const TCtlOptions &options, const QStringList &arguments)
{
    if (arguments.size() != 1)
        return Fail(ExitUsage, QStringLiteral("usage: raw TEXT"));

    TCtlLink link(options);
    if (!link.Connect(false))
        return Fail(ExitDeviceFailure, link.LastError());
    TComDriverMorlix &driver = link.Driver();
    driver.SetConMode(cmRAW);
    QObject::connect(&driver, &TComDriver::OnRecString, &link,
                     [&driver] { PrintRaw(driver.TakeReceivedText().toLatin1()); });
    driver.SendRawText(arguments[0]);
    link.Listen();
    return ExitSuccess;
}
