#include "LcdBrightnessPopup.h"

#include "VariableBinding.h"
#include "link/ComDriverMorlix.h"
#include "variables/MorlixVariables_d.h"

#include <QCursor>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>

TLcdBrightnessPopup::TLcdBrightnessPopup(const TMainContext &context, QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel_LCDBrightness"));
    setFixedSize(190, 41);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("TLcdBrightnessPopup { background: white; }"));
    auto *picture = new QLabel(this);
    picture->setPixmap(style()->standardIcon(QStyle::SP_DesktopIcon).pixmap(32, 32));
    picture->setGeometry(4, 4, 32, 32);
    auto *title = new QLabel(QStringLiteral("LCD Brightness"), this);
    title->setGeometry(40, 2, 110, 16);
    m_value = new QLabel(QStringLiteral("..."), this);
    m_value->setGeometry(155, 2, 30, 16);
    m_bar = new QScrollBar(Qt::Horizontal, this);
    m_bar->setObjectName(QStringLiteral("ScrollBar_LCDBRIGHTNESS"));
    m_bar->setGeometry(40, 20, 145, 17);

    TComDriverMorlix &driver = context.Driver;
    VariableBinding::ApplyRange(m_bar, driver, LCDBRIGHTNESS);
    connect(m_bar, &QScrollBar::valueChanged, this, [&driver](int position) {
        if (position != driver.GetVar(LCDBRIGHTNESS))
            driver.SendVar(LCDBRIGHTNESS, uint16_t(position));
    });
    // Registered directly: the value label waits for the first report.
    context.Changes.onLCDBRIGHTNESSChange([this, &driver] {
        const QSignalBlocker block(m_bar);
        m_bar->setValue(driver.GetVar(LCDBRIGHTNESS));
        m_value->setText(QString::number(driver.GetVar(LCDBRIGHTNESS)));
    });
    hide();
}

QString TLcdBrightnessPopup::ValueText() const
{
    return m_value->text();
}

void TLcdBrightnessPopup::ShowAtPointer()
{
    const QPoint pointer = parentWidget()->mapFromGlobal(QCursor::pos());
    move(pointer - QPoint(8, 8));
    show();
    raise();
}

void TLcdBrightnessPopup::HideUnlessPointerOver()
{
    if (isVisible() && !rect().contains(mapFromGlobal(QCursor::pos())))
        hide();
}
