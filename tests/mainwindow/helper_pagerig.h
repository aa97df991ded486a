#pragma once
// A driver, its change component and the shared page models, wired as the
// main window wires them, without the window: replies are fed to the driver
// and what it writes is recorded.
#include "helper_mainwindow.h"
#include "mainwindow/MainContext.h"
#include "mainwindow/pages/PageModels.h"
#include "variables/Conversion_V2.h"
#include "variables/MorlixVariables_d.h"

#include <QWidget>

struct PageRig
{
    PageRig()
    {
        QObject::connect(&driver, &TComDriver::OnVarReceived, &changes,
                         [this](int n) { changes.SetVarNumber(uint16_t(n)); });
    }
    void Reply(const QByteArray &lines) { driver.ReceiveChunk(lines); }

    TComDriverMorlix driver;
    TMorlixVariables changes;
    TConversion_V2 conversion;
    QWidget window;
    TPageModels models{driver, changes, &window};
    TMainContext context{driver, changes, conversion, &models};
    SentRecorder sent{driver};
};
