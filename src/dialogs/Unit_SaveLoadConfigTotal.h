#pragma once
// The progress window of the total configuration sequences: a thin modal
// window over the engine (config/Unit_ConfigTotal). It shows the step and
// the ticks on two bars; "Abort", its close button and Escape end the
// sequence at once.
#include "config/Unit_ConfigTotal.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class TComDriver;

class TForm_SaveLoadConfigTotal : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_SaveLoadConfigTotal(TComDriver &driver, QWidget *parent = nullptr);

    TConfigTotal &Engine() { return m_engine; }
    QProgressBar *StepBar() const { return m_stepBar; }
    QProgressBar *TickBar() const { return m_tickBar; }
    QPushButton *AbortButton() const { return m_abort; }
    QLabel *Caption() const { return m_caption; }

    // Each runs its sequence with the window shown modally and returns once
    // it ended (or at once, with the reason told, when it cannot start).
    TConfigOutcome RunFileWrite(const QString &path, const TZoomSlots &zoom, const TPresetCaptions &captions);
    TConfigOutcome RunFileRead(const QString &path, const TZoomSlots &zoom);
    TConfigOutcome RunPresetStore(int preset, const TZoomSlots &zoom);
    TConfigOutcome RunPresetRecall(int preset, const TZoomSlots &zoom);

    static QString SaveCaption() { return QStringLiteral("Please wait save configuration..."); }
    static QString LoadCaption() { return QStringLiteral("Please wait load configuration..."); }

protected:
    void reject() override;

private:
    TConfigOutcome Run(const QString &caption, bool started);
    void ShowProgress(int step, int lastStep, int tick, int ticks);

    TConfigTotal m_engine;
    QLabel *m_caption = nullptr;
    QProgressBar *m_stepBar = nullptr;
    QProgressBar *m_tickBar = nullptr;
    QPushButton *m_abort = nullptr;
    TConfigOutcome m_outcome = TConfigOutcome::Completed;
};
