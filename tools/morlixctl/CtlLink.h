#pragma once
#include "CtlOptions.h"
#include "link/ComDriverMorlix.h"
#include "variables/VariableAddress.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

// One conversation with the device through the application's own driver.
// Every wait lasts until the device has been silent for the timeout, so a
// slow line that keeps talking (a full resend at 9600 baud) is not cut off.
class TCtlLink : public QObject
{
    Q_OBJECT
public:
    explicit TCtlLink(const TCtlOptions &options);

    // Opens the link and waits until the device answers with its type code;
    // with fullResend, also until it has resent every variable, as the
    // application does on connecting. The device watch stops afterwards so
    // that its queries do not mix with what the command asked for.
    bool Connect(bool fullResend);

    // Asks for the variable (writing the array's index first when an element
    // is given) and returns the value the device reported. Only a report the
    // driver stored counts: one outside the variable's range is waited past.
    std::optional<uint16_t> Read(const TVariableAddress &address);
    // Writes the value (the array's index first) and returns the value the
    // device reported for it, stored as for Read.
    std::optional<uint16_t> Write(const TVariableAddress &address, uint16_t value);
    // The element a report of the variable would be filed under now.
    int CurrentElement(int varNumber) const;

    // Runs the event loop for the timeout, whatever comes in.
    void Listen();
    // Runs the event loop until the process is stopped.
    void ListenForever();

    TComDriverMorlix &Driver() { return m_driver; }
    // The value of the last report of the variable, out of range or not.
    uint16_t LastReported(int varNumber) const { return m_lastReported[size_t(varNumber)]; }
    // The error of the last failed call, one line.
    QString LastError() const { return m_lastError; }

private:
    // Sends through send() and waits for the next report of the variable
    // that the driver stored.
    std::optional<uint16_t> exchange(int varNumber, const std::function<void()> &send);
    std::optional<uint16_t> selectElement(const TVariableAddress &address);
    bool waitUntil(const std::function<bool()> &done);
    void onReport(int varNumber, quint16 value);

    TCtlOptions m_options;
    TComDriverMorlix m_driver;
    std::vector<uint16_t> m_lastReported;
    std::vector<quint64> m_storedCount;
    // The last report refused for being out of range, for the error text.
    std::optional<std::pair<int, uint16_t>> m_refused;
    bool m_resendStarted = false;
    bool m_resendDone = false;
    QString m_lastError;
};
