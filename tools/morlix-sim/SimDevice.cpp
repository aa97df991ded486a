#include "SimDevice.h"
#include "SimCapture.h"
#include "SimCompanions.h"
#include "SimPicture.h"
#include "variables/VariableTable.h"

#include <QSet>

namespace {
// AMX and XCR are tags of an AMX controller: the device takes them and never
// answers ("NULL" marks them as having no reply).
bool HasNoReply(int varNumber)
{
    return varNumber == AMX || varNumber == XCR;
}

// The elements an index variable can actually select (element 0 of the
// input arrays is never used: IPCHAN starts at 1).
bool IsSelectable(int indexVar, int element)
{
    return element >= VarTable[indexVar].Min && element <= VarTable[indexVar].Max;
}
} // namespace

SimDevice::SimDevice(QObject *parent) : QObject(parent)
{
    connect(&m_operations, &SimOperations::Begun, this, &SimDevice::OnOperationBegun);
    connect(&m_operations, &SimOperations::Progressed, this, &SimDevice::OnOperationProgressed);
    connect(&m_operations, &SimOperations::Finished, this, &SimDevice::OnOperationFinished);
}

void SimDevice::Execute(const SimCommand &command)
{
    if (command.VarNumber < 0 || command.VarNumber >= VarTableSize || Ignores(command))
        return;
    if (command.HasValue)
        Write(command.VarNumber, -1, command.Value);
    else
        Request(command.VarNumber);
}

void SimDevice::Request(int varNumber)
{
    if (HasNoReply(varNumber))
        return;
    if (SimDeviceState::IsArray(varNumber))
        ReportElement(varNumber, m_state.CurrentElement(varNumber), false);
    else
        ReportLine(varNumber, m_state.Value(varNumber));
}

void SimDevice::Write(int varNumber, int element, uint32_t value)
{
    switch (varNumber) {
    case DEV:
        // The type code is fixed; "0?" is the application saying it lost
        // the device, and needs no answer.
        return;
    case ICHN:
        m_signals.RequestInput(value);
        return;
    case OCEXECUTE:
        m_customTimings.Execute(value);
        return;
    case DIESE:
        if (value != 0)
            FullResend();
        else
            ReportLine(DIESE, 0);
        return;
    default:
        break;
    }
    if (HasNoReply(varNumber)) {
        m_state.Store(varNumber, 0, value);
        return;
    }
    if (SimOperations::IsOneShot(varNumber) && value != 0) {
        m_operations.Start(varNumber);
        return;
    }
    const int current = m_state.CurrentElement(varNumber);
    const int target = element < 0 ? current : element;
    StoreAndReport(varNumber, target, value);
    if (SimRegisters::FollowWrite(m_state, varNumber))
        ReportLine(DATADBG, m_state.Value(DATADBG));
    if (varNumber == ICH)
        m_signals.ActiveInputChanged();
    m_customTimings.Written(varNumber);
    if (varNumber == PSTATUS_INDEX)
        SimCapture::ReportSize(*this);

    uint16_t followerValue = 0;
    if (SimCompanions::FollowerValue(varNumber, m_state.Value(varNumber, target), followerValue))
        StoreAndReport(SimCompanions::FollowerOf(varNumber), target, followerValue);
    if (SimOutput::Follows(varNumber))
        for (const SimOutput::TCompanion &companion : m_output.Companions(m_state))
            StoreAndReport(companion.VarNumber, 0, companion.Value);
    if (SimAudio::Follows(varNumber))
        StoreAndReport(AREF_STATUS, 0, m_audio.ReferenceStatus(m_state));
}

void SimDevice::StoreAndReport(int varNumber, int element, uint32_t value)
{
    if (!SimDeviceState::IsArray(varNumber)) {
        ReportLine(varNumber, m_state.Store(varNumber, 0, value));
        return;
    }
    m_state.Store(varNumber, element, value);
    const bool isCurrent = element == m_state.CurrentElement(varNumber);
    ReportElement(varNumber, element, !isCurrent);
    if (!isCurrent)
        RestoreIndexes();
}

void SimDevice::ReportLine(int varNumber, uint16_t value)
{
    emit Report(QByteArray(VarTable[varNumber].ReplyMnemonic) + QByteArray::number(value));
}

void SimDevice::ReportStatusIndex(int arrayVar, int element)
{
    // IFORMATINDEXSTATUS reaches only 3 of IFORMATLIST's 5 elements: the
    // others go out without a status report rather than under a wrong one.
    const TVarDescriptor &row = VarTable[arrayVar];
    if (row.StatusIndexVar != NoVar && element < row.StatusArraySize && IsSelectable(row.StatusIndexVar, element))
        ReportLine(row.StatusIndexVar, uint16_t(element));
}

void SimDevice::ReportElement(int varNumber, int element, bool withSettingIndex)
{
    // The application files an array value under its own copy of the setting
    // index, so an element other than the current one needs that index first.
    if (withSettingIndex)
        ReportLine(VarTable[varNumber].IndexVar, uint16_t(element));
    ReportStatusIndex(varNumber, element);
    ReportLine(varNumber, m_state.Value(varNumber, element));
}

void SimDevice::RestoreIndexes()
{
    QSet<int> restored;
    for (const TVarDescriptor &row : VarTable) {
        if (row.IndexVar == NoVar || restored.contains(row.IndexVar))
            continue;
        restored.insert(row.IndexVar);
        ReportLine(row.IndexVar, m_state.Value(row.IndexVar));
        if (row.StatusIndexVar != NoVar)
            ReportLine(row.StatusIndexVar, m_state.Value(row.StatusIndexVar));
    }
}

void SimDevice::ReportWhole(int varNumber)
{
    if (!SimDeviceState::IsArray(varNumber)) {
        ReportLine(varNumber, m_state.Value(varNumber));
        return;
    }
    for (int e = 0; e < SimDeviceState::ElementCount(varNumber); ++e)
        if (IsSelectable(VarTable[varNumber].IndexVar, e))
            ReportElement(varNumber, e, true);
}

void SimDevice::ReportAll()
{
    for (int n = 0; n < VarTableSize; ++n)
        if (n != DIESE && !HasNoReply(n))
            ReportWhole(n);
    m_customTimings.ReportNames();
    RestoreIndexes();
}

void SimDevice::FullResend()
{
    ReportLine(DIESE, 1);
    ReportAll();
    ReportLine(DIESE, 0);
}

void SimDevice::ResetAndReport(int first, int last)
{
    bool hadArrays = false;
    for (int n = first; n <= last; ++n) {
        if (SimOperations::IsOneShot(n))
            continue;
        m_state.ResetVariable(n);
        ReportWhole(n);
        hadArrays = hadArrays || SimDeviceState::IsArray(n);
    }
    if (hadArrays)
        RestoreIndexes();
}

void SimDevice::OnOperationBegun(int varNumber)
{
    ReportLine(varNumber, m_state.Store(varNumber, 0, 1));
}

void SimDevice::OnOperationProgressed(int, int kind, int percent)
{
    ReportLine(COPKIND, m_state.Store(COPKIND, 0, uint32_t(kind)));
    ReportLine(COPPROGRESS, m_state.Store(COPPROGRESS, 0, uint32_t(percent)));
}

void SimDevice::OnOperationFinished(int varNumber)
{
    switch (varNumber) {
    case STORE:
    case EDIDSTORE:
    case LANSTORE:
        // The EDID choice and the LAN settings live in the device's own
        // memory, like the stored settings: all three survive a restart.
        emit StoreRequested();
        break;
    case FACTORYRESET:
        m_state.ResetToDefaults();
        ReportAll();
        break;
    case IMAGERESET:
        // The picture adjustments; the measured timing (RHTOTAL...) stays.
        ResetAndReport(BRIGHTNESS, BLV);
        ResetAndReport(FLICK, RCORING);
        break;
    case AUTOCAD:
        for (const SimPicture::TValue &position : SimPicture::AutoCentred(m_state))
            StoreAndReport(position.VarNumber, 0, position.Value);
        break;
    case AUDIORESET:
        ResetAndReport(AEMBED, ASPDIFOUTRATE);
        break;
    case LANRESET:
        ResetAndReport(LANENABLE, LANPROTOCOL);
        break;
    case PEXECUTE:
        SimCapture::Execute(*this);
        break;
    case POSMEMORYRESET:
        ResetZoomPresets();
        break;
    default:
        // The remaining operations act on parts of the device the simulator
        // does not model (signal measurement).
        break;
    }
    if (SimOperations::KindOf(varNumber) != 0) {
        ReportLine(COPKIND, m_state.Store(COPKIND, 0, 0));
        ReportLine(COPPROGRESS, m_state.Store(COPPROGRESS, 0, 0));
    }
    ReportLine(varNumber, m_state.Store(varNumber, 0, 0));
}
