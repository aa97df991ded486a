#include "SimLink.h"
#include "SimDevice.h"
#include "SimEndpoint.h"
#include "SimLog.h"
#include "TransferHook.h"
#include "variables/VariableTable.h"

namespace {
// A character on an asynchronous line is a start bit, 8 data bits and a
// stop bit.
constexpr int BitsPerCharacter = 10;
// PMODE = 6 puts the device in picture transfer mode.
constexpr uint32_t TransferMode = 6;
} // namespace

SimLink::SimLink(std::unique_ptr<SimEndpoint> endpoint, SimDevice &device, const SimLineSettings &settings,
                 QObject *parent)
    : QObject(parent), m_endpoint(std::move(endpoint)), m_device(device), m_faults(settings.Faults),
      m_baud(settings.Baud), m_latencyMs(settings.LatencyMs), m_transfer(device, settings.Transfer)
{
    ApplyLineSpeed(false);
    m_outbound.SetLatency(m_latencyMs);

    connect(m_endpoint.get(), &SimEndpoint::Received, &m_inbound, [this](const QByteArray &bytes) { m_inbound.Push(bytes); });
    connect(&m_inbound, &PacedQueue::Deliver, this, &SimLink::OnBytesArrived);
    connect(&m_outbound, &PacedQueue::Deliver, m_endpoint.get(), &SimEndpoint::Send);
    connect(&m_outbound, &PacedQueue::CloseRequested, m_endpoint.get(), &SimEndpoint::DropClient);
    connect(m_endpoint.get(), &SimEndpoint::PeerChanged, this, &SimLink::OnPeerChanged);
    connect(&device, &SimDevice::Report, this, &SimLink::OnReport);
}

SimLink::~SimLink()
{
    // The endpoint may still report a leaving peer while it closes; by then
    // the queues it would reach are gone.
    m_endpoint->disconnect(this);
    m_endpoint.reset();
}

QString SimLink::Name() const
{
    return m_endpoint->Description().section(QLatin1Char(' '), 0, 0);
}

void SimLink::ApplyLineSpeed(bool transfer)
{
    // Without --baud the line is not paced, in transfer mode either.
    const int baud = m_baud > 0 && transfer ? SimEndpoint::TransferBaud : m_baud;
    const int bytesPerSecond = baud > 0 ? std::max(1, baud / BitsPerCharacter) : 0;
    m_inbound.SetBytesPerSecond(bytesPerSecond);
    m_outbound.SetBytesPerSecond(bytesPerSecond);
    m_endpoint->SetTransferSpeed(transfer);
}

void SimLink::SetFaultsEnabled(bool enabled)
{
    m_faults.SetEnabled(enabled);
    m_outbound.SetLatency(enabled ? m_latencyMs : 0);
    m_transfer.SetFaultsEnabled(enabled);
}

template <typename Step>
void SimLink::WithTransferSpeed(Step step)
{
    const bool before = InTransferMode();
    step();
    if (InTransferMode() != before)
        ApplyLineSpeed(!before);
}

void SimLink::OnBytesArrived(const QByteArray &bytes)
{
    // One chunk may carry the end of a transfer and the next command, or the
    // command that starts a transfer and its first bytes: each part goes
    // where the mode at its position says.
    QByteArray unread = bytes;
    while (!unread.isEmpty()) {
        if (InTransferMode()) {
            SimLog::Write(Name(), "<<", unread);
            WithTransferSpeed([&] { unread = m_transferHook->HandleRawBytes(unread); });
        } else {
            unread = ExecuteCommands(unread);
        }
    }
}

QByteArray SimLink::ExecuteCommands(const QByteArray &bytes)
{
    // Byte by byte, so that the bytes behind a command entering transfer mode
    // are known; a command ends on its last byte, so nothing is read ahead.
    for (qsizetype at = 0; at < bytes.size(); ++at) {
        for (const SimCommand &command : m_parser.Feed(bytes.mid(at, 1))) {
            SimLog::Write(Name(), "<-", command.Text());
            if (command.VarNumber == PMODE && command.HasValue && command.Value == TransferMode && m_transferHook) {
                WithTransferSpeed([&] {
                    m_transferHook->Enter([this](const QByteArray &reply) {
                        SimLog::Write(Name(), ">>", reply);
                        m_outbound.Push(reply, false, m_inbound.DeliveringDueNs());
                    });
                });
                return bytes.mid(at + 1);
            }
            m_device.Execute(command);
        }
    }
    return QByteArray();
}

void SimLink::OnReport(const QByteArray &line)
{
    // The device reports nothing while a picture transfer holds the line.
    if (InTransferMode())
        return;
    const SimFaults::Decision decision = m_faults.Next();
    SimLog::Write(Name(), decision.Send ? "->" : "-x", line);
    // An answer leaves as its command arrived by the line's clock.
    const qint64 sentAt = m_inbound.DeliveringDueNs();
    if (decision.Send)
        m_outbound.Push(decision.Noise + line + "\r\n", decision.CloseAfter, sentAt);
    else if (decision.CloseAfter)
        m_outbound.Push(QByteArray(), true, sentAt);
}

void SimLink::OnPeerChanged()
{
    // Half a command from the old peer must not join the new peer's first.
    m_parser.Reset();
    m_inbound.Clear();
    m_outbound.Clear();
    m_faults.ResetConnection();
}
