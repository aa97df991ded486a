#pragma once
#include "MainContext.h"

#include <QVector>
#include <QWidget>

class QTabWidget;

// One page of the main window: a surface the sections lay their controls on.
// The controls, their writes, their change handlers and their common-update
// rules belong to the section of the subsystem they serve (pages/), wherever
// they sit: one section may place controls on several pages, and one page
// may host several sections. A page nobody hosts yet shows its caption.
class TMainPage : public QWidget
{
    Q_OBJECT
public:
    TMainPage(const TMainContext &context, const QString &name, const QString &caption, QWidget *parent = nullptr);

    QString Caption() const { return m_caption; }
    // The surface for a section's controls; the caption placeholder goes.
    QWidget *Host();

    // Page area of the main window, to the right of the button strip.
    static constexpr int Width = 657;
    static constexpr int Height = 455;

protected:
    const TMainContext &Context() const { return m_context; }

private:
    TMainContext m_context;
    QString m_caption;
    QWidget *m_placeholder = nullptr;
};

// The pages by their place in the page strip.
enum TMainPageIndex { PageInput, PageOutput, PageImage, PageZoom, PageLogo, PageAudio, PageStatus, PageCount };

// The pages in their order ("Input", "Output", "Image Setting", "Zoom/Shrink",
// "Logos/Frame", "Audio", "Status"), added to the page control.
QVector<TMainPage *> CreateMainPages(const TMainContext &context, QTabWidget *pageControl);
