#include "Unit_Debug2007.h"
#include "ConsoleButtons.h"
#include "ConsoleCalculator.h"
#include "ConsoleFilePanel.h"
#include "ConsoleLogModel.h"
#include "ConsolePlayer.h"
#include "ConsoleReply.h"
#include "ConsoleVariableList.h"
#include "ScreenPlacement.h"
#include "config/KeyValueFile.h"
#include "dialogs/OperatorPrompt.h"
#include "link/ComDriverMorlix.h"
#include "mainwindow/AppFiles.h"

#include <QActionGroup>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTextBlock>
#include <QVBoxLayout>

namespace {

const QString Caption = QStringLiteral("Debug");
const QString NoDriverMessage = QStringLiteral(
    "Vous devriez initialiser La proprieté Driver de L'unites (Form_Debug2007 de type TForm_Debug2007) ex: "
    "Form_Debug2007.Driver := FDriver;");
const QString TransferHoldsLink = QStringLiteral("Transfert d'image en cours sur la liaison : rien n'est envoyé.");
const QString LinkClosed = QStringLiteral("Liaison fermée : rien n'est envoyé.");
constexpr int StatusShownMs = 5000;
// Replies may come a thousand a second: the log takes them in batches, at
// most this often, and never more than so many at a time.
constexpr int LogUpdateMs = 40;
constexpr int LargestLogBatch = 1000;

std::optional<QString> AskWithInputBox(QWidget *parent, const QString &title, const QString &prompt,
                                       const QString &value)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, value, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QList<QRect> AvailableScreens()
{
    QList<QRect> screens;
    if (QScreen *primary = QGuiApplication::primaryScreen())
        screens << primary->availableGeometry();
    for (QScreen *screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            screens << screen->availableGeometry();
    return screens;
}

} // namespace

TForm_Debug2007::TForm_Debug2007(QWidget *parent, const TConsoleOptions &options)
    : QMainWindow(parent, Qt::Window),
      m_filePath(options.FilePath.isEmpty() ? AppFiles::PathFor(QStringLiteral("Debug2007.ini")) : options.FilePath)
{
    setObjectName(QStringLiteral("Form_Debug2007"));
    setWindowTitle(Caption);
    AskText = [this](const QString &title, const QString &prompt, const QString &value) {
        return AskWithInputBox(this, title, prompt, value);
    };
    m_lastFolder = QFileInfo(m_filePath).absolutePath();

    BuildWindow(options);
    BuildMenus();
    FillVariableList();
    ReadFile();
    RebuildHidden();
    SetSendMode(ConsoleSending::Line);
}

// ---------------------------------------------------------------- building

void TForm_Debug2007::BuildWindow(const TConsoleOptions &options)
{
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto *client = new QWidget(this);
    setCentralWidget(client);
    auto *layout = new QVBoxLayout(client);

    m_log = new TConsoleLogModel(options.MaxLogRows, this);
    m_logView = new QTableView(client);
    m_logView->setObjectName(QStringLiteral("StringGrid_Received"));
    m_logView->setModel(m_log);
    m_logView->setFont(fixed);
    m_logView->verticalHeader()->hide();
    // Fixed row heights keep a log of many thousand rows cheap to scroll.
    m_logView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_logView->verticalHeader()->setDefaultSectionSize(m_logView->fontMetrics().height() + 4);
    m_logView->horizontalHeader()->setStretchLastSection(true);
    m_logView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_logView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_logView->setMouseTracking(true);
    m_logView->setContextMenuPolicy(Qt::CustomContextMenu);
    const int widths[] = {100, 75, 70, 150, 60};
    for (int column = 0; column < TConsoleLogModel::ColumnCount; ++column)
        m_logView->setColumnWidth(column, widths[column]);
    connect(m_logView, &QTableView::entered, this, [this](const QModelIndex &index) { HoverLogRow(index.row()); });
    connect(m_logView, &QTableView::doubleClicked, this,
            [this](const QModelIndex &index) { ShowCalculatorFor(index.row()); });
    connect(m_logView, &QTableView::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu menu(this);
        menu.addAction(QStringLiteral("Calculatrice"), m_calculator, &QWidget::show);
        menu.addAction(QStringLiteral("Clear All"), this, &TForm_Debug2007::ClearLog);
        menu.addAction(QStringLiteral("Save"), this, &TForm_Debug2007::ChooseLogFile);
        menu.exec(m_logView->viewport()->mapToGlobal(at));
    });
    m_logTimer.setSingleShot(true);
    m_logTimer.setInterval(LogUpdateMs);
    connect(&m_logTimer, &QTimer::timeout, this, &TForm_Debug2007::FlushLog);

    m_variableList = new QListWidget(client);
    m_variableList->setObjectName(QStringLiteral("CheckListBox_Variables"));
    m_variableList->setFont(fixed);
    m_variableList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_variableList, &QListWidget::itemPressed, this, [this] { m_toggledItem = nullptr; });
    connect(m_variableList, &QListWidget::itemChanged, this, &TForm_Debug2007::OnListItemChanged);
    connect(m_variableList, &QListWidget::itemClicked, this, &TForm_Debug2007::OnListItemClicked);
    connect(m_variableList, &QListWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu menu(this);
        menu.addAction(QStringLiteral("All Checked"), this, [this] { SetAllChecked(true); });
        menu.addAction(QStringLiteral("All UnChecked"), this, [this] { SetAllChecked(false); });
        menu.exec(m_variableList->viewport()->mapToGlobal(at));
    });

    auto *splitter = new QSplitter(Qt::Horizontal, client);
    splitter->addWidget(m_logView);
    splitter->addWidget(m_variableList);
    splitter->setSizes({520, 470});
    layout->addWidget(splitter, 1);

    auto *sendRow = new QHBoxLayout;
    m_sendField = new QPlainTextEdit(client);
    m_sendField->setObjectName(QStringLiteral("Memo_Send"));
    m_sendField->setFont(fixed);
    m_sendField->setPlaceholderText(QStringLiteral("Commandes à envoyer"));
    m_sendField->installEventFilter(this);
    m_calculator = new TConsoleCalculator(client);
    m_calculator->hide();
    sendRow->addWidget(m_sendField, 1);
    sendRow->addWidget(m_calculator);
    layout->addLayout(sendRow);
    m_sendField->setFixedHeight(m_calculator->sizeHint().height());

    m_buttons = new TConsoleButtons(options.CaptionScrollMs, client);
    connect(m_buttons, &TConsoleButtons::Pressed, this, &TForm_Debug2007::PressButton);
    connect(m_buttons, &TConsoleButtons::EditRequested, this, &TForm_Debug2007::EditButton);
    layout->addWidget(m_buttons);

    m_progress = new QProgressBar(client);
    m_progress->setObjectName(QStringLiteral("ProgressBar_Send"));
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    layout->addWidget(m_progress);
    statusBar();

    m_player = new TConsolePlayer([this](const QString &line) { return LinkRefusal().isEmpty() && Send(line); },
                                  options.PlayIntervalMs, this);
    connect(m_player, &TConsolePlayer::LineSent, this, [this](const QString &line, int position, int total) {
        m_sendField->appendPlainText(line);
        m_progress->setRange(0, total);
        m_progress->setValue(position);
    });
    connect(m_player, &TConsolePlayer::Waiting, this, [this] { LinkTakesText(QStringLiteral("Lecture en attente. ")); });
    connect(m_player, &TConsolePlayer::Finished, this, &TForm_Debug2007::FinishFile);

    m_filePanel = new TConsoleFilePanel(options.PlayIntervalMs, this);
    m_filePanel->hide();
    connect(m_filePanel, &TConsoleFilePanel::DirectRequested, this, &TForm_Debug2007::DirectSendFile);
    connect(m_filePanel, &TConsoleFilePanel::PlayRequested, this, &TForm_Debug2007::PlayFile);
    connect(m_filePanel, &TConsoleFilePanel::PauseToggled, m_player, &TConsolePlayer::SetPaused);
    connect(m_filePanel, &TConsoleFilePanel::StopRequested, this, &TForm_Debug2007::StopFile);

    resize(1000, 680);
}

void TForm_Debug2007::BuildMenus()
{
    QMenu *transfer = menuBar()->addMenu(QStringLiteral("Transfert"));
    transfer->addAction(QStringLiteral("Envoyer un fichier texte..."), this, &TForm_Debug2007::ChooseTextFile);

    QMenu *force = menuBar()->addMenu(QStringLiteral("Force Connect"));
    m_forceConnect = force->addAction(QStringLiteral("Force Connect"));
    m_forceConnect->setCheckable(true);
    connect(m_forceConnect, &QAction::triggered, this, [this](bool checked) {
        if (m_driver)
            m_driver->SetForceConnection(checked);
        m_forceConnect->setChecked(m_driver && m_driver->ForceConnection());
    });
    m_autoDiese = force->addAction(QStringLiteral("Auto Diese"));
    m_autoDiese->setCheckable(true);
    m_autoDiese->setChecked(true);
    connect(m_autoDiese, &QAction::triggered, this, [this](bool checked) {
        if (m_driver)
            m_driver->SetQueryAllVarsOnConnect(checked);
    });
    connect(force, &QMenu::aboutToShow, this, [this] {
        if (!m_driver)
            return;
        m_forceConnect->setChecked(m_driver->ForceConnection());
        m_autoDiese->setChecked(m_driver->QueryAllVarsOnConnect());
    });

    QMenu *options = menuBar()->addMenu(QStringLiteral("Options..."));
    auto *how = new QActionGroup(this);
    m_direct = options->addAction(QStringLiteral("Envoi Direct"));
    m_onCarriageReturn = options->addAction(QStringLiteral("Envoi sur Carriage Return"));
    for (QAction *choice : {m_direct, m_onCarriageReturn}) {
        choice->setCheckable(true);
        how->addAction(choice);
    }
    m_onCarriageReturn->setChecked(true);
    options->addSeparator();
    m_transmitCR = options->addAction(QStringLiteral("Transmission du Carriage Return"));
    m_transmitCR->setCheckable(true);
    options->addSeparator();
    m_slideButtons = options->addAction(QStringLiteral("Slide/UnSlide BTN"));
    m_slideButtons->setCheckable(true);
    connect(m_slideButtons, &QAction::triggered, this, &TForm_Debug2007::SetCaptionScrolling);

    QMenu *about = menuBar()->addMenu(QStringLiteral("About"));
    about->addAction(QStringLiteral("Version Debug 2007: 1.00.00.00 Alpha"))->setEnabled(false);
}

void TForm_Debug2007::FillVariableList()
{
    m_fillingList = true;
    for (const QString &line : ConsoleVariableList::SortedLines()) {
        auto *item = new QListWidgetItem(line, m_variableList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    m_fillingList = false;
}

// ---------------------------------------------------------------- the file

void TForm_Debug2007::ReadFile()
{
    QFile file(m_filePath);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return;
    const ConsoleFile::TParsed parsed =
        ConsoleFile::Parse(file.read(ConsoleFile::MaxFileSize + 1), m_variableList->count());
    for (int n = 0; n < ConsoleFile::ButtonCount; ++n)
        m_buttons->SetButton(n, parsed.Contents.Buttons[n]);
    m_fillingList = true;
    for (int line = 0; line < m_variableList->count(); ++line)
        m_variableList->item(line)->setCheckState(parsed.Contents.Checked[line] ? Qt::Checked : Qt::Unchecked);
    m_fillingList = false;
    if (parsed.Contents.Geometry)
        setGeometry(ScreenPlacement::KeptOnScreen(*parsed.Contents.Geometry, AvailableScreens()));
}

void TForm_Debug2007::WriteFile()
{
    ConsoleFile::TContents contents;
    contents.Buttons = m_buttons->Buttons();
    for (int line = 0; line < m_variableList->count(); ++line)
        contents.Checked << (m_variableList->item(line)->checkState() == Qt::Checked);
    contents.Geometry = geometry();
    QString error;
    if (!KeyValueFile::Write(m_filePath, ConsoleFile::Lines(contents), &error))
        TOperatorPrompt::Inform(this, QStringLiteral("Impossible d'enregistrer %1 : %2").arg(m_filePath, error),
                                TOperatorPrompt::Warning);
}

void TForm_Debug2007::RebuildHidden()
{
    m_hidden.clear();
    for (int line = 0; line < m_variableList->count(); ++line) {
        const QListWidgetItem *item = m_variableList->item(line);
        if (item->checkState() != Qt::Checked)
            m_hidden.insert(ConsoleVariableList::ReplyMnemonicOf(item->text()));
    }
}

// ---------------------------------------------------------------- the link

void TForm_Debug2007::SetDriver(TComDriverMorlix *driver)
{
    if (m_driver)
        disconnect(m_recConnection);
    m_driver = driver;
    if (m_driver) {
        m_recConnection = connect(m_driver, &TComDriver::OnRecString, this, &TForm_Debug2007::LogReceived);
        m_autoDiese->setChecked(m_driver->QueryAllVarsOnConnect());
        m_forceConnect->setChecked(m_driver->ForceConnection());
    }
}

void TForm_Debug2007::LogReceived()
{
    // In raw mode the link fires for every chunk, and the last matched line
    // it offers is stale.
    if (!m_driver || m_driver->ConMode() != cmVAR)
        return;
    const QString line = m_driver->ReceivedString();
    TConsoleReply reply = TConsoleReply::Split(line);
    if (m_hidden.contains(reply.Mnemonic) || !reply.Value)
        return;
    m_pendingLog.append({line, std::move(reply)});
    if (m_pendingLog.size() >= LargestLogBatch)
        FlushLog();
    else if (!m_logTimer.isActive())
        m_logTimer.start();
}

void TForm_Debug2007::FlushLog()
{
    m_logTimer.stop();
    if (m_pendingLog.isEmpty())
        return;
    QVector<TConsoleLogModel::TEntry> entries;
    entries.reserve(m_pendingLog.size());
    for (const auto &[line, reply] : std::as_const(m_pendingLog))
        entries.append({line, reply.Mnemonic, *reply.Value});
    m_pendingLog.clear();
    m_log->Append(entries);
    if (isVisible())
        m_logView->scrollToBottom();
}

TConsoleLogModel *TForm_Debug2007::Log()
{
    FlushLog();
    return m_log;
}

QString TForm_Debug2007::LinkRefusal() const
{
    if (!m_driver || !m_driver->Opened())
        return LinkClosed;
    if (m_driver->ConMode() != cmVAR)
        return TransferHoldsLink;
    return QString();
}

bool TForm_Debug2007::LinkTakesText(const QString &context)
{
    const QString refusal = LinkRefusal();
    if (refusal.isEmpty())
        return true;
    statusBar()->showMessage(context + refusal, StatusShownMs);
    return false;
}

bool TForm_Debug2007::Send(const QString &text)
{
    m_driver->SendText(text);
    return true;
}

void TForm_Debug2007::SendAsTyped(const QString &text)
{
    if (!LinkTakesText())
        return;
    const QStringList characters = ConsoleSending::TypedCharacters(text);
    m_progress->setRange(0, qMax(1, int(characters.size())));
    m_progress->setValue(0);
    for (int i = 0; i < characters.size(); ++i) {
        Send(characters[i]);
        m_progress->setValue(i + 1);
    }
}

void TForm_Debug2007::AppendAndSend(const QString &text)
{
    m_sendField->appendPlainText(text);
    SendAsTyped(text);
}

// ---------------------------------------------------------------- sending

ConsoleSending::TMode TForm_Debug2007::SendMode() const
{
    return ConsoleSending::ModeFor(m_direct->isChecked(), m_transmitCR->isChecked());
}

void TForm_Debug2007::SetSendMode(ConsoleSending::TMode mode)
{
    (ConsoleSending::SendsEveryKey(mode) ? m_direct : m_onCarriageReturn)->setChecked(true);
    m_transmitCR->setChecked(ConsoleSending::TransmitsCarriageReturn(mode));
}

void TForm_Debug2007::SetCaptionScrolling(bool scrolling)
{
    m_slideButtons->setChecked(scrolling);
    m_buttons->SetScrolling(scrolling);
}

bool TForm_Debug2007::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_sendField && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        OnSendFieldKey(key->key(), key->text());
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm_Debug2007::OnSendFieldKey(int key, const QString &text)
{
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const ConsoleSending::TMode mode = SendMode();
    if (ConsoleSending::SendsEveryKey(mode)) {
        const QString sent = ConsoleSending::TextForKey(mode, enter ? QStringLiteral("\r") : text);
        if (!sent.isEmpty() && LinkTakesText())
            Send(sent);
        return;
    }
    if (!enter)
        return;
    // The key reaches the field after this: the caret's line is the one typed.
    const std::optional<QString> line = ConsoleSending::TextForLine(mode, m_sendField->textCursor().block().text());
    if (line && LinkTakesText())
        Send(*line);
}

void TForm_Debug2007::RequestLine(int listRow)
{
    const QListWidgetItem *item = m_variableList->item(listRow);
    if (item)
        AppendAndSend(ConsoleVariableList::SendMnemonicOf(item->text()));
}

void TForm_Debug2007::PressButton(int n)
{
    AppendAndSend(m_buttons->Button(n).Text);
}

QString TForm_Debug2007::AskStorable(const QString &title, const QString &prompt, const QString &current,
                                     QString (*problemOf)(const QString &))
{
    const std::optional<QString> answer = AskText(title, prompt, current);
    if (!answer)
        return current;
    const QString problem = problemOf(*answer);
    if (problem.isEmpty())
        return *answer;
    TOperatorPrompt::Inform(this, problem, TOperatorPrompt::Warning);
    return current;
}

void TForm_Debug2007::EditButton(int n)
{
    ConsoleFile::TButton button = m_buttons->Button(n);
    button.Descriptor = AskStorable(QStringLiteral("Descriptor"), QStringLiteral("Enter Descriptor"),
                                    button.Descriptor, &ConsoleFile::DescriptorProblem);
    button.Text = AskStorable(QStringLiteral("StringToSend"), QStringLiteral("Enter String To Send"), button.Text,
                              &ConsoleFile::StringProblem);
    m_buttons->SetButton(n, button);
    WriteFile();
}

// ---------------------------------------------------------------- the list

void TForm_Debug2007::OnListItemChanged(QListWidgetItem *item)
{
    if (m_fillingList)
        return;
    m_toggledItem = item;
    RebuildHidden();
    WriteFile();
}

void TForm_Debug2007::OnListItemClicked(QListWidgetItem *item)
{
    // A click on the check box changes the mark and sends nothing.
    if (item == m_toggledItem) {
        m_toggledItem = nullptr;
        return;
    }
    RequestLine(m_variableList->row(item));
}

void TForm_Debug2007::SetAllChecked(bool checked)
{
    m_fillingList = true;
    for (int line = 0; line < m_variableList->count(); ++line)
        m_variableList->item(line)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    m_fillingList = false;
    RebuildHidden();
    WriteFile();
}

// ---------------------------------------------------------------- the log

void TForm_Debug2007::ClearLog()
{
    m_pendingLog.clear();
    m_log->Clear();
}

bool TForm_Debug2007::SaveLog(const QString &path)
{
    FlushLog();
    QStringList lines;
    for (int row = 0; row < m_log->LoggedRows(); ++row)
        lines << m_log->Text(row, TConsoleLogModel::ReceivedColumn);
    QString error;
    if (KeyValueFile::Write(path, lines, &error))
        return true;
    TOperatorPrompt::Inform(this, QStringLiteral("Impossible d'enregistrer %1 : %2").arg(path, error),
                            TOperatorPrompt::Warning);
    return false;
}

void TForm_Debug2007::ChooseLogFile()
{
    QFileDialog dialog(this, QStringLiteral("Save"), AppFiles::PathFor(QStringLiteral("Debug2007.txt")),
                       QStringLiteral("Fichier Texte (*.txt *.TXT)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        SaveLog(dialog.selectedFiles().first());
}

void TForm_Debug2007::ShowCalculatorFor(int logRow)
{
    const TConsoleLogModel *log = Log();
    if (logRow < 0 || logRow >= log->LoggedRows())
        return;
    m_calculator->SetValue(log->Value(logRow));
    using C = TConsoleLogModel;
    m_logView->setToolTip(QStringLiteral(" Var: %1, Dec: %2, Bin: %3, Hex: %4")
                              .arg(log->Text(logRow, C::MnemonicColumn), log->Text(logRow, C::DecimalColumn),
                                   log->Text(logRow, C::BinaryColumn), log->Text(logRow, C::HexadecimalColumn)));
    m_calculator->show();
}

void TForm_Debug2007::HoverLogRow(int logRow)
{
    const QString mnemonic = Log()->Mnemonic(logRow);
    if (mnemonic.isEmpty())
        return;
    const QString wanted = QStringLiteral("  ") + mnemonic;
    for (int line = 0; line < m_variableList->count(); ++line) {
        QListWidgetItem *item = m_variableList->item(line);
        if (!item->text().contains(wanted))
            continue;
        m_variableList->setCurrentItem(item);
        m_variableList->scrollToItem(item);
        setWindowTitle(item->text());
        return;
    }
}

// ---------------------------------------------------------------- text files

void TForm_Debug2007::ChooseTextFile()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Envoyer un fichier texte"), m_lastFolder,
                                                      QStringLiteral("Fichier Texte a envoyer sur la RS232 (*.txt *.TXT)"));
    if (path.isEmpty())
        return;
    m_lastFolder = QFileInfo(path).absolutePath();
    OpenTextFile(path);
}

bool TForm_Debug2007::OpenTextFile(const QString &path)
{
    QFile file(path);
    QString problem;
    if (!file.open(QIODevice::ReadOnly))
        problem = file.errorString();
    else if (file.size() > ConsoleFile::MaxFileSize)
        problem = QStringLiteral("le fichier dépasse %1 octets").arg(ConsoleFile::MaxFileSize);
    QByteArray bytes;
    if (problem.isEmpty()) {
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            problem = file.errorString();
    }
    if (!problem.isEmpty()) {
        TOperatorPrompt::Inform(this, QStringLiteral("Impossible de lire %1 : %2").arg(path, problem),
                                TOperatorPrompt::Warning);
        return false;
    }
    StopFile();
    // Byte for byte: the link sends Latin-1.
    m_player->Load(QString::fromLatin1(bytes));
    m_filePanel->ShowReady(path);
    m_filePanel->move(mapToGlobal(QPoint(width() / 3, height() / 3)));
    m_filePanel->show();
    m_filePanel->raise();
    return true;
}

void TForm_Debug2007::DirectSendFile()
{
    if (!LinkTakesText())
        return;
    m_filePanel->ShowBusy();
    AppendAndSend(m_player->Text());
    m_filePanel->hide();
}

void TForm_Debug2007::PlayFile()
{
    // While playing every key goes out at once, between the file's lines.
    if (!m_player->IsPlaying()) {
        m_modeBeforePlay = SendMode();
        SetSendMode(ConsoleSending::Direct);
    }
    m_filePanel->ShowPlaying();
    m_player->Play();
}

void TForm_Debug2007::StopFile()
{
    if (m_player->IsPlaying())
        RestoreModeAfterPlay();
    m_player->Stop();
    m_filePanel->ShowReady(QString());
}

void TForm_Debug2007::FinishFile()
{
    m_filePanel->hide();
    m_progress->setValue(0);
    RestoreModeAfterPlay();
}

void TForm_Debug2007::RestoreModeAfterPlay()
{
    SetSendMode(m_modeBeforePlay);
}

// ---------------------------------------------------------------- showing

void TForm_Debug2007::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Where the window system put it, once it has.
    m_shownGeometry = geometry();
    QTimer::singleShot(0, this, [this] { m_shownGeometry = geometry(); });
    setWindowTitle(Caption);
    m_logView->scrollToBottom();
    if (!m_driver)
        QTimer::singleShot(0, this, [this] { TOperatorPrompt::Inform(this, NoDriverMessage); });
}

void TForm_Debug2007::hideEvent(QHideEvent *event)
{
    QMainWindow::hideEvent(event);
    // Where the technician put the window is kept when it goes, not only at
    // the next edit.
    if (!event->spontaneous() && geometry() != m_shownGeometry)
        WriteFile();
}
