// Where the logo section's controls sit: the page, the strip and the common row.
#include "InputSection.h"
#include "LogoSection.h"

#include "controls/CadrageDoubleLogo.h"
#include "controls/ChainIcon.h"
#include "controls/EditUpDown.h"
#include "controls/OwnerDriven.h"
#include "controls/SmartItems.h"
#include "link/ComDriverMorlix.h"
#include "mainwindow/VariableBinding.h"
#include "mainwindow/tables/InputTables.h"
#include "mainwindow/tables/LogoTables.h"
#include "variables/VariableTable.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

using namespace LogoTables;

namespace {

constexpr int PreviewLeft = 12;
constexpr int PreviewTop = 92;
constexpr int SideLeft = 478;
constexpr int SideWidth = 167;
constexpr int FieldWidth = 80;
constexpr int RowHeight = 24;
// The picture row of the input strip, under the input buttons.
constexpr int StripRowTop = 45;
constexpr int StripRowHeight = 22;
constexpr int OnOffWidth = 40;

using TOwnerButton = TOwnerCheckedButton<QPushButton>;

TEditUpDown *NewField(QWidget *parent, const char *name, const TComDriver &driver, int varNumber, const QRect &at)
{
    auto *field = new TEditUpDown(parent);
    field->setObjectName(QLatin1String(name));
    VariableBinding::ApplyDeviceScale(field, driver, varNumber);
    field->setGeometry(at);
    return field;
}

QLabel *NewLabel(QWidget *parent, const QString &text, const QRect &at)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(at);
    return label;
}

// A group of two rows, "H." and "V.", in the side column.
QGroupBox *NewPairGroup(QWidget *page, const QString &title, int top)
{
    auto *group = new QGroupBox(title, page);
    group->setObjectName(QStringLiteral("GroupBox_") + title);
    group->setGeometry(SideLeft, top, SideWidth, 84);
    NewLabel(group, QStringLiteral("H."), {12, 24, 30, RowHeight});
    NewLabel(group, QStringLiteral("V."), {12, 24 + RowHeight + 4, 30, RowHeight});
    return group;
}

QRect PairRow(int row)
{
    return {44, 24 + row * (RowHeight + 4), FieldWidth, RowHeight};
}

QPushButton *NewOnOffButton(QWidget *parent, const QString &name, const QRect &at)
{
    auto *button = new TOwnerButton(QStringLiteral("OFF"), parent);
    button->setObjectName(name);
    button->setCheckable(true);
    button->setGeometry(at);
    return button;
}

TSmartItems *NewPictureSelector(QWidget *parent, const QString &name, const QRect &at)
{
    auto *selector = new TSmartItems(parent);
    selector->setObjectName(name);
    selector->SetStyleType(TSmartItems::_ComboBox);
    selector->setFlat(true);
    VariableBinding::ApplyEntries(selector, Pictures);
    // Without a caption the field may take the whole height of the row,
    // which the strip keeps short.
    selector->setContentsMargins(0, 1, 0, 0);
    selector->setGeometry(at);
    return selector;
}

} // namespace

void TLogoSection::BuildPage(QWidget *page)
{
    auto *heading = new QLabel(QStringLiteral("Logo/Frame"), page);
    heading->setObjectName(QStringLiteral("Label_LogoHeading"));
    heading->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 12pt;"));
    heading->setGeometry(PreviewLeft, 8, 200, 22);

    m_mode = new TSmartItems(page);
    m_mode->setObjectName(QStringLiteral("SmartItems_PMODE"));
    m_mode->SetCaption(QStringLiteral("Mode"));
    m_mode->SetStyleType(TSmartItems::_ComboBox);
    VariableBinding::ApplyEntries(m_mode, Modes);
    m_mode->setGeometry(PreviewLeft, 32, 250, 52);

    m_preview = new TCadrageDoubleLogo(page);
    m_preview->setObjectName(QStringLiteral("CadrageDoubleLogo1"));
    m_preview->move(PreviewLeft, PreviewTop);
    m_preview->SetLogo2(false);
    m_preview->SetOHSIZx(16);
    m_preview->SetOVSIZx(9);
    m_preview->SetEnabledMouseUp(false);
    m_preview->SetColor(Qt::black);
    m_preview->SetLogo1(true);
    m_preview->SetTotalLogoPossible(1);
    m_preview->SetNumLogo(1);

    const TComDriver &driver = m_context.Driver;
    m_positionGroup = NewPairGroup(page, QStringLiteral("Position"), 32);
    m_left = NewField(m_positionGroup, "EditUpDown_Logo_LEFT", driver, PCAPTURE_LEFT, PairRow(0));
    m_top = NewField(m_positionGroup, "EditUpDown_Logo_TOP", driver, PCAPTURE_TOP, PairRow(1));

    m_transparencyLabel = NewLabel(page, QStringLiteral("Transparency"), {SideLeft, 124, 90, RowHeight});
    m_transparency = NewField(page, "EditUpDown_IPICTURE_TRANSPARENCY", driver, IPICTURE_TRANSPARENCY,
                              {SideLeft + 94, 124, SideWidth - 94, RowHeight});

    BuildCaptureControls(page);
    BuildGrid(page);
}

void TLogoSection::BuildCaptureControls(QWidget *page)
{
    const TComDriver &driver = m_context.Driver;
    m_sizeGroup = NewPairGroup(page, QStringLiteral("Size"), 156);
    m_width = NewField(m_sizeGroup, "EditUpDown_Logo_WIDTH", driver, PCAPTURE_WIDTH, PairRow(0));
    m_height = NewField(m_sizeGroup, "EditUpDown_Logo_HEIGHT", driver, PCAPTURE_HEIGHT, PairRow(1));
    m_sizeLink = new QPushButton(m_sizeGroup);
    m_sizeLink->setObjectName(QStringLiteral("SpeedButton_PCAPTURESize"));
    m_sizeLink->setIcon(ChainIcon());
    m_sizeLink->setCheckable(true);
    m_sizeLink->setToolTip(QStringLiteral("Keep the width and height in proportion"));
    m_sizeLink->setGeometry(44 + FieldWidth + 8, 32, 28, 36);

    const int lumaTop = PreviewTop + 255 + 8;
    m_lumaType = new TSmartItems(page);
    m_lumaType->setObjectName(QStringLiteral("SmartItems_PCAPTURE_LUMAKEY_TYPE"));
    m_lumaType->SetCaption(QStringLiteral("Luma Key"));
    m_lumaType->SetStyleType(TSmartItems::_RadioButton);
    VariableBinding::ApplyEntries(m_lumaType, LumaKeyTypes);
    m_lumaType->setGeometry(PreviewLeft + 50, lumaTop, 110, 82);
    QLabel *type = NewLabel(page, QStringLiteral("Type:"), {PreviewLeft, lumaTop + 28, 46, RowHeight});
    QLabel *level = NewLabel(page, QStringLiteral("Level:"), {PreviewLeft + 176, lumaTop + 22, 60, RowHeight});
    m_lumaLevel = NewField(page, "EditUpDown_PCAPTURE_LUMAKEY_LEVEL", driver, PCAPTURE_LUMAKEY_LEVEL,
                           {PreviewLeft + 240, lumaTop + 22, FieldWidth, RowHeight});
    QLabel *color = NewLabel(page, QStringLiteral("Cut Out Color"), {PreviewLeft + 176, lumaTop + 52, 100, RowHeight});
    m_backColor = NewField(page, "EditUpDown_PCAPTURE_BACK_COLOR", driver, PCAPTURE_BACK_COLOR,
                           {PreviewLeft + 280, lumaTop + 52, FieldWidth - 20, RowHeight});
    m_captureControls = {m_sizeGroup, m_lumaType, type, level, m_lumaLevel, color, m_backColor};
}

void TLogoSection::BuildGrid(QWidget *page)
{
    m_grid = new QTableWidget(MemoryCount, 2, page);
    m_grid->setObjectName(QStringLiteral("StringGrid_PCAPTURE_INDEX"));
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Logo(s)"), QStringLiteral("Memory")});
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(RowHeight);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setColumnWidth(0, 80);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setGeometry(SideLeft, 250, SideWidth, 28 + MemoryCount * RowHeight);
    for (int row = 0; row < MemoryCount; ++row) {
        m_grid->setItem(row, 0, new QTableWidgetItem(MemoryName(row + 1)));
        m_grid->setItem(row, 1, new QTableWidgetItem(EmptyText()));
    }

    m_store = new QPushButton(QStringLiteral("Store"), page);
    m_store->setObjectName(QStringLiteral("BitBtn_Store"));
    m_store->setStyleSheet(QStringLiteral("QPushButton { color: #c00000; font-weight: bold; }"
                                          "QPushButton:disabled { color: #d89a9a; }"));
    m_store->setGeometry(SideLeft, 358, SideWidth, 48);
    m_store->setEnabled(false);
}

void TLogoSection::BuildStrip(QWidget *strip, const TInputSection &inputs)
{
    const int width = inputs.ColumnWidth();
    for (int input = 1; input <= InputTables::InputCount; ++input) {
        const int left = inputs.ColumnLeft(input);
        const bool shown = input <= InputTables::ShownInputCount;
        TSmartItems *selector = NewPictureSelector(strip, QStringLiteral("SmartItems_IPICTURE%1").arg(input),
                                                   {left, StripRowTop, width - OnOffWidth - 4, StripRowHeight});
        selector->setProperty("tag", input);
        selector->setVisible(shown);
        QPushButton *button = NewOnOffButton(strip, QStringLiteral("SpeedButton_IPICTURE_ENABLE%1").arg(input),
                                             {left + width - OnOffWidth - 2, StripRowTop, OnOffWidth, StripRowHeight});
        button->setProperty("tag", input);
        button->setVisible(shown);
        m_pictures[size_t(input)] = selector;
        m_enables[size_t(input)] = button;
    }
}

void TLogoSection::BuildCommonRow(QWidget *client, const QRect &area)
{
    // The selector above its button, each as wide as "Black" and "Freeze".
    const int half = (area.height() - 2) / 2;
    m_commonPicture = NewPictureSelector(client, QStringLiteral("SmartItems_OPICTURE"),
                                         {area.left(), area.top(), area.width(), half});
    m_commonPicture->setToolTip(QStringLiteral("Common"));
    m_commonEnable = NewOnOffButton(client, QStringLiteral("SpeedButton_OPICTURE_ENABLE"),
                                    {area.left(), area.bottom() + 1 - half, area.width(), half});
    m_commonEnable->setToolTip(QStringLiteral("Common"));
}
