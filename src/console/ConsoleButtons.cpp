#include "ConsoleButtons.h"

#include <QGridLayout>
#include <QPushButton>

namespace {
// What separates the end of a scrolling caption from its start.
const QString ScrollGap = QStringLiteral("   ");
constexpr int CaptionMargin = 12;

// The longest start of the text that fits in the room.
QString FittingStart(const QFontMetrics &metrics, const QString &text, int room)
{
    qsizetype length = text.size();
    while (length > 0 && metrics.horizontalAdvance(text.left(length)) > room)
        --length;
    return text.left(length);
}
} // namespace

TConsoleButtons::TConsoleButtons(int scrollIntervalMs, QWidget *parent)
    : QWidget(parent), m_buttons(ConsoleFile::ButtonCount)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(3);
    for (int n = 0; n < ConsoleFile::ButtonCount; ++n) {
        auto *button = new QPushButton(this);
        button->setObjectName(QStringLiteral("Button_Command%1").arg(n));
        // The grid shares the width out: a caption never widens its button.
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        button->setMinimumWidth(60);
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(button, &QPushButton::clicked, this, [this, n] { emit Pressed(n); });
        connect(button, &QPushButton::customContextMenuRequested, this, [this, n] { emit EditRequested(n); });
        grid->addWidget(button, n / Columns, n % Columns);
        m_widgets << button;
    }
    m_scrollTimer.setInterval(scrollIntervalMs);
    connect(&m_scrollTimer, &QTimer::timeout, this, &TConsoleButtons::ScrollStep);
    ShowCaptions();
}

QString TConsoleButtons::CaptionOf(const ConsoleFile::TButton &button)
{
    return button.Descriptor.isEmpty() ? QStringLiteral("...") : button.Descriptor;
}

QString TConsoleButtons::HintOf(const ConsoleFile::TButton &button)
{
    return button.Descriptor + QStringLiteral(": \r\n") + button.Text;
}

void TConsoleButtons::SetButton(int n, const ConsoleFile::TButton &button)
{
    if (n < 0 || n >= m_buttons.size())
        return;
    m_buttons[n] = button;
    m_widgets[n]->setToolTip(HintOf(button));
    ShowCaptions();
}

bool TConsoleButtons::Fits(int n) const
{
    const QPushButton *button = m_widgets[n];
    return button->fontMetrics().horizontalAdvance(CaptionOf(m_buttons[n])) <= button->width() - CaptionMargin;
}

void TConsoleButtons::ShowCaptions()
{
    for (int n = 0; n < m_buttons.size(); ++n) {
        QPushButton *button = m_widgets[n];
        const QString caption = CaptionOf(m_buttons[n]);
        const int room = button->width() - CaptionMargin;
        if (Fits(n)) {
            button->setText(caption);
        } else if (m_scrolling && m_scrollTimer.isActive()) {
            // A marquee: the caption runs through the button and comes round again.
            const QString loop = caption + ScrollGap;
            const int shift = m_scrollOffset % int(loop.size());
            button->setText(FittingStart(button->fontMetrics(), loop.mid(shift) + loop.left(shift), room));
        } else {
            button->setText(button->fontMetrics().elidedText(caption, Qt::ElideRight, room));
        }
    }
}

void TConsoleButtons::ScrollStep()
{
    ++m_scrollOffset;
    ShowCaptions();
}

void TConsoleButtons::SetScrolling(bool scrolling)
{
    m_scrolling = scrolling;
    m_scrollOffset = 0;
    FollowVisibility();
}

void TConsoleButtons::FollowVisibility()
{
    if (m_scrolling && isVisible())
        m_scrollTimer.start();
    else
        m_scrollTimer.stop();
    ShowCaptions();
}

void TConsoleButtons::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    FollowVisibility();
}

void TConsoleButtons::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    FollowVisibility();
}

void TConsoleButtons::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    ShowCaptions();
}
