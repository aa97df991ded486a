#include "SimStorm.h"
#include "SimDevice.h"
#include "variables/VariableTable.h"

namespace {
// After a stall (a paused process, a busy machine) the storm does not try
// to make up for more than this much time at once.
constexpr qint64 LongestCatchUpMs = 1000;
} // namespace

SimStorm::SimStorm(SimDevice &device, int linesPerSecond, int tickMs, QObject *parent)
    : QObject(parent), m_device(device), m_linesPerSecond(linesPerSecond)
{
    m_timer.setInterval(tickMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { CatchUp(m_clock.elapsed()); });
    while (!IsStormed(m_next))
        ++m_next;
}

bool SimStorm::IsStormed(int varNumber)
{
    switch (varNumber) {
    case DIESE:
    case DEV:
    case DOLLAR:
    case AMX:
    case XCR:
        return false;
    default:
        return VarTable[varNumber].IndexVar == NoVar;
    }
}

void SimStorm::Start()
{
    if (m_linesPerSecond <= 0)
        return;
    m_clock.start();
    m_timer.start();
}

void SimStorm::CatchUp(qint64 elapsedMs)
{
    const long due = long(elapsedMs * m_linesPerSecond / 1000);
    const long mostAtOnce = long(LongestCatchUpMs * m_linesPerSecond / 1000);
    if (due - m_sent > mostAtOnce)
        m_sent = due - mostAtOnce;
    for (; m_sent < due; ++m_sent) {
        SimCommand request;
        request.VarNumber = m_next;
        m_device.Execute(request);
        do
            m_next = (m_next + 1) % VarTableSize;
        while (!IsStormed(m_next));
    }
}
