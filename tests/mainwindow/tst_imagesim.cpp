#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "helper_simwindow.h"
#include "mainwindow/pages/ImageSection.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using Row = TImageSection::TRow;

// The image page against the simulator program: a computer source's clock
// row, auto centering, an entry and the reset to the standard picture.
class ImageSimTest : public QObject
{
    Q_OBJECT
private slots:
    void computerSourceAdjustedAndReset()
    {
        TScriptedPrompt prompt;
        SimWindowRig rig;
        QVERIFY(rig.Connect({"--signal", "1:18", "--set", "ITYPE[1]=6", "--set", "ICH=1", "--op-step", "1"}));
        TImageSection &image = *rig.window.Image();
        TComDriverMorlix &driver = rig.window.Driver();

        // The device's clock for XGA, within the maximum it reports.
        QTRY_VERIFY_WITH_TIMEOUT(image.RowShown(Row::Clock), 5000);
        QCOMPARE(image.Field(Row::Clock)->text(), QString("1344"));
        QCOMPARE(image.Bar(Row::Clock)->maximum(), 1680);
        QVERIFY(image.AutoCenteringButton()->isVisibleTo(image.AutoCenteringButton()->parentWidget()));
        QVERIFY(!image.RowShown(Row::Brightness));

        image.AutoCenteringButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(driver.GetVar(HPOS), uint16_t(1029), 5000);
        QCOMPARE(driver.GetVar(VPOS), uint16_t(1024 - 1));

        image.Field(Row::Clock)->setText("1400");
        QTest::keyClick(image.Field(Row::Clock), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(driver.GetVar(RHTOTAL), uint16_t(1400), 5000);
        QCOMPARE(image.Bar(Row::Clock)->value(), 1400);

        image.Bar(Row::RedLevel)->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QTRY_COMPARE_WITH_TIMEOUT(image.Field(Row::RedLevel)->text(), QString("60%"), 5000);
        image.PresetButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(image.Field(Row::RedLevel)->text(), QString("50%"), 5000);
        // The reset leaves the clock alone.
        QCOMPARE(image.Field(Row::Clock)->text(), QString("1400"));
        QVERIFY(prompt.asked.isEmpty());
    }
};

MORLIX_TEST(ImageSimTest)
#include "tst_imagesim.moc"
