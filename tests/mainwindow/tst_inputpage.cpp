#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "config/KeyValueFile.h"
#include "controls/SlidingCaption.h"
#include "controls/SmartItems.h"
#include "dialogs/Unit_Customize.h"
#include "helper_fakedevice.h"
#include "helper_mainwindow.h"
#include "mainwindow/ConnectionOverlay.h"
#include "mainwindow/pages/InputSection.h"
#include "mainwindow/pages/InputStatusRows.h"
#include "mainwindow/pages/PageModels.h"
#include "mainwindow/tables/InputTables.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {

// The resend lines of one input array element, as the device sends them.
QStringList Element(const char *mnemonic, int input, int value)
{
    return {QStringLiteral("IP%1").arg(input), QStringLiteral("Ip%1").arg(input),
            QStringLiteral("%1%2").arg(QLatin1String(mnemonic)).arg(value)};
}

// A main window connected to a device on loopback whose resend holds the
// given lines; the mirror is in when it returns.
struct InputRig
{
    explicit InputRig(const QStringList &resend)
    {
        device.resendLines = resend;
        window.Initialise();
        window.show();
        window.ApplyConnection(LoopbackChoice(ctTCP, device.port()));
        QTRY_VERIFY_WITH_TIMEOUT(device.received.contains("1#"), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!window.Overlay()->isVisible(), 10000);
    }
    TInputSection &Inputs() { return *window.InputSection(); }
    TSmartItems *Selector(TInputSection::TRow row, int input) { return Inputs().Selector(row, input); }
    QString Shown(TInputSection::TRow row, int input) { return Selector(row, input)->ListField()->Text(); }
    // What the device received after the mirror, without the driver's
    // presence queries: the operator's writes. On a loaded machine the watch
    // may miss three answers, send its "0?" and, once the device answers
    // again, a new "1#"; none of that is a write, and a write made before
    // such a second resend is still one.
    QByteArray Writes() const
    {
        return device.received.mid(device.received.indexOf("1#") + 2)
            .replace("0?", "")
            .replace("?", "")
            .replace("1#", "");
    }
    void Send(const QByteArray &lines) { device.send(lines); }
    QStringList VisibleItems(TInputSection::TRow row, int input)
    {
        QStringList items;
        for (QAction *action : Selector(row, input)->PutMenuPopupMenu()->actions())
            if (action->isVisible())
                items << action->text();
        return items;
    }

    TScriptedPrompt prompt;
    QTemporaryDir dir;
    FakeMorlix device;
    TForm_Main window{TestWindowOptions(dir)};
};

QStringList UsedInputs()
{
    QStringList lines{"IC1", "Ic1"};
    for (int input = 1; input <= 4; ++input)
        lines += Element("IU", input, 1);
    return lines;
}

} // namespace

// The input page, the status page and the names window through a device on
// loopback.
class InputPageTest : public QObject
{
    Q_OBJECT
private slots:
    void reportForOneInputChangesOnlyThatInput()
    {
        InputRig rig(UsedInputs() + Element("IT", 1, 6) + Element("IT", 2, 6) + Element("IT", 4, 6));
        for (int input : {1, 2, 4})
            QCOMPARE(rig.Shown(TInputSection::TypeRow, input), QString("Computer HV/C"));
        rig.Send("Ip3\r\nIT2\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(rig.Shown(TInputSection::TypeRow, 3), QString("Video RGBS"), 5000);
        for (int input : {1, 2, 4})
            QCOMPARE(rig.Shown(TInputSection::TypeRow, input), QString("Computer HV/C"));
        // The hidden fifth input files its copy and moves no shown selector.
        rig.Send("Ip5\r\nIT4\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(rig.window.Models().Inputs.Value(ITYPE, 5), uint16_t(4), 5000);
        QCOMPARE(rig.Shown(TInputSection::TypeRow, 3), QString("Video RGBS"));
        QCOMPARE(rig.Writes(), QByteArray());
    }

    void choicesWriteTheInputFirst_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("input");
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("subItem");
        QTest::addColumn<QByteArray>("wire");
        QTest::newRow("PAL 60 under Y/C on input 2") << int(TInputSection::TypeRow) << 2 << 1 << 6
                                                     << QByteArray("2IP1IT6Is");
        QTest::newRow("Video YUV on input 4") << int(TInputSection::TypeRow) << 4 << 2 << -1 << QByteArray("4IP4IT");
        QTest::newRow("75 Ohms on input 1") << int(TInputSection::SyncLoadRow) << 1 << 1 << -1
                                            << QByteArray("1IP1IZ");
        QTest::newRow("unused input 2") << int(TInputSection::UsedRow) << 2 << 0 << -1 << QByteArray("2IP0IU");
        QTest::newRow("SPDIF on input 3") << int(TInputSection::AudioRow) << 3 << 5 << -1 << QByteArray("3IP5IA");
        QTest::newRow("composite parent item") << int(TInputSection::TypeRow) << 1 << 0 << -1 << QByteArray();
    }
    void choicesWriteTheInputFirst()
    {
        QFETCH(int, row);
        QFETCH(int, input);
        QFETCH(int, item);
        QFETCH(int, subItem);
        QFETCH(QByteArray, wire);
        InputRig rig(UsedInputs() + Element("IT", 1, 6));
        QMenu *menu = rig.Selector(TInputSection::TRow(row), input)->PutMenuPopupMenu();
        QAction *action = menu->actions().at(item);
        if (subItem >= 0)
            action->menu()->actions().at(subItem)->trigger();
        else
            action->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(rig.Writes(), wire, 5000);
        QTest::qWait(50);
        QCOMPARE(rig.Writes(), wire);
    }

    void secondaryButtonAndProgramWriteNothing()
    {
        InputRig rig(UsedInputs());
        TSmartItems *type = rig.Selector(TInputSection::TypeRow, 2);
        emit type->OnSmartItemsClickChange(type, Qt::RightButton, true, 2, "Video YUV");
        emit type->OnSmartSubItemsClickChange(type, Qt::RightButton, true, 1, "SDTV Y/C", 6, "PAL 60");
        TSmartItems *used = rig.Selector(TInputSection::UsedRow, 2);
        emit used->OnSmartItemsClickChange(used, Qt::RightButton, true, 0, "Unused");
        // Reports, names and the common update move controls and send nothing.
        rig.Send("Ip2\r\nIT1\r\nIs6\r\nIA5\r\nIU1\r\nXA6\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(rig.Shown(TInputSection::TypeRow, 2), QString("SDTV Y/C [ PAL 60 ]"), 5000);
        TOperatorNames names;
        names.Inputs[1] = "Camera";
        names.Audios[4] = "Desk";
        rig.Inputs().ApplyNames(names);
        rig.window.CommonUpdate();
        QCOMPARE(rig.Shown(TInputSection::AudioRow, 2), QString("Desk"));
        QTest::qWait(50);
        QCOMPARE(rig.Writes(), QByteArray());
    }

    void availabilityPerInput()
    {
        InputRig rig(UsedInputs() + Element("IT", 3, 12));
        QCOMPARE(rig.VisibleItems(TInputSection::TypeRow, 3), QStringList{"SDI Video"});
        QCOMPARE(rig.VisibleItems(TInputSection::TypeRow, 2).size(), 12);
        QVERIFY(!rig.VisibleItems(TInputSection::TypeRow, 2).contains("SDI Video"));
        QCOMPARE(rig.VisibleItems(TInputSection::TypeRow, 1).size(), 8);
        QVERIFY(rig.VisibleItems(TInputSection::AudioRow, 3).contains("Embedded SDI"));
        QVERIFY(!rig.VisibleItems(TInputSection::AudioRow, 1).contains("Embedded SDI"));
        // The device's default type on the SDI input is shown, hidden item or not.
        rig.Send("Ip3\r\nIT0\r\n");
        QTRY_VERIFY_WITH_TIMEOUT(rig.Shown(TInputSection::TypeRow, 3).startsWith("SDTV Composite"), 5000);
    }

    void columnsShareTheStrip()
    {
        InputRig rig(UsedInputs());
        TInputSection &inputs = rig.Inputs();
        const int width = qRound((inputs.InputButton(1)->parentWidget()->width() - 16) / 4.0);
        for (int input = 1; input <= 4; ++input) {
            QCOMPARE(inputs.InputButton(input)->width(), width);
            QCOMPARE(inputs.InputButton(input)->x(), inputs.ColumnLeft(input));
            QCOMPARE(rig.Selector(TInputSection::TypeRow, input)->x(), inputs.ColumnLeft(input));
        }
        for (int row = 0; row < TInputSection::RowCount; ++row)
            QVERIFY(!rig.Selector(TInputSection::TRow(row), 5)->isVisible());
    }

    void unusedInputButtonIsDisabled()
    {
        InputRig rig(UsedInputs() + Element("IU", 1, 0));
        QVERIFY(!rig.Inputs().InputButton(1)->isEnabled());
        QVERIFY(rig.Inputs().InputButton(2)->isEnabled());
        QVERIFY(!rig.Inputs().InputButton(5)->isVisible());
        QTest::mouseClick(rig.Inputs().InputButton(1), Qt::LeftButton);
        QTest::mouseClick(rig.Inputs().InputButton(2), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(rig.Writes(), QByteArray("2Ic"), 5000);
        // Nothing moves until the device has switched.
        QVERIFY(rig.Inputs().InputButton(1)->isChecked());
        QVERIFY(!rig.Inputs().InputButton(2)->isChecked());
    }

    void syncLoadShowsForTheTypesThatTakeOne()
    {
        InputRig rig(UsedInputs() + Element("IT", 2, 6));
        QVERIFY(rig.Selector(TInputSection::SyncLoadRow, 2)->isVisible());
        QVERIFY(!rig.Selector(TInputSection::SyncLoadRow, 1)->isVisible());
        QVERIFY(rig.Inputs().RowHeader(TInputSection::SyncLoadRow, 1)->isVisible());
        rig.Send("Ip2\r\nIT8\r\n");
        QTRY_VERIFY_WITH_TIMEOUT(!rig.Selector(TInputSection::SyncLoadRow, 2)->isVisible(), 5000);
        QVERIFY(!rig.Inputs().RowHeader(TInputSection::SyncLoadRow, 1)->isVisible());
    }

    void pendingInputBlinksUntilTheDeviceCatchesUp()
    {
        InputRig rig(UsedInputs());
        TInputSection &inputs = rig.Inputs();
        rig.Send("Ic3\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(rig.window.Driver().GetVar(ICHN), uint16_t(3), 5000);
        // The window's own timer ticks too: start from whatever glyph it left.
        inputs.BlinkTick();
        const bool lit = inputs.ShowsBlinkGlyph(3);
        inputs.BlinkTick();
        QCOMPARE(inputs.ShowsBlinkGlyph(3), !lit);
        inputs.BlinkTick();
        QCOMPARE(inputs.ShowsBlinkGlyph(3), lit);
        for (int other : {1, 2, 4, 5})
            QVERIFY(!inputs.ShowsBlinkGlyph(other));
        // The two glyphs are drawn once: one drawn for every blink would be
        // one more entry in Qt's pixmap cache each time.
        QSet<qint64> glyphs;
        for (int tick = 0; tick < 8; ++tick) {
            inputs.BlinkTick();
            glyphs << inputs.InputButton(3)->icon().pixmap(10, 10).cacheKey();
        }
        glyphs << inputs.InputButton(1)->icon().pixmap(10, 10).cacheKey();
        QCOMPARE(glyphs.size(), 2);
        rig.Send("IC3\r\n");
        QTRY_VERIFY_WITH_TIMEOUT(inputs.InputButton(3)->isChecked(), 5000);
        inputs.BlinkTick();
        for (int input = 1; input <= 5; ++input)
            QVERIFY(!inputs.ShowsBlinkGlyph(input));
        QVERIFY(!inputs.InputButton(1)->isChecked());
    }

    void statusPageShowsTheActiveInput()
    {
        InputRig rig(UsedInputs() + Element("IN", 1, 16) + QStringList{"IK0", "IH1", "IV0", "IL315", "IR5994"});
        QTableWidget *grid = rig.Inputs().StatusGrid();
        QCOMPARE(grid->item(1, 1)->text(), QString("640  x 480 ( VGA )"));
        QCOMPARE(grid->item(2, 1)->text(), QString("H & V Sync. ( H + , V - ) "));
        QCOMPARE(grid->item(3, 1)->text(), QString("31.5KHz"));
        QCOMPARE(grid->item(4, 1)->text(), QString("59.94Hz"));
        // The HDCP reports refresh the page on their own.
        rig.Send("Ih1\r\nOh1\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(grid->item(14, 1)->text(), QString("ON"), 5000);
        QCOMPARE(grid->item(5, 1)->text(), QString("ON"));
        rig.Send("IC2\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(grid->item(1, 1)->text(), QString("No signal"), 5000);
        QCOMPARE(grid->item(2, 1)->text(), QString("..."));
    }

    void statusTexts_data()
    {
        QTest::addColumn<TInputStatusReadings>("readings");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        TInputStatusReadings vga;
        vga.Format = 16;
        vga.Sync = 2;
        vga.LineFrequency = 315;
        vga.FieldFrequency = 5994;
        QTest::newRow("sync type") << vga << 2 << "S.O.G. Sync.";
        QTest::newRow("line") << vga << 3 << "31.5KHz";
        TInputStatusReadings invalid = vga;
        invalid.Format = 1;
        for (int row : {2, 3, 4})
            QTest::newRow(qPrintable(QString("invalid %1").arg(row))) << invalid << row << "...";
        TInputStatusReadings output;
        output.ReferenceStatus = 2;
        output.ReferenceFormat = 6;
        output.ReferenceFrequency = 5000;
        QTest::newRow("unlocked reference") << output << 11 << "Wrong ref. sync.";
        output.ReferenceLock = 1;
        QTest::newRow("locked reference") << output << 11 << "Follow / Frame Lock : Input 2";
        output.ReferenceStatus = 6;
        QTest::newRow("genlock caption") << output << 11 << "Follow / Frame Lock : Genlock H&V";
        output.ReferenceStatus = 7;
        output.ReferenceLock = 0;
        QTest::newRow("error") << output << 11 << "Error";
        QTest::newRow("output name") << output << 12 << "HDTV 1080i SMPTE274M";
        QTest::newRow("output rate") << output << 13 << "50Hz";
        QTest::newRow("empty row") << output << 7 << "";
    }
    void statusTexts()
    {
        QFETCH(TInputStatusReadings, readings);
        QFETCH(int, row);
        QFETCH(QString, text);
        QCOMPARE(InputStatusRows(readings, QLocale::c())[size_t(row)].Value, text);
    }

    void decimalSeparatorFollowsTheLocale()
    {
        QCOMPARE(FrequencyText(59.94, "Hz", QLocale(QLocale::German)), QString("59,94Hz"));
    }

    void renameThroughTheNamesWindow_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("okButton");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("staysOpen");
        QTest::newRow("OK") << int(QMessageBox::NoButton) << true << "Camera" << false;
        QTest::newRow("Close, Yes") << int(QMessageBox::Yes) << false << "Camera" << false;
        QTest::newRow("Close, No") << int(QMessageBox::No) << false << "Input 2" << false;
        QTest::newRow("Close, Cancel") << int(QMessageBox::Cancel) << false << "Input 2" << true;
    }
    void renameThroughTheNamesWindow()
    {
        QFETCH(int, answer);
        QFETCH(bool, okButton);
        QFETCH(QString, shown);
        QFETCH(bool, staysOpen);
        InputRig rig(UsedInputs());
        rig.prompt.answer = [answer](const TScriptedPrompt::TAsked &) { return QMessageBox::StandardButton(answer); };
        rig.Inputs().ButtonMenu(2)->actions().first()->trigger();
        TForm_Customize *names = rig.window.Customize();
        QVERIFY(names->isVisible());
        QCOMPARE(names->SelectedRow(), 1);
        QCOMPARE(names->OutlinedRow(TForm_Customize::InputGroup), 1);
        QVERIFY(!names->GroupBox(TForm_Customize::AudioGroup)->isVisibleTo(names));
        QCOMPARE(names->height(), 142);
        // Typed into the cell as the operator types.
        QTableWidget *grid = names->Grid(TForm_Customize::InputGroup);
        grid->item(1, 1)->setText("Camera");
        QCOMPARE(names->InputName(2), QString("Camera"));
        QCOMPARE(rig.Inputs().InputButton(2)->text(), QString("Input 2")); // not before the window hides
        rig.window.SaveSettings(rig.window.SettingsPath());
        QStringList lines;
        KeyValueFile::Read(rig.window.SettingsPath(), lines);
        QCOMPARE(KeyValueFile::Value(lines, "Input2"), QString("Input 2")); // never the unconfirmed edit

        QTest::mouseClick(okButton ? names->OkButton() : names->CloseButton(), Qt::LeftButton);
        QCOMPARE(names->isVisible(), staysOpen);
        QCOMPARE(rig.prompt.Texts(), okButton ? QStringList{} : QStringList{"Do you want to save the changes ?"});
        QCOMPARE(rig.Inputs().InputButton(2)->text(), shown);
        QCOMPARE(rig.Inputs().ColumnHeader(2)->text(), shown);
        QCOMPARE(grid->item(1, 1)->text(), okButton || answer == QMessageBox::Yes ? QString("Camera") : QString("Input 2"));
        rig.window.SaveSettings(rig.window.SettingsPath());
        KeyValueFile::Read(rig.window.SettingsPath(), lines);
        QCOMPARE(KeyValueFile::Value(lines, "Input2"), shown);
        QCOMPARE(rig.Writes(), QByteArray());
    }

    void namesWindowLaysItselfOutByRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("outlined");
        QTest::newRow("input 3") << 2 << int(TForm_Customize::InputGroup) << 142 << 2;
        QTest::newRow("frame 2") << 9 << int(TForm_Customize::FrameGroup) << 140 << 1;
        QTest::newRow("audio 1") << 20 << int(TForm_Customize::AudioGroup) << 208 << 0;
    }
    void namesWindowLaysItselfOutByRow()
    {
        QFETCH(int, row);
        QFETCH(int, group);
        QFETCH(int, height);
        QFETCH(int, outlined);
        TForm_Customize names;
        names.SelectRow(row);
        QCOMPARE(names.height(), height);
        for (int g = 0; g < TForm_Customize::GroupCount; ++g) {
            const auto each = TForm_Customize::TGroup(g);
            QCOMPARE(names.GroupBox(each)->isVisibleTo(&names), g == group);
            QCOMPARE(names.OutlinedRow(each), g == group ? outlined : -1);
        }
        // No row: both groups whole, nothing outlined.
        names.SelectRow(-1);
        QVERIFY(names.GroupBox(TForm_Customize::InputGroup)->isVisibleTo(&names));
        QVERIFY(names.GroupBox(TForm_Customize::AudioGroup)->isVisibleTo(&names));
        QVERIFY(!names.GroupBox(TForm_Customize::FrameGroup)->isVisibleTo(&names));
        QVERIFY(names.height() > 208);
        QCOMPARE(names.OutlinedRow(TForm_Customize::InputGroup), -1);
    }

    void emptiedNamesShowTheirDefaults()
    {
        InputRig rig(UsedInputs());
        rig.window.OpenCustomize(-1);
        TForm_Customize *names = rig.window.Customize();
        QVERIFY(names->GroupBox(TForm_Customize::AudioGroup)->isVisibleTo(names));
        names->Grid(TForm_Customize::InputGroup)->item(0, 1)->setText("R&D");
        names->Grid(TForm_Customize::InputGroup)->item(3, 1)->setText("");
        names->Grid(TForm_Customize::AudioGroup)->item(1, 1)->setText("");
        QTest::mouseClick(names->OkButton(), Qt::LeftButton);
        QCOMPARE(rig.Inputs().InputButton(1)->text(), QString("R&&D")); // shows "R&D"
        QCOMPARE(rig.Inputs().ColumnHeader(1)->text(), QString("R&D"));
        QCOMPARE(rig.Inputs().InputButton(4)->text(), QString("Aux"));
        QCOMPARE(rig.Selector(TInputSection::AudioRow, 1)->GetItemCaption(2), QString("Analog B"));
    }

    void namesRefuseWhatTheFileCannotHold_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("storable");
        QTest::newRow("latin-1") << QString::fromUtf8("Caméra 2") << true;
        QTest::newRow("line feed") << QString("Cam\nera") << false;
        QTest::newRow("carriage return") << QString("Cam\rera") << false;
        QTest::newRow("outside latin-1") << QString::fromUtf8("Камера") << false;
    }
    void namesRefuseWhatTheFileCannotHold()
    {
        QFETCH(QString, text);
        QFETCH(bool, storable);
        TForm_Customize names;
        names.Grid(TForm_Customize::InputGroup)->item(0, 1)->setText(text);
        QCOMPARE(names.InputName(1), storable ? text : QString("Input 1"));
    }
};

Q_DECLARE_METATYPE(TInputStatusReadings)
MORLIX_TEST(InputPageTest)
#include "tst_inputpage.moc"
