#pragma once
// What the device does with its custom output timings. The working copy is
// the OCADVANCED, OCCVT_... and OCFULL_... variables; OCSETTINGNUMBER selects
// a memory and OCEXECUTE 1 carries out OCCTRL on it: 0 loads the memory into
// the working copy (reported, then its name one code at a time under
// OCNAMEINDEX), 1 saves the working copy into it, 2 erases it (and loads the
// erased memory). A name is written straight into the selected memory, one
// OCNAMEINDEX/OCNAME pair at a time. The totals (OCFULL_HTOTAL,
// OCFULL_VTOTAL) follow the full timing's fields.
#include <cstdint>

class SimDevice;
class SimDeviceState;

class SimCustomTimings
{
public:
    explicit SimCustomTimings(SimDevice &device) : m_device(device) {}

    static uint16_t HorizontalTotal(const SimDeviceState &state);
    // An interlaced timing (scan type other than 0) counts both fields.
    static uint16_t VerticalTotal(const SimDeviceState &state);

    void Execute(uint32_t value);
    // After the device stored and reported a write.
    void Written(int varNumber);
    // Every memory's name, each under its setting, then the selected setting
    // again: part of the full resend.
    void ReportNames();

private:
    void Load(int memory);
    void ReportName(int memory);
    void ReportTotals();

    SimDevice &m_device;
};
