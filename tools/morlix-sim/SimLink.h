#pragma once
#include "PacedQueue.h"
#include "SimCommandParser.h"
#include "SimFaults.h"
#include "SimTransfer.h"

#include <QObject>
#include <memory>

class SimDevice;
class SimEndpoint;
class TransferHook;

// How the line between the application and the device behaves.
struct SimLineSettings
{
    int LatencyMs = 0; // every report delayed by this much
    int Baud = 0;      // both directions at Baud/10 bytes per second; 0: unlimited
    SimFaultSettings Faults;
    SimTransferSettings Transfer;
};

// Joins one endpoint to the device: paces what comes in, cuts it into
// commands for the device, and sends the device's reports out with line ends,
// through the faults and the pacing the operator asked for.
class SimLink : public QObject
{
    Q_OBJECT
public:
    SimLink(std::unique_ptr<SimEndpoint> endpoint, SimDevice &device, const SimLineSettings &settings,
            QObject *parent = nullptr);
    ~SimLink() override;

    SimEndpoint &Endpoint() { return *m_endpoint; }
    // Replaces the link's own picture transfer (tests).
    void SetTransferHook(TransferHook *hook) { m_transferHook = hook; }
    // Switches the line's faults, its latency and the transfer faults off and
    // on again, so that a run can end on a clean line (front panel "faults").
    void SetFaultsEnabled(bool enabled);

private:
    void OnReport(const QByteArray &line);
    void OnBytesArrived(const QByteArray &bytes);
    // Runs the commands in bytes; returns what follows one that entered transfer mode.
    QByteArray ExecuteCommands(const QByteArray &bytes);
    void OnPeerChanged();
    QString Name() const;
    bool InTransferMode() const { return m_transferHook && m_transferHook->IsActive(); }
    // Runs a step of the hook and follows the speed of the mode it leaves the link in.
    template <typename Step>
    void WithTransferSpeed(Step step);
    void ApplyLineSpeed(bool transfer);

    std::unique_ptr<SimEndpoint> m_endpoint;
    SimDevice &m_device;
    SimCommandParser m_parser;
    SimFaults m_faults;
    PacedQueue m_inbound;
    PacedQueue m_outbound;
    int m_baud;
    int m_latencyMs;
    SimTransfer m_transfer;
    TransferHook *m_transferHook = &m_transfer;
};
