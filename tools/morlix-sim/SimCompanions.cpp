#include "SimCompanions.h"
#include "variables/VariableTable.h"

namespace SimCompanions {

namespace {
constexpr uint16_t UnityStep = 29;
constexpr uint16_t UnityStatus = 128;
constexpr uint16_t FloorStatus = 78;

int StatusIndexOf(int settingIndexVar)
{
    for (const TVarDescriptor &row : VarTable)
        if (row.IndexVar == settingIndexVar)
            return row.StatusIndexVar;
    return NoVar;
}
} // namespace

int FollowerOf(int varNumber)
{
    switch (varNumber) {
    case STDBYREQUEST: return STDBYSTATUS;
    case REFREQUEST: return REFSTATUS;
    case AMASTERVOLUME: return AMASTERVOLUME_STATUS;
    case ALEVEL: return ALEVEL_STATUS;
    // OCNAME is a scalar walked by hand, so its index is not in the table's
    // array links.
    case OCNAMEINDEX: return OCNAMEINDEXSTATUS;
    default: return StatusIndexOf(varNumber);
    }
}

uint16_t VolumeStatus(uint16_t step, uint16_t topStep, uint16_t topStatus)
{
    if (step <= UnityStep)
        return uint16_t(FloorStatus + (step * (UnityStatus - FloorStatus) + UnityStep / 2) / UnityStep);
    const int stepsAbove = topStep - UnityStep;
    return uint16_t(UnityStatus + ((step - UnityStep) * (topStatus - UnityStatus) + stepsAbove / 2) / stepsAbove);
}

bool FollowerValue(int varNumber, uint16_t writtenValue, uint16_t &followerValue)
{
    const int follower = FollowerOf(varNumber);
    if (follower == NoVar)
        return false;
    switch (varNumber) {
    case AMASTERVOLUME:
    case ALEVEL:
        followerValue = VolumeStatus(writtenValue, VarTable[varNumber].Max, VarTable[follower].Max);
        return true;
    case STDBYREQUEST:
        // The status is only on or off: every request but 0 ends in standby.
        followerValue = writtenValue == 0 ? 0 : 1;
        return true;
    default:
        followerValue = writtenValue;
        return writtenValue >= VarTable[follower].Min && writtenValue <= VarTable[follower].Max;
    }
}

} // namespace SimCompanions
