#include "MainStatusBar.h"

#include "StatusTicker.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>

TMainStatusBar::TMainStatusBar(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    setMouseTracking(true);
    // The panel widths are fixed: a small font keeps their texts whole.
    QFont small = font();
    small.setPixelSize(10);
    setFont(small);
    // Side by side as the panels of one bar: the bar's own spacing between
    // widgets would push the last panel past the window's edge.
    auto *row = new QWidget(this);
    row->setObjectName(QStringLiteral("StatusPanels"));
    row->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    addWidget(row);
    for (size_t i = 0; i < m_panels.size(); ++i) {
        auto *label = new QLabel(row);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setFixedWidth(PanelWidths[i]);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMouseTracking(true);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        layout->addWidget(label);
        m_panels[i] = label;
    }
    SetPanelText(ConnectionPanel, QStringLiteral("Device not connected"));
    SetConnectedIcon(false);
    m_ticker = new TStatusTicker(this);
    m_ticker->SetScrollWidth(PanelWidths[TickerPanel]);
    PlaceTicker();
}

void TMainStatusBar::SetPanelText(TPanel panel, const QString &text)
{
    m_panels[panel]->setText(text);
}

QString TMainStatusBar::PanelText(TPanel panel) const
{
    return m_panels[panel]->text();
}

void TMainStatusBar::SetConnectedIcon(bool connected)
{
    m_connectedIcon = connected;
    const auto icon = connected ? QStyle::SP_DialogApplyButton : QStyle::SP_DialogCancelButton;
    m_panels[IconPanel]->setPixmap(m_pictures.Picture(icon));
}

void TMainStatusBar::SetPanelPicture(TPanel panel, const QPixmap &picture)
{
    m_panels[panel]->setPixmap(picture);
}

QPixmap TMainStatusBar::PanelPicture(TPanel panel) const
{
    return m_panels[panel]->pixmap();
}

void TMainStatusBar::mouseMoveEvent(QMouseEvent *event)
{
    emit PointerOver();
    QStatusBar::mouseMoveEvent(event);
}

void TMainStatusBar::resizeEvent(QResizeEvent *event)
{
    QStatusBar::resizeEvent(event);
    PlaceTicker();
}

void TMainStatusBar::PlaceTicker()
{
    // Over panel 5, inside its frame.
    int left = m_panels[IconPanel]->parentWidget()->x();
    for (int panel = IconPanel; panel < TickerPanel; ++panel)
        left += PanelWidths[size_t(panel)];
    m_ticker->setGeometry(left + 2, 4, PanelWidths[TickerPanel] - 2, qMax(1, height() - 1 - 4));
    m_ticker->raise();
}
