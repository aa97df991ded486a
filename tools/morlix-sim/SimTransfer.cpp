#include "SimTransfer.h"

#include "SimDevice.h"
#include "transfer/PictureLimits.h"
#include "variables/VariableTable.h"

using namespace IntelHex;
using namespace TransferRecords;

namespace {

// The erase reports its progress this many times, then acknowledges.
constexpr int EraseSteps = 5;
constexpr int StoreMs = 20;

// Records from the device end with CR alone.
QByteArray DeviceLine(const QByteArray &encoded)
{
    return encoded.chopped(1);
}

} // namespace

SimTransfer::SimTransfer(SimDevice &device, const SimTransferSettings &settings, QObject *parent)
    : QObject(parent), m_device(device), m_settings(settings)
{
    m_eraseTimer.setSingleShot(true);
    connect(&m_eraseTimer, &QTimer::timeout, this, &SimTransfer::EraseStep);
}

void SimTransfer::Enter(const Reply &reply)
{
    Leave();
    m_active = true;
    m_reply = reply;
    m_reply(".1\r");
}

void SimTransfer::Leave()
{
    if (m_memoryChanged)
        ReportValidSoon();
    m_memoryChanged = false;
    m_active = false;
    m_pending.clear();
    m_recordsAnswered = 0;
    m_memory = nullptr;
    m_incoming = QImage();
    m_eraseTimer.stop();
    m_sending = false;
    m_outgoing.clear();
}

QByteArray SimTransfer::HandleRawBytes(const QByteArray &bytes)
{
    // Leaving transfer mode clears the pending bytes, so work on a copy: what
    // follows the line that ended the transfer belongs to the command parser.
    QByteArray buffer = m_pending + bytes;
    m_pending.clear();
    qsizetype start = 0;
    for (;;) {
        qsizetype end = start;
        while (end < buffer.size() && buffer[end] != '\r' && buffer[end] != '\n')
            ++end;
        if (end == buffer.size()) {
            m_pending = buffer.mid(start);
            return QByteArray();
        }
        const QByteArray line = buffer.mid(start, end - start);
        start = end + 1;
        if (!line.isEmpty())
            HandleLine(line);
        if (!m_active)
            return buffer.mid(start);
    }
}

void SimTransfer::HandleLine(const QByteArray &line)
{
    if (line == ".1" || line == ".0") {
        if (m_sending)
            OnApplicationReply(line == ".1");
        else if (line == ".0")
            Leave();
        return;
    }
    if (!line.startsWith(':'))
        return;
    const std::optional<THexRecord> record = Parse(line.mid(1));
    if (!record) {
        Answer(false);
        return;
    }
    HandleRecord(*record);
}

SimTransfer::TVerdict SimTransfer::NextVerdict()
{
    ++m_recordsAnswered;
    if (!m_faultsEnabled)
        return vAccept;
    if (m_settings.NoAckAfter > 0 && m_recordsAnswered > m_settings.NoAckAfter)
        return vSilent;
    if (m_settings.NackEvery > 0 && m_recordsAnswered % m_settings.NackEvery == 0)
        return vRefuse;
    return vAccept;
}

void SimTransfer::Answer(bool accepted)
{
    m_reply(accepted ? ".1\r" : ".0\r");
}

void SimTransfer::HandleRecord(const THexRecord &record)
{
    if (record.Type == rtEnd) {
        StoreReceived();
        return;
    }
    if (record.Type == rtAbandon) {
        Leave();
        return;
    }
    const TVerdict verdict = NextVerdict();
    if (verdict == vSilent)
        return;
    if (verdict == vRefuse) {
        Answer(false);
        return;
    }
    if (IsParameter(record, pmErase)) {
        StartErase(m_memory != nullptr);
        return;
    }
    if (IsParameter(record, pmSendStored)) {
        StartSending();
        return;
    }
    bool accepted = false;
    switch (record.Type) {
    case rtParameter:
        accepted = OnDestination(record) || OnGeometry(record) || OnAnimation(record);
        break;
    case rtData:
        accepted = OnData(record);
        break;
    case rtRepeat:
        accepted = OnRepeat(record.Address);
        break;
    default:
        break;
    }
    Answer(accepted);
}

bool SimTransfer::OnDestination(const THexRecord &record)
{
    const std::optional<TDestination> destination = DestinationOf(record);
    if (!destination)
        return false;
    m_destination = *destination;
    m_memory = m_device.Pictures().Memory(destination->Flags & Flags::KindMask, destination->Number);
    m_interlaced = destination->Flags & Flags::Interlaced;
    m_pass = m_interlaced && (destination->Flags & Flags::LastPass) ? 1 : 0;
    return m_memory != nullptr;
}

bool SimTransfer::OnGeometry(const THexRecord &record)
{
    const std::optional<TGeometry> geometry = GeometryOf(record);
    if (!geometry || !m_memory || geometry->IsEmpty()
        || PictureLimits::ExceedsLargestDestination(geometry->Width, geometry->FrameHeight))
        return false;
    m_geometry = *geometry;
    return true;
}

bool SimTransfer::OnAnimation(const THexRecord &record)
{
    const std::optional<TAnimation> animation = AnimationOf(record);
    if (!animation || !m_memory
        || PictureLimits::ExceedsLargestDestination(m_geometry.Width,
                                                    int64_t(m_geometry.FrameHeight) * animation->FrameCount))
        return false;
    m_animation = *animation;
    return true;
}

void SimTransfer::StartErase(bool accepted)
{
    if (!accepted || m_geometry.IsEmpty()) {
        Answer(false);
        return;
    }
    const int height = m_geometry.FrameHeight * std::max<int>(1, m_animation.FrameCount);
    // Only the first pass erases: the second fills the rows the first left.
    if (m_pass == 0 || m_incoming.isNull()) {
        m_incoming = QImage(m_geometry.Width, height, QImage::Format_RGB888);
        m_incoming.fill(Qt::black);
        // The memory is empty from here on, whether the transfer ends or not.
        *m_memory = SimStoredPicture();
        m_memoryChanged = true;
    }
    m_cursor = TPictureCursor(m_geometry.Width, height, m_geometry.FrameHeight, m_interlaced);
    m_cursor.StartPass(m_pass);
    m_previous = TPictureBlock();
    m_assembler = TBlockAssembler();
    if (m_settings.EraseMs <= 0 || m_pass == 1) {
        Answer(true);
        return;
    }
    m_eraseRemaining = 100;
    m_eraseTimer.start(m_settings.EraseMs / EraseSteps);
}

void SimTransfer::EraseStep()
{
    m_eraseRemaining -= 100 / EraseSteps;
    if (m_eraseRemaining <= 0) {
        Answer(true);
        return;
    }
    m_reply(DeviceLine(EraseProgressRecord(uint8_t(m_eraseRemaining))));
    m_eraseTimer.start(m_settings.EraseMs / EraseSteps);
}

bool SimTransfer::OnData(const THexRecord &record)
{
    if (m_incoming.isNull() || m_eraseTimer.isActive())
        return false;
    if (m_assembler.Add(record)) {
        m_previous = m_assembler.Block();
        WriteBlock(m_incoming, m_cursor, m_previous);
    }
    return true;
}

bool SimTransfer::OnRepeat(uint16_t count)
{
    if (m_incoming.isNull() || m_previous.IsEmpty())
        return false;
    for (int i = 0; i < count; ++i)
        WriteBlock(m_incoming, m_cursor, m_previous);
    return true;
}

void SimTransfer::StoreReceived()
{
    if (m_memory && !m_incoming.isNull()) {
        *m_memory = {m_incoming, m_geometry.FrameHeight, m_animation.FrameCount, m_animation.DelayMs};
        m_memoryChanged = true;
    }
    Leave();
}

void SimTransfer::ReportValidSoon()
{
    // Writing the memory takes the device a moment; the report follows it,
    // by when the application is back in variable mode.
    QTimer::singleShot(StoreMs, &m_device, [device = &m_device] {
        device->Write(PVALID, -1, device->Pictures().ValidBits(device->State().Value(PVALID)));
    });
}

// ------------------------------------------------------------ sending back

void SimTransfer::StartSending()
{
    if (!m_memory) {
        Answer(false);
        return;
    }
    m_sending = true;
    m_endQueued = false;
    const uint8_t kind = m_destination.Flags & Flags::KindMask;
    const uint8_t flags = uint8_t(kind | (m_destination.Flags & Flags::Interlaced) | Flags::LastPass);
    m_outgoing.enqueue(DestinationRecord({flags, m_destination.Number}));
    const SimStoredPicture &stored = *m_memory;
    if (stored.IsEmpty()) {
        // Nothing stored: the application answers the empty geometry with ".0".
        m_outgoing.enqueue(GeometryRecord({0, 0}));
        m_endQueued = true;
    } else {
        m_interlaced = m_destination.Flags & Flags::Interlaced;
        m_pass = 0;
        m_geometry = {uint16_t(stored.Picture.width()), uint16_t(stored.FrameHeight)};
        m_outgoing.enqueue(GeometryRecord(m_geometry));
        m_outgoing.enqueue(AnimationRecord({stored.FrameCount, stored.DelayMs}));
        m_cursor = TPictureCursor(stored.Picture.width(), stored.Picture.height(), stored.FrameHeight, m_interlaced);
        m_cursor.StartPass(0);
    }
    SendNext();
}

void SimTransfer::QueueNextRecords()
{
    if (m_endQueued)
        return;
    const TPictureBlock block = ReadBlock(m_memory->Picture, m_cursor);
    if (!block.IsEmpty()) {
        for (int channel : {ChannelCode::Red, ChannelCode::Green, ChannelCode::Blue})
            m_outgoing.enqueue(ChannelRecord(block, channel));
    } else if (m_interlaced && m_pass == 0) {
        m_pass = 1;
        m_cursor.StartPass(1);
        m_outgoing.enqueue(GeometryRecord(m_geometry));
    } else {
        m_outgoing.enqueue(EndRecord());
        m_endQueued = true;
    }
}

void SimTransfer::SendNext()
{
    if (m_outgoing.isEmpty())
        QueueNextRecords();
    if (m_outgoing.isEmpty()) {
        Leave();
        return;
    }
    const QByteArray record = m_outgoing.dequeue();
    m_reply(DeviceLine(record));
    // Nobody answers the end record: the transfer is over once it is out.
    if (record == EndRecord())
        Leave();
}

void SimTransfer::OnApplicationReply(bool accepted)
{
    if (!accepted) {
        Leave();
        return;
    }
    SendNext();
}
