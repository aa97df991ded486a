#include "ProgramStart.h"

#include "SplashWindow.h"
#include "link/ComDriverMorlix.h"


#include <QApplication>

std::unique_ptr<TForm_Main> StartProgram(const TMainWindowOptions &options, const std::optional<QString> &connection)
{
    auto splash = std::make_unique<TForm_PageAccueil>();
    splash->show();
    splash->Step();
    splash->repaint();
    splash->Step();
    QApplication::setApplicationName(QStringLiteral("Morlix"));

    auto main = std::make_unique<TForm_Main>(options);
    splash->Step();
    // The other windows (service console, test patterns, presets, total
    // configuration, names, EDID, loader, transfer progress, connection,
    // about, LAN) are built by the main window or when first opened; the bar
    // still counts them so that it moves as the operator knows it.
    for (int window = 0; window < 9; ++window)
        splash->Step();
    splash->Step();
    splash->Step();
    splash->Step();

    main->Initialise();
    if (connection) {
        const auto choice =
            TConnectionChoice::Parse(*connection, TConnectionChoice::FromDriver(main->Driver()));
        if (choice)
            main->ApplyConnection(*choice);
    }
    splash->Finish();
    splash.reset();
    main->show();
    return main;
}
