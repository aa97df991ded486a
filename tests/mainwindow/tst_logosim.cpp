#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "controls/EditUpDown.h"
#include "controls/SmartItems.h"
#include "helper_simwindow.h"
#include "mainwindow/pages/LogoSection.h"

#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

// The logos page against the simulator program: a logo recorded from the
// live picture shows in the memory grid, and an erase asks and empties it.
class LogoSimTest : public QObject
{
    Q_OBJECT
private slots:
    void recordThenEraseALogo()
    {
        TScriptedPrompt prompt;
        SimWindowRig rig;
        QVERIFY(rig.Connect({"--op-step", "5", "--set", "OHSIZE=1920", "--set", "OVSIZE=1080"}));
        TComDriverMorlix &driver = rig.window.Driver();
        SentRecorder sent(driver);
        TLogoSection &logos = *rig.window.LogoSection();
        QTableWidget *grid = logos.MemoryGrid();
        const auto choose = [](TSmartItems *selector, int item) {
            emit selector->OnSmartItemsClickChange(selector, Qt::LeftButton, true, item, QString());
        };
        const auto type = [](TEditUpDown *field, int value) {
            emit field->OnUserChange(field, value, TEditUpDown::btNext);
        };

        choose(logos.ModeSelector(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(driver.GetVar(PMODE), uint16_t(1), 5000);
        type(logos.WidthField(), 96);
        type(logos.HeightField(), 54);
        QTRY_COMPARE_WITH_TIMEOUT(logos.HeightField()->Position(), 54, 5000);
        logos.ChooseMemory(2);
        logos.StoreButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(grid->item(1, 1)->text(), QString("Ok"), 5000);
        QCOMPARE(grid->item(0, 1)->text(), QString("Empty"));

        // Assigned to input 1, the page asks the device for the picture's size.
        choose(logos.PictureSelector(1), 2);
        choose(logos.ModeSelector(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(driver.GetVar(PSTATUS_WIDTH), uint16_t(96), 5000);
        QCOMPARE(driver.GetVar(PSTATUS_HEIGHT), uint16_t(54));
        QCOMPARE(sent.sent.filter("Pi").size(), 1);

        choose(logos.ModeSelector(), 4);
        QTRY_COMPARE_WITH_TIMEOUT(driver.GetVar(PMODE), uint16_t(4), 5000);
        logos.ChooseMemory(2);
        logos.StoreButton()->click();
        QCOMPARE(prompt.Texts(), QStringList{TLogoSection::EraseQuestion()});
        QTRY_COMPARE_WITH_TIMEOUT(grid->item(1, 1)->text(), QString("Empty"), 5000);
        QCOMPARE(driver.GetVar(PVALID), uint16_t(1));
    }
};

MORLIX_TEST(LogoSimTest)
#include "tst_logosim.moc"
