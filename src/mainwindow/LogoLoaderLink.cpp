#include "LogoLoaderLink.h"

#include "dialogs/FormLogoFrameLoad.h"
#include "link/ComDriverMorlix.h"
#include "transfer/PictureLimits.h"
#include "transfer/TransferMode.h"
#include "variables/MorlixVariables_d.h"

TLogoLoaderLink::TLogoLoaderLink(const TMainContext &context, QWidget *window, const QString &historyFile)
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
}

TLogoLoaderLink::~TLogoLoaderLink()
{
    disconnect(m_waitForLink);
    delete m_loader;
}

void TLogoLoaderLink::Prepare()
{
    const TComDriverMorlix &driver = m_context.Driver;
    m_loader->SetLLEVEL(uint8_t(driver.GetVar(PCAPTURE_LUMAKEY_LEVEL)));
    m_loader->SetLLUMTYPE(uint8_t(driver.GetVar(PCAPTURE_LUMAKEY_TYPE)));
    m_loader->SetStoredMarks(driver.GetVar(PVALID));
}

void TLogoLoaderLink::Open(std::function<void()> closed)
{
    Prepare();
    m_loader->exec();
    TComDriverMorlix &driver = m_context.Driver;
    disconnect(m_waitForLink);
    if (driver.ConMode() == cmVAR) {
        closed();
        return;
    }
    m_waitForLink = connect(&driver, &TComDriver::OnConModeChange, this, [this, &driver, closed] {
        if (driver.ConMode() != cmVAR)
            return;
        disconnect(m_waitForLink);
        closed();
    });
}
