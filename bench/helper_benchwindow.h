#pragma once
// The main window as the benchmarks run it: the program's own timers, a
// settings file in a temporary folder and no serial ports.
#include "mainwindow/Unit_Main.h"

#include <QTemporaryDir>

inline TMainWindowOptions BenchWindowOptions(const QTemporaryDir &dir)
{
    TMainWindowOptions options;
    options.SettingsPath = dir.filePath("Morlix.ini");
    options.SerialPorts = QStringList{};
    return options;
}
