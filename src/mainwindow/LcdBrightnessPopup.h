#pragma once
#include "MainContext.h"

#include <QFrame>

class QLabel;
class QScrollBar;

// The small white panel that sets the front panel's LCD brightness. Moving
// its bar writes at once; it closes when the pointer has left it.
class TLcdBrightnessPopup : public QFrame
{
    Q_OBJECT
public:
    TLcdBrightnessPopup(const TMainContext &context, QWidget *parent);

    QScrollBar *Bar() const { return m_bar; }
    QString ValueText() const;
    // Shows the pop-up with its top-left corner 8 pixels left of and above the pointer.
    void ShowAtPointer();
    // The one-second check: hides the pop-up when the pointer is not over it.
    void HideUnlessPointerOver();

private:
    QLabel *m_value;
    QScrollBar *m_bar;
};
