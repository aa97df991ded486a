#include "Unit_ConfigTotal.h"

#include "link/ComDriver.h"

namespace {

using ZoomSlots::Variables;

} // namespace

TConfigTotal::TConfigTotal(TComDriver &driver, QObject *parent) : QObject(parent), m_driver(driver)
{
    m_timer.setInterval(DefaultTickMs);
    connect(&m_timer, &QTimer::timeout, this, &TConfigTotal::Tick);
}

int TConfigTotal::LastStep(TConfigSequence sequence)
{
    switch (sequence) {
    case TConfigSequence::FileWrite: return 13;
    case TConfigSequence::FileRead: return 11;
    case TConfigSequence::PresetStore: return 9;
    case TConfigSequence::PresetRecall: return 8;
    default: return 0;
    }
}

int TConfigTotal::TicksWithoutWaiting(TConfigSequence sequence)
{
    switch (sequence) {
    case TConfigSequence::FileWrite: return 69;
    case TConfigSequence::FileRead: return 60;
    case TConfigSequence::PresetStore:
    case TConfigSequence::PresetRecall: return 8;
    default: return 0;
    }
}

bool TConfigTotal::Refuse(const QString &text)
{
    Tell({text});
    return false;
}

namespace {
QString NeverReported(int slot)
{
    return slot == 0 ? QStringLiteral("The device has not reported the zoom in use yet: nothing was sent")
                     : QStringLiteral("The device has not reported preset %1 yet: nothing was sent").arg(slot);
}
} // namespace

bool TConfigTotal::Begin(TConfigSequence sequence, const TZoomSlots &zoom, bool needsDevice, int sentSlot)
{
    if (m_sequence != TConfigSequence::None)
        return Refuse(QStringLiteral("Another configuration sequence is running"));
    if (needsDevice && !m_driver.Connected())
        return Refuse(NotConnectedMessage());
    // A slot the device never reported is never sent.
    if (sentSlot >= 0 && !zoom.SlotReported(sentSlot))
        return Refuse(NeverReported(sentSlot));
    m_sequence = sequence;
    m_slots = zoom;
    m_step = 1;
    m_ticks = 0;
    m_mem = 0;
    m_wait = 0;
    m_file = {};
    m_outcome = TConfigOutcome::Completed;
    ++m_generation;
    m_timer.start();
    return true;
}

bool TConfigTotal::StartFileWrite(const QString &path, const TZoomSlots &zoom, const TPresetCaptions &captions)
{
    // Nothing goes to the device: a file can be written without one.
    if (!Begin(TConfigSequence::FileWrite, zoom, false, -1))
        return false;
    m_path = path;
    m_captions = captions;
    return true;
}

bool TConfigTotal::StartFileRead(const QString &path, const TZoomSlots &zoom)
{
    // The read ends by sending the zoom in use again.
    if (!Begin(TConfigSequence::FileRead, zoom, true, 0))
        return false;
    m_path = path;
    return true;
}

bool TConfigTotal::StartPreset(TConfigSequence sequence, int preset, const TZoomSlots &zoom)
{
    if (preset < 1 || preset > ZoomSlots::PresetCount)
        return Refuse(QStringLiteral("No preset %1").arg(preset));
    // A store sends the zoom in use, a recall the preset.
    if (!Begin(sequence, zoom, true, sequence == TConfigSequence::PresetStore ? 0 : preset))
        return false;
    m_preset = preset;
    return true;
}

bool TConfigTotal::StartPresetStore(int preset, const TZoomSlots &zoom)
{
    return StartPreset(TConfigSequence::PresetStore, preset, zoom);
}

bool TConfigTotal::StartPresetRecall(int preset, const TZoomSlots &zoom)
{
    return StartPreset(TConfigSequence::PresetRecall, preset, zoom);
}

void TConfigTotal::Abort()
{
    if (m_sequence != TConfigSequence::None)
        End(TConfigOutcome::Aborted);
}

void TConfigTotal::Tell(const QStringList &messages)
{
    const bool ticking = m_timer.isActive();
    m_timer.stop();
    for (const QString &text : messages)
        if (m_message)
            m_message(text);
    if (ticking && m_sequence != TConfigSequence::None)
        m_timer.start();
}

void TConfigTotal::End(TConfigOutcome outcome)
{
    m_timer.stop();
    m_sequence = TConfigSequence::None;
    m_step = 0;
    m_file = {};
    ++m_generation;
    emit Progress(0, 0, 0, 0);
    emit Finished(outcome);
}

void TConfigTotal::Tick()
{
    const TConfigSequence sequence = m_sequence;
    const int step = m_step;
    ++m_ticks;
    switch (sequence) {
    case TConfigSequence::PresetStore: RunPresetStore(); break;
    case TConfigSequence::PresetRecall: RunPresetRecall(); break;
    case TConfigSequence::FileWrite: RunFileWrite(); break;
    case TConfigSequence::FileRead: RunFileRead(); break;
    case TConfigSequence::None: m_timer.stop(); return;
    }
    if (m_sequence == sequence && m_sequence != TConfigSequence::None)
        emit Progress(step, LastStep(sequence), m_ticks, TicksWithoutWaiting(sequence));
}

// Steps firstStep to firstStep + 4: one of the slot's five values per step.
void TConfigTotal::SendSlot(int slot, int firstStep)
{
    const int varNumber = Variables[size_t(m_step - firstStep)];
    m_driver.SendVar(varNumber, m_slots.Value(varNumber, slot));
}

void TConfigTotal::RunPresetStore()
{
    switch (m_step) {
    case 2: m_driver.SendVar(ZMINDEX, uint16_t(m_preset)); break;
    case 3: case 4: case 5: case 6: case 7: SendSlot(0, 3); break;
    case 9: End(TConfigOutcome::Completed); return;
    default: break;
    }
    ++m_step;
}

void TConfigTotal::RunPresetRecall()
{
    switch (m_step) {
    case 2: m_driver.SendVar(ZMINDEX, 0); break;
    case 3: case 4: case 5: case 6: case 7: SendSlot(m_preset, 3); break;
    case 8: End(TConfigOutcome::Completed); return;
    default: break;
    }
    ++m_step;
}

void TConfigTotal::RunFileWrite()
{
    // The steps before 12 pace the window; the file itself is built and
    // written in one piece, so an abort leaves no half-written file.
    switch (m_step) {
    case 12: {
        const QString error = ConfigTotalFile::Save(m_path, ConfigTotalFile::Build(m_slots, m_captions));
        if (!error.isEmpty()) {
            m_outcome = TConfigOutcome::Failed;
            const quint64 generation = m_generation;
            Tell({error});
            if (generation != m_generation)
                return;
        }
        break;
    }
    case 13: End(m_outcome); return;
    default: break;
    }
    ++m_step;
}

void TConfigTotal::RunFileRead()
{
    switch (m_step) {
    case 1: {
        m_wait = 0;
        m_file = ConfigTotalFile::Load(m_path);
        if (!m_file.Ok) {
            m_outcome = TConfigOutcome::Failed;
            const quint64 generation = m_generation;
            Tell(m_file.Messages);
            if (generation == m_generation)
                m_step = 11;
            return;
        }
        break;
    }
    case 2:
        m_mem = 1;
        m_driver.SendVar(ZMINDEX, uint16_t(m_mem));
        break;
    case 3:
        if (m_driver.GetVar(ZMINDEX) == m_mem) {
            m_wait = 0;
            break;
        }
        if (++m_wait > ConfirmTicks) {
            m_wait = 0;
            m_step = 2;
        }
        return;
    case 4: case 5: case 6: case 7: case 8: {
        const int varNumber = Variables[size_t(m_step - 4)];
        m_driver.SendVar(varNumber, m_file.Slots.Value(varNumber, m_mem));
        break;
    }
    case 9:
        if (m_mem < ZoomSlots::PresetCount) {
            ++m_mem;
            m_driver.SendVar(ZMINDEX, uint16_t(m_mem));
            m_step = 3;
            return;
        }
        break;
    case 10:
        for (int preset = 1; preset <= ZoomSlots::PresetCount; ++preset)
            emit CaptionRead(preset, m_file.Captions[size_t(preset - 1)]);
        m_driver.SendVar(ZMINDEX, 0);
        for (int varNumber : Variables)
            m_driver.SendVar(varNumber, m_slots.Value(varNumber, 0));
        break;
    case 11: End(m_outcome); return;
    default: break;
    }
    ++m_step;
}
