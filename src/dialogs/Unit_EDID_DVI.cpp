#include "Unit_EDID_DVI.h"

#include "OperatorPrompt.h"
#include "controls/SmallCombo.h"
#include "link/ComDriverMorlix.h"
#include "mainwindow/DeviceIdentity.h"
#include "mainwindow/StoredReplies.h"
#include "mainwindow/VariableBinding.h"
#include "variables/MorlixVariables_d.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

using EdidTables::TEntry;

TForm_EDIDDVI::TForm_EDIDDVI(const TMainContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint),
      m_context(context), m_stored(new TStoredReplies(context.Driver, this)),
      m_tables(&EdidTables::ForDevice(0)), m_formatMenu(new QMenu(this)), m_rateMenu(new QMenu(this)),
      m_format(new TSmallCombo(this)), m_rate(new TSmallCombo(this)), m_source(new TSmallCombo(this)),
      m_sourceLabel(new QLabel(QStringLiteral("Select EDID"), this))
{
    setObjectName(QStringLiteral("Form_EDIDDVI"));
    setWindowTitle(QStringLiteral("EDID DVI"));
    m_formatMenu->setObjectName(QStringLiteral("PopupMenu_EDIDFMT"));
    m_rateMenu->setObjectName(QStringLiteral("PopupMenu_EDIDRATE"));
    m_format->setObjectName(QStringLiteral("SmallCombo_EDIDFMT"));
    m_rate->setObjectName(QStringLiteral("SmallCombo_EDIDRATE"));
    m_source->setObjectName(QStringLiteral("SmallCombo_EDIDSEL"));

    auto *group = new QGroupBox(QStringLiteral("Prefered Format"), this);
    auto *grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("Format"), group), 0, 0);
    grid->addWidget(m_format, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Frame Freq."), group), 1, 0);
    grid->addWidget(m_rate, 1, 1);
    grid->addWidget(m_sourceLabel, 2, 0);
    grid->addWidget(m_source, 2, 1);
    // The source choice has no report to follow, so it stays out of sight.
    for (const TEntry &source : EdidTables::Sources())
        m_source->AddItem(QString::fromLatin1(source.Caption));
    m_source->hide();
    m_sourceLabel->hide();

    auto *apply = new QPushButton(QStringLiteral("Apply"), this);
    apply->setObjectName(QStringLiteral("Button_Apply"));
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Button_Cancel"));
    connect(apply, &QPushButton::clicked, this, &TForm_EDIDDVI::PressApply);
    connect(cancel, &QPushButton::clicked, this, &TForm_EDIDDVI::PressCancel);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(apply);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    setFixedSize(280, 150);

    // Only the operator's choices write; a report selects without sending.
    connect(m_format, &TSmallCombo::OnClick, this,
            [this] { SendChoice(m_format, m_tables->Formats, EDIDFMT); });
    connect(m_rate, &TSmallCombo::OnClick, this, [this] { SendChoice(m_rate, m_tables->Rates, EDIDRATE); });
    connect(m_source, &TSmallCombo::OnClick, this,
            [this] { SendChoice(m_source, EdidTables::Sources(), EDIDSEL); });
    context.Changes.onEDIDFMTChange([this] { Reported(EDIDFMT); });
    context.Changes.onEDIDRATEChange([this] { Reported(EDIDRATE); });

    RebuildLists(0);
}

void TForm_EDIDDVI::FillList(QMenu *menu, TSmallCombo *selector, const QVector<TEntry> &entries)
{
    menu->clear();
    for (int position = 0; position < entries.size(); ++position) {
        const TEntry &entry = entries[position];
        QAction *item = menu->addAction(QString::fromLatin1(entry.Caption));
        item->setData(position);
        selector->SetItemEnabled(position, entry.Enabled);
        selector->SetItemVisible(position, entry.Visible);
    }
    selector->SetPopUpMenu(menu);
}

void TForm_EDIDDVI::RebuildLists(uint16_t deviceType)
{
    m_tables = &EdidTables::ForDevice(deviceType);
    m_revert.Identified(DeviceIdentity::IsKnown(deviceType));
    FillList(m_formatMenu, m_format, m_tables->Formats);
    FillList(m_rateMenu, m_rate, m_tables->Rates);
    // Nothing is selected until the new device reports its choice.
    m_format->SetItemIndex(-1);
    m_rate->SetItemIndex(-1);
    ApplyRateMatrix();
}

void TForm_EDIDDVI::Reported(int varNumber)
{
    if (m_stored->LastStored(varNumber))
        m_revert.Reported(varNumber, m_context.Driver.GetVar(varNumber));
    if (varNumber == EDIDFMT)
        ShowFormat();
    else
        ShowRate();
}

void TForm_EDIDDVI::ShowFormat()
{
    if (m_revert.WasReported(EDIDFMT))
        m_format->SetItemIndex(EdidTables::PositionOfValue(m_tables->Formats, m_context.Driver.GetVar(EDIDFMT)));
    ApplyRateMatrix();
}

void TForm_EDIDDVI::ShowRate()
{
    if (m_revert.WasReported(EDIDRATE)) {
        const int position = EdidTables::PositionOfValue(m_tables->Rates, m_context.Driver.GetVar(EDIDRATE));
        if (position >= 0)
            m_rate->SetItemIndex(position);
    }
    ApplyRateMatrix();
}

void TForm_EDIDDVI::ApplyRateMatrix()
{
    // The matrix decides what can be chosen, never what is shown.
    const bool formatKnown = m_revert.WasReported(EDIDFMT);
    const uint16_t format = m_context.Driver.GetVar(EDIDFMT);
    for (int position = 0; position < m_tables->Rates.size(); ++position) {
        const TEntry &rate = m_tables->Rates[position];
        m_rate->SetItemEnabled(position,
                               rate.Enabled && formatKnown && EdidTables::RateAllowed(*m_tables, format, rate.Value));
    }
}

void TForm_EDIDDVI::SendChoice(TSmallCombo *selector, const QVector<TEntry> &entries, int varNumber)
{
    std::optional<uint16_t> value = EdidTables::ValueAt(entries, selector->ItemIndex());
    if (!value) {
        TOperatorPrompt::Inform(this, VariableBinding::OutOfTableMessage(), TOperatorPrompt::Warning);
        value = 0;
    }
    m_context.Driver.SendVar(varNumber, *value);
}

void TForm_EDIDDVI::SendBack()
{
    for (const TEdidRevert::TWrite &write : m_revert.RevertWrites())
        m_context.Driver.SendVar(write.VarNumber, write.Value);
}

void TForm_EDIDDVI::Open()
{
    if (!isVisible())
        m_revert.Capture();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TForm_EDIDDVI::PressApply()
{
    m_context.Driver.SendVar(EDIDSTORE, 1);
    // Stored: what the device holds now is what a later cancel returns to.
    m_revert.Capture();
    hide();
}

void TForm_EDIDDVI::PressCancel()
{
    SendBack();
    hide();
}

void TForm_EDIDDVI::closeEvent(QCloseEvent *event)
{
    if (isVisible())
        SendBack();
    event->accept();
}
