#pragma once
#include "ConsoleReply.h"
#include "ConsoleSending.h"
#include "config/ConsoleFile.h"

#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <functional>
#include <optional>

class QAction;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QProgressBar;
class QTableView;
class TComDriverMorlix;
class TConsoleButtons;
class TConsoleCalculator;
class TConsoleFilePanel;
class TConsoleLogModel;
class TConsolePlayer;

struct TConsoleOptions
{
    // Empty: "Debug2007.ini" with the application's other files.
    QString FilePath;
    int PlayIntervalMs = 5500;
    int CaptionScrollMs = 100;
    int MaxLogRows = 100000;
};

// The service console: a technician's window onto the raw device link. It
// logs every reply line (mnemonic, value in decimal, binary, hexadecimal),
// hides chosen variables from the log, sends typed commands in four modes,
// requests a variable when its line is clicked, keeps thirty named command
// buttons, plays a text file line by line and converts numbers. Its texts
// are French, the language of the service staff it was made for.
//
// It never writes to a link in raw mode: a picture transfer owns the line
// then, and the player waits until it is given back.
class TForm_Debug2007 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm_Debug2007(QWidget *parent = nullptr, const TConsoleOptions &options = {});

    // Makes the console listen to the link's received lines.
    void SetDriver(TComDriverMorlix *driver);
    TComDriverMorlix *Driver() const { return m_driver; }
    QString FilePath() const { return m_filePath; }

    ConsoleSending::TMode SendMode() const;
    void SetSendMode(ConsoleSending::TMode mode);
    void SetCaptionScrolling(bool scrolling);

    // Appends the text as a new line of the send field and sends it one
    // character at a time, every CR left out.
    void AppendAndSend(const QString &text);
    // What a click on a line of the variable list does: requests the variable.
    void RequestLine(int listRow);
    void PressButton(int n);
    // Asks for the button's descriptor and string, then keeps them.
    void EditButton(int n);
    void SetAllChecked(bool checked);

    // Opens the panel that sends the file; false (with a message) when the
    // file cannot be read.
    bool OpenTextFile(const QString &path);
    void DirectSendFile();
    void PlayFile();
    void StopFile();

    void ClearLog();
    bool SaveLog(const QString &path);
    void ShowCalculatorFor(int logRow);
    void HoverLogRow(int logRow);

    QSet<QString> HiddenMnemonics() const { return m_hidden; }
    // The log as it stands, lines still waiting for the next update of the
    // window included.
    TConsoleLogModel *Log();
    QTableView *LogView() const { return m_logView; }
    QListWidget *VariableList() const { return m_variableList; }
    QPlainTextEdit *SendField() const { return m_sendField; }
    TConsoleButtons *Buttons() const { return m_buttons; }
    TConsoleCalculator *Calculator() const { return m_calculator; }
    TConsolePlayer *Player() const { return m_player; }
    TConsoleFilePanel *FilePanel() const { return m_filePanel; }
    QProgressBar *Progress() const { return m_progress; }

    // How the console asks for a line of text (an input box unless a test
    // answers); unset means cancelled.
    std::function<std::optional<QString>(const QString &title, const QString &prompt, const QString &value)>
        AskText;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void BuildMenus();
    void BuildWindow(const TConsoleOptions &options);
    void FillVariableList();
    void ReadFile();
    void WriteFile();
    void RebuildHidden();

    void LogReceived();
    void FlushLog();
    // Why the link cannot take text now (closed, or held by a picture
    // transfer); empty when it can.
    QString LinkRefusal() const;
    // Says why in the status bar when it cannot.
    bool LinkTakesText(const QString &context = QString());
    bool Send(const QString &text);
    void SendAsTyped(const QString &text);
    void OnSendFieldKey(int key, const QString &text);

    // The answer to an input box, or the current text when it is cancelled
    // or holds what the console's file cannot keep (which is said).
    QString AskStorable(const QString &title, const QString &prompt, const QString &current,
                        QString (*problemOf)(const QString &));
    void OnListItemChanged(QListWidgetItem *item);
    void OnListItemClicked(QListWidgetItem *item);
    void ChooseTextFile();
    void ChooseLogFile();
    void FinishFile();
    void RestoreModeAfterPlay();

    TComDriverMorlix *m_driver = nullptr;
    QMetaObject::Connection m_recConnection;
    QString m_filePath;
    QString m_lastFolder;
    QRect m_shownGeometry;
    QSet<QString> m_hidden;
    bool m_fillingList = false;
    QListWidgetItem *m_toggledItem = nullptr;
    ConsoleSending::TMode m_modeBeforePlay = ConsoleSending::Line;

    TConsoleLogModel *m_log = nullptr;
    QTableView *m_logView = nullptr;
    QListWidget *m_variableList = nullptr;
    QPlainTextEdit *m_sendField = nullptr;
    TConsoleButtons *m_buttons = nullptr;
    TConsoleCalculator *m_calculator = nullptr;
    TConsolePlayer *m_player = nullptr;
    TConsoleFilePanel *m_filePanel = nullptr;
    QProgressBar *m_progress = nullptr;
    // Received lines wait here for the next update of the log.
    QVector<QPair<QString, TConsoleReply>> m_pendingLog;
    QTimer m_logTimer;

    QAction *m_direct = nullptr;
    QAction *m_onCarriageReturn = nullptr;
    QAction *m_transmitCR = nullptr;
    QAction *m_slideButtons = nullptr;
    QAction *m_forceConnect = nullptr;
    QAction *m_autoDiese = nullptr;
};
