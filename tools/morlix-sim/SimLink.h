#pragma once
#include "PacedQueue.h"
#include "SimCommandParser.h"
#include "SimFaults.h"

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
    void SetTransferHook(TransferHook *hook) { m_transferHook = hook; }

private:
    void OnReport(const QByteArray &line);
    void OnBytesArrived(const QByteArray &bytes);
    void OnPeerChanged();
    QString Name() const;

    std::unique_ptr<SimEndpoint> m_endpoint;
    SimDevice &m_device;
    SimCommandParser m_parser;
    SimFaults m_faults;
    PacedQueue m_inbound;
    PacedQueue m_outbound;
    TransferHook *m_transferHook = nullptr;
};
