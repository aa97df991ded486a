#pragma once
#include "SimPictureMemories.h"
#include "TransferHook.h"
#include "transfer/IntelHex.h"
#include "transfer/PictureBlock.h"
#include "transfer/TransferOrder.h"
#include "transfer/TransferRecords.h"

#include <QObject>
#include <QQueue>
#include <QTimer>

class SimDevice;

// Faults of the transfer protocol an operator can ask for.
struct SimTransferSettings
{
    int NackEvery = 0;  // answers ".0" to every Nth record (and ignores it)
    int NoAckAfter = 0; // answers nothing after N records
    int EraseMs = 0;    // an erase takes this long, with progress reports
};

// The device's side of the picture transfer on one link: it takes a picture
// into one of the device's memories record by record, or sends a stored one
// back, and leaves transfer mode after the end record, an abandon record or
// a ".0" from the application.
class SimTransfer : public QObject, public TransferHook
{
    Q_OBJECT
public:
    SimTransfer(SimDevice &device, const SimTransferSettings &settings, QObject *parent = nullptr);

    bool IsActive() const override { return m_active; }
    void Enter(const Reply &reply) override;
    QByteArray HandleRawBytes(const QByteArray &bytes) override;
    // Off: every record is answered as it deserves, whatever --nack-every and
    // --no-ack-after say.
    void SetFaultsEnabled(bool enabled) { m_faultsEnabled = enabled; }

private:
    enum TVerdict { vAccept, vRefuse, vSilent };

    void HandleLine(const QByteArray &line);
    void HandleRecord(const IntelHex::THexRecord &record);
    TVerdict NextVerdict();
    void Answer(bool accepted);
    void Leave();

    bool OnDestination(const IntelHex::THexRecord &record);
    bool OnGeometry(const IntelHex::THexRecord &record);
    bool OnAnimation(const IntelHex::THexRecord &record);
    void StartErase(bool accepted);
    void EraseStep();
    bool OnData(const IntelHex::THexRecord &record);
    bool OnRepeat(uint16_t count);
    void StoreReceived();
    // PVALID follows the memories once the link is back in variable mode.
    void ReportValidSoon();

    void StartSending();
    void QueueNextRecords();
    void SendNext();
    void OnApplicationReply(bool accepted);

    SimDevice &m_device;
    SimTransferSettings m_settings;
    bool m_faultsEnabled = true;
    Reply m_reply;
    bool m_active = false;
    QByteArray m_pending;
    long m_recordsAnswered = 0;

    // Where the transfer goes, as the destination record named it.
    SimStoredPicture *m_memory = nullptr;
    TransferRecords::TDestination m_destination;
    TransferRecords::TGeometry m_geometry;
    TransferRecords::TAnimation m_animation;
    bool m_interlaced = false;
    int m_pass = 0;

    // Receiving.
    QImage m_incoming;
    TPictureCursor m_cursor;
    TPictureBlock m_previous;
    TBlockAssembler m_assembler;
    QTimer m_eraseTimer;
    int m_eraseRemaining = 0;
    bool m_eraseAccepted = false;
    // A memory was erased or written during this transfer.
    bool m_memoryChanged = false;

    // Sending.
    bool m_sending = false;
    QQueue<QByteArray> m_outgoing;
    bool m_endQueued = false;
};
