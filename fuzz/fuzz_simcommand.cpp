// Arbitrary chunks through the simulator's command parser, which keeps its
// state between chunks. Input: each chunk is one length byte followed by that
// many bytes; a length byte with the top bit set resets the parser first.
#include "SimCommandParser.h"
#include "variables/VariableTable.h"

#include <QByteArray>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static SimCommandParser parser;
    parser.Reset();
    size_t at = 0;
    while (at < size) {
        const uint8_t header = data[at++];
        if (header & 0x80)
            parser.Reset();
        const size_t length = std::min<size_t>(header & 0x7F, size - at);
        const QVector<SimCommand> commands =
            parser.Feed(QByteArray(reinterpret_cast<const char *>(data + at), qsizetype(length)));
        at += length;
        for (const SimCommand &command : commands) {
            if (command.VarNumber < 0 || command.VarNumber >= VarTableSize)
                std::abort();
            if (command.HasValue ? command.Value > SimCommandParser::ValueCeiling : command.Value != 0)
                std::abort();
        }
    }
    return 0;
}
