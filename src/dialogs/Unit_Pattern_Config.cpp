#include "Unit_Pattern_Config.h"

#include "controls/EditUpDown.h"
#include "link/ComDriverMorlix.h"
#include "mainwindow/VariableBinding.h"
#include "mainwindow/tables/OutputTables.h"
#include "variables/VariableTable.h"

#include <QColorDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr int RowHeight = 28;
constexpr int PanelWidth = 330;
constexpr int Margin = 8;

} // namespace

TForm_Pattern_Config::TForm_Pattern_Config(const TMainContext &context, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_context(context),
      m_chooser([](QWidget *owner) { return QColorDialog::getColor(Qt::white, owner, QStringLiteral("Color")); })
{
    setObjectName(QStringLiteral("Form_Pattern_Config"));
    setWindowTitle(QStringLiteral("Pattern config"));
    // Reports of OPATTERN open it while the operator works in the main window.
    setAttribute(Qt::WA_ShowWithoutActivating);

    m_crossHatch = new QWidget(this);
    m_crossHatch->setObjectName(QStringLiteral("Panel_CrossHatch"));
    m_crossHatch->setGeometry(0, Margin, PanelWidth, 2 * RowHeight);
    AddRow(m_crossHatch, 0, QStringLiteral("H."), OPATTERN_CROSSHATCH_H, 2048);
    AddRow(m_crossHatch, RowHeight, QStringLiteral("V."), OPATTERN_CROSSHATCH_V, 1200);

    // Both panels take the same place: only one pattern is on at a time.
    m_colour = new QWidget(this);
    m_colour->setObjectName(QStringLiteral("Panel_Color"));
    m_colour->setGeometry(0, Margin, PanelWidth, 3 * RowHeight);
    AddRow(m_colour, 0, QStringLiteral("R."), OPATTERN_COLOR_R, 255);
    AddRow(m_colour, RowHeight, QStringLiteral("G."), OPATTERN_COLOR_G, 255);
    AddRow(m_colour, 2 * RowHeight, QStringLiteral("B."), OPATTERN_COLOR_B, 255);

    m_colourButton = new QPushButton(QStringLiteral("R,G,B Color"), this);
    m_colourButton->setObjectName(QStringLiteral("Button_RGBColor"));
    m_colourButton->setGeometry(Margin, Margin + 3 * RowHeight + 4, 110, 26);
    connect(m_colourButton, &QPushButton::clicked, this, &TForm_Pattern_Config::ChooseColour);

    ShowPanelsFor(m_context.Driver.GetVar(OPATTERN));
}

void TForm_Pattern_Config::AddRow(QWidget *panel, int y, const QString &caption, int varNumber, int displayMax)
{
    auto *label = new QLabel(caption, panel);
    label->setGeometry(Margin, y + 4, 24, 20);
    auto *bar = new QScrollBar(Qt::Horizontal, panel);
    bar->setObjectName(QStringLiteral("ScrollBar_%1").arg(QLatin1String(VarTable[varNumber].Name)));
    bar->setGeometry(Margin + 28, y + 4, 190, 18);
    VariableBinding::BindSlider(m_context, bar, varNumber);
    // The end of a drag is a scroll event too: it sends where the thumb came to rest.
    TComDriverMorlix &driver = m_context.Driver;
    connect(bar, &QScrollBar::sliderReleased, bar,
            [bar, &driver, varNumber] { driver.SendVar(varNumber, uint16_t(bar->sliderPosition())); });

    auto *field = new TEditUpDown(panel);
    field->setObjectName(QStringLiteral("EditUpDown_%1").arg(QLatin1String(VarTable[varNumber].Name)));
    field->setGeometry(Margin + 224, y + 2, 90, 22);
    // The device range is shown on 0..displayMax: the cross-hatch fields show
    // the spacing slightly scaled (16 shows 0).
    field->SetAffichageMin(0);
    field->SetAffichageMax(displayMax);
    VariableBinding::BindEditUpDown(m_context, field, varNumber);
    m_rows.push_back({varNumber, bar, field});
}

void TForm_Pattern_Config::ShowPanelsFor(uint16_t pattern)
{
    m_crossHatch->setVisible(pattern == OutputTables::CrossHatchPattern);
    m_colour->setVisible(pattern == OutputTables::ColorPattern);
    m_colourButton->setVisible(pattern == OutputTables::ColorPattern);
    // The window is as tall as the panel it shows.
    const int colourHeight = Margin + 3 * RowHeight + 4 + 26 + Margin;
    const int crossHatchHeight = Margin + 2 * RowHeight + Margin;
    setFixedSize(PanelWidth, pattern == OutputTables::CrossHatchPattern ? crossHatchHeight : colourHeight);
}

void TForm_Pattern_Config::ShowQuietly()
{
    if (isVisible())
        return;
    show();
}

void TForm_Pattern_Config::ChooseColour()
{
    const QColor colour = m_chooser(this);
    if (!colour.isValid())
        return;
    TComDriverMorlix &driver = m_context.Driver;
    driver.SendVar(OPATTERN_COLOR_R, uint16_t(colour.red()));
    driver.SendVar(OPATTERN_COLOR_G, uint16_t(colour.green()));
    driver.SendVar(OPATTERN_COLOR_B, uint16_t(colour.blue()));
}

QScrollBar *TForm_Pattern_Config::Bar(int varNumber) const
{
    for (const TRow &row : m_rows)
        if (row.VarNumber == varNumber)
            return row.Bar;
    return nullptr;
}

TEditUpDown *TForm_Pattern_Config::Field(int varNumber) const
{
    for (const TRow &row : m_rows)
        if (row.VarNumber == varNumber)
            return row.Field;
    return nullptr;
}
