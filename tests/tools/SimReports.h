#pragma once
// Every report line a simulated device sends, in order.
#include "SimDevice.h"

#include <QByteArrayList>

struct Reports
{
    explicit Reports(SimDevice &device)
    {
        QObject::connect(&device, &SimDevice::Report, &device, [this](const QByteArray &line) { Lines << line; });
    }
    QByteArrayList Lines;
};
