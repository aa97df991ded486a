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
    void QuitRequested();

private:
    QString Set(const QStringList &words);
    QString Get(const QStringList &words) const;

    SimDevice &m_device;
};
