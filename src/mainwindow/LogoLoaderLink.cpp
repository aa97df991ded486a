#include "LogoLoaderLink.h"

#include "dialogs/FormLogoFrameLoad.h"
#include "link/ComDriverMorlix.h"
#include "transfer/PictureLimits.h"
#include "transfer/TransferMode.h"
#include "variables/MorlixVariables_d.h"

#include <QAction>
#include <QStyle>
#include <QToolBar>

namespace {

constexpr uint16_t PModeAssign = 0;
constexpr uint16_t PModeTransfer = 6;

} // namespace

TLogoLoaderLink::TLogoLoaderLink(const TMainContext &context, QWidget *window, QToolBar *toolBar,
                                 const QString &historyFile)
    : QObject(window), m_context(context), m_loader(new TLogoFrameLoad(window))
{
    TComDriverMorlix &driver = context.Driver;
    m_loader->SetDRIVER(&driver);
    m_loader->SetTransfertModeEvent(TransferModeRequest(driver));
    m_loader->SetLumaKeyCodes(0, 1, 255, 0);
    m_loader->SetDestinations(PictureLimits::StillLogoCount, 1, true, true, 1);
    m_loader->SetHistoryFile(historyFile);
    m_loader->OnLLEVELEvent = [this, &driver] { driver.SendVar(PCAPTURE_LUMAKEY_LEVEL, m_loader->LLEVEL()); };
    m_loader->OnLLUMTYPEEvent = [this, &driver] { driver.SendVar(PCAPTURE_LUMAKEY_TYPE, m_loader->LLUMTYPE()); };
    context.Changes.onPVALIDChange([this, &driver] { m_loader->SetStoredMarks(driver.GetVar(PVALID)); });

    // With the device commands, before the group of "About ...".
    m_open = new QAction(window->style()->standardIcon(QStyle::SP_ArrowUp), QStringLiteral("Transfert"), toolBar);
    QAction *before = nullptr;
    for (QAction *action : toolBar->actions()) {
        if (action->isSeparator()) {
            before = action;
            break;
        }
    }
    toolBar->insertAction(before, m_open);
    m_open->setObjectName(QStringLiteral("ToolButton_Transfert"));
    m_open->setToolTip(QStringLiteral("Transfert"));
    connect(m_open, &QAction::triggered, this, &TLogoLoaderLink::Open);
}

TLogoLoaderLink::~TLogoLoaderLink()
{
    delete m_loader;
}

void TLogoLoaderLink::Prepare()
{
    const TComDriverMorlix &driver = m_context.Driver;
    m_loader->SetLLEVEL(uint8_t(driver.GetVar(PCAPTURE_LUMAKEY_LEVEL)));
    m_loader->SetLLUMTYPE(uint8_t(driver.GetVar(PCAPTURE_LUMAKEY_TYPE)));
    m_loader->SetStoredMarks(driver.GetVar(PVALID));
}

void TLogoLoaderLink::Open()
{
    Prepare();
    m_loader->exec();
    TComDriverMorlix &driver = m_context.Driver;
    if (driver.GetVar(PMODE) == PModeTransfer)
        driver.SendVar(PMODE, PModeAssign);
}
