#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "controls/SlidingCaption.h"
#include "controls/SmartItems.h"
#include "helper_simwindow.h"
#include "mainwindow/pages/InputSection.h"
#include "mainwindow/pages/OutputSection.h"
#include "mainwindow/pages/PageModels.h"
#include "mainwindow/tables/OutputTables.h"

#include <QTableWidget>
#include <QtTest>

// The output page against the simulator program: the device's output follows
// a format or reference choice and the status page and the common update
// follow the device.
class OutputSimTest : public QObject
{
    Q_OBJECT
private slots:
    void outputFollowsTheOperatorsChoices()
    {
        TScriptedPrompt prompt;
        SimWindowRig rig;
        QVERIFY(rig.Connect({}));
        TForm_Main &window = rig.window;
        SimProcess &sim = rig.sim;
        TOutputSection &output = *window.Output();
        TSmartItems *format = output.FormatSelector();
        QTableWidget *status = window.InputSection()->StatusGrid();
        TComDriverMorlix &driver = window.Driver();
        const auto choose = [](TSmartItems *selector, int item) {
            emit selector->OnSmartItemsClickChange(selector, Qt::LeftButton, true, item, QString());
        };

        choose(format, OutputTables::FormatItems.PositionOf(6));
        QTRY_COMPARE_WITH_TIMEOUT(driver.GetVar(OVSIZE), uint16_t(1080), 5000);
        QCOMPARE(driver.GetVar(REFFORMAT), uint16_t(6));
        QCOMPARE(format->ListField()->Text(), QString("HDTV 1080i SMPTE274M"));
        QCOMPARE(status->item(12, 1)->text(), QString("HDTV 1080i SMPTE274M"));
        QVERIFY(window.Models().CommonUpdate.LastState().Rules.FlickerFilter);

        // Genlock H and V: the output runs the genlock source (PAL here).
        choose(format, 0);
        QTRY_COMPARE_WITH_TIMEOUT(format->ListField()->Text(), QString("Genlock"), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(driver.GetVar(REFFORMAT), uint16_t(0), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(window.Models().CommonUpdate.LastState().Rules.GenlockPhases, 5000);
        QCOMPARE(window.Models().CommonUpdate.LastState().Rules.HPhase.ScrollMin, 32676);
        QVERIFY(!output.RateSelector()->AllEnabled());
        QCOMPARE(status->item(12, 1)->text(), QString("SDTV PAL"));

        // The front panel loses the reference; the status page says so.
        sim.Process.write("ref unlock\n");
        QTRY_COMPARE_WITH_TIMEOUT(status->item(11, 1)->text(), QString("Wrong ref. sync."), 5000);

        // A rate: the internal reference first, then the rate.
        choose(format, OutputTables::FormatItems.PositionOf(12));
        QTRY_COMPARE_WITH_TIMEOUT(driver.GetVar(REFREQUEST), uint16_t(0), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(driver.GetVar(OFORMAT), uint16_t(12), 5000);
        choose(output.RateSelector(), 10);
        QTRY_COMPARE_WITH_TIMEOUT(driver.GetVar(REFFREQ), uint16_t(7500), 5000);
        QCOMPARE(output.RateSelector()->ListField()->Text(), QString("75 Hz"));
        QVERIFY(output.RateSelector()->AllEnabled());
        QVERIFY(prompt.asked.isEmpty());
    }
};

MORLIX_TEST(OutputSimTest)
#include "tst_outputsim.moc"
