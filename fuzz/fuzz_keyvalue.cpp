// Arbitrary bytes as a checksummed key=value file (the settings and the
// customisation files): read in both encodings, looked up, and checked. A
// list the checksum signs must pass its own check afterwards.
#include "common/FuzzFile.h"
#include "config/CheckSum_Halvor.h"
#include "config/KeyValueFile.h"

#include <QCoreApplication>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = FuzzFile::Write(QStringLiteral("settings.ini"), data, size);
    uint32_t sink = 0;
    for (const KeyValueFile::TEncoding encoding : {KeyValueFile::Latin1, KeyValueFile::Utf8}) {
        QStringList lines;
        if (!KeyValueFile::Read(path, lines, nullptr, encoding))
            std::abort(); // the file is there and readable
        for (const QString &line : lines) {
            // One CR is the line end; a second one is text of the line.
            if (line.contains(QLatin1Char('\n')))
                std::abort();
        }
        bool found = false;
        sink += uint32_t(KeyValueFile::Value(lines, QStringLiteral("CheckSum"), QString(), &found).size());
        sink += uint32_t(KeyValueFile::Value(lines, QStringLiteral("Morlix_VERSION_INI_FILE")).size());

        TCheckSum_Halvor check;
        QStringList checked = lines;
        check.Read_or_Write = _Read;
        check.SetStringlist_With_CheckSum(&checked);
        if (checked != lines)
            std::abort(); // a check never changes the list

        // Signed, it passes; written and read back, it still passes.
        TCheckSum_Halvor recheck;
        QStringList again = TCheckSum_Halvor::Signed(lines);
        recheck.Read_or_Write = _Read;
        recheck.SetStringlist_With_CheckSum(&again);
        if (recheck.InvalideFile())
            std::abort();
    }
    return int(sink & 0);
}
