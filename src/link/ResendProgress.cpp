#include "ResendProgress.h"

#include "ComDriver.h"
#include "variables/VariableAddress.h"
#include "variables/VariableTable.h"

#include <QSet>
#include <algorithm>
#include <cstring>

namespace {

bool Answers(int varNumber)
{
    // "NULL" marks the tags of an AMX controller, which the device never answers.
    return varNumber != DIESE && std::strcmp(VarTable[varNumber].ReplyMnemonic, "NULL") != 0;
}

bool HasStatusReport(const TVarDescriptor &row, int element)
{
    return row.StatusIndexVar != NoVar && element < row.StatusArraySize
           && element >= VarTable[row.StatusIndexVar].Min && element <= VarTable[row.StatusIndexVar].Max;
}

int CountExpectedReports()
{
    int reports = 0;
    QSet<int> indexes;
    for (int n = 0; n < VarTableSize; ++n) {
        if (!Answers(n))
            continue;
        const TVarDescriptor &row = VarTable[n];
        if (row.IndexVar == NoVar) {
            ++reports;
            continue;
        }
        for (int e = VariableAddress::FirstUsedElement(n); e <= VariableAddress::LastUsedElement(n); ++e)
            reports += 2 + (HasStatusReport(row, e) ? 1 : 0);
        if (!indexes.contains(row.IndexVar)) {
            indexes.insert(row.IndexVar);
            reports += 1 + (row.StatusIndexVar != NoVar ? 1 : 0);
        }
    }
    // The resend also spells out the eight custom format names: per memory
    // the setting number, the character index with its status and the
    // closing 0, then the selected setting again. Each character of a
    // stored name adds three more, so a named memory ends the bar early
    // rather than leaving it short.
    constexpr int CustomMemories = 8;
    reports += CustomMemories * 4 + 1;
    return reports;
}

} // namespace

TResendProgress::TResendProgress(TComDriver &driver, QObject *parent) : QObject(parent), m_driver(driver)
{
    connect(&driver, &TComDriver::OnVarReceived, this, &TResendProgress::onReport);
}

int TResendProgress::ExpectedReports()
{
    static const int expected = CountExpectedReports();
    return expected;
}

int TResendProgress::Percent() const
{
    if (!m_running)
        return m_received > 0 ? 100 : 0;
    return std::min(100, 100 * m_received / ExpectedReports());
}

void TResendProgress::onReport(int varNumber)
{
    if (varNumber == DIESE) {
        const bool starting = m_driver.GetVar(DIESE) != 0;
        if (!starting && !m_running)
            return;
        m_running = starting;
        m_received = starting ? 0 : ExpectedReports();
        emit Progressed(m_received, ExpectedReports());
        if (!starting)
            emit Finished();
        return;
    }
    if (!m_running)
        return;
    // A device that says more than expected stays at the end of the bar.
    m_received = std::min(m_received + 1, ExpectedReports());
    emit Progressed(m_received, ExpectedReports());
}
