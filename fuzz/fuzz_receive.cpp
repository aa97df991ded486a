// Arbitrary chunks through the driver's receive path, in both connection
// modes. Input: each chunk is one length byte followed by that many bytes; a
// length byte with the top bit set also toggles raw mode before its chunk.
#include "link/ComDriverMorlix.h"

#include <QCoreApplication>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TComDriverMorlix link;
    uint32_t sink = 0;
    bool checking = false;
    QObject::connect(&link, &TComDriver::OnVarReceived, [&](int n) { sink += link.GetVar(n); });
    QObject::connect(&link, &TComDriver::OnRecString, [&] {
        if (!checking && link.ConMode() == cmRAW)
            sink += uint32_t(link.TakeReceivedText().size());
    });
    size_t at = 0;
    while (at < size) {
        const uint8_t header = data[at++];
        if (header & 0x80)
            link.SetConMode(link.ConMode() == cmVAR ? cmRAW : cmVAR);
        const size_t length = std::min<size_t>(header & 0x7F, size - at);
        link.ReceiveChunk(QByteArray(reinterpret_cast<const char *>(data + at), qsizetype(length)));
        at += length;
        if (link.ConMode() == cmVAR) {
            // Parsed text never leaves more than an unfinished line behind.
            checking = true;
            link.SetConMode(cmRAW);
            const QString rest = link.TakeReceivedText();
            if (rest.size() > 10 || rest.contains("\r\n"))
                std::abort();
            link.ReceiveChunk(rest.toLatin1()); // put it back as it was
            link.SetConMode(cmVAR);
            checking = false;
        }
    }
    return int(sink & 0);
}
