// The zoom memories: element 0 of the zoom arrays is the zoom in use,
// elements 1 to 8 the presets that POSMEMORYRESET clears.
#include "SimDevice.h"
#include "variables/VariableTable.h"

namespace {
constexpr int FirstPreset = 1;
constexpr int LastPreset = 8;
constexpr int ZoomArrays[] = {ZMSCALE, ZMHSIZE, ZMVSIZE, ZMHPOS, ZMVPOS};
} // namespace

void SimDevice::ResetZoomPresets()
{
    for (int varNumber : ZoomArrays)
        for (int element = FirstPreset; element <= LastPreset; ++element) {
            m_state.Restore(varNumber, element, VarTable[varNumber].Default);
            ReportElement(varNumber, element, true);
        }
    RestoreIndexes();
}

bool SimDevice::Ignores(const SimCommand &command) const
{
    return command.HasValue && m_ignoredWrites.contains(command.VarNumber);
}
