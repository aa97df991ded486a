#include "transfer/TransferMode.h"

#include "variables/VariableTable.h"

namespace {
constexpr uint16_t PModeTransfer = 6;
}

TThreadFrame::TNotify TransferModeRequest(TComDriver &driver)
{
    return [&driver] { driver.SendVar(PMODE, PModeTransfer); };
}
