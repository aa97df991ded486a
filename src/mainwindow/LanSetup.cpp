#include "LanSetup.h"

#include "StoredReplies.h"
#include "dialogs/Unit_lansetup.h"
#include "link/ComDriverMorlix.h"
#include "variables/MorlixVariables_d.h"

using namespace LanSettings;

TLanSetup::TLanSetup(const TMainContext &context, QWidget *window)
    : QObject(window), m_context(context), m_dialog(new TLanDlg(window)),
      m_stored(new TStoredReplies(context.Driver, this))
{
    MirrorReports();
    WriteEvents();
    m_dialog->ConnectionAtRisk = [this] {
        const TConnectionType link = m_context.Driver.ConType();
        return link == ctUDP || link == ctTCP;
    };
}

void TLanSetup::MirrorReports()
{
    for (int varNumber = 0; varNumber < VarTableSize; ++varNumber) {
        const std::optional<TLanProperty> property = MirroredProperty(varNumber);
        if (!property)
            continue;
        m_context.Changes.OnChange(varNumber, [this, varNumber, property] {
            if (m_stored->LastStored(varNumber))
                m_dialog->SetProperty(*property, m_context.Driver.GetVar(varNumber));
        });
    }
}

void TLanSetup::WriteEvents()
{
    for (int p = 0; p < LanPropertyCount; ++p) {
        const auto property = TLanProperty(p);
        const TLanDlg::TEvent event = TLanDlg::EventOf(property);
        if (!event)
            continue;
        connect(m_dialog, event, this, [this, property] {
            m_context.Driver.SendVar(WrittenVariable(property), m_dialog->Property(property));
        });
    }
}

void TLanSetup::Open()
{
    m_dialog->exec();
}
