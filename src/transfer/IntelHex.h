#pragma once
#include <QByteArray>
#include <cstdint>
#include <optional>

// The record syntax both ends of a picture transfer speak: Intel HEX lines
// ":LLAAAATT<data>CC", and the short replies ".1" (go on) and ".0" (refused
// or stopped) that answer them.
namespace IntelHex {

enum TRecordType : uint8_t {
    rtData = 0x00,
    rtEnd = 0x01,
    rtParameter = 0x02,
    rtRepeat = 0x03,
    rtAbandon = 0x04,
    rtEraseProgress = 0x05,
    // The short replies, taken on reception as records without data.
    rtRefused = 0x12,
    rtAccepted = 0x14,
};

struct THexRecord
{
    uint8_t Type = 0;
    uint16_t Address = 0;
    QByteArray Data;

    bool operator==(const THexRecord &other) const
    {
        return Type == other.Type && Address == other.Address && Data == other.Data;
    }
    bool IsAccepted() const { return Type == rtAccepted; }
};

// Two's complement of the 8-bit sum of every byte before the checksum.
uint8_t Checksum(const QByteArray &bytes);

// One line as the application sends it: upper-case digits and CR LF.
// Data beyond 255 bytes cannot be framed and is cut there.
QByteArray Encode(const THexRecord &record);
QByteArray Encode(uint8_t type, uint16_t address, const QByteArray &data = {});

// ".1" or ".0" as the application sends it: the reply's own CR, then CR LF.
QByteArray ShortReply(bool accepted);

// The digits between ":" and the line end, in either case. Refuses text that
// is not whole bytes, a length field that disagrees with the data, fewer
// than the five bytes of an empty record, and a wrong checksum.
std::optional<THexRecord> Parse(const QByteArray &hexDigits);

// What one look at a receive buffer found.
enum TFound { fNothing, fReply, fDropped };

// Takes the next reply out of a receive buffer. A short reply is looked for
// first and only it is removed; otherwise a record ended by CR is taken and
// the whole buffer is cleared with it. A record that fails Parse is dropped
// the same way and reported as fDropped, never as a reply. Text without a
// complete reply stays where it is.
TFound TakeReply(QByteArray &buffer, THexRecord &reply);

} // namespace IntelHex
