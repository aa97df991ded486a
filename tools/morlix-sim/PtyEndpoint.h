#pragma once
#include "SimEndpoint.h"

#include <QSocketNotifier>
#include <memory>

// A pseudo-terminal standing in for the device's RS-232 port. A symbolic
// link at the given path points at the terminal, so the application opens a
// stable name as its serial port.
class PtyEndpoint : public SimEndpoint
{
    Q_OBJECT
public:
    explicit PtyEndpoint(const QString &linkPath, QObject *parent = nullptr);
    ~PtyEndpoint() override;

    bool Open(QString *error) override;
    void Send(const QByteArray &bytes) override;
    QString Description() const override;

private:
    void OnReadable();
    void OnWritable();
    void Close();

    QString m_linkPath;
    QString m_terminalName;
    int m_master = -1;
    // Held open so that the line stays up while the application has the
    // terminal closed, and so that it can be set to raw mode.
    int m_slave = -1;
    std::unique_ptr<QSocketNotifier> m_readNotifier;
    std::unique_ptr<QSocketNotifier> m_writeNotifier;
    QByteArray m_pending;
};
