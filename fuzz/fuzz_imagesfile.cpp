// Arbitrary bytes as the picture history ("ImagesFile.ini"). The list never
// exceeds its capacity, and a list saved and read back is the same list.
#include "common/FuzzFile.h"
#include "dialogs/ImageHistoryList.h"

#include <QCoreApplication>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = FuzzFile::Write(QStringLiteral("ImagesFile.ini"), data, size);
    TImageHistoryList list(path);
    list.Load();
    if (list.Paths().size() > TImageHistoryList::Capacity)
        std::abort();
    if (!list.Save().isEmpty())
        std::abort();
    TImageHistoryList again(path);
    if (!again.Load().isEmpty() || again.Paths() != list.Paths())
        std::abort();
    return 0;
}
