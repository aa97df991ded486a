#pragma once
#include <QByteArray>

// Run-length coding of one colour channel of a block: (count, value) byte
// pairs, runs taken greedily from the left, none longer than 255.
namespace RunLength {

QByteArray Encode(const QByteArray &raw);

// Expands pairs until maxBytes are produced; a pair cut in half (an odd
// length) is ignored rather than guessed at.
QByteArray Decode(const QByteArray &pairs, int maxBytes);

} // namespace RunLength
