#pragma once
#include <QString>

// A bar redrawn in place on standard error while that is a terminal, so that
// a long command shows how far it is; nothing at all when standard error is
// a file or a pipe, so that scripts read clean output.
class TCtlProgressBar
{
public:
    TCtlProgressBar();
    ~TCtlProgressBar();

    // "[#####     ] detail" for percent from 0 to 100; drawn again only when
    // something changed.
    void Show(int percent, const QString &detail);
    // Ends the bar's line, once something was drawn.
    void End();

private:
    bool m_terminal;
    QString m_shown;
};
