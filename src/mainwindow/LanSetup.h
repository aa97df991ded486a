#pragma once
#include "MainContext.h"

#include <QObject>

class QWidget;
class TLanDlg;
class TStoredReplies;

// The main window's side of "Device LAN Setup": every LAN report is copied
// into the dialog's properties, every event of the dialog becomes a write of
// its variable, and the menu command opens the dialog modally.
class TLanSetup : public QObject
{
    Q_OBJECT
public:
    TLanSetup(const TMainContext &context, QWidget *window);

    TLanDlg *Dialog() const { return m_dialog; }
    // Runs the dialog; returns once it is closed.
    void Open();

private:
    void MirrorReports();
    void WriteEvents();

    TMainContext m_context;
    TLanDlg *m_dialog;
    TStoredReplies *m_stored;
};
