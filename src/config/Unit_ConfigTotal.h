#pragma once
// The four timed sequences of the total configuration: file write, file
// read, preset store and preset recall. Each advances one step per tick
// (400 ms by default) so the device has time to take each command; one
// sequence runs at a time. It never shows anything: progress and the end go
// out as signals, and every message goes through the message handler, during
// which the tick stands still, so no step runs before the operator answered.
#include "ConfigTotalFile.h"

#include <QObject>
#include <QTimer>
#include <functional>

class TComDriver;

enum class TConfigSequence { None, PresetStore, PresetRecall, FileWrite, FileRead };
enum class TConfigOutcome { Completed, Aborted, Failed };

class TConfigTotal : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultTickMs = 400;
    // A file read selects an element and waits for the device to confirm
    // it; after this many unconfirmed ticks it starts again at element 1.
    static constexpr int ConfirmTicks = 20;

    explicit TConfigTotal(TComDriver &driver, QObject *parent = nullptr);

    void SetTickInterval(int ms) { m_timer.setInterval(ms); }
    int TickInterval() const { return m_timer.interval(); }
    // Shows one message to the operator and returns once it was seen.
    void SetMessageHandler(std::function<void(const QString &text)> handler) { m_message = std::move(handler); }

    // Each start returns false, after telling why through the message
    // handler, when the sequence cannot run: another one runs, no device is
    // connected, or a slot it would send was never reported by the device.
    // zoom is what the device reported; a file write and a file read need
    // the captions / hand the file's captions out through CaptionRead.
    bool StartFileWrite(const QString &path, const TZoomSlots &zoom, const TPresetCaptions &captions);
    bool StartFileRead(const QString &path, const TZoomSlots &zoom);
    bool StartPresetStore(int preset, const TZoomSlots &zoom);
    bool StartPresetRecall(int preset, const TZoomSlots &zoom);
    // Ends the running sequence at once; what was sent or written stays.
    void Abort();

    TConfigSequence Running() const { return m_sequence; }
    int Step() const { return m_step; }
    // The zoom element the file sequences are at.
    int Mem() const { return m_mem; }

    // The last step and the ticks a sequence takes without waiting.
    static int LastStep(TConfigSequence sequence);
    static int TicksWithoutWaiting(TConfigSequence sequence);

    static QString NotConnectedMessage() { return QStringLiteral("Device not connected"); }

signals:
    // After every tick: the step just run of lastStep, and the ticks so far
    // of the ticks the sequence takes without waiting. Both 0 at the end.
    void Progress(int step, int lastStep, int tick, int ticks);
    void CaptionRead(int preset, const QString &caption);
    void Finished(TConfigOutcome outcome);

private:
    // sentSlot: the slot of the zoom tables the sequence sends, -1 none.
    bool Begin(TConfigSequence sequence, const TZoomSlots &zoom, bool needsDevice, int sentSlot);
    bool StartPreset(TConfigSequence sequence, int preset, const TZoomSlots &zoom);
    bool Refuse(const QString &text);
    void Tick();
    void RunPresetStore();
    void RunPresetRecall();
    void RunFileWrite();
    void RunFileRead();
    void SendSlot(int slot, int firstStep);
    void Tell(const QStringList &messages);
    void End(TConfigOutcome outcome);

    TComDriver &m_driver;
    QTimer m_timer;
    std::function<void(const QString &)> m_message;
    TConfigSequence m_sequence = TConfigSequence::None;
    int m_step = 0;
    int m_ticks = 0;
    int m_mem = 0;
    int m_wait = 0;
    int m_preset = 0;
    QString m_path;
    TZoomSlots m_slots;
    TPresetCaptions m_captions;
    ConfigTotalFile::TContent m_file;
    TConfigOutcome m_outcome = TConfigOutcome::Completed;
    // Bumped by every start and end, so a step resumed after a message
    // knows whether the sequence it belongs to is still the one running.
    quint64 m_generation = 0;
};
