#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class SimDevice;

// A reply storm, to load the application's receive path: the device reports
// its scalar variables one after the other, round and round, at a steady
// number of lines a second, each with its current value (so the
// application's mirror stays as it is).
class SimStorm : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultTickMs = 10;

    SimStorm(SimDevice &device, int linesPerSecond, int tickMs = DefaultTickMs, QObject *parent = nullptr);

    void Start();
    // The reports due after `elapsedMs` since the start that are not out yet.
    void CatchUp(qint64 elapsedMs);
    long Sent() const { return m_sent; }
    // The variable of the next report.
    int Next() const { return m_next; }

    // Reported by the storm: scalars whose report changes nothing in the
    // application (not the resend marker, the type code, the test codes or
    // the tags that have no reply).
    static bool IsStormed(int varNumber);

private:
    SimDevice &m_device;
    int m_linesPerSecond;
    QTimer m_timer;
    QElapsedTimer m_clock;
    long m_sent = 0;
    int m_next = 0;
};
