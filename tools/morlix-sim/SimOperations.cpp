#include "SimOperations.h"
#include "variables/VariableTable.h"

SimOperations::SimOperations(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(200);
    connect(&m_timer, &QTimer::timeout, this, &SimOperations::Step);
}

bool SimOperations::IsOneShot(int varNumber)
{
    switch (varNumber) {
    case STORE: case FACTORYRESET: case POSMEMORYRESET: case IAUTOSET: case AUTOCAD: case IMAGERESET:
    case AUDIORESET: case EDIDSTORE: case LANSTORE: case LANRESET: case PEXECUTE:
        return true;
    default:
        return false;
    }
}

int SimOperations::KindOf(int varNumber)
{
    switch (varNumber) {
    case STORE: return 1;
    case FACTORYRESET: return 2;
    case POSMEMORYRESET: return 3;
    case EDIDSTORE: return 4;
    default: return 0;
    }
}

void SimOperations::SetStepInterval(int milliseconds)
{
    m_timer.setInterval(milliseconds);
}

void SimOperations::Start(int varNumber)
{
    m_waiting.enqueue(varNumber);
    if (!IsRunning())
        BeginNext();
}

void SimOperations::BeginNext()
{
    if (m_waiting.isEmpty()) {
        m_current = -1;
        m_timer.stop();
        return;
    }
    m_current = m_waiting.dequeue();
    m_percent = 0;
    emit Begun(m_current);
    if (KindOf(m_current) != 0)
        emit Progressed(m_current, KindOf(m_current), 0);
    m_timer.start();
}

void SimOperations::Step()
{
    if (KindOf(m_current) != 0 && m_percent < 100) {
        m_percent += ProgressStep;
        emit Progressed(m_current, KindOf(m_current), m_percent);
        return;
    }
    const int finished = m_current;
    emit Finished(finished);
    BeginNext();
}
