#pragma once
#include "SimLink.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

// The simulator's command line.
struct SimOptions
{
    std::optional<quint16> TcpPort;
    std::optional<quint16> UdpPort;
    QString BindAddress = QStringLiteral("127.0.0.1");
    QString PtyPath;
    QString SerialDevice;
    SimLineSettings Line;
    QString StateFile;
    QStringList Assignments; // --set NAME=VALUE, in order
    bool Log = false;
    int OperationStepMs = 200;
    int StormLinesPerSecond = 0; // --storm: 0 for none
    int SwitchMs = 300;       // ICHN to ICH
    QStringList Signals;      // --signal N:FORMAT, in order
    QSet<int> IgnoredWrites;  // --ignore VAR

    bool HasTransport() const { return TcpPort || UdpPort || !PtyPath.isEmpty() || !SerialDevice.isEmpty(); }

    // arguments[0] is the program name. False with a one-line reason; help
    // and version requests are answered by the caller (see HelpRequested).
    static bool Parse(const QStringList &arguments, SimOptions &out, QString *error);
    static QString HelpText();
};
