#include "InputStatusRows.h"

#include "NumberText.h"
#include "StatusIndexedCopies.h"
#include "link/ComDriver.h"
#include "mainwindow/tables/InputTables.h"
#include "mainwindow/tables/OutputTables.h"

TInputStatusReadings ReadInputStatus(const TComDriver &driver, const TStatusIndexedCopies &inputs)
{
    TInputStatusReadings readings;
    readings.Format = inputs.Value(INAME, driver.GetVar(ICH));
    readings.Sync = driver.GetVar(ISYNC);
    readings.HPolarity = driver.GetVar(IHPOL);
    readings.VPolarity = driver.GetVar(IVPOL);
    readings.LineFrequency = driver.GetVar(IFREQLINE);
    readings.FieldFrequency = driver.GetVar(IFREQFIELD);
    readings.InputHdcp = driver.GetVar(IDVI_IS_HDCP);
    readings.ReferenceStatus = driver.GetVar(REFSTATUS);
    readings.ReferenceLock = driver.GetVar(REFLOCKSTATUS);
    readings.ReferenceFormat = driver.GetVar(REFFORMAT);
    readings.ReferenceFrequency = driver.GetVar(REFFREQ);
    readings.OutputHdcp = driver.GetVar(ODVI_IS_HDCP);
    return readings;
}

QString FrequencyText(double value, const char *unit, const QLocale &locale)
{
    return GeneralNumberText(value, 5, locale) + QLatin1String(unit);
}

TInputStatusRows InputStatusRows(const TInputStatusReadings &r, const QLocale &locale)
{
    using namespace InputTables;
    TInputStatusRows rows;
    const bool measured = !FormatHasNoMeasure(r.Format);
    const QString none = QStringLiteral("...");

    QString sync = none;
    if (measured && r.Sync != 0)
        sync = SyncTypes.PlainCaptionOf(r.Sync);
    else if (measured)
        sync = SyncTypes.PlainCaptionOf(0)
               + QStringLiteral(" ( %1 , %2 ) ")
                     .arg(HPolarities.PlainCaptionOf(r.HPolarity), VPolarities.PlainCaptionOf(r.VPolarity));

    rows[1] = {QStringLiteral("Input name"), DetectedFormats.PlainCaptionOf(r.Format)};
    rows[2] = {QStringLiteral("Sync. Type"), sync};
    rows[3] = {QStringLiteral("Input line frequency"),
               measured ? FrequencyText(r.LineFrequency / 10.0, "KHz", locale) : none};
    rows[4] = {QStringLiteral("Input frame frequency"),
               measured ? FrequencyText(r.FieldFrequency / 100.0, "Hz", locale) : none};
    rows[5] = {QStringLiteral("DVI Input HDCP compliant"), HdcpWords.PlainCaptionOf(r.InputHdcp)};

    const bool wrongSync = r.ReferenceStatus != 0 && r.ReferenceStatus != 7 && r.ReferenceLock == 0;
    rows[11] = {QStringLiteral("Output Status"), wrongSync ? QStringLiteral("Wrong ref. sync.")
                                                           : OutputTables::ReferenceCaptions.PlainCaptionAt(
                                                                 r.ReferenceStatus)};
    rows[12] = {QStringLiteral("Output name"), OutputTables::FormatNames.PlainCaptionAt(r.ReferenceFormat)};
    rows[13] = {QStringLiteral("Output frame frequency"), FrequencyText(r.ReferenceFrequency / 100.0, "Hz", locale)};
    rows[14] = {QStringLiteral("Output HDCP compliant"), HdcpWords.PlainCaptionOf(r.OutputHdcp)};
    return rows;
}
