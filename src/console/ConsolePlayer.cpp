#include "ConsolePlayer.h"
#include "config/TextLines.h"

TConsolePlayer::TConsolePlayer(TSend send, int intervalMs, QObject *parent)
    : QObject(parent), m_send(std::move(send))
{
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &TConsolePlayer::Tick);
}

void TConsolePlayer::Load(const QString &text)
{
    Stop();
    m_text = text;
    m_lines = TextLines::Split(text);
}

void TConsolePlayer::Play()
{
    if (!m_playing)
        m_next = 0;
    m_playing = true;
    m_timer.start();
}

void TConsolePlayer::SetPaused(bool paused)
{
    if (!m_playing)
        return;
    if (paused)
        m_timer.stop();
    else
        m_timer.start();
}

void TConsolePlayer::Stop()
{
    m_timer.stop();
    m_playing = false;
    m_waiting = false;
    m_next = 0;
}

void TConsolePlayer::Tick()
{
    if (!m_playing)
        return;
    // The end is seen one tick after the last line, so the last line gets
    // its full interval like the others.
    if (m_next >= m_lines.size()) {
        Stop();
        emit Finished();
        return;
    }
    const QString line = m_lines[m_next];
    m_waiting = !m_send(line);
    if (m_waiting) {
        emit Waiting();
        return;
    }
    ++m_next;
    emit LineSent(line, m_next, int(m_lines.size()));
}
