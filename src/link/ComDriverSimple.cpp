#include "ComDriverSimple.h"

namespace {

// The longest valid line is 9 characters; ten are kept of an unfinished one
// so that it may still be completed by its CR LF.
constexpr qsizetype KeptOfUnfinishedLine = 10;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

void TComDriverSimple::ParseReceived()
{
    QByteArray &accumulator = Accumulator();
    // A handler may switch to raw mode: what is left then belongs to the
    // reader of raw text.
    while (InVarMode()) {
        const qsizetype end = accumulator.indexOf("\r\n");
        if (end < 0) {
            if (accumulator.size() > KeptOfUnfinishedLine)
                accumulator.remove(0, accumulator.size() - KeptOfUnfinishedLine);
            return;
        }
        const std::optional<TReply> reply = matchReply(accumulator.constData(), end);
        if (reply)
            SetReceivedString(QString::fromLatin1(accumulator.constData(), end));
        // Consumed before its events: a handler may run a nested parse.
        accumulator.remove(0, end + 2);
        if (reply)
            handleReply(*reply);
    }
}

std::optional<TComDriverSimple::TReply> TComDriverSimple::matchReply(const char *line, qsizetype length)
{
    if (m_replyIndex.size() == 0) {
        for (size_t n = 0; n < m_variables.size(); ++n) {
            const QByteArray mnemonic = m_variables[n]->ReplyMnemonic.toLatin1();
            if (!m_replyIndex.contains(mnemonic)) // the first one wins
                m_replyIndex.insert(mnemonic, int(n));
        }
    }
    qsizetype digits = 0;
    while (digits < length && !isDigit(line[digits]))
        ++digits;
    if (digits == 0 || digits == length)
        return std::nullopt;
    const auto found = m_replyIndex.constFind(QByteArray::fromRawData(line, digits));
    if (found == m_replyIndex.constEnd())
        return std::nullopt;
    uint32_t value = 0;
    for (qsizetype i = digits; i < length; ++i) {
        if (!isDigit(line[i]))
            return std::nullopt;
        value = value * 10 + uint32_t(line[i] - '0');
        // Leading zeros are fine; a value beyond 16 bits is not a reply.
        if (value > 0xFFFF)
            return std::nullopt;
    }
    return TReply{found.value(), uint16_t(value)};
}

void TComDriverSimple::handleReply(const TReply &reply)
{
    RestartPollTimer();
    FireRecString();
    emit OnBeforeVarChange(reply.VarNumber, reply.Value);
    TVariable *variable = GetVariable(reply.VarNumber);
    const uint16_t cached = variable->GetValue();
    variable->SetValue(reply.Value);
    emit OnVarReceived(reply.VarNumber);
    // Compared with what was received, so a refused value still reports.
    if (reply.Value != cached)
        emit OnAfterVarChange(reply.VarNumber);
    ReplyHandled();
}

void TComDriverSimple::DoSendVar(int varNumber, uint16_t value)
{
    const TVariable *variable = GetVariable(varNumber);
    if (InVarMode())
        sendMessage(QString::number(value) + variable->SendMnemonic);
}

void TComDriverSimple::RequestVar(int varNumber)
{
    const TVariable *variable = GetVariable(varNumber);
    if (InVarMode())
        sendMessage(variable->SendMnemonic);
}

void TComDriverSimple::sendMessage(const QString &text)
{
    SendText(text);
    SetSentString(text);
    emit OnSentString();
}
