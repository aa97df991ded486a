#pragma once
// A main window for tests: fast timers, a settings file in a temporary folder
// and the serial ports the test names.
#include "ScriptedPrompt.h"
#include "link/ComDriverMorlix.h"
#include "mainwindow/Unit_Main.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

inline TMainWindowOptions TestWindowOptions(const QTemporaryDir &dir, const QStringList &serialPorts = {})
{
    TMainWindowOptions options;
    options.SettingsPath = dir.filePath(QStringLiteral("Morlix.ini"));
    options.SerialPorts = serialPorts;
    options.PollIntervalMs = 20;
    options.ReconnectDelayMs = 50;
    options.MultiTimerBaseMs = 5;
    options.FastTimerMs = 1;
    options.SlideIntervalMs = 1;
    return options;
}

// Everything the driver writes, in order.
class SentRecorder : public QObject
{
public:
    explicit SentRecorder(TComDriver &driver)
    {
        QObject::connect(&driver, &TComDriver::OnSentString, this,
                         [this, &driver] { sent << driver.SentString(); });
    }
    QStringList sent;
};

// Feeds reply lines to the driver as the device would send them.
inline void Report(TComDriver &driver, const QByteArray &lines)
{
    driver.ReceiveChunk(lines);
}

// A connection to a peer on 127.0.0.1; the local UDP port is left to the system.
inline TConnectionChoice LoopbackChoice(TConnectionType type, int remotePort)
{
    TConnectionChoice choice;
    choice.Type = type;
    choice.RemoteAddress = QStringLiteral("127.0.0.1");
    choice.RemotePort = remotePort;
    choice.LocalPort = 0;
    return choice;
}

// An initialised main window whose prompts are answered by script and whose
// writes are recorded from the end of its start on.
struct TRecordedWindow
{
    explicit TRecordedWindow(const QTemporaryDir &dir) : window(TestWindowOptions(dir))
    {
        window.Initialise();
        sent.sent.clear();
    }
    // Feeds reply lines as the device sends them.
    void Device(const QByteArray &lines) { Report(window.Driver(), lines); }

    TScriptedPrompt prompt;
    TForm_Main window;
    SentRecorder sent{window.Driver()};
};
