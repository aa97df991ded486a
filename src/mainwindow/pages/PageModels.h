#pragma once
// The shared state the sections work with besides the driver: the copies
// filed under the status index variables, the messages raised by handlers
// and the common update. The main window builds them before any page (their
// handlers must run first) and hands them out through TMainContext::Models.
#include "CommonUpdate.h"
#include "DeferredMessages.h"
#include "StatusIndexedCopies.h"

#include "variables/VariableTable.h"

class QWidget;

struct TPageModels
{
    TPageModels(TComDriver &driver, TMorlixVariables &changes, QWidget *window)
        : Inputs(driver, changes, IPCHANSTATUS), Audios(driver, changes, APCHANSTATUS),
          ZoomSlots(driver, changes, ZMINDEXSTATUS), Messages(window), CommonUpdate(driver, changes, Inputs)
    {
    }

    TStatusIndexedCopies Inputs;    // ITYPE, ILOAD, IUSED, IAMAP, INAME... per input 1 to 5
    TStatusIndexedCopies Audios;    // ALEVEL, ALEVEL_STATUS, ABALANCE per audio source
    TStatusIndexedCopies ZoomSlots; // ZMSCALE, ZMHPOS, ZMVPOS, ZMHSIZE, ZMVSIZE per slot 0 to 8
    TDeferredMessages Messages;
    TCommonUpdate CommonUpdate;
};
