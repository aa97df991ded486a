#pragma once
#include <QObject>

class TComDriver;

// How far the device's full resend is: the reports received since "#1" out
// of the reports a resend carries, until "#0" ends it.
class TResendProgress : public QObject
{
    Q_OBJECT
public:
    explicit TResendProgress(TComDriver &driver, QObject *parent = nullptr);

    // The reports between "#1" and "#0": every variable that answers, every
    // array element an index can select with its index (and status index)
    // reported before it, then every index again.
    static int ExpectedReports();

    bool Running() const { return m_running; }
    int Received() const { return m_received; }
    // 0 to 100; 100 once the resend has ended.
    int Percent() const;

signals:
    // At "#1", after each report of the resend, and at "#0".
    void Progressed(int received, int expected);
    void Finished();

private:
    void onReport(int varNumber);

    TComDriver &m_driver;
    bool m_running = false;
    int m_received = 0;
};
