#pragma once
// `morlix --grab DIR`: once the device's full mirror has arrived, writes one
// PNG of the main window per page and one per window the menus open into
// DIR, then reports that it is done. It is how the whole application is
// looked at at once (under QT_QPA_PLATFORM=offscreen as well).
//
// A window is added to the grab with one line in GrabbedWindows()
// (WindowGrab.cpp): its file name and how the menus open it.
#include <QDir>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>
#include <functional>

class QWidget;
class TForm_Main;

class TWindowGrab : public QObject
{
    Q_OBJECT
public:
    struct TWindow
    {
        QString Name;
        // Brings the window up as its menu command does, without waiting in
        // a modal loop; returns it.
        std::function<QWidget *(TForm_Main &)> Open;
    };
    static QVector<TWindow> GrabbedWindows();

    static constexpr int DefaultTimeoutMs = 30000;
    static constexpr int SettleMs = 300;

    TWindowGrab(TForm_Main &window, const QString &folder, int timeoutMs = DefaultTimeoutMs);

    // Waits for the mirror, then grabs; Finished follows.
    void Start();
    // Grabs now, whatever the mirror (the timeout's and the tests' way).
    bool GrabAll(QString *error);
    QStringList Written() const { return m_written; }

signals:
    // exitCode 0 on success; message says what was written or what failed.
    void Finished(int exitCode, const QString &message);

private:
    bool Save(QWidget *widget, const QString &name, QString *error);
    void MirrorComplete();

    TForm_Main &m_window;
    QDir m_folder;
    QTimer m_timeout;
    bool m_resendSeen = false;
    bool m_done = false;
    QStringList m_written;
};
