#include "TerminatedText.h"
#include "ComError.h"

#include <QStringList>

QString TTerminatedText::Terminator() const
{
    QString text;
    for (char c : m_terminator)
        text += '#' + QString::number(uchar(c));
    return text;
}

void TTerminatedText::SetTerminator(const QString &text)
{
    const QString codes = text.mid(1);
    if (codes.isEmpty())
        throw EComError("Terminator String cannot be empty!");
    QByteArray terminator;
    for (const QString &piece : codes.split('#')) {
        bool ok = false;
        const uint code = piece.toUInt(&ok);
        if (!ok || code > 255) {
            m_terminator = "\r\n";
            throw EComError("Illegal terminator String.\rformat : #<asciicode>#<asciicode>#<...>\rexample: #13#10");
        }
        terminator += char(code);
    }
    m_terminator = terminator;
}

std::optional<QByteArray> TTerminatedText::Feed(const QByteArray &chunk)
{
    m_pending += chunk;
    const qsizetype end = m_pending.indexOf(m_terminator);
    if (end < 0)
        return std::nullopt;
    const qsizetype length = end + m_terminator.size();
    QByteArray piece = m_pending.left(length);
    m_pending.remove(0, length);
    return piece;
}
