#pragma once
// The output's constant tables. For now the names the status page shows: the
// reference captions and the output format names; the output page adds its
// per-format columns (rates, signal types, scan, wide screen) here.
#include "ItemTable.h"

namespace OutputTables {

// REFREQUEST and REFSTATUS captions: position = value (REFSTATUS 7 is "Error").
extern const TItemTable ReferenceCaptions;
// Output formats: position = OFORMAT, Value = the format's item in the
// output format selector.
extern const TItemTable FormatNames;

} // namespace OutputTables
