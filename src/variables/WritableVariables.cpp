#include "variables/WritableVariables.h"
#include "variables/VariableTable.h"

#include <algorithm>
#include <iterator>

namespace WritableVariables {

namespace {
// clang-format off
constexpr int NeverWritten[] = {
    // The link itself and the service console's register window.
    DIESE, ADDRDBG, DATADBG, STBDBG, RSBDBG, NTBDBG, DOLLAR, DEV, ERROR, READY, AMX, XCR,
    // One-shot commands and the parameter of the picture sequencer's command.
    UPDATER, FACTORYRESET, POSMEMORYRESET, STORE, IAUTOSET, IMAGERESET, AUTOCAD, AUDIORESET,
    OCEXECUTE, PMODE, PEXECUTE, PABORT, EDIDSTORE, LANRESET, LANSTORE,
    // What the device reports about itself.
    COPKIND, COPPROGRESS, VERI1, VERI2, VERI3, VERI4, VERK, VERA, VERB, VERC, VERV, VERUPD, OPT, REV,
    // Status copies and measurements of the signals.
    STDBYSTATUS, ICH, IPCHANSTATUS, ISOURCESTABILITY, INAME, IFORMATLIST, IFORMATINDEXSTATUS,
    IHPOL, IVPOL, ISYNC, IFREQFIELD, IFREQLINE, IDVI_IS_HDCP, RHTOTALMAXI, ZMINDEXSTATUS,
    AMASTERVOLUME_STATUS, ALEVEL_STATUS, APCHANSTATUS, AREF_STATUS, OHSIZE, OVSIZE, ODVI_IS_HDCP,
    OCNAMEINDEXSTATUS, OCFULL_HTOTAL, OCFULL_VTOTAL, REFSTATUS, REFFORMAT, REFFREQ, REFLOCKSTATUS,
    PSTATUS, PVALID, PSTATUS_WIDTH, PSTATUS_HEIGHT, PSTATUS_STYLE, PSTATUS_FRAME_COUNT,
    PSTATUS_REFRESH_INTERVAL, LANPADIPSTATUS,
};
// clang-format on
} // namespace

bool IsRestorable(int varNumber)
{
    if (varNumber < 0 || varNumber >= VarTableSize)
        return false;
    return std::find(std::begin(NeverWritten), std::end(NeverWritten), varNumber) == std::end(NeverWritten);
}

bool IsSettingIndex(int varNumber)
{
    return varNumber != NoVar && std::any_of(std::begin(VarTable), std::end(VarTable),
                       [varNumber](const TVarDescriptor &row) { return row.IndexVar == varNumber; });
}

} // namespace WritableVariables
