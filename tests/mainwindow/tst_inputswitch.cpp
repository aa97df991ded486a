#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "helper_simwindow.h"
#include "mainwindow/pages/InputSection.h"

#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

// Switching inputs against the simulator program: the device takes its time
// to switch, the asked-for button blinks meanwhile, and the status page then
// shows what the new input receives.
class InputSwitchTest : public QObject
{
    Q_OBJECT
private slots:
    void switchingInputBlinksUntilTheDeviceHasSwitched()
    {
        TScriptedPrompt prompt;
        SimWindowRig rig;
        QVERIFY(rig.Connect({"--switch-ms", "400", "--signal", "1:16", "--signal", "2:13"}));
        TForm_Main &window = rig.window;
        SimProcess &sim = rig.sim;
        TInputSection &inputs = *window.InputSection();
        QTableWidget *status = inputs.StatusGrid();
        QTRY_COMPARE_WITH_TIMEOUT(status->item(1, 1)->text(), QString("640  x 480 ( VGA )"), 5000);
        QVERIFY(inputs.InputButton(1)->isChecked());

        QTest::mouseClick(inputs.InputButton(2), Qt::LeftButton);
        // ICHN is reported at once; ICH only after the switch.
        QTRY_COMPARE_WITH_TIMEOUT(window.Driver().GetVar(ICHN), uint16_t(2), 5000);
        QVERIFY(inputs.InputButton(1)->isChecked());
        // The glyph alternates on every tick of the (fast) timer: watch closely.
        bool blinked = false;
        for (int i = 0; i < 2000 && !blinked && !inputs.InputButton(2)->isChecked(); ++i) {
            QTest::qWait(1);
            blinked = inputs.ShowsBlinkGlyph(2);
        }
        QVERIFY(blinked);
        QTRY_VERIFY_WITH_TIMEOUT(inputs.InputButton(2)->isChecked(), 5000);
        QVERIFY(!inputs.InputButton(1)->isChecked());
        QTRY_COMPARE_WITH_TIMEOUT(status->item(1, 1)->text(), QString("1080i"), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(status->item(4, 1)->text(), QString("60Hz"), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!inputs.ShowsBlinkGlyph(2), 2000);

        // A signal change on the front panel reaches the page by itself.
        sim.Process.write("signal 2 none\n");
        QTRY_COMPARE_WITH_TIMEOUT(status->item(1, 1)->text(), QString("No signal"), 5000);
        QCOMPARE(status->item(3, 1)->text(), QString("..."));
        QVERIFY(prompt.asked.isEmpty());
    }
};

MORLIX_TEST(InputSwitchTest)
#include "tst_inputswitch.moc"
