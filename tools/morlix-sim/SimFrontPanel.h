#pragma once
#include <QObject>
#include <QString>

class SimDevice;

// The device's front panel, driven by text commands ("set HPOS 100"). A
// change made here is reported on the link like any other change, so the
// application can be seen following changes it did not make.
class SimFrontPanel : public QObject
{
    Q_OBJECT
public:
    explicit SimFrontPanel(SimDevice &device, QObject *parent = nullptr);

    // Runs one command line and returns what to show the operator.
    QString Handle(const QString &line);

    static QString HelpText();

signals:
    void DisconnectRequested();
    // "faults off" / "faults on": the line faults of the command line stop or resume.
    void FaultsSwitched(bool enabled);
    void QuitRequested();

private:
    QString Set(const QStringList &words);
    QString Get(const QStringList &words) const;
    QString Faults(const QStringList &words);
    QString DumpToFile(const QString &path) const;

    SimDevice &m_device;
};
