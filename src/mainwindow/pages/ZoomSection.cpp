#include "ZoomSection.h"

#include "PageModels.h"
#include "ZoomGeometry.h"
#include "config/ZoomSlots.h"
#include "controls/CadrageImage_2.h"
#include "controls/EditUpDown.h"
#include "controls/PixelRounding.h"
#include "controls/SmartItems.h"
#include "link/ComDriverMorlix.h"
#include "mainwindow/VariableBinding.h"
#include "mainwindow/tables/ZoomTables.h"
#include "variables/MorlixVariables_d.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QWheelEvent>
#include <cmath>

using namespace ZoomGeometry;

namespace {

constexpr int FieldVariables[] = {HPOS, VPOS, HSIZE, VSIZE, ZMHPOS, ZMVPOS, ZMHSIZE, ZMVSIZE};
constexpr int ScaleMin = 1700;
constexpr int ScaleMax = 9190;
constexpr int ScaleStart = 5445;
constexpr int ScaleStep = 250;
constexpr int PreviewLeft = 8;
constexpr int PreviewTop = 24;

int FieldIndex(int varNumber)
{
    for (int i = 0; i < int(std::size(FieldVariables)); ++i)
        if (FieldVariables[i] == varNumber)
            return i;
    return -1;
}

bool IsZoomWindowVar(int varNumber)
{
    return varNumber == ZMHPOS || varNumber == ZMVPOS || varNumber == ZMHSIZE || varNumber == ZMVSIZE;
}

bool IsZoomPosition(int varNumber)
{
    return varNumber == ZMHPOS || varNumber == ZMVPOS;
}

bool IsHorizontal(int varNumber)
{
    return varNumber == HPOS || varNumber == HSIZE || varNumber == ZMHPOS || varNumber == ZMHSIZE;
}

// The chain on the link buttons: closed while the link is on (button up).
QIcon ChainIcon()
{
    QPixmap pixmap(18, 18);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(70, 70, 70), 2));
    painter.drawRoundedRect(QRectF(2, 6, 8, 6), 3, 3);
    painter.drawRoundedRect(QRectF(8, 6, 8, 6), 3, 3);
    return QIcon(pixmap);
}

// The picture drawn inside the zoom window while zoom is on.
const QPixmap &ZoomPicture()
{
    static const QPixmap picture = [] {
        QPixmap pixmap(64, 48);
        pixmap.fill(Qt::white);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(150, 190, 230));
        painter.drawRect(0, 0, 64, 30);
        painter.setBrush(QColor(90, 140, 80));
        painter.drawPolygon(QPolygon({QPoint(0, 48), QPoint(0, 32), QPoint(20, 18), QPoint(38, 34), QPoint(50, 26),
                                      QPoint(64, 36), QPoint(64, 48)}));
        painter.setBrush(QColor(240, 200, 60));
        painter.drawEllipse(QPoint(48, 10), 6, 6);
        return pixmap;
    }();
    return picture;
}

} // namespace

TZoomSection::TZoomSection(const TMainContext &context, const TPlaces &places, QObject *parent)
    : QObject(parent), m_context(context)
{
    BuildZoomPage(places.ZoomPage);
    BuildBlanking(places.ImagePage);
    ConnectPreview();
    ConnectHandlers();
    TCommonUpdate &update = context.Models->CommonUpdate;
    update.AddTrigger(IASP);
    update.AddTrigger(OASP);
    update.AddRule(TCommonStage::Blanking, [this](const TCommonState &state) { ApplyBands(state); });
}

void TZoomSection::BuildZoomPage(QWidget *page)
{
    m_zoomPage = page;
    auto *heading = new QLabel(QStringLiteral("Image Position"), page);
    heading->setObjectName(QStringLiteral("Label_ImagePosition"));
    heading->setStyleSheet(QStringLiteral("font-weight: bold;"));
    heading->setGeometry(PreviewLeft, 4, 200, 18);

    m_preview = new TCadrageImage_2(page);
    m_preview->setObjectName(QStringLiteral("CadrageImage"));
    m_preview->SetTypeZoom(_TypeZoomOff);
    m_preview->SetFluidAndBackFlash(true);
    m_preview->SetZoom_HSize_ET_VSize_MAXIMUM(10000);
    m_preview->SetZMSCALE(false);
    m_preview->SetBitmapZoom(&ZoomPicture());
    m_preview->setGeometry(PreviewLeft, PreviewTop, PreviewWidth, 0);
    m_preview->installEventFilter(this);
    page->installEventFilter(this);

    m_scale = new QSlider(Qt::Vertical, page);
    m_scale->setObjectName(QStringLiteral("TrackBar_Zoom"));
    m_scale->setRange(ScaleMin, ScaleMax);
    m_scale->setValue(ScaleStart);
    m_scale->setSingleStep(ScaleStep);
    m_scale->setPageStep(ScaleStep);
    m_scale->setFocusPolicy(Qt::NoFocus);
    m_scale->setGeometry(PreviewLeft + PreviewWidth + 4, PreviewTop, 22, 0);

    constexpr int Right = 470;
    constexpr int RightWidth = 182;
    m_mode = VariableBinding::NewSmartItems(page, "SmartItems_ZMODE", QStringLiteral("Zoom Enable"), ZoomTables::Modes,
                                            TSmartItems::_RadioButton, {Right, 4, RightWidth, 64});
    m_transition = VariableBinding::NewSmartItems(page, "SmartItems_ZMTRANSITION", QStringLiteral("Mode"),
                                                  ZoomTables::Transitions, TSmartItems::_RadioButton,
                                                  {Right, 72, RightWidth, 64});
    m_pixelUnit = new QPushButton(QStringLiteral("Pixel Unit"), page);
    m_pixelUnit->setObjectName(QStringLiteral("SpeedButton_ZMSCALE"));
    m_pixelUnit->setCheckable(true);
    m_pixelUnit->setGeometry(Right, 142, 88, 28);
    m_zoomPreset = new QPushButton(QStringLiteral("Zoom Preset"), page);
    m_zoomPreset->setObjectName(QStringLiteral("BitBtn_ZoomPreset"));
    m_zoomPreset->setGeometry(Right + 94, 142, RightWidth - 94, 28);
    // The doubled ampersand shows as one.
    m_presets = new QPushButton(QStringLiteral("Preset (Load && Save)"), page);
    m_presets->setObjectName(QStringLiteral("BitBtn_Preset"));
    m_presets->setGeometry(Right, 178, RightWidth, 30);

    auto *zoom = new QGroupBox(QStringLiteral("Zoom"), page);
    zoom->setObjectName(QStringLiteral("GroupBox_Zoom"));
    zoom->setGeometry(PreviewLeft, 330, 452, 118);
    const int columns[] = {84, 234};
    const char *const headers[] = {"H.", "V."};
    for (int c = 0; c < 2; ++c) {
        auto *header = new QLabel(QLatin1String(headers[c]), zoom);
        header->setAlignment(Qt::AlignCenter);
        header->setGeometry(columns[c], 18, 140, 16);
    }
    const char *const rows[] = {"Position", "Size"};
    for (int r = 0; r < 2; ++r) {
        const int top = 38 + r * 36;
        auto *title = new QLabel(QLatin1String(rows[r]), zoom);
        title->setGeometry(10, top + 4, 70, 20);
        const int h = r == 0 ? ZMHPOS : ZMHSIZE;
        const int v = r == 0 ? ZMVPOS : ZMVSIZE;
        NewField(zoom, h, {columns[0], top, 140, 26});
        NewField(zoom, v, {columns[1], top, 140, 26});
        NewLinkButton(zoom, r == 0 ? ZoomPositionPair : ZoomSizePair, {384, top, 30, 26});
    }
    // Until the first ZMSCALE report the fields take the percent ranges.
    ShowUnitMode();
}

void TZoomSection::BuildBlanking(QWidget *page)
{
    m_blanking = new QGroupBox(QStringLiteral("Blanking Adjust"), page);
    m_blanking->setObjectName(QStringLiteral("GroupBox_BlankingAdjust"));
    m_blanking->setGeometry(8, 330, 310, 118);
    const char *const captions[] = {"H. Position", "V. Position", "H. Size", "V. Size"};
    const int variables[] = {HPOS, VPOS, HSIZE, VSIZE};
    for (int i = 0; i < 4; ++i) {
        const int column = i % 2;
        const int top = 22 + (i / 2) * 46;
        auto *title = new QLabel(QLatin1String(captions[i]), m_blanking);
        title->setGeometry(10 + column * 140, top, 120, 16);
        TEditUpDown *field = NewField(m_blanking, variables[i], {10 + column * 140, top + 16, 120, 26});
        const TComDriver &driver = m_context.Driver;
        field->SetMin(int16_t(driver.GetVarMin(variables[i])));
        field->SetMax(int16_t(driver.GetVarMax(variables[i])));
        field->SetAffichageMin(0);
        field->SetAffichageMax(100);
        field->SetAffichageSuffix(QStringLiteral("%"));
    }
    NewLinkButton(m_blanking, PositionPair, {276, 38, 28, 26});
    NewLinkButton(m_blanking, SizePair, {276, 84, 28, 26});
}

TEditUpDown *TZoomSection::NewField(QWidget *parent, int varNumber, const QRect &geometry)
{
    auto *field = new TEditUpDown(parent);
    field->setObjectName(QStringLiteral("EditUpDown_%1").arg(QLatin1String(VarTable[varNumber].Name)));
    field->setGeometry(geometry);
    m_fields[size_t(FieldIndex(varNumber))] = field;
    connect(field, &TEditUpDown::OnUserChange, this,
            [this, varNumber](TEditUpDown *, int32_t value, TEditUpDown::TUDBtnType) { EnterValue(varNumber, value); });
    return field;
}

QAbstractButton *TZoomSection::NewLinkButton(QWidget *parent, TPair pair, const QRect &geometry)
{
    static const char *const names[] = {"SpeedButton_LinkSettingPos", "SpeedButton_LinkSettingSize",
                                        "SpeedButton_LinkZoomPos", "SpeedButton_LinkZoomSize"};
    static const int firsts[] = {HPOS, HSIZE, ZMHPOS, ZMHSIZE};
    static const int seconds[] = {VPOS, VSIZE, ZMVPOS, ZMVSIZE};
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(names[pair]));
    button->setCheckable(true);
    // Down: the link is off.
    button->setChecked(true);
    button->setIcon(ChainIcon());
    button->setToolTip(QStringLiteral("Link H. and V."));
    button->setGeometry(geometry);
    TLink &link = m_links[size_t(pair)];
    link.Button = button;
    link.First = firsts[pair];
    link.Second = seconds[pair];
    connect(button, &QToolButton::toggled, this, [this, pair] { ToggleLink(pair); });
    return button;
}

void TZoomSection::ConnectPreview()
{
    m_preview->SetOnZoom_HPos([this](QObject *) { DragPosition(ZMHPOS); });
    m_preview->SetOnZoom_VPos([this](QObject *) { DragPosition(ZMVPOS); });
    m_preview->SetOnZoom_HSize([this](QObject *) { DragSize(ZMHSIZE); });
    m_preview->SetOnZoom_VSize([this](QObject *) { DragSize(ZMVSIZE); });
    TComDriverMorlix &driver = m_context.Driver;
    m_preview->SetOnDoubleClick([&driver](QObject *) {
        driver.SendVar(ZMODE, uint16_t((driver.GetVar(ZMODE) % 128) ^ 1));
    });
    connect(m_scale, &QSlider::valueChanged, this, [this] {
        ShowImageValue(HSIZE);
        ShowImageValue(VSIZE);
    });
    connect(m_zoomPreset, &QPushButton::clicked, this, &TZoomSection::PressZoomPreset);
    connect(m_pixelUnit, &QPushButton::clicked, this, &TZoomSection::PressPixelUnit);
    connect(m_presets, &QPushButton::clicked, this, &TZoomSection::PresetsRequested);
    VariableBinding::BindSmartItems(m_context, m_mode, ZMODE, ZoomTables::Modes);
    VariableBinding::BindSmartItems(m_context, m_transition, ZMTRANSITION, ZoomTables::Transitions);
}

void TZoomSection::ConnectHandlers()
{
    TMorlixVariables &changes = m_context.Changes;
    for (int varNumber : {HPOS, VPOS, HSIZE, VSIZE})
        VariableBinding::OnReport(m_context, varNumber, [this, varNumber] { ShowImageValue(varNumber); });
    for (int varNumber : {OHSIZE, OVSIZE})
        VariableBinding::OnReport(m_context, varNumber, [this, varNumber] { ShowOutputSize(varNumber); });
    for (int varNumber : {ZMHPOS, ZMVPOS})
        changes.OnChange(varNumber, [this, varNumber] {
            ResizePreview();
            if (ReportIsForSlot0())
                ShowZoomPosition(varNumber);
        });
    for (int varNumber : {ZMHSIZE, ZMVSIZE})
        changes.OnChange(varNumber, [this, varNumber] {
            ResizePreview();
            if (ReportIsForSlot0())
                ShowZoomSize(varNumber);
        });
    changes.OnChange(ZMSCALE, [this] {
        if (ReportIsForSlot0())
            ShowUnitMode();
    });
    VariableBinding::OnReport(m_context, ZMODE, [this] { ShowZoomMode(); });
}

uint16_t TZoomSection::Slot0(int varNumber) const
{
    return m_context.Models->ZoomSlots.Value(varNumber, 0);
}

bool TZoomSection::ReportIsForSlot0() const
{
    return m_context.Models->ZoomSlots.CurrentIndex() == 0;
}

bool TZoomSection::PixelUnits() const
{
    return Slot0(ZMSCALE) != 0;
}

TZoomSlots TZoomSection::Slots() const
{
    const TStatusIndexedCopies &copies = m_context.Models->ZoomSlots;
    TZoomSlots zoom;
    for (int slot = 0; slot < ZoomSlots::SlotCount; ++slot)
        for (int varNumber : ZoomSlots::Variables)
            zoom.Set(varNumber, slot, copies.Value(varNumber, slot), copies.Reported(varNumber, slot));
    return zoom;
}

TEditUpDown *TZoomSection::Field(int varNumber) const
{
    const int index = FieldIndex(varNumber);
    return index < 0 ? nullptr : m_fields[size_t(index)];
}

void TZoomSection::ResizePreview()
{
    const TComDriver &driver = m_context.Driver;
    const int height = PreviewHeight(driver.GetVar(OHSIZE), driver.GetVar(OVSIZE), PreviewWidth, PreviewMaxHeight);
    m_preview->resize(PreviewWidth, height);
    m_scale->resize(m_scale->width(), height);
}

void TZoomSection::ShowImageValue(int varNumber)
{
    ResizePreview();
    Field(varNumber)->SetPosition(m_context.Driver.GetVar(varNumber));
    switch (varNumber) {
    case HPOS: m_preview->SetIMAGE_HPos(127); break;
    case VPOS: m_preview->SetIMAGE_VPos(127); break;
    case HSIZE: m_preview->SetIMAGE_HSize(m_scale->value()); break;
    default: m_preview->SetIMAGE_VSize(m_scale->value()); break;
    }
}

void TZoomSection::ShowOutputSize(int varNumber)
{
    ResizePreview();
    const int caption = SizeCaption(m_context.Driver.GetVar(varNumber));
    if (varNumber == OHSIZE)
        m_preview->SetNEW_OHSIZ(uint16_t(caption));
    else
        m_preview->SetNEW_OVSIZ(uint16_t(caption));
    // In pixel units the window's share of the picture depends on it.
    if (PixelUnits())
        ShowZoomSize(varNumber == OHSIZE ? ZMHSIZE : ZMVSIZE);
}

void TZoomSection::ShowZoomPosition(int varNumber)
{
    const bool pixels = PixelUnits();
    const int value = Slot0(varNumber);
    const int caption = ToCaption(value, pixels);
    if (varNumber == ZMHPOS)
        m_preview->SetZoom_HPos(caption);
    else
        m_preview->SetZoom_VPos(caption);
    Field(varNumber)->SetPosition(value - FieldRange(true, pixels).Offset);
}

void TZoomSection::ShowZoomSize(int varNumber)
{
    const bool pixels = PixelUnits();
    const bool horizontal = varNumber == ZMHSIZE;
    const int value = Slot0(varNumber);
    const uint16_t outputSize = m_context.Driver.GetVar(horizontal ? OHSIZE : OVSIZE);
    if (pixels) {
        if (horizontal)
            m_preview->SetNEW_ImageHSize(uint16_t(SizeCaption(value)));
        else
            m_preview->SetNEW_ImageVSize(uint16_t(SizeCaption(value)));
    }
    const int previous = horizontal ? m_preview->Zoom_HSize() : m_preview->Zoom_VSize();
    const int percent = ZoomSizePercent(value, pixels, outputSize, previous);
    if (horizontal)
        m_preview->SetZoom_HSize(percent);
    else
        m_preview->SetZoom_VSize(percent);
    Field(varNumber)->SetPosition(value);
}

void TZoomSection::ShowUnitMode()
{
    const bool pixels = PixelUnits();
    m_preview->SetZMSCALE(pixels);
    {
        const QSignalBlocker block(m_pixelUnit);
        m_pixelUnit->setChecked(pixels);
    }
    for (int varNumber : {ZMHPOS, ZMVPOS, ZMHSIZE, ZMVSIZE}) {
        const TFieldRange range = FieldRange(IsZoomPosition(varNumber), pixels);
        TEditUpDown *field = Field(varNumber);
        field->SetMin(int16_t(range.Min));
        field->SetMax(int16_t(range.Max));
        field->SetAffichageMin(range.DisplayMin);
        field->SetAffichageMax(range.DisplayMax);
        field->SetAffichageSuffix(range.Suffix);
    }
    m_transition->SetItemEnabled(ZoomTables::DynamicZoomItem, !pixels);
    ShowSelectors();
    // The values read differently in the other unit.
    if (m_context.Models->ZoomSlots.Reported(ZMSCALE, 0)) {
        ShowZoomPosition(ZMHPOS);
        ShowZoomPosition(ZMVPOS);
        ShowZoomSize(ZMHSIZE);
        ShowZoomSize(ZMVSIZE);
    }
}

void TZoomSection::ShowZoomMode()
{
    ResizePreview();
    const bool on = m_context.Driver.GetVar(ZMODE) != 0;
    if (on && m_preview->TypeZoom() != _TypeZoomOn)
        m_preview->SetTypeZoom(_TypeZoomOn);
    else if (!on && m_preview->TypeZoom() != _TypeZoomOff)
        m_preview->SetTypeZoom(_TypeZoomOff);
    ShowSelectors();
}

void TZoomSection::ShowSelectors()
{
    const TComDriver &driver = m_context.Driver;
    VariableBinding::ShowReportedValue(m_mode, ZoomTables::Modes, driver.GetVar(ZMODE));
    VariableBinding::ShowReportedValue(m_transition, ZoomTables::Transitions, driver.GetVar(ZMTRANSITION));
}

void TZoomSection::ApplyBands(const TCommonState &state)
{
    const TComDriver &driver = m_context.Driver;
    m_preview->SetBlackBandStyleSeizeNeuf(
        BlackBands(driver.GetVar(OASP), state.OutputFormat, state.InputFormat, driver.GetVar(IASP)));
    m_blanking->setVisible(state.Rules.BlankingAdjust);
}

bool TZoomSection::MayWriteZoom()
{
    const TComDriver &driver = m_context.Driver;
    if (driver.GetVar(OHSIZE) == 0 || driver.GetVar(OVSIZE) == 0) {
        m_context.Models->Messages.Post(
            QStringLiteral("The output size is not known yet: the zoom was not sent"));
        return false;
    }
    // After a preset store the device's index stays on the preset: the
    // write would change the preset and not the zoom in use.
    if (driver.GetVar(ZMINDEX) != 0 || m_context.Models->ZoomSlots.CurrentIndex() != 0)
        m_context.Driver.SendVar(ZMINDEX, 0);
    return true;
}

void TZoomSection::SendZoom(int varNumber, int value)
{
    m_context.Driver.SendVar(varNumber, uint16_t(value));
}

void TZoomSection::EnterValue(int varNumber, int position)
{
    TComDriverMorlix &driver = m_context.Driver;
    const bool zoom = IsZoomWindowVar(varNumber);
    TEditUpDown *field = Field(varNumber);
    const TFieldRange range = FieldRange(IsZoomPosition(varNumber), PixelUnits());
    const int value = zoom ? position + range.Offset : position;
    const bool inRange = !zoom || (position >= range.Min && position <= range.Max);
    auto showAgain = [this, field, varNumber, zoom] {
        const int shown = zoom ? Slot0(varNumber) - FieldRange(IsZoomPosition(varNumber), PixelUnits()).Offset
                               : m_context.Driver.GetVar(varNumber);
        field->SetPosition(shown);
    };
    if (!inRange || !VariableBinding::AcceptsEntry(driver, varNumber, value) || (zoom && !MayWriteZoom())) {
        showAgain();
        return;
    }
    driver.SendVar(varNumber, uint16_t(value));
    const TPair pair = varNumber == HPOS || varNumber == VPOS     ? PositionPair
                       : varNumber == HSIZE || varNumber == VSIZE ? SizePair
                       : IsZoomPosition(varNumber)                ? ZoomPositionPair
                                                                  : ZoomSizePair;
    const TLink &link = m_links[size_t(pair)];
    if (!link.On || link.Ratio <= 0)
        return;
    const bool first = IsHorizontal(varNumber);
    const long double partnerValue = first ? value / link.Ratio : value * link.Ratio;
    const int partner = first ? link.Second : link.First;
    const long double rounded = TConversion_V2::Round(partnerValue, Arr_VsPair);
    // A partner that would not fit is not sent.
    if (rounded >= 0 && rounded <= 65535 && VariableBinding::AcceptsEntry(driver, partner, int64_t(rounded)))
        driver.SendVar(partner, uint16_t(rounded));
}

void TZoomSection::ToggleLink(TPair pair)
{
    TLink &link = m_links[size_t(pair)];
    const bool wasOn = link.On;
    link.On = !link.Button->isChecked();
    if (wasOn || !link.On)
        return;
    const bool zoom = IsZoomWindowVar(link.First);
    const int first = zoom ? Slot0(link.First) : m_context.Driver.GetVar(link.First);
    const int second = zoom ? Slot0(link.Second) : m_context.Driver.GetVar(link.Second);
    if (second != 0)
        link.Ratio = (long double)first / second;
}

void TZoomSection::DragPosition(int varNumber)
{
    const bool pixels = PixelUnits();
    const int caption = varNumber == ZMHPOS ? m_preview->Zoom_HPos() : m_preview->Zoom_VPos();
    const TFieldRange range = FieldRange(true, pixels);
    const int value = std::clamp(ToDevice(caption, pixels), range.DeviceMin(), range.DeviceMax());
    if (MayWriteZoom())
        SendZoom(varNumber, value);
}

void TZoomSection::DragSize(int varNumber)
{
    const bool pixels = PixelUnits();
    const bool horizontal = varNumber == ZMHSIZE;
    const int percent = horizontal ? m_preview->Zoom_HSize() : m_preview->Zoom_VSize();
    const uint16_t outputSize = m_context.Driver.GetVar(horizontal ? OHSIZE : OVSIZE);
    const TFieldRange range = FieldRange(false, pixels);
    const TComDriver &driver = m_context.Driver;
    const int low = std::max<int>(range.DeviceMin(), driver.GetVarMin(varNumber));
    const int high = std::min<int>(range.DeviceMax(), driver.GetVarMax(varNumber));
    const int value = std::clamp(ZoomSizeDevice(percent, pixels, outputSize), low, high);
    if (MayWriteZoom())
        SendZoom(varNumber, value);
}

void TZoomSection::PressZoomPreset()
{
    if (!MayWriteZoom())
        return;
    TComDriverMorlix &driver = m_context.Driver;
    if (!PixelUnits()) {
        for (int varNumber : {ZMVPOS, ZMHPOS, ZMVSIZE, ZMHSIZE})
            driver.SendVar(varNumber, driver.GetVarDefault(varNumber));
        return;
    }
    // A window of the output's size with no offset.
    driver.SendVar(ZMVPOS, PixelCentre);
    driver.SendVar(ZMHPOS, PixelCentre);
    driver.SendVar(ZMHSIZE, driver.GetVar(OHSIZE));
    driver.SendVar(ZMVSIZE, driver.GetVar(OVSIZE));
}

void TZoomSection::PressPixelUnit()
{
    {
        // The pressed state follows the device, not the click.
        const QSignalBlocker block(m_pixelUnit);
        m_pixelUnit->setChecked(PixelUnits());
    }
    TComDriverMorlix &driver = m_context.Driver;
    driver.SendVar(ZMINDEX, 0);
    driver.SendVar(ZMSCALE, uint16_t((Slot0(ZMSCALE) % 128) ^ 1));
}

void TZoomSection::Wheel(int angleDelta)
{
    // A touchpad sends many small angles: whole steps only.
    m_wheelAngle += angleDelta;
    const int steps = m_wheelAngle / WheelStepAngle;
    m_wheelAngle -= steps * WheelStepAngle;
    if (steps == 0)
        return;
    const int step = RoundHalfEven((m_scale->maximum() - m_scale->minimum()) / 50.0);
    m_scale->setValue(m_scale->value() + steps * step);
}

bool TZoomSection::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel && (watched == m_preview || watched == m_zoomPage) && m_preview->hasFocus()
        && m_zoomPage->isVisible()) {
        Wheel(static_cast<QWheelEvent *>(event)->angleDelta().y());
        return true;
    }
    return QObject::eventFilter(watched, event);
}
