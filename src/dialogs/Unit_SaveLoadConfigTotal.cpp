#include "Unit_SaveLoadConfigTotal.h"

#include "OperatorPrompt.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TForm_SaveLoadConfigTotal::TForm_SaveLoadConfigTotal(TComDriver &driver, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_engine(driver)
{
    setObjectName(QStringLiteral("Form_SaveLoadConfigTotal"));
    setWindowTitle(QStringLiteral("Wait..."));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    m_caption = new QLabel(QStringLiteral("Wait..."), this);
    m_stepBar = new QProgressBar(this);
    m_stepBar->setObjectName(QStringLiteral("ProgressBar_Step"));
    m_tickBar = new QProgressBar(this);
    m_tickBar->setObjectName(QStringLiteral("ProgressBar_Total"));
    m_abort = new QPushButton(QStringLiteral("Abort"), this);
    m_abort->setObjectName(QStringLiteral("BitBtn_Abort"));
    layout->addWidget(m_caption);
    layout->addWidget(m_stepBar);
    layout->addWidget(m_tickBar);
    layout->addWidget(m_abort, 0, Qt::AlignRight);
    setFixedSize(360, 150);
    for (QProgressBar *bar : {m_stepBar, m_tickBar})
        bar->setValue(0);

    // Messages of a sequence come with the tick stopped.
    m_engine.SetMessageHandler([this](const QString &text) {
        TOperatorPrompt::Inform(isVisible() ? this : parentWidget(), text, TOperatorPrompt::Warning);
    });
    connect(&m_engine, &TConfigTotal::Progress, this, &TForm_SaveLoadConfigTotal::ShowProgress);
    connect(&m_engine, &TConfigTotal::Finished, this, [this](TConfigOutcome outcome) {
        m_outcome = outcome;
        if (isVisible())
            accept();
    });
    connect(m_abort, &QPushButton::clicked, this, &TForm_SaveLoadConfigTotal::reject);
}

void TForm_SaveLoadConfigTotal::reject()
{
    // Closing the window is "Abort": the result is OK either way.
    m_engine.Abort();
    accept();
}

void TForm_SaveLoadConfigTotal::ShowProgress(int step, int lastStep, int tick, int ticks)
{
    if (step == 1) {
        m_stepBar->setRange(1, lastStep);
        m_tickBar->setRange(0, ticks);
    }
    if (step == 0 || step == lastStep) {
        m_stepBar->setValue(m_stepBar->minimum());
        m_tickBar->setValue(0);
        return;
    }
    m_stepBar->setValue(std::clamp(step, m_stepBar->minimum(), m_stepBar->maximum()));
    // A read that waits for the device takes more ticks than it counts on.
    if (tick > m_tickBar->maximum())
        m_tickBar->setMaximum(tick);
    m_tickBar->setValue(tick);
}

TConfigOutcome TForm_SaveLoadConfigTotal::Run(const QString &caption, bool started)
{
    if (!started)
        return TConfigOutcome::Failed;
    m_caption->setText(caption);
    setWindowTitle(caption);
    m_outcome = TConfigOutcome::Completed;
    if (parentWidget())
        move(parentWidget()->geometry().center() - rect().center());
    // The engine may already have ended (a refused file) before the window shows.
    if (m_engine.Running() != TConfigSequence::None)
        exec();
    return m_outcome;
}

TConfigOutcome TForm_SaveLoadConfigTotal::RunFileWrite(const QString &path, const TZoomSlots &zoom,
                                                       const TPresetCaptions &captions)
{
    return Run(SaveCaption(), m_engine.StartFileWrite(path, zoom, captions));
}

TConfigOutcome TForm_SaveLoadConfigTotal::RunFileRead(const QString &path, const TZoomSlots &zoom)
{
    return Run(LoadCaption(), m_engine.StartFileRead(path, zoom));
}

TConfigOutcome TForm_SaveLoadConfigTotal::RunPresetStore(int preset, const TZoomSlots &zoom)
{
    return Run(QStringLiteral("Wait..."), m_engine.StartPresetStore(preset, zoom));
}

TConfigOutcome TForm_SaveLoadConfigTotal::RunPresetRecall(int preset, const TZoomSlots &zoom)
{
    return Run(QStringLiteral("Wait..."), m_engine.StartPresetRecall(preset, zoom));
}
