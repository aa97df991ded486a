#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// Cuts a byte stream after a terminator, one piece per chunk fed: a second
// complete piece waits in the pending text until the next chunk.
class TTerminatedText
{
public:
    // "#" and the decimal code of each terminator character ("#13#10").
    QString Terminator() const;
    // The first character is skipped unread; the rest is decimal codes
    // separated by '#'. A bad text restores CR LF; both failures throw EComError.
    void SetTerminator(const QString &text);

    std::optional<QByteArray> Feed(const QByteArray &chunk);
    void Clear() { m_pending.clear(); }

private:
    QByteArray m_terminator = "\r\n";
    QByteArray m_pending;
};
