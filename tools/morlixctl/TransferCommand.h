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

// "logo:N" (N from 1 to 4), "anim" or "frame"; nothing for anything else.
std::optional<TTransferDestination> ParseDestination(const QString &text);

// Runs a prepared thread's transfer over the link to its end, drawing the
// written and erased percentages on standard error when that is a terminal.
// Returns whether the transfer went through; the thread keeps its status.
bool RunTransfer(TCtlLink &link, TThreadFrame &thread);

// "12345 bytes sent, 678 received, 456 records, 1.23 s"
QString TransferSummary(const TThreadFrame &thread, qint64 elapsedMs);
