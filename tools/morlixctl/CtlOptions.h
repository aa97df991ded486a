#pragma once
#include "link/ComDriver.h"

#include <QString>
#include <QStringList>
#include <cstdint>

// The options given before the command: which link and how long to wait.
struct TCtlOptions
{
    TConnectionType ConType = ctTCP;
    QString Host = QStringLiteral("127.0.0.1");
    int RemotePort = 10500;
    int LocalPort = 10000;
    QString SerialDevice;
    uint32_t BaudRate = 9600;
    int TimeoutMs = 2000;
    bool Help = false;
    QString Command;
    QStringList Arguments; // everything after the command

    // "127.0.0.1:10500" or "/dev/ttyUSB0": how errors name the device.
    QString LinkName() const;
};

// Reads the options up to the command; returns an error text, empty when the
// command line is usable.
QString ParseCtlOptions(const QStringList &arguments, TCtlOptions &options);
