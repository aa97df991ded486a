// Arbitrary bytes as a settings or customisation file, read as the program
// reads it at start-up: checked, then taken apart into the connection and the
// operator's names without opening anything. What was read must be saved and
// read back the same, signature included.
#include "common/FuzzFile.h"
#include "config/CheckSum_Halvor.h"
#include "config/KeyValueFile.h"
#include "config/SettingsContent.h"

#include <QCoreApplication>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = FuzzFile::Write(QStringLiteral("Morlix.ini"), data, size);
    QStringList lines;
    if (!KeyValueFile::Read(path, lines))
        std::abort(); // the file is there and readable
    TCheckSum_Halvor check;
    check.Read_or_Write = _Read;
    check.SetStringlist_With_CheckSum(&lines);

    const std::optional<TSettingsContent> content = SettingsContent::Parse(lines);
    if (!content)
        return 0;
    const QStringList saved = SettingsContent::Lines(*content);
    if (SettingsContent::Parse(saved) != content)
        std::abort();

    const QString copy = FuzzFile::Folder().filePath(QStringLiteral("Saved.ini"));
    QString error;
    if (!KeyValueFile::Write(copy, TCheckSum_Halvor::Signed(saved), &error))
        std::abort();
    QStringList reread;
    if (!KeyValueFile::Read(copy, reread))
        std::abort();
    TCheckSum_Halvor recheck;
    recheck.Read_or_Write = _Read;
    recheck.SetStringlist_With_CheckSum(&reread);
    if (recheck.InvalideFile() || SettingsContent::Parse(reread) != content)
        std::abort();
    return 0;
}
