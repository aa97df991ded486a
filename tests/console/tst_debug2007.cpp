#include "ConsoleRig.h"
#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "console/ConsoleButtons.h"
#include "console/ConsoleCalculator.h"
#include "console/ConsoleFilePanel.h"
#include "console/ConsoleLogModel.h"
#include "console/ConsolePlayer.h"
#include "console/ConsoleVariableList.h"
#include "variables/VariableTable.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

namespace {

int ListRowOf(const TForm_Debug2007 &console, int varNumber)
{
    const QString line = ConsoleVariableList::LineOf(varNumber);
    for (int row = 0; row < console.VariableList()->count(); ++row)
        if (console.VariableList()->item(row)->text() == line)
            return row;
    return -1;
}

QStringList LogRow(const TConsoleLogModel &log, int row)
{
    QStringList texts;
    for (int column = 0; column < TConsoleLogModel::ColumnCount; ++column)
        texts << log.Text(row, TConsoleLogModel::TColumn(column));
    return texts;
}

QString WriteText(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(QStringLiteral("commandes.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

QByteArray Bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class Debug2007Test : public QObject
{
    Q_OBJECT
private slots:
    void logsEachReplyInItsForms()
    {
        ConsoleRig rig;
        rig.Reply("RX1024\r\nDDBG3\r\n");
        const TConsoleLogModel &log = *rig.console->Log();
        QCOMPARE(log.LoggedRows(), 2);
        QCOMPARE(LogRow(log, 0), QStringList({"RX1024", "RX", "1024", "10000000000", "400"}));
        QCOMPARE(LogRow(log, 1), QStringList({"DDBG3", "DDBG", "3", "011", "3"}));
        // Always one empty row for the next.
        QCOMPARE(log.rowCount(), 3);
        QCOMPARE(log.data(log.index(2, 0)).toString(), QString());
    }

    void uncheckedVariablesStayOutOfTheLog()
    {
        ConsoleRig rig;
        const int hpos = ListRowOf(*rig.console, HPOS);
        QVERIFY(hpos >= 0);
        rig.console->VariableList()->item(hpos)->setCheckState(Qt::Unchecked);
        QCOMPARE(rig.console->HiddenMnemonics(), QSet<QString>{"RX"});
        rig.Reply("RX5\r\nRY6\r\n");
        QCOMPARE(rig.console->Log()->LoggedRows(), 1);
        QCOMPARE(rig.console->Log()->Mnemonic(0), QStringLiteral("RY"));
        // The mark is kept in the console's file, by its place in the list.
        QVERIFY(Bytes(rig.console->FilePath()).contains(QStringLiteral("Checked%1=False").arg(hpos).toLatin1()));
        QVERIFY(rig.SentBeforeMarker().isEmpty());

        rig.console->SetAllChecked(false);
        QCOMPARE(rig.console->HiddenMnemonics().size(), VarTableSize - 1); // AMX and XCR share NULL
        rig.console->SetAllChecked(true);
        QVERIFY(rig.console->HiddenMnemonics().isEmpty());
    }

    void logsNothingWhileATransferHoldsTheLink()
    {
        ConsoleRig rig;
        // In raw mode every chunk fires the link's signal.
        rig.driver.SetConMode(cmRAW);
        rig.Reply("RX1\r\n");
        rig.driver.TakeReceivedText();
        rig.driver.SetConMode(cmVAR);
        // A transfer puts its own handler in place and gives the link back after.
        int transferSaw = 0;
        const TComDriver::TRecStringHandler before = rig.driver.SetRecStringHandler([&] { ++transferSaw; });
        rig.Reply("RX2\r\n");
        rig.driver.SetRecStringHandler(before);
        rig.Reply("RX3\r\n");
        QCOMPARE(transferSaw, 1);
        QCOMPARE(rig.console->Log()->LoggedRows(), 1);
        QCOMPARE(rig.console->Log()->Text(0, TConsoleLogModel::ReceivedColumn), QStringLiteral("RX3"));
    }

    void logKeepsTheLatestRows()
    {
        TConsoleOptions options;
        options.MaxLogRows = 3;
        ConsoleRig rig(options);
        rig.Reply("RX1\r\nRX2\r\nRX3\r\nRX4\r\nRX5\r\n");
        QCOMPARE(rig.console->Log()->LoggedRows(), 3);
        QCOMPARE(rig.console->Log()->Value(0), 3u);
        QCOMPARE(rig.console->Log()->rowCount(), 4);
        rig.console->ClearLog();
        QCOMPARE(rig.console->Log()->rowCount(), 1);
    }

    void typingSendsAsTheModeSays_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArrayList>("sent");
        QTest::newRow("on Enter") << int(ConsoleSending::Line) << QByteArrayList{"RX"};
        QTest::newRow("on Enter with CR") << int(ConsoleSending::LineWithCR) << QByteArrayList{"RX\r"};
        QTest::newRow("direct") << int(ConsoleSending::Direct) << QByteArrayList{"R", "X"};
        QTest::newRow("direct with CR") << int(ConsoleSending::DirectWithCR) << QByteArrayList{"R", "X", "\r"};
    }
    void typingSendsAsTheModeSays()
    {
        QFETCH(int, mode);
        QFETCH(QByteArrayList, sent);
        ConsoleRig rig;
        QCOMPARE(rig.console->SendMode(), ConsoleSending::Line);
        rig.console->SetSendMode(ConsoleSending::TMode(mode));
        QTest::keyClicks(rig.console->SendField(), "RX");
        QTest::keyClick(rig.console->SendField(), Qt::Key_Return);
        // An empty line sends nothing in any mode but CR-direct.
        QTest::keyClick(rig.console->SendField(), Qt::Key_Return);
        if (mode == ConsoleSending::DirectWithCR)
            sent << "\r";
        QCOMPARE(rig.SentBeforeMarker(), sent);
        QCOMPARE(rig.console->SendField()->toPlainText(), QStringLiteral("RX\n\n"));
    }

    void clickingAListLineRequestsTheVariable()
    {
        ConsoleRig rig;
        rig.console->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.console.get()));
        QListWidget *list = rig.console->VariableList();
        const int row = ListRowOf(*rig.console, HPOS);
        list->scrollToItem(list->item(row));
        const QRect line = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
        QCOMPARE(rig.Sent(2), QByteArrayList({"R", "X"}));
        QCOMPARE(rig.console->SendField()->toPlainText(), QStringLiteral("RX"));

        // Its check box only changes the mark.
        QStyleOptionViewItem option;
        option.initFrom(list);
        option.rect = line;
        option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
        const QRect box = list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
        QCOMPARE(list->item(row)->checkState(), Qt::Unchecked);
        QCOMPARE(rig.SentBeforeMarker(), QByteArrayList({"R", "X"}));
    }

    void commandButtonsAreEditedKeptAndSent()
    {
        TScriptedPrompt prompt;
        TConsoleOptions options;
        QTemporaryDir dir;
        options.FilePath = dir.filePath("Debug2007.ini");
        {
            ConsoleRig rig(options);
            QStringList answers{"Reg;istre", "1@;2=é\r"};
            QStringList asked;
            rig.console->AskText = [&](const QString &title, const QString &, const QString &) {
                asked << title;
                return std::optional<QString>(answers.takeFirst());
            };
            // A descriptor with ";" and a string with a line end are refused.
            rig.console->EditButton(4);
            QCOMPARE(prompt.asked.size(), 2);
            QCOMPARE(rig.console->Buttons()->Button(4), ConsoleFile::TButton());
            answers = QStringList{"Registre", "1@;2=é"};
            rig.console->EditButton(4);
            QCOMPARE(asked, QStringList({"Descriptor", "StringToSend", "Descriptor", "StringToSend"}));
            QCOMPARE(rig.console->Buttons()->Widget(4)->text(), QStringLiteral("Registre"));
            QCOMPARE(rig.console->Buttons()->Widget(4)->toolTip(), QStringLiteral("Registre: \r\n1@;2=é"));
            QCOMPARE(rig.console->Buttons()->Widget(5)->text(), QStringLiteral("..."));

            // A cancelled input box changes nothing.
            rig.console->AskText = [](const QString &, const QString &, const QString &) {
                return std::optional<QString>();
            };
            rig.console->EditButton(4);

            QTest::mouseClick(rig.console->Buttons()->Widget(4), Qt::LeftButton);
            QCOMPARE(rig.Sent(6), QByteArrayList({"1", "@", ";", "2", "=", "\xe9"}));
        }
        // Back after a restart, ";", "=" and "é" included.
        ConsoleRig again(options);
        QCOMPARE(again.console->Buttons()->Button(4), ConsoleFile::TButton({"Registre", "1@;2=é"}));
    }

    void playSendsOneLineATickWhateverTheLineEnds_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("LF") << QByteArray("1RX\n2RY\nRX\n");
        QTest::newRow("CR LF") << QByteArray("1RX\r\n2RY\r\nRX\r\n");
        QTest::newRow("CR") << QByteArray("1RX\r2RY\rRX\r");
        QTest::newRow("no final line end") << QByteArray("1RX\n2RY\nRX");
    }
    void playSendsOneLineATickWhateverTheLineEnds()
    {
        QFETCH(QByteArray, file);
        ConsoleRig rig;
        rig.console->SetSendMode(ConsoleSending::LineWithCR);
        QVERIFY(rig.console->OpenTextFile(WriteText(rig.dir, file)));
        TConsoleFilePanel *panel = rig.console->FilePanel();
        QVERIFY(panel->isVisible());
        QVERIFY(panel->PlayButton()->isEnabled() && !panel->PauseButton()->isEnabled());
        QSignalSpy finished(rig.console->Player(), &TConsolePlayer::Finished);
        QTest::mouseClick(panel->PlayButton(), Qt::LeftButton);
        QCOMPARE(rig.console->SendMode(), ConsoleSending::Direct);
        QVERIFY(finished.wait(5000));
        QCOMPARE(rig.SentBeforeMarker(), QByteArrayList({"1RX", "2RY", "RX"}));
        QCOMPARE(rig.console->SendField()->toPlainText(), QStringLiteral("1RX\n2RY\nRX"));
        QVERIFY(!panel->isVisible());
        QCOMPARE(rig.console->SendMode(), ConsoleSending::LineWithCR);
    }

    void nothingGoesOutWhileATransferHoldsTheLink()
    {
        ConsoleRig rig({}, ConsoleRig::QuietMs);
        QVERIFY(rig.console->OpenTextFile(WriteText(rig.dir, "1RX\n2RY\n")));
        rig.console->Buttons()->SetButton(0, {"Req", "RX"});
        rig.console->PlayFile();
        rig.driver.SetConMode(cmRAW);
        TConsolePlayer *player = rig.console->Player();
        player->Tick();
        player->Tick();
        QVERIFY(player->IsWaiting());
        QTest::keyClicks(rig.console->SendField(), "RY");
        rig.console->PressButton(0);
        rig.console->RequestLine(0);
        QVERIFY(rig.SentBeforeMarker().isEmpty());

        // Given back, the player goes on where it was.
        rig.driver.SetConMode(cmVAR);
        rig.peer.datagrams.clear();
        player->Tick();
        player->Tick();
        QCOMPARE(rig.Sent(2), QByteArrayList({"1RX", "2RY"}));
    }

    void directSendAndStop()
    {
        ConsoleRig rig({}, ConsoleRig::QuietMs);
        QVERIFY(rig.console->OpenTextFile(WriteText(rig.dir, "1R\r\nX")));
        TConsoleFilePanel *panel = rig.console->FilePanel();
        rig.console->PlayFile();
        QVERIFY(panel->StopButton()->isEnabled() && !panel->DirectButton()->isEnabled());
        rig.console->Player()->Tick();
        QTest::mouseClick(panel->StopButton(), Qt::LeftButton);
        QVERIFY(panel->PlayButton()->isEnabled() && !panel->StopButton()->isEnabled());
        QCOMPARE(rig.console->SendMode(), ConsoleSending::Line);
        QTest::mouseClick(panel->DirectButton(), Qt::LeftButton);
        QCOMPARE(rig.SentBeforeMarker(), QByteArrayList({"1R", "1", "R", "\n", "X"}));
        QVERIFY(!panel->isVisible());
    }

    void unreadableTextFileIsSaidAndNothingPlays()
    {
        TScriptedPrompt prompt;
        ConsoleRig rig;
        QVERIFY(!rig.console->OpenTextFile(rig.dir.filePath("absent.txt")));
        QCOMPARE(prompt.asked.size(), 1);
        QVERIFY(prompt.asked.first().text.contains("absent.txt"));
        QVERIFY(!rig.console->FilePanel()->isVisible());
    }

    void savesTheLogAndSaysWhenItCannot()
    {
        TScriptedPrompt prompt;
        ConsoleRig rig;
        rig.Reply("RX1\r\nDEV67\r\n");
        const QString path = rig.dir.filePath("Debug2007.txt");
        QVERIFY(rig.console->SaveLog(path));
        QCOMPARE(Bytes(path), QByteArray("RX1\r\nDEV67\r\n"));
        QVERIFY(prompt.asked.isEmpty());
        QVERIFY(!rig.console->SaveLog(rig.dir.filePath("absent/Debug2007.txt")));
        QCOMPARE(prompt.asked.size(), 1);
        QVERIFY(prompt.asked.first().text.contains("absent/Debug2007.txt"));
    }

    void fileKeepsMarksAndWindow()
    {
        TScriptedPrompt prompt;
        TConsoleOptions options;
        QTemporaryDir dir;
        options.FilePath = dir.filePath("Debug2007.ini");
        const QRect place(60, 70, 820, 560);
        {
            ConsoleRig rig(options);
            rig.console->setGeometry(place);
            rig.console->VariableList()->item(10)->setCheckState(Qt::Unchecked);
        }
        ConsoleRig again(options);
        QCOMPARE(again.console->VariableList()->item(10)->checkState(), Qt::Unchecked);
        QCOMPARE(again.console->VariableList()->item(11)->checkState(), Qt::Checked);
        QCOMPARE(again.console->geometry(), place);
        QVERIFY(prompt.asked.isEmpty());
    }

    void windowSavedOffEveryScreenComesBack()
    {
        QTemporaryDir dir;
        TConsoleOptions options;
        options.FilePath = dir.filePath("Debug2007.ini");
        ConsoleFile::TContents contents;
        contents.Checked = QVector<bool>(VarTableSize, true);
        contents.Geometry = QRect(50000, -9000, 700, 500);
        QStringList lines = ConsoleFile::Lines(contents);
        QFile file(options.FilePath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lines.join("\r\n").toLatin1());
        file.close();
        ConsoleRig rig(options);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(screen.contains(rig.console->geometry().topLeft()));
    }

    void doubleClickShowsTheValueInTheCalculator()
    {
        ConsoleRig rig;
        rig.Reply("ZW1000\r\n");
        QVERIFY(rig.console->Calculator()->isHidden());
        rig.console->ShowCalculatorFor(0);
        QVERIFY(!rig.console->Calculator()->isHidden());
        QCOMPARE(rig.console->Calculator()->Row(ConsoleNumbers::BinaryRow)->text(), QStringLiteral("01111101000"));
        QCOMPARE(rig.console->LogView()->toolTip(), QStringLiteral(" Var: ZW, Dec: 1000, Bin: 01111101000, Hex: 3E8"));
        // The empty last row has nothing to show.
        rig.console->ShowCalculatorFor(1);
        QCOMPARE(rig.console->Calculator()->Row(ConsoleNumbers::DecimalRow)->text(), QStringLiteral("1000"));

        QLineEdit *hex = rig.console->Calculator()->Row(ConsoleNumbers::HexadecimalRow);
        hex->clear();
        QTest::keyClicks(hex, "ff");
        QCOMPARE(rig.console->Calculator()->Row(ConsoleNumbers::DecimalRow)->text(), QStringLiteral("255"));
    }

    void hoverNamesTheVariable()
    {
        ConsoleRig rig;
        rig.Reply("DDBG7\r\n");
        rig.console->HoverLogRow(0);
        QCOMPARE(rig.console->windowTitle(), ConsoleVariableList::LineOf(DATADBG));
        QCOMPARE(rig.console->VariableList()->currentRow(), ListRowOf(*rig.console, DATADBG));
    }

    void showingWithoutALinkSaysSo()
    {
        TScriptedPrompt prompt;
        QTemporaryDir dir;
        TConsoleOptions options;
        options.FilePath = dir.filePath("Debug2007.ini");
        TForm_Debug2007 console(nullptr, options);
        console.show();
        QTRY_COMPARE(prompt.asked.size(), 1);
        QVERIFY(prompt.asked.first().text.startsWith("Vous devriez initialiser La proprieté Driver"));
        console.AppendAndSend("RX");
    }
};

MORLIX_TEST(Debug2007Test)
#include "tst_debug2007.moc"
