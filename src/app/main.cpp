#include "link/ComDriverMorlix.h"
#include "mainwindow/ConnectionChoice.h"
#include "mainwindow/MirrorDumpFile.h"
#include "mainwindow/ProgramStart.h"
#include "mainwindow/StatusTexts.h"
#include "mainwindow/WindowGrab.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morlix"));
    QApplication::setApplicationVersion(StatusTexts::ProgramVersionFields(
        MORLIX_VERSION_MAJOR, MORLIX_VERSION_MINOR, MORLIX_VERSION_RELEASE, MORLIX_VERSION_BUILD));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Remote control of the Morlix video scaler."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption connect(
        QStringLiteral("connect"),
        QStringLiteral("Connect at start as the connection dialog would: tcp://HOST:PORT, udp://HOST:PORT "
                       "or serial:DEVICE (for example serial:/dev/ttyUSB0)."),
        QStringLiteral("connection"));
    parser.addOption(connect);
    const QCommandLineOption grab(
        QStringLiteral("grab"),
        QStringLiteral("Once the device's settings have all arrived, write a PNG of every page and of every "
                       "window the menus open into the folder, then exit (0 on success)."),
        QStringLiteral("folder"));
    parser.addOption(grab);
    const QCommandLineOption dumpMirror(
        QStringLiteral("dump-mirror"),
        QStringLiteral("Write the application's copy of the device's settings to the file, as `morlixctl dump "
                       "--output` does, each time the device has resent them all and on SIGUSR1."),
        QStringLiteral("file"));
    parser.addOption(dumpMirror);
    parser.process(app);

    std::optional<QString> connection;
    if (parser.isSet(connect)) {
        QString error;
        if (!TConnectionChoice::Parse(parser.value(connect), TConnectionChoice{}, &error)) {
            std::fprintf(stderr, "morlix: %s\n", qPrintable(error));
            return 2;
        }
        connection = parser.value(connect);
    }

    const std::unique_ptr<TForm_Main> window = StartProgram(TMainWindowOptions{}, connection);
    if (parser.isSet(dumpMirror)) {
        auto *dump = new TMirrorDumpFile(window->Driver(), parser.value(dumpMirror), window.get());
        QObject::connect(dump, &TMirrorDumpFile::Written, [](const QString &error) {
            if (!error.isEmpty())
                std::fprintf(stderr, "morlix: %s\n", qPrintable(error));
        });
    }
    if (parser.isSet(grab)) {
        auto *grabber = new TWindowGrab(*window, parser.value(grab));
        QObject::connect(grabber, &TWindowGrab::Finished, &app, [&app](int exitCode, const QString &message) {
            std::fprintf(exitCode == 0 ? stdout : stderr, "morlix: %s\n", qPrintable(message));
            app.exit(exitCode);
        });
        grabber->Start();
    }
    return app.exec();
}
