#pragma once
// morlix-sim started as a process, the way an operator starts it.
#include <QProcess>
#include <QRegularExpression>
#include <QString>

inline QString SimulatorPath()
{
    return QStringLiteral(MORLIX_BINARY_DIR "/tools/morlix-sim/morlix-sim");
}

// The first "listening on ..." line the simulator prints, waiting up to
// about ten seconds for it; empty when none came.
inline QString ListeningLine(QProcess &process)
{
    QByteArray output;
    for (int i = 0; i < 100 && !output.contains('\n'); ++i) {
        process.waitForReadyRead(100);
        output += process.readAllStandardOutput();
    }
    const qsizetype end = output.indexOf('\n');
    return end < 0 ? QString() : QString::fromLocal8Bit(output.left(end));
}

// The port the simulator reports for "--tcp 0", or 0.
inline quint16 ListeningPort(QProcess &process)
{
    static const QRegularExpression pattern(QStringLiteral("listening on tcp [0-9.]+:(\\d+)"));
    return quint16(pattern.match(ListeningLine(process)).captured(1).toUInt());
}
