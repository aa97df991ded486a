// Arbitrary bytes as the console's file ("Debug2007.ini"); the first byte
// sets how many lines the variable list has. Whatever was read must be
// written back into lines that read to the same contents.
#include "config/ConsoleFile.h"

#include <QByteArray>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int listLines = data[0];
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const ConsoleFile::TParsed parsed = ConsoleFile::Parse(bytes, listLines);
    if (parsed.Contents.Buttons.size() != ConsoleFile::ButtonCount || parsed.Contents.Checked.size() != listLines)
        std::abort();
    if (parsed.Complete != parsed.Problem.isEmpty())
        std::abort();
    if (!parsed.Complete)
        return 0;

    const QByteArray written = ConsoleFile::Lines(parsed.Contents).join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
    const ConsoleFile::TParsed again = ConsoleFile::Parse(written, listLines);
    if (!again.Complete || again.Contents.Buttons != parsed.Contents.Buttons ||
        again.Contents.Checked != parsed.Contents.Checked || again.Contents.Geometry != parsed.Contents.Geometry)
        std::abort();
    return 0;
}
