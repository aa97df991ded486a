#pragma once
#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QVector>
#include <cstdint>

// One command of the application: an optional decimal value followed by the
// send mnemonic of a variable ("1024RX" writes, "RX" asks).
struct SimCommand
{
    int VarNumber = -1;
    bool HasValue = false;
    uint32_t Value = 0;

    // The command as it travels on the line, for the log.
    QByteArray Text() const;
    bool operator==(const SimCommand &other) const
    {
        return VarNumber == other.VarNumber && HasValue == other.HasValue && Value == other.Value;
    }
};

// Cuts the application's byte stream into commands. Commands carry no
// terminator and may be split across chunks or packed several to a chunk, so
// the parser keeps its state between calls. Bytes that can never complete a
// send mnemonic are dropped one at a time, which resynchronises after noise.
class SimCommandParser
{
public:
    SimCommandParser();

    QVector<SimCommand> Feed(const QByteArray &bytes);
    void Reset();

    // Values above this are kept at it: the device clamps to the variable's
    // range anyway, and an endless run of digits must not overflow.
    static constexpr uint32_t ValueCeiling = 1000000;

private:
    void FeedByte(char byte, QVector<SimCommand> &out);
    void Resynchronise(QVector<SimCommand> &out);

    QHash<QByteArray, int> m_varBySendMnemonic;
    QSet<QByteArray> m_mnemonicPrefixes;
    bool m_hasValue = false;
    uint32_t m_value = 0;
    QByteArray m_mnemonic;
};
