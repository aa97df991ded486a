#pragma once
// A main window connected to the simulator program on loopback; Connect
// returns once the full mirror is in.
#include "../tools/SimProcess.h"
#include "helper_mainwindow.h"
#include "mainwindow/ConnectionOverlay.h"

#include <QtTest>

struct SimWindowRig
{
    // Starts the simulator with the given options and connects the window.
    bool Connect(const QStringList &simulatorOptions)
    {
        if (!sim.Start(simulatorOptions))
            return false;
        window.Initialise();
        window.show();
        window.ApplyConnection(LoopbackChoice(ctTCP, sim.Port));
        return QTest::qWaitFor(
            [this] {
                return window.Driver().GetVar(DIESE) == 0 && !window.Overlay()->isVisible() &&
                       window.Driver().Connected();
            },
            10000);
    }

    SimProcess sim;
    QTemporaryDir dir;
    TForm_Main window{TestWindowOptions(dir)};
};
