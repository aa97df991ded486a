#pragma once
#include "SimAudio.h"
#include "SimCommandParser.h"
#include "SimDeviceState.h"
#include "SimOperations.h"
#include "SimOutput.h"
#include "SimPictureMemories.h"
#include "SimSignals.h"

#include <QByteArray>
#include <QObject>
#include <QSet>

// The device's side of the text protocol: it executes the application's
// commands on its state and answers with report lines ("RX1024", without
// the line end). The same reports go out when the front panel changes a
// value, so the application sees changes it did not make.
class SimDevice : public QObject
{
    Q_OBJECT
public:
    explicit SimDevice(QObject *parent = nullptr);

    SimDeviceState &State() { return m_state; }
    const SimDeviceState &State() const { return m_state; }
    SimOperations &Operations() { return m_operations; }
    SimPictureMemories &Pictures() { return m_pictures; }
    SimOutput &Output() { return m_output; }
    SimAudio &Audio() { return m_audio; }
    SimSignals &Signals() { return m_signals; }

    void Execute(const SimCommand &command);
    // Writes of these variables are neither applied nor answered (--ignore),
    // as by a device that lost them; requests are still answered.
    void SetIgnoredWrites(const QSet<int> &varNumbers) { m_ignoredWrites = varNumbers; }

    // A change from the front panel: the same behaviour as a write from the
    // link. element -1 is the scalar, or the element the index selects now;
    // another element is reported under its own index, then the indexes are
    // restored, so that the application files it where it belongs.
    void Write(int varNumber, int element, uint32_t value);

    // Every variable, each array element preceded by its index reports, then
    // the current index values again. The body of the full resend.
    void ReportAll();

signals:
    void Report(const QByteArray &line);
    // STORE, EDIDSTORE or LANSTORE finished: the owner saves the state
    // where it keeps it.
    void StoreRequested();

private:
    friend class SimSignals;
    void Request(int varNumber);
    void FullResend();
    void StoreAndReport(int varNumber, int element, uint32_t value);
    void ReportLine(int varNumber, uint16_t value);
    void ReportStatusIndex(int arrayVar, int element);
    void ReportElement(int varNumber, int element, bool withSettingIndex);
    void RestoreIndexes();
    void ReportWhole(int varNumber);
    void ResetAndReport(int first, int last);
    void ResetZoomPresets();
    bool Ignores(const SimCommand &command) const;

    void OnOperationBegun(int varNumber);
    void OnOperationProgressed(int varNumber, int kind, int percent);
    void OnOperationFinished(int varNumber);

    SimDeviceState m_state;
    SimOperations m_operations;
    SimPictureMemories m_pictures;
    SimOutput m_output;
    SimAudio m_audio;
    SimSignals m_signals{*this};
    QSet<int> m_ignoredWrites;
};
