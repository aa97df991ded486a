#pragma once
#include "transfer/ThreadFrame.h"

// The transfer-mode callback every owner of a transfer thread needs: it
// writes PMODE = 6 through the link.
TThreadFrame::TNotify TransferModeRequest(TComDriver &driver);
