#include "CtlProgressBar.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {
constexpr int BarWidth = 30;
}

TCtlProgressBar::TCtlProgressBar() : m_terminal(isatty(STDERR_FILENO)) {}

TCtlProgressBar::~TCtlProgressBar()
{
    End();
}

void TCtlProgressBar::Show(int percent, const QString &detail)
{
    if (!m_terminal)
        return;
    const int filled = std::clamp(percent, 0, 100) * BarWidth / 100;
    const QString line = QStringLiteral("[%1%2] %3")
                             .arg(QString(filled, QLatin1Char('#')), QString(BarWidth - filled, QLatin1Char(' ')), detail);
    if (line == m_shown)
        return;
    m_shown = line;
    std::fprintf(stderr, "\r%s", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

void TCtlProgressBar::End()
{
    if (m_shown.isEmpty())
        return;
    m_shown.clear();
    std::fprintf(stderr, "\n");
    std::fflush(stderr);
}
