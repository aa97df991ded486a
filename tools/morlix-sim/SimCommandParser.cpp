#include "SimCommandParser.h"
#include "variables/VariableTable.h"

#include <algorithm>

QByteArray SimCommand::Text() const
{
    QByteArray text = HasValue ? QByteArray::number(Value) : QByteArray();
    if (VarNumber >= 0 && VarNumber < VarTableSize)
        text += VarTable[VarNumber].SendMnemonic;
    return text;
}

SimCommandParser::SimCommandParser()
{
    for (int n = 0; n < VarTableSize; ++n) {
        const QByteArray mnemonic(VarTable[n].SendMnemonic);
        m_varBySendMnemonic.insert(mnemonic, n);
        for (int length = 1; length < mnemonic.size(); ++length)
            m_mnemonicPrefixes.insert(mnemonic.left(length));
    }
}

void SimCommandParser::Reset()
{
    m_hasValue = false;
    m_value = 0;
    m_mnemonic.clear();
}

QVector<SimCommand> SimCommandParser::Feed(const QByteArray &bytes)
{
    QVector<SimCommand> commands;
    for (char byte : bytes)
        FeedByte(byte, commands);
    return commands;
}

void SimCommandParser::FeedByte(char byte, QVector<SimCommand> &out)
{
    // A person typing into a terminal ends lines; a line end never belongs to
    // a command, so whatever was pending is abandoned.
    if (byte == '\r' || byte == '\n') {
        Reset();
        return;
    }
    if (m_mnemonic.isEmpty() && byte >= '0' && byte <= '9') {
        m_hasValue = true;
        m_value = std::min<uint32_t>(m_value * 10 + uint32_t(byte - '0'), ValueCeiling);
        return;
    }
    m_mnemonic += byte;
    const auto found = m_varBySendMnemonic.constFind(m_mnemonic);
    if (found != m_varBySendMnemonic.constEnd()) {
        // Send mnemonics are prefix-free, so a complete one ends the command.
        out.append(SimCommand{found.value(), m_hasValue, m_value});
        Reset();
        return;
    }
    if (!m_mnemonicPrefixes.contains(m_mnemonic))
        Resynchronise(out);
}

void SimCommandParser::Resynchronise(QVector<SimCommand> &out)
{
    // Drop the first pending byte and read the rest again from a clean state:
    // a command may start inside what looked like the tail of another.
    const QByteArray rest = m_mnemonic.mid(1);
    Reset();
    for (char byte : rest)
        FeedByte(byte, out);
}
