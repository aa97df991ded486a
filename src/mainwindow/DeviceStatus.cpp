#include "DeviceStatus.h"

#include "DeviceIdentity.h"
#include "Form_About.h"
#include "MainStatusBar.h"
#include "MessagePanels.h"
#include "StatusTexts.h"
#include "StatusTicker.h"
#include "dialogs/ContypeCfg.h"
#include "link/ComDriverMorlix.h"
#include "variables/MorlixVariables_d.h"

#include <QAction>
#include <QProgressBar>
#include <QWidget>

TDeviceStatus::TDeviceStatus(const TMainContext &context, const TViews &views, QObject *parent)
    : QObject(parent), m_context(context), m_views(views)
{
    TMorlixVariables &changes = context.Changes;
    const struct
    {
        int Var;
        const char *Label;
    } checksums[] = {{VERI1, "I1 = "}, {VERI2, "I2 = "}, {VERI3, "I3 = "}, {VERI4, "I4 = "}, {VERK, "K  = "},
                     {VERA, "A  = "},  {VERB, "B  = "},  {VERC, "C  = "},  {OPT, "O  = "},  {REV, "R  = "}};
    for (const auto &line : checksums) {
        const int var = line.Var;
        const QString label = QString::fromLatin1(line.Label);
        changes.OnChange(var, [this, var, label] { ShowChecksum(var, label); });
    }
    changes.onOPTChange([this] { ShowOptions(); });
    changes.onVERUPDChange([this] {
        const QString line = StatusTexts::DeviceVersionLine(m_context.Driver.GetVar(VERUPD));
        m_views.About->SetDeviceVersion(line);
        m_views.StatusBar->SetPanelText(TMainStatusBar::DevicePanel, QStringLiteral("Device ") + line);
    });
    changes.onVERVChange([this] { CheckRelease(); });
    changes.onCOPKINDChange([this] { ShowOperation(); });
    changes.onCOPPROGRESSChange([this] { ShowOperation(); });
    TStatusTicker *ticker = views.StatusBar->Ticker();
    for (int var : {FACTORYRESET, POSMEMORYRESET, STORE, STDBYSTATUS})
        changes.OnChange(var, [ticker] { ticker->Activate(); });
    ticker->Compose = [this] { return ComposeTickerText(); };
    // No LAN board until the device says it has one.
    views.LanSetupAction->setEnabled(false);
    views.Operation->ProgressBar()->setRange(context.Driver.GetVarMin(COPPROGRESS),
                                             context.Driver.GetVarMax(COPPROGRESS));
}

void TDeviceStatus::Identify(uint16_t deviceType)
{
    m_identified = DeviceIdentity::IsKnown(deviceType);
    m_views.MainWindow->setWindowTitle(DeviceIdentity::ProductName(deviceType));
    const QString about = QStringLiteral("About ") + DeviceIdentity::ModelCode(deviceType);
    m_views.AboutAction->setText(about);
    m_views.About->setWindowTitle(about);
    emit DeviceIdentified(deviceType);
}

void TDeviceStatus::UpdateProgramVersion()
{
    const QString line = StatusTexts::ProgramVersionLine();
    m_views.About->SetSoftwareVersion(line);
    m_views.StatusBar->SetPanelText(TMainStatusBar::SoftwarePanel, QStringLiteral("Software ") + line);
}

void TDeviceStatus::ShowChecksum(int varNumber, const QString &label)
{
    m_views.About->SetChecksumLine(varNumber, StatusTexts::ChecksumLine(label, m_context.Driver.GetVar(varNumber)));
}

void TDeviceStatus::ShowOptions()
{
    // Bit 0: the LAN board. Without it only the serial link can be chosen.
    const bool lan = (m_context.Driver.GetVar(OPT) & 1) != 0;
    m_views.LanSetupAction->setEnabled(lan);
    m_views.ConnectionDialog->SetRS232Only(!lan);
    if (m_views.CommonUpdate)
        m_views.CommonUpdate();
}

void TDeviceStatus::CheckRelease()
{
    if (!m_identified)
        return;
    const QString notice =
        StatusTexts::ReleaseNotice(m_context.Driver.GetVar(VERV), m_context.Driver.GetVarDefault(VERV));
    if (!notice.isEmpty())
        m_views.Update->ShowNotice(notice);
}

void TDeviceStatus::ShowOperation()
{
    const TComDriverMorlix &driver = m_context.Driver;
    const uint16_t kind = driver.GetVar(COPKIND);
    const int progress = driver.GetVar(COPPROGRESS);
    const QString seconds = QStringLiteral("%1s").arg(
        StatusTexts::RemainingSeconds(progress, driver.GetVarMin(COPPROGRESS), driver.GetVarMax(COPPROGRESS)));
    switch (kind) {
    case 0:
        m_views.Operation->hide();
        break;
    case 1:
    case 2:
        m_views.Operation->ShowOperation(TOperationPanel::ProgressPicture, QStringLiteral("%1%").arg(progress));
        break;
    case 3:
        m_views.Operation->ShowOperation(TOperationPanel::StandbyPicture, seconds);
        break;
    case 4:
        m_views.Operation->ShowOperation(TOperationPanel::SavePicture, seconds);
        break;
    default:
        break;
    }
    m_views.Operation->SetCaption(StatusTexts::OperationCaption(kind));
    m_views.StatusBar->Ticker()->Activate();
    m_views.Operation->ProgressBar()->setValue(progress);
}

QString TDeviceStatus::ComposeTickerText() const
{
    const TComDriverMorlix &driver = m_context.Driver;
    return StatusTexts::FactoryResetText(driver.GetVar(FACTORYRESET))
           + StatusTexts::MemoryResetText(driver.GetVar(POSMEMORYRESET)) + StatusTexts::StoreText(driver.GetVar(STORE))
           + StatusTexts::OperationCaption(driver.GetVar(COPKIND)) + QStringLiteral(" ");
}
