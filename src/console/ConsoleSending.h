#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// What the service console's send field puts on the link.
namespace ConsoleSending {

// Numbered as the console's options have always numbered them.
enum TMode {
    DirectWithCR = 0, // every key at once, CR included
    Direct = 1,       // every key at once but CR
    LineWithCR = 2,   // on Enter, the caret's line followed by CR
    Line = 3,         // on Enter, the caret's line alone
};

TMode ModeFor(bool direct, bool transmitCarriageReturn);
bool SendsEveryKey(TMode mode);
bool TransmitsCarriageReturn(TMode mode);

// Direct modes: what one typed key sends (empty: nothing).
QString TextForKey(TMode mode, const QString &keyText);
// Line modes: what Enter on this line sends; nothing for an empty line or a
// line that is a single backspace.
std::optional<QString> TextForLine(TMode mode, const QString &line);

// Sending "as typed": one text per character, every CR left out.
QStringList TypedCharacters(const QString &text);

} // namespace ConsoleSending
