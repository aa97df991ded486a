#include "InputSection.h"

#include "InputStatusRows.h"
#include "PageModels.h"
#include "controls/OwnerDriven.h"
#include "controls/SmartItems.h"
#include "link/ComDriverMorlix.h"
#include "mainwindow/DeviceIdentity.h"
#include "mainwindow/VariableBinding.h"
#include "mainwindow/tables/InputTables.h"
#include "variables/MorlixVariables_d.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

using namespace InputTables;
using VariableBinding::TIndexWrite;

namespace {

constexpr int StripMargin = 8;
constexpr int ButtonTop = 18;
constexpr int ButtonHeight = 26;
constexpr int HeaderTop = 6;
constexpr int FirstRowTop = 30;
constexpr int RowPitch = 50;
constexpr int LabelHeight = 16;
constexpr int SelectorHeight = 30;

const char *const RowTitles[] = {"Type:", "H. Sync Load:", "Used:", "Audio:"};
const char *const RowNames[] = {"ITYPE", "ILOAD", "IUSED", "IAMAP"};
const int RowVariables[] = {ITYPE, ILOAD, IUSED, IAMAP};

const TItemTable &RowTable(int row)
{
    switch (row) {
    case TInputSection::TypeRow: return Types;
    case TInputSection::SyncLoadRow: return SyncLoads;
    case TInputSection::UsedRow: return Uses;
    default: return AudioSources;
    }
}

// The two glyphs of an input button: at rest, and lit while the device has
// not yet switched to the input asked for.
QIcon Glyph(bool lit)
{
    QPixmap pixmap(10, 10);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(lit ? QColor(255, 150, 0) : QColor(200, 200, 200));
    painter.drawEllipse(QRectF(1, 1, 8, 8));
    return QIcon(pixmap);
}

using TInputButton = TOwnerCheckedButton<QPushButton>;

} // namespace

TInputSection::TInputSection(const TMainContext &context, const TPlaces &places, QObject *parent)
    : QObject(parent), m_context(context), m_glyphs{Glyph(false), Glyph(true)}
{
    // The four shown buttons share the strip's width.
    m_columnWidth = int(std::lround((places.Strip->width() - 2 * StripMargin) / double(ShownInputCount)));
    BuildStrip(places.Strip);
    BuildColumns(places.InputPage);
    BuildStatus(places.StatusPage);
    ApplyNames(TOperatorNames{});
    ConnectHandlers();
    context.Models->CommonUpdate.AddRule(TCommonStage::Inputs, [this](const TCommonState &s) { ApplyRules(s); });
}

int TInputSection::ColumnLeft(int input) const
{
    return StripMargin + (input - 1) * m_columnWidth;
}

int TInputSection::RowsBottom() const
{
    return FirstRowTop + RowCount * RowPitch;
}

void TInputSection::BuildStrip(QWidget *strip)
{
    m_buttonMenu = new QMenu(strip);
    QAction *rename = m_buttonMenu->addAction(QStringLiteral("Rename"));
    rename->setObjectName(QStringLiteral("MenuItem_Rename"));
    connect(rename, &QAction::triggered, this, [this] { emit RenameRequested(m_menuInput - 1); });

    TComDriverMorlix &driver = m_context.Driver;
    for (int input = 1; input <= InputCount; ++input) {
        auto *button = new TInputButton(strip);
        button->setObjectName(QStringLiteral("SpeedButton_Input%1").arg(input));
        button->setProperty("tag", input);
        button->setCheckable(true);
        button->setIcon(m_glyphs[0]);
        button->setGeometry(ColumnLeft(input), ButtonTop, m_columnWidth, ButtonHeight);
        button->setVisible(input <= ShownInputCount);
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        // The pressed button follows ICH only: the click asks, the device decides.
        connect(button, &QPushButton::clicked, this, [&driver, input] { driver.SendVar(ICHN, uint16_t(input)); });
        connect(button, &QWidget::customContextMenuRequested, this, [this, button, input](const QPoint &at) {
            ButtonMenu(input)->popup(button->mapToGlobal(at));
        });
        m_buttons[size_t(input)] = button;
    }
}

QMenu *TInputSection::ButtonMenu(int input)
{
    m_menuInput = input;
    return m_buttonMenu;
}

TSmartItems *TInputSection::NewSelector(QWidget *page, int input, int top)
{
    auto *selector = new TSmartItems(page);
    selector->setProperty("tag", input);
    selector->SetStyleType(TSmartItems::_ComboBox);
    selector->setGeometry(ColumnLeft(input), top, m_columnWidth - 6, SelectorHeight);
    selector->setFlat(true);
    return selector;
}

void TInputSection::BuildColumns(QWidget *page)
{
    QFont bold = page->font();
    bold.setBold(true);
    for (int input = 1; input <= InputCount; ++input) {
        const bool shown = input <= ShownInputCount;
        auto *header = new QLabel(page);
        header->setObjectName(QStringLiteral("Label_Input%1").arg(input));
        header->setTextFormat(Qt::PlainText);
        header->setFont(bold);
        header->setAlignment(Qt::AlignCenter);
        header->setGeometry(ColumnLeft(input), HeaderTop, m_columnWidth - 6, 20);
        header->setVisible(shown);
        m_headers[size_t(input)] = header;
        for (int row = 0; row < RowCount; ++row) {
            const int top = FirstRowTop + row * RowPitch;
            auto *title = new QLabel(QString::fromLatin1(RowTitles[row]), page);
            title->setGeometry(ColumnLeft(input) + 4, top, m_columnWidth - 10, LabelHeight);
            title->setVisible(shown);
            m_rowHeaders[size_t(row)][size_t(input)] = title;
            TSmartItems *selector = NewSelector(page, input, top + LabelHeight);
            selector->setObjectName(QStringLiteral("SmartItems_%1_Of_IPCHAN%2").arg(QLatin1String(RowNames[row])).arg(input));
            VariableBinding::ApplyEntries(selector, RowTable(row));
            selector->setVisible(shown);
            m_selectors[size_t(row)][size_t(input)] = selector;
        }
        TSmartItems *type = Selector(TypeRow, input);
        for (int item = 0; item < Types.Count(); ++item)
            if (TypeHasStandards(Types.At(item).Value))
                type->SetSubItems(item, BroadcastStandards.Captions());
        if (QAction *audioOnly = type->PutMenuPopupMenu()->actions().value(Types.PositionOf(AudioOnlyType))) {
            QFont font = audioOnly->font();
            font.setBold(true);
            audioOnly->setFont(font);
        }
        ConnectChoices(input);
    }

    auto *autoSetting = new TInputButton(QStringLiteral("Auto-setting"), page);
    autoSetting->setObjectName(QStringLiteral("SpeedButton_IAUTOSET"));
    autoSetting->setCheckable(true);
    autoSetting->setGeometry(StripMargin, page->height() - 40, 120, 28);
    TComDriverMorlix &driver = m_context.Driver;
    connect(autoSetting, &QPushButton::clicked, this, [&driver] { driver.SendVar(IAUTOSET, 1); });
    VariableBinding::OnReport(m_context, IAUTOSET, [autoSetting, &driver] {
        autoSetting->setChecked(driver.GetVar(IAUTOSET) != 0);
    });
    m_autoSetting = autoSetting;
}

void TInputSection::ConnectChoices(int input)
{
    TComDriverMorlix &driver = m_context.Driver;
    const uint16_t n = uint16_t(input);
    for (int row = 0; row < RowCount; ++row) {
        TSmartItems *selector = Selector(TRow(row), input);
        const int varNumber = RowVariables[row];
        const TItemTable &table = RowTable(row);
        // An item with standards is chosen through one of its sub-items.
        VariableBinding::OnItemChosen(selector, [selector, &driver, n, varNumber, &table](int item) {
            const std::optional<uint16_t> value = VariableBinding::ChosenValue(selector, table, item);
            if (!value || (varNumber == ITYPE && TypeHasStandards(*value)))
                return;
            VariableBinding::SendElements(driver, IPCHAN, n, TIndexWrite::Always, {{varNumber, *value}});
        });
    }
    TSmartItems *type = Selector(TypeRow, input);
    VariableBinding::OnSubItemChosen(type, [type, &driver, n](int item, int subItem) {
        const std::optional<uint16_t> value = VariableBinding::ChosenValue(type, Types, item);
        if (value)
            VariableBinding::SendElements(driver, IPCHAN, n, TIndexWrite::Always,
                                          {{ITYPE, *value}, {ISDSTDMODE, uint16_t(subItem)}});
    });
}

void TInputSection::BuildStatus(QWidget *page)
{
    m_statusGrid = new QTableWidget(InputStatusRowCount, 2, page);
    m_statusGrid->setObjectName(QStringLiteral("StringGrid_Status"));
    m_statusGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_statusGrid->setSelectionMode(QAbstractItemView::NoSelection);
    m_statusGrid->setFocusPolicy(Qt::NoFocus);
    m_statusGrid->horizontalHeader()->hide();
    m_statusGrid->verticalHeader()->hide();
    m_statusGrid->verticalHeader()->setDefaultSectionSize(24);
    m_statusGrid->setGeometry(16, 16, page->width() - 32, InputStatusRowCount * 24 + 4);
    m_statusGrid->setColumnWidth(0, 240);
    m_statusGrid->horizontalHeader()->setStretchLastSection(true);
    m_statusGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_statusGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int row = 0; row < InputStatusRowCount; ++row)
        for (int column = 0; column < 2; ++column)
            m_statusGrid->setItem(row, column, new QTableWidgetItem);
    ShowStatus();
}

void TInputSection::ConnectHandlers()
{
    TMorlixVariables &changes = m_context.Changes;
    changes.onICHChange([this] {
        ShowActiveInput();
        ShowStatus();
    });
    for (int varNumber : {ITYPE, ISDSTDMODE, ILOAD, IUSED, IAMAP})
        changes.OnChange(varNumber, [this, varNumber] { ShowCopy(varNumber); });
    for (int varNumber : {INAME, ISYNC, IHPOL, IVPOL, IFREQLINE, IFREQFIELD, IDVI_IS_HDCP, ODVI_IS_HDCP, REFSTATUS,
                          REFFORMAT, REFFREQ, REFLOCKSTATUS})
        changes.OnChange(varNumber, [this] { ShowStatus(); });
    // DEV is reported on every presence check: act on a change of identity only.
    changes.onDEVChange([this] {
        const bool identified = DeviceIdentity::IsKnown(m_context.Driver.GetVar(DEV));
        if (identified == m_identified)
            return;
        m_identified = identified;
        ApplyAvailability();
    });
}

void TInputSection::ShowActiveInput()
{
    const int active = m_context.Driver.GetVar(ICH);
    for (int input = 1; input <= InputCount; ++input)
        m_buttons[size_t(input)]->setChecked(input == active);
}

void TInputSection::ShowCopy(int varNumber)
{
    const TStatusIndexedCopies &copies = m_context.Models->Inputs;
    const int input = copies.CurrentIndex();
    if (input < 1 || input > InputCount)
        return;
    switch (varNumber) {
    case ITYPE:
    case ISDSTDMODE:
        ShowType(input);
        break;
    default: {
        const int row = int(std::find(std::begin(RowVariables), std::end(RowVariables), varNumber) - RowVariables);
        VariableBinding::ShowReportedValue(Selector(TRow(row), input), RowTable(row), copies.Value(varNumber, input));
        break;
    }
    }
}

void TInputSection::ShowType(int input)
{
    const TStatusIndexedCopies &copies = m_context.Models->Inputs;
    VariableBinding::ShowReportedValue(Selector(TypeRow, input), Types, copies.Value(ITYPE, input),
                                       copies.Value(ISDSTDMODE, input));
}

void TInputSection::ApplyAvailability()
{
    // Until the device has said what it is, every item is offered.
    const bool identified = m_identified;
    for (int input = 1; input <= InputCount; ++input) {
        TSmartItems *type = Selector(TypeRow, input);
        for (int item = 0; item < Types.Count(); ++item)
            type->SetItemVisible(item, !identified || TypeAvailable(input, Types.At(item).Value));
        TSmartItems *audio = Selector(AudioRow, input);
        for (int item = 0; item < AudioSources.Count(); ++item)
            audio->SetItemVisible(item, !identified || AudioSourceAvailable(input, AudioSources.At(item).Value));
    }
}

void TInputSection::ApplyNames(const TOperatorNames &names)
{
    for (int input = 1; input <= InputCount; ++input) {
        QString name = input <= int(names.Inputs.size()) ? names.Inputs[size_t(input - 1)] : QString();
        if (name.isEmpty())
            name = DefaultInputName(input);
        m_buttons[size_t(input)]->setText(MenuText(name));
        m_headers[size_t(input)]->setText(name);
    }
    for (int input = 1; input <= InputCount; ++input) {
        TSmartItems *audio = Selector(AudioRow, input);
        for (int source = 1; source < AudioSources.Count(); ++source) {
            const QString name = names.Audios[size_t(source - 1)];
            audio->SetItemCaption(source, name.isEmpty() ? AudioSources.CaptionAt(source) : MenuText(name));
        }
    }
    ApplyAvailability();
}

void TInputSection::ShowStatus()
{
    const TInputStatusRows rows = InputStatusRows(ReadInputStatus(m_context.Driver, m_context.Models->Inputs));
    for (int row = 0; row < InputStatusRowCount; ++row) {
        m_statusGrid->item(row, 0)->setText(rows[size_t(row)].Title);
        m_statusGrid->item(row, 1)->setText(rows[size_t(row)].Value);
    }
}

void TInputSection::ApplyRules(const TCommonState &state)
{
    const TCommonRules &rules = state.Rules;
    for (int input = 1; input <= ShownInputCount; ++input) {
        m_buttons[size_t(input)]->setEnabled(rules.InputEnabled[size_t(input)]);
        Selector(SyncLoadRow, input)->setVisible(rules.SyncLoad[size_t(input)]);
        RowHeader(SyncLoadRow, input)->setVisible(rules.SyncLoadHeader);
    }
}

void TInputSection::SetGlyph(int input, bool lit)
{
    if (input >= 1 && input <= InputCount)
        m_buttons[size_t(input)]->setIcon(m_glyphs[lit ? 1 : 0]);
}

void TInputSection::BlinkTick()
{
    const int pending = m_context.Driver.GetVar(ICHN);
    const int active = m_context.Driver.GetVar(ICH);
    // A new pending input, or the device caught up: every button at rest.
    if (pending != m_blinkInput || pending == active) {
        if (m_blinkLit)
            SetGlyph(m_blinkInput, false);
        m_blinkLit = false;
        m_blinkInput = pending;
    }
    if (pending == active)
        return;
    m_blinkLit = !m_blinkLit;
    SetGlyph(pending, m_blinkLit);
}
