#pragma once
#include <QString>
#include <optional>

// A reply line as the service console logs it: the mnemonic is every
// character from "!" to "/" and from ":" to DEL (no digits, spaces, control
// or 8-bit characters), the value every digit, read as one decimal number.
struct TConsoleReply
{
    QString Mnemonic;
    // Unset when the digits make a number beyond 32 bits; 0 without digits.
    std::optional<quint32> Value;

    static TConsoleReply Split(const QString &line);
};
