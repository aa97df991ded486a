#include "transfer/IntelHex.h"

namespace IntelHex {

namespace {

constexpr int HeaderBytes = 4; // length, address high, address low, type
constexpr int MaxDataBytes = 255;

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsHexDigit(char c)
{
    return HexValue(c) >= 0;
}

// The first ".0" or ".1" followed by CR: its position, or -1.
qsizetype FindShortReply(const QByteArray &buffer)
{
    for (qsizetype i = buffer.indexOf('.'); i >= 0 && i + 2 < buffer.size(); i = buffer.indexOf('.', i + 1)) {
        if ((buffer[i + 1] == '0' || buffer[i + 1] == '1') && buffer[i + 2] == '\r')
            return i;
    }
    return -1;
}

// The first ":" followed by whole hex bytes and CR: the range of its digits.
bool FindRecord(const QByteArray &buffer, qsizetype &digitsStart, qsizetype &digitsLength)
{
    for (qsizetype colon = buffer.indexOf(':'); colon >= 0; colon = buffer.indexOf(':', colon + 1)) {
        qsizetype end = colon + 1;
        while (end < buffer.size() && IsHexDigit(buffer[end]))
            ++end;
        const qsizetype length = end - colon - 1;
        if (end < buffer.size() && buffer[end] == '\r' && length > 0 && length % 2 == 0) {
            digitsStart = colon + 1;
            digitsLength = length;
            return true;
        }
    }
    return false;
}

} // namespace

uint8_t Checksum(const QByteArray &bytes)
{
    uint8_t sum = 0;
    for (char byte : bytes)
        sum = uint8_t(sum + uint8_t(byte));
    return uint8_t(-sum);
}

QByteArray Encode(const THexRecord &record)
{
    const QByteArray data = record.Data.left(MaxDataBytes);
    QByteArray bytes;
    bytes.reserve(HeaderBytes + data.size() + 1);
    bytes.append(char(data.size()));
    bytes.append(char(record.Address >> 8));
    bytes.append(char(record.Address & 0xFF));
    bytes.append(char(record.Type));
    bytes.append(data);
    bytes.append(char(Checksum(bytes)));
    return ':' + bytes.toHex().toUpper() + "\r\n";
}

QByteArray Encode(uint8_t type, uint16_t address, const QByteArray &data)
{
    return Encode(THexRecord{type, address, data});
}

QByteArray ShortReply(bool accepted)
{
    return accepted ? QByteArrayLiteral(".1\r\r\n") : QByteArrayLiteral(".0\r\r\n");
}

std::optional<THexRecord> Parse(const QByteArray &hexDigits)
{
    if (hexDigits.size() % 2 != 0)
        return std::nullopt;
    for (char c : hexDigits) {
        if (!IsHexDigit(c))
            return std::nullopt;
    }
    const QByteArray bytes = QByteArray::fromHex(hexDigits);
    if (bytes.size() < HeaderBytes + 1)
        return std::nullopt;
    const int dataLength = uint8_t(bytes[0]);
    if (bytes.size() != HeaderBytes + dataLength + 1)
        return std::nullopt;
    if (Checksum(bytes.left(bytes.size() - 1)) != uint8_t(bytes.back()))
        return std::nullopt;
    THexRecord record;
    record.Address = uint16_t(uint8_t(bytes[1]) << 8 | uint8_t(bytes[2]));
    record.Type = uint8_t(bytes[3]);
    record.Data = bytes.mid(HeaderBytes, dataLength);
    return record;
}

TFound TakeReply(QByteArray &buffer, THexRecord &reply)
{
    const qsizetype shortReply = FindShortReply(buffer);
    if (shortReply >= 0) {
        reply = THexRecord{buffer[shortReply + 1] == '1' ? rtAccepted : rtRefused, 0, {}};
        buffer.remove(shortReply, 3);
        return fReply;
    }
    qsizetype start = 0;
    qsizetype length = 0;
    if (!FindRecord(buffer, start, length))
        return fNothing;
    const std::optional<THexRecord> record = Parse(buffer.mid(start, length));
    buffer.clear();
    if (!record)
        return fDropped;
    reply = *record;
    return fReply;
}

} // namespace IntelHex
