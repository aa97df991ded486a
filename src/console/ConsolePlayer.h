#pragma once
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

// Plays a text file to the device line by line, one line per tick of its
// timer, each line sent without its line end. When the link cannot take a
// line (a picture transfer holds it), the line waits for a later tick.
class TConsolePlayer : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultIntervalMs = 5500;

    // Sends one line; false when the link cannot take it now.
    using TSend = std::function<bool(const QString &line)>;

    explicit TConsolePlayer(TSend send, int intervalMs = DefaultIntervalMs, QObject *parent = nullptr);

    int IntervalMs() const { return m_timer.interval(); }
    void Load(const QString &text);
    QString Text() const { return m_text; }
    QStringList Lines() const { return m_lines; }

    // From the start after a stop or at the end, otherwise from where it is.
    void Play();
    void SetPaused(bool paused);
    void Stop();
    bool IsPlaying() const { return m_playing; }
    bool IsPaused() const { return m_playing && !m_timer.isActive(); }
    bool IsWaiting() const { return m_waiting; }
    int Position() const { return m_next; }

    // One tick of the timer (public so that a test can step it).
    void Tick();

signals:
    void LineSent(const QString &line, int position, int total);
    // The link refused a line; it is tried again at the next tick.
    void Waiting();
    void Finished();

private:
    TSend m_send;
    QTimer m_timer;
    QString m_text;
    QStringList m_lines;
    int m_next = 0;
    bool m_playing = false;
    bool m_waiting = false;
};
