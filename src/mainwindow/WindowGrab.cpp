#include "WindowGrab.h"

#include "Form_About.h"
#include "MainPages.h"
#include "Unit_Main.h"
#include "controls/Unit_GestionSlide.h"
#include "console/Unit_Debug2007.h"
#include "dialogs/ContypeCfg.h"
#include "dialogs/Unit_Pattern_Config.h"
#include "pages/OutputSection.h"
#include "dialogs/Unit_Customize.h"
#include "dialogs/Unit_EDID_DVI.h"
#include "dialogs/Unit_SaveLoadConfigTotal.h"
#include "dialogs/Unit_SavePreset.h"
#include "dialogs/Unit_lansetup.h"
#include "LanSetup.h"
#include "LogoLoaderLink.h"
#include "dialogs/FormLogoFrameLoad.h"
#include "link/ComDriverMorlix.h"

#include <QApplication>
#include <QPixmap>
#include <QRegularExpression>

QVector<TWindowGrab::TWindow> TWindowGrab::GrabbedWindows()
{
    return {
        {QStringLiteral("connection"),
         [](TForm_Main &w) -> QWidget * {
             w.FillConnectionDialog();
             return w.ConnectionDialog();
         }},
        {QStringLiteral("about"), [](TForm_Main &w) -> QWidget * { return w.About(); }},
        {QStringLiteral("customize"),
         [](TForm_Main &w) -> QWidget * {
             w.OpenCustomize(-1);
             return w.Customize();
         }},
        {QStringLiteral("lan-setup"), [](TForm_Main &w) -> QWidget * { return w.LanSetup()->Dialog(); }},
        {QStringLiteral("edid-dvi"),
         [](TForm_Main &w) -> QWidget * {
             w.EdidWindow()->Open();
             return w.EdidWindow();
         }},
        // Opened by the output page itself while a pattern with settings is on.
        {QStringLiteral("pattern-config"), [](TForm_Main &w) -> QWidget * { return w.Output()->PatternWindow(); }},
        // Opened by the zoom page's "Preset (Load && Save)".
        {QStringLiteral("presets"),
         [](TForm_Main &w) -> QWidget * {
             w.Presets()->ShowAtPointer();
             return w.Presets();
         }},
        // Shown modally while a sequence runs.
        {QStringLiteral("config-progress"),
         [](TForm_Main &w) -> QWidget * {
             w.ConfigTotal()->show();
             return w.ConfigTotal();
         }},
        {QStringLiteral("loader"),
         [](TForm_Main &w) -> QWidget * {
             w.LogoLoader()->Prepare();
             return w.LogoLoader()->Loader();
         }},
        {QStringLiteral("service-console"), [](TForm_Main &w) -> QWidget * { return w.ServiceConsole(); }},
    };
}

TWindowGrab::TWindowGrab(TForm_Main &window, const QString &folder, int timeoutMs)
    : QObject(&window), m_window(window), m_folder(folder)
{
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(timeoutMs);
    connect(&m_timeout, &QTimer::timeout, this, [this] {
        if (m_done)
            return;
        m_done = true;
        emit Finished(1, QStringLiteral("no complete device mirror within %1 s: nothing grabbed")
                             .arg(m_timeout.interval() / 1000));
    });
}

void TWindowGrab::Start()
{
    TComDriver &driver = m_window.Driver();
    // The resend of every variable runs between "#1" and "#0".
    connect(&driver, &TComDriver::OnVarReceived, this, [this, &driver](int varNumber) {
        if (varNumber != DIESE || m_done)
            return;
        if (driver.GetVar(DIESE) != 0)
            m_resendSeen = true;
        else if (m_resendSeen)
            QTimer::singleShot(SettleMs, this, &TWindowGrab::MirrorComplete);
    });
    m_timeout.start();
}

void TWindowGrab::MirrorComplete()
{
    if (m_done)
        return;
    m_done = true;
    m_timeout.stop();
    QString error;
    if (GrabAll(&error))
        emit Finished(0, QStringLiteral("%1 pictures in %2").arg(m_written.size()).arg(m_folder.absolutePath()));
    else
        emit Finished(1, error);
}

bool TWindowGrab::Save(QWidget *widget, const QString &name, QString *error)
{
    QApplication::processEvents();
    const QString file = m_folder.filePath(QStringLiteral("%1-%2.png").arg(m_written.size() + 1, 2, 10, QLatin1Char('0')).arg(name));
    if (!widget->grab().save(file, "PNG")) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(file);
        return false;
    }
    m_written << file;
    return true;
}

bool TWindowGrab::GrabAll(QString *error)
{
    if (!m_folder.mkpath(QStringLiteral("."))) {
        if (error)
            *error = QStringLiteral("cannot create the folder %1").arg(m_folder.absolutePath());
        return false;
    }
    TGestionSlide *slide = m_window.GestionSlide1();
    const QVector<TMainPage *> &pages = m_window.Pages();
    for (int i = 0; i < pages.size(); ++i) {
        if (!slide->PageVisible(i))
            continue;
        slide->SetItemIndex(i);
        while (slide->IsSliding())
            slide->AnimationStep();
        const QString name = QStringLiteral("page-") + pages[i]->Caption().toLower().replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
        if (!Save(&m_window, name, error))
            return false;
    }
    slide->SetItemIndex(0);
    while (slide->IsSliding())
        slide->AnimationStep();
    for (const TWindow &target : GrabbedWindows()) {
        QWidget *window = target.Open(m_window);
        window->show();
        window->raise();
        const bool saved = Save(window, QStringLiteral("window-") + target.Name, error);
        window->hide();
        if (!saved)
            return false;
    }
    return true;
}
