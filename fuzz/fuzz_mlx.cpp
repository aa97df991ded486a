// Arbitrary bytes as a total configuration file ("*.mlx"). A file rarely
// carries a right checksum by chance, so when the first byte is odd the rest
// is signed before it is loaded, to reach the entries' own checks. A file
// that loads must build into lines that load to the same content.
#include "common/FuzzFile.h"
#include "config/CheckSum_Halvor.h"
#include "config/ConfigTotalFile.h"
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
    if (size == 0)
        return 0;
    const QString path = FuzzFile::Write(QStringLiteral("config.mlx"), data + 1, size - 1);
    if (data[0] & 1) {
        QStringList lines;
        KeyValueFile::Read(path, lines);
        KeyValueFile::Write(path, TCheckSum_Halvor::Signed(lines));
    }
    const ConfigTotalFile::TContent content = ConfigTotalFile::Load(path);
    if (content.Ok != content.Messages.isEmpty())
        std::abort(); // refused without a reason, or a reason given for a file taken
    if (!content.Ok)
        return 0;

    const ConfigTotalFile::TContent again = ConfigTotalFile::Parse(ConfigTotalFile::Build(content.Slots, content.Captions));
    if (!again.Ok || again.Slots.Values != content.Slots.Values || again.Captions != content.Captions)
        std::abort();
    return 0;
}
