#pragma once
#include "CtlLink.h"
#include "transfer/ThreadFrame.h"

#include <QString>
#include <optional>

// Steps upload and download share.

// A destination in the device: kind (as in the flags byte) and number.
struct TTransferDestination
{
    int Kind = 0;
    int Number = 0;
    QString Name; // "logo 2", "anim", "frame"
};

// The options both commands take: --dest and --no-interlace.
struct TTransferTarget
{
    std::optional<TTransferDestination> Destination;
    bool Interlaced = true;

    // The flags byte for a picture of this kind: the kind and the interlacing.
    uint8_t FlagsFor(int kind) const;
};

// Takes arguments[i] when it is one of the shared options (and its value,
// advancing i). Returns true when it was one; error is set when it was given
// wrong.
bool TakeTargetOption(const QStringList &arguments, int &i, TTransferTarget &target, QString &error);

// Runs a prepared thread's transfer over the link to its end, drawing the
// written and erased percentages on standard error when that is a terminal.
// Returns whether the transfer went through; the thread keeps its status.
bool RunTransfer(TCtlLink &link, TThreadFrame &thread);

// The thread's status after a failed transfer, its failure status when it
// left none.
QString FailureText(const TThreadFrame &thread);

// "12345 bytes sent, 678 received, 456 records, 1.23 s"
QString TransferSummary(const TThreadFrame &thread, qint64 elapsedMs);
