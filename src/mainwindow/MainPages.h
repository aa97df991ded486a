#pragma once
#include "MainContext.h"

#include <QVector>
#include <QWidget>

class QTabWidget;

// One page of the main window. Each page is its own class: it builds its
// controls, binds them to their variables with VariableBinding and registers
// the change handlers of the variables it shows. A variable shown on several
// pages simply gets one handler per page.
class TMainPage : public QWidget
{
    Q_OBJECT
public:
    TMainPage(const TMainContext &context, const QString &name, const QString &caption, QWidget *parent = nullptr);

    QString Caption() const { return m_caption; }
    // The common update: shows, hides, enables and disables the page's
    // dependent controls from the device's state.
    virtual void CommonUpdate() {}

    // Page area of the main window, to the right of the button strip.
    static constexpr int Width = 657;
    static constexpr int Height = 455;

protected:
    const TMainContext &Context() const { return m_context; }

private:
    TMainContext m_context;
    QString m_caption;
};

// The pages in their order ("Input", "Output", "Image Setting", "Zoom/Shrink",
// "Logos/Frame", "Audio", "Status"), added to the page control.
QVector<TMainPage *> CreateMainPages(const TMainContext &context, QTabWidget *pageControl);
