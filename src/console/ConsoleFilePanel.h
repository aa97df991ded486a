#pragma once
#include <QWidget>

class QLabel;
class QToolButton;

// The small floating panel of a text file being sent: direct send, play,
// pause and stop, and the time between two played lines.
class TConsoleFilePanel : public QWidget
{
    Q_OBJECT
public:
    TConsoleFilePanel(int intervalMs, QWidget *parent = nullptr);

    QToolButton *DirectButton() const { return m_direct; }
    QToolButton *PlayButton() const { return m_play; }
    QToolButton *PauseButton() const { return m_pause; }
    QToolButton *StopButton() const { return m_stop; }

    // A file was chosen: direct send and play enabled, pause and stop not.
    void ShowReady(const QString &fileName);
    void ShowPlaying();
    void ShowBusy();

signals:
    void DirectRequested();
    void PlayRequested();
    void PauseToggled(bool paused);
    void StopRequested();

private:
    void Enable(bool direct, bool play, bool pause, bool stop);

    QLabel *m_file;
    QToolButton *m_direct;
    QToolButton *m_play;
    QToolButton *m_pause;
    QToolButton *m_stop;
};
