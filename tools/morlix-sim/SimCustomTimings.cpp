#include "SimCustomTimings.h"

#include "SimDevice.h"
#include "variables/VariableTable.h"

#include <algorithm>

namespace {

enum TOperation { LoadOperation = 0, SaveOperation = 1, EraseOperation = 2 };

uint16_t Sum(const SimDeviceState &state, std::initializer_list<int> fields)
{
    uint32_t sum = 0;
    for (int field : fields)
        sum += state.Value(field);
    return uint16_t(std::min<uint32_t>(sum, 65535));
}

bool IsTimingField(int varNumber)
{
    return varNumber >= OCFULL_HSYNC && varNumber <= OCFULL_SCANTYPE && varNumber != OCFULL_HTOTAL &&
           varNumber != OCFULL_VTOTAL;
}

} // namespace

uint16_t SimCustomTimings::HorizontalTotal(const SimDeviceState &state)
{
    return Sum(state, {OCFULL_HSYNC, OCFULL_HBACKPORCH, OCFULL_HFRONTPORCH, OCFULL_HUTIL});
}

uint16_t SimCustomTimings::VerticalTotal(const SimDeviceState &state)
{
    const uint16_t first = Sum(state, {OCFULL_VSYNC, OCFULL_VBACKPORCH0, OCFULL_VFRONTPORCH0, OCFULL_VUTIL0});
    if (state.Value(OCFULL_SCANTYPE) == 0)
        return first;
    const uint16_t second = Sum(state, {OCFULL_VSYNC, OCFULL_VBACKPORCH1, OCFULL_VFRONTPORCH1, OCFULL_VUTIL1});
    return uint16_t(std::min<uint32_t>(uint32_t(first) + second, 65535));
}

void SimCustomTimings::Execute(uint32_t value)
{
    SimDeviceState &state = m_device.State();
    m_device.StoreAndReport(OCEXECUTE, 0, value);
    if (state.Value(OCEXECUTE) == 0)
        return;
    const int memory = state.Value(OCSETTINGNUMBER);
    SimCustomMemories &memories = state.CustomMemories();
    switch (state.Value(OCCTRL)) {
    case LoadOperation:
        Load(memory);
        break;
    case SaveOperation: {
        const auto &fields = SimCustomMemories::Fields();
        for (size_t i = 0; i < fields.size(); ++i)
            memories.Memory(memory).Values[i] = state.Value(fields[i]);
        break;
    }
    case EraseOperation:
        memories.Reset(memory);
        Load(memory);
        break;
    default:
        break;
    }
    m_device.StoreAndReport(OCEXECUTE, 0, 0);
}

void SimCustomTimings::Load(int memory)
{
    const SimCustomMemories::TMemory &stored = m_device.State().CustomMemories().Memory(memory);
    const auto &fields = SimCustomMemories::Fields();
    for (size_t i = 0; i < fields.size(); ++i)
        m_device.StoreAndReport(fields[i], 0, stored.Values[i]);
    ReportTotals();
    ReportName(memory);
}

void SimCustomTimings::Written(int varNumber)
{
    SimDeviceState &state = m_device.State();
    if (varNumber == OCNAME) {
        const int position = state.Value(OCNAMEINDEX);
        state.CustomMemories().Memory(state.Value(OCSETTINGNUMBER)).Name[size_t(position)] =
            uint8_t(state.Value(OCNAME));
    } else if (IsTimingField(varNumber)) {
        ReportTotals();
    }
}

void SimCustomTimings::ReportTotals()
{
    SimDeviceState &state = m_device.State();
    m_device.StoreAndReport(OCFULL_HTOTAL, 0, HorizontalTotal(state));
    m_device.StoreAndReport(OCFULL_VTOTAL, 0, VerticalTotal(state));
}

void SimCustomTimings::ReportName(int memory)
{
    const SimCustomMemories::TMemory &stored = m_device.State().CustomMemories().Memory(memory);
    const int length = SimCustomMemories::NameLength(stored);
    for (int position = 0; position <= length; ++position) {
        m_device.Write(OCNAMEINDEX, -1, uint32_t(position));
        m_device.StoreAndReport(OCNAME, 0, position < length ? stored.Name[size_t(position)] : 0);
    }
}

void SimCustomTimings::ReportNames()
{
    SimDeviceState &state = m_device.State();
    const uint16_t selected = state.Value(OCSETTINGNUMBER);
    for (int memory = 0; memory < SimCustomMemories::Count; ++memory) {
        m_device.StoreAndReport(OCSETTINGNUMBER, 0, uint32_t(memory));
        ReportName(memory);
    }
    m_device.StoreAndReport(OCSETTINGNUMBER, 0, selected);
}
