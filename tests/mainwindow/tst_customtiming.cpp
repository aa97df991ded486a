#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "controls/EditUpDown.h"
#include "controls/SmartItems.h"
#include "controls/SpinField.h"
#include "helper_pagerig.h"
#include "helper_simwindow.h"
#include "mainwindow/FastTimer.h"
#include "mainwindow/StatusTicker.h"
#include "mainwindow/MainStatusBar.h"
#include "mainwindow/pages/CustomNames.h"
#include "mainwindow/pages/CustomTimingSection.h"
#include "mainwindow/pages/CustomTimingTexts.h"
#include "mainwindow/pages/OutputSection.h"
#include "mainwindow/tables/OutputTables.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QWheelEvent>
#include <QtTest>

using namespace CustomTimingTexts;

namespace {

// The output section and the custom timing on a bare output page, wired as
// the main window wires them.
struct CustomRig : PageRig
{
    CustomRig()
    {
        outputPage.resize(657, 455);
        TOutputSection::THosts hosts{&outputPage, &imagePage, &zoomPage, &strip, &window, [] { return true; }};
        output = std::make_unique<TOutputSection>(context, hosts);
        custom = std::make_unique<TCustomTimingSection>(context, TCustomTimingSection::THosts{&outputPage, output.get(), &fastTimer});
        models.CommonUpdate.ConnectTriggers();
        sent.sent.clear();
    }
    void Click(TSmartItems *selector, int item, Qt::MouseButton button = Qt::LeftButton)
    {
        emit selector->OnSmartItemsClickChange(selector, button, true, item, selector->GetItemCaption(item));
    }
    // Runs the fold-out to its end; the number of steps it took.
    int Animate()
    {
        int steps = 0;
        while (custom->Animating() && steps < 1000) {
            custom->AnimationStep();
            ++steps;
        }
        return steps;
    }
    QString FormatCaption(int setting) const
    {
        return output->FormatSelector()->GetItemCaption(
            OutputTables::FormatItems.PositionOf(uint16_t(OutputTables::FirstCustomFormat + setting)));
    }

    TScriptedPrompt prompt;
    TFastTimer fastTimer;
    QWidget outputPage, imagePage, zoomPage, strip;
    std::unique_ptr<TOutputSection> output;
    std::unique_ptr<TCustomTimingSection> custom;
};

void Wheel(QWidget *widget, int angle)
{
    QWheelEvent event(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

} // namespace

// The texts, the names and the fold-out's steps, without a window.
class CustomTimingTextsTest : public QObject
{
    Q_OBJECT
private slots:
    void rateTexts_data()
    {
        QTest::addColumn<int>("hundredths");
        QTest::addColumn<QString>("text");
        QTest::newRow("60") << 6000 << "60 Hz";
        QTest::newRow("59.94") << 5994 << "59.94 Hz";
        QTest::newRow("23.976 shows five digits") << 2397 << "23.97 Hz";
        QTest::newRow("minimum") << 100 << "1 Hz";
        QTest::newRow("maximum") << 10000 << "100 Hz";
        QTest::newRow("59.9") << 5990 << "59.9 Hz";
    }
    void rateTexts()
    {
        QFETCH(int, hundredths);
        QFETCH(QString, text);
        QCOMPARE(RateText(uint16_t(hundredths)), text);
    }

    void foldEndsFromEveryStart()
    {
        for (bool growing : {true, false}) {
            for (int start = -40; start <= 300; ++start) {
                const int target = 120;
                int current = start;
                int steps = 0;
                while (const std::optional<int> next = FoldStep(current, target, growing)) {
                    // Never away from the target, never past it.
                    QVERIFY(growing ? *next > current && *next <= target : *next < current && *next >= target);
                    current = *next;
                    QVERIFY2(++steps < 20, qPrintable(QStringLiteral("start %1").arg(start)));
                }
                const bool startedPast = growing ? start >= target : start <= target;
                QCOMPARE(current, startedPast ? start : target);
            }
        }
        // Half the distance, rounded up (halves to even): 10 left grows by 6.
        QCOMPARE(*FoldStep(0, 10, true), 6);
        QCOMPARE(*FoldStep(10, 0, false), 4);
        QCOMPARE(*FoldStep(0, 1, true), 1);
    }

    void namesAreBuiltUpToTheEndCode()
    {
        TCustomNames names;
        QVERIFY(names.Store(0, 0, 65));
        QVERIFY(names.Store(0, 1, 66));
        QVERIFY(!names.Store(0, 2, 0));
        QCOMPARE(names.Name(0), QString("AB"));
        // A shorter name sent over a longer one ends at its end code.
        names.Store(0, 5, 90);
        QCOMPARE(names.Name(0), QString("AB"));
        names.Store(0, 0, 0);
        QCOMPARE(names.Name(0), QString());
        QCOMPARE(names.Name(1), QString());
        QVERIFY(!names.Store(8, 0, 65));
        QVERIFY(!names.Store(0, 256, 65));
        // Latin-1 codes come back as their characters.
        names.Store(2, 0, 0xE9);
        QCOMPARE(names.Name(2), QString(QChar(0xE9)));
    }

    void acceptableNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("acceptable");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("eleven") << "ABCDEFGHIJK" << true;
        QTest::newRow("twelve") << "ABCDEFGHIJKL" << false;
        QTest::newRow("latin-1") << QString::fromUtf8("Café 1080") << true;
        QTest::newRow("tab") << "A\tB" << false;
        QTest::newRow("line end") << "A\nB" << false;
        QTest::newRow("beyond latin-1") << QString::fromUtf8("A€") << false;
    }
    void acceptableNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, acceptable);
        QCOMPARE(TCustomNames::Acceptable(name), acceptable);
        TCustomNameValidator validator;
        int position = 0;
        QCOMPARE(validator.validate(name, position) == QValidator::Acceptable, acceptable);
    }
};

// The panel and the setting selector on the output page: their writes,
// what the device's reports show, renaming and the fold-out.
class CustomTimingSectionTest : public QObject
{
    Q_OBJECT
private slots:
    void nameArrivesCharacterByCharacter()
    {
        CustomRig rig;
        rig.Reply("FP0\r\nFI0\r\nFN65\r\nFI1\r\nFN66\r\nFI2\r\nFN0\r\n");
        QCOMPARE(rig.FormatCaption(0), QString("Computer Custom 1:AB"));
        QCOMPARE(rig.custom->SettingSelector()->GetItemCaption(0), QString("Custom Setting 1:AB"));
        QCOMPARE(rig.custom->PanelTitle()->text(), QString("Custom Setting 1:AB"));
        QCOMPARE(rig.FormatCaption(1), QString("Computer Custom 2:"));
        // A code the driver refused is not filed under the current position.
        rig.Reply("FI1\r\nFN300\r\n");
        QCOMPARE(rig.FormatCaption(0), QString("Computer Custom 1:AB"));
        QVERIFY(rig.sent.sent.isEmpty());
    }

    void renameWritesTheNameThenSelectsTheEditedSettingAgain_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("wire");
        QTest::newRow("XY") << "XY" << QStringList{"2FP", "0FI", "88FN", "1FI", "89FN", "2FI", "0FN", "5FP"};
        QTest::newRow("unchanged") << "AB" << QStringList{};
        QTest::newRow("empty") << "" << QStringList{"2FP", "0FI", "0FN", "5FP"};
        QTest::newRow("too long") << "ABCDEFGHIJKL" << QStringList{};
    }
    void renameWritesTheNameThenSelectsTheEditedSettingAgain()
    {
        QFETCH(QString, answer);
        QFETCH(QStringList, wire);
        CustomRig rig;
        rig.Reply("FP2\r\nFI0\r\nFN65\r\nFI1\r\nFN66\r\nFI2\r\nFN0\r\nFP5\r\n");
        QString asked;
        rig.prompt.textAnswer = [&](const QString &label, const QString &text) -> std::optional<QString> {
            asked = label + "|" + text;
            return answer;
        };
        // A right click on the custom format item of setting 3.
        rig.Click(rig.output->FormatSelector(), OutputTables::FormatItems.PositionOf(29), Qt::RightButton);
        QCOMPARE(asked, QString("Custom Setting 3:|AB"));
        QCOMPARE(rig.sent.sent, wire);
    }

    void renameCancelledSendsNothing()
    {
        CustomRig rig;
        rig.Click(rig.output->FormatSelector(), OutputTables::FormatItems.PositionOf(27), Qt::RightButton);
        QCOMPARE(rig.prompt.asked.size(), 1);
        QVERIFY(rig.sent.sent.isEmpty());
        // A left click on a custom format chooses it, it does not rename.
        rig.Click(rig.output->FormatSelector(), OutputTables::FormatItems.PositionOf(27));
        QCOMPARE(rig.prompt.asked.size(), 1);
        QCOMPARE(rig.sent.sent, QStringList{"27OF"});
    }

    void saveAndSaveTo_data()
    {
        QTest::addColumn<bool>("saveTo");
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<QStringList>("wire");
        QTest::newRow("save") << false << true << QStringList{"1FC", "1FX"};
        QTest::newRow("save cancelled") << false << false << QStringList{"1FC"};
        QTest::newRow("save to 5") << true << true << QStringList{"4FP", "1FC", "1FX"};
        QTest::newRow("save to cancelled") << true << false << QStringList{};
    }
    void saveAndSaveTo()
    {
        QFETCH(bool, saveTo);
        QFETCH(bool, confirmed);
        QFETCH(QStringList, wire);
        CustomRig rig;
        rig.prompt.answer = [confirmed](const TScriptedPrompt::TAsked &) {
            return confirmed ? QMessageBox::Ok : QMessageBox::Cancel;
        };
        if (saveTo)
            rig.custom->SaveToMenu()->actions().at(4)->trigger();
        else
            rig.custom->SaveButton()->click();
        QCOMPARE(rig.prompt.Texts(), QStringList{"Confirm"});
        QCOMPARE(rig.sent.sent, wire);
    }

    void fullTimingFieldsSendOnlyWhatTheDeviceTakes()
    {
        CustomRig rig;
        rig.Reply("FJ136\r\nFY6\r\nFM1024\r\n");
        TSpinField *hsync = rig.custom->FullField(OCFULL_HSYNC);
        emit hsync->Entered(8192);
        QVERIFY(rig.sent.sent.isEmpty());
        QCOMPARE(hsync->value(), 136); // the device's value again
        emit hsync->Entered(200);
        QCOMPARE(rig.sent.sent, QStringList{"200FJ"});
        rig.sent.sent.clear();
        // The rate's range starts at 100.
        emit rig.custom->FullField(OCFULL_RATE)->Entered(99);
        QVERIFY(rig.sent.sent.isEmpty());

        // The arrows step from the field's value.
        rig.custom->FullField(OCFULL_VSYNC)->stepBy(1);
        QCOMPARE(rig.sent.sent, QStringList{"7FY"});
        rig.sent.sent.clear();
        // A wheel step is a whole notch, whatever the pieces it comes in.
        TSpinField *hutil = rig.custom->FullField(OCFULL_HUTIL);
        Wheel(hutil, 60);
        QVERIFY(rig.sent.sent.isEmpty());
        Wheel(hutil, 60);
        QCOMPARE(rig.sent.sent, QStringList{"1025FM"});
        rig.sent.sent.clear();
        // The device kept its value: the field shows it and steps from it.
        rig.Reply("FM1024\r\n");
        QCOMPARE(hutil->value(), 1024);
        Wheel(hutil, -120);
        QCOMPARE(rig.sent.sent, QStringList{"1023FM"});
    }

    void reportsShowTheTimingAndWriteNothing()
    {
        CustomRig rig;
        rig.Reply("FR5994\r\nFh2200\r\nFT1125\r\nFJ44\r\nFs1\r\nFA1\r\n");
        QCOMPARE(rig.custom->RateText()->text(), QString("59.94 Hz"));
        QCOMPARE(rig.custom->FullField(OCFULL_RATE)->value(), 5994);
        QCOMPARE(rig.custom->HTotalText()->text(), QString("2200 Pixels"));
        QCOMPARE(rig.custom->VTotalText()->text(), QString("1125 Lines"));
        QCOMPARE(rig.custom->FullField(OCFULL_HSYNC)->value(), 44);
        QCOMPARE(rig.custom->FullScanSelector()->ItemIndex(), 1);
        rig.Reply("FR6000\r\n");
        QCOMPARE(rig.custom->RateText()->text(), QString("60 Hz"));
        // The interlaced scan type decides the centering pattern of a custom format.
        rig.Reply("XF27\r\nFs1\r\n");
        QVERIFY(!rig.models.CommonUpdate.LastState().Rules.CenteringPattern);
        rig.Reply("Fs0\r\n");
        QVERIFY(rig.models.CommonUpdate.LastState().Rules.CenteringPattern);
        // The second field's rows exist but stay hidden.
        QVERIFY(rig.custom->FullField(OCFULL_VUTIL1));
        QVERIFY(rig.custom->FullField(OCFULL_VUTIL1)->isHidden());
        QVERIFY(rig.custom->FullFieldLabel(OCFULL_VBACKPORCH1)->isHidden());
        rig.Reply("FW1920\r\nFr5000\r\nFa1\r\nFS0\r\n");
        QCOMPARE(rig.custom->CvtField(OCCVT_HUTIL)->Position(), 1920);
        QCOMPARE(rig.custom->CvtField(OCCVT_RATE)->Position(), 5000);
        QVERIFY(rig.custom->ReducedBlankBox()->isChecked());
        QVERIFY(rig.sent.sent.isEmpty());
    }

    void advancedSwitchesTheFields()
    {
        CustomRig rig;
        rig.Reply("FA0\r\n");
        QVERIFY(!rig.custom->FullFields()->isVisibleTo(rig.custom->Panel()));
        QVERIFY(rig.custom->CvtFields()->isVisibleTo(rig.custom->Panel()));
        QCOMPARE(rig.custom->AdvancedButton()->text(), QString("CVT Settings"));
        QVERIFY(!rig.custom->AdvancedButton()->isChecked());
        rig.custom->AdvancedButton()->click();
        QCOMPARE(rig.sent.sent, QStringList{"1FA"});
        QVERIFY(!rig.custom->AdvancedButton()->isChecked()); // until the device says so
        rig.Reply("FA1\r\n");
        QVERIFY(rig.custom->FullFields()->isVisibleTo(rig.custom->Panel()));
        QVERIFY(!rig.custom->CvtFields()->isVisibleTo(rig.custom->Panel()));
        QCOMPARE(rig.custom->AdvancedButton()->text(), QString("Full Settings"));
        rig.custom->AdvancedButton()->click();
        QCOMPARE(rig.sent.sent.last(), QString("0FA"));
        rig.sent.sent.clear();

        // The CVT fields: only progressive scan is offered.
        QVERIFY(!rig.custom->CvtScanSelector()->PutMenuPopupMenu()->actions().at(1)->isEnabled());
        rig.Click(rig.custom->CvtScanSelector(), 0);
        rig.custom->ReducedBlankBox()->click();
        QCOMPARE(rig.sent.sent, (QStringList{"0FS", "1Fa"}));
    }

    void choosingASettingLoadsItAndUnfoldsThePanel()
    {
        CustomRig rig;
        QVERIFY(!rig.custom->ShowHideButton()->isEnabled());
        rig.Click(rig.custom->SettingSelector(), 3);
        QCOMPARE(rig.sent.sent, (QStringList{"3FP", "0FC", "1FX"}));
        QVERIFY(rig.custom->ShowHideButton()->isEnabled());
        QVERIFY(rig.custom->Expanded());
        QVERIFY(rig.fastTimer.isActive());
        QVERIFY(rig.Animate() > 1);
        QVERIFY(!rig.fastTimer.isActive());
        const QRect rate = rig.output->RateSelector()->geometry();
        QCOMPARE(rig.custom->Panel()->geometry().bottom(), rate.bottom());
        QCOMPARE(rig.custom->ShowHideButton()->geometry().bottom(), rate.bottom());
        rig.sent.sent.clear();

        // A format report folds it away without loading.
        rig.Reply("OF12\r\n");
        QVERIFY(!rig.custom->Expanded());
        rig.Animate();
        QCOMPARE(rig.custom->Panel()->height(), rig.custom->ShowHideButton()->height());
        QVERIFY(rig.sent.sent.isEmpty());

        // The button unfolds (and loads) and folds.
        rig.custom->ShowHideButton()->click();
        QCOMPARE(rig.sent.sent, (QStringList{"0FC", "1FX"}));
        rig.custom->ShowHideButton()->click();
        QVERIFY(!rig.custom->Expanded());
        rig.Animate();
        QCOMPARE(rig.custom->Panel()->height(), rig.custom->ShowHideButton()->height());
        QCOMPARE(rig.sent.sent.size(), 2);
    }
};

// The main window's fast timer: one owner keeps it running while the ticker
// or the fold-out needs it.
class FastTimerTest : public QObject
{
    Q_OBJECT
private slots:
    void runsWhileAnyUserNeedsIt()
    {
        TFastTimer timer;
        int a = 0;
        int b = 0;
        timer.SetNeeded(&a, true);
        timer.SetNeeded(&b, true);
        QVERIFY(timer.isActive());
        timer.SetNeeded(&a, false);
        QVERIFY(timer.isActive());
        timer.SetNeeded(&a, false);
        QVERIFY(timer.isActive());
        timer.SetNeeded(&b, false);
        QVERIFY(!timer.isActive());
    }

    void tickerAndFoldOutShareTheTimer()
    {
        QTemporaryDir dir;
        TRecordedWindow recorded(dir);
        TForm_Main &window = recorded.window;
        TCustomTimingSection *custom = window.CustomTiming();
        TStatusTicker *ticker = window.StatusBarPanels()->Ticker();
        ticker->Compose = [] { return QStringLiteral("Saving the settings"); };
        ticker->Activate();
        emit custom->SettingSelector()->OnSmartItemsClickChange(custom->SettingSelector(), Qt::LeftButton, true, 1,
                                                                 QString());
        QVERIFY(custom->Animating());
        QVERIFY(window.FastTimer().isActive());
        // The ticker scrolls on through the fold-out and after it.
        QTRY_VERIFY_WITH_TIMEOUT(!custom->Animating(), 5000);
        QVERIFY(window.FastTimer().isActive());
        const int x = ticker->X();
        QTRY_VERIFY_WITH_TIMEOUT(ticker->X() < x, 5000);

        // Folding away while the ticker runs out of text: the timer stays
        // with the panel until it has folded.
        custom->ShowHideButton()->click();
        QVERIFY(custom->Animating());
        ticker->Compose = [] { return QStringLiteral(" "); };
        for (int i = 0; i < 2000 && ticker->Active(); ++i)
            ticker->Step();
        QVERIFY(!ticker->Active());
        QVERIFY(window.FastTimer().isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!custom->Animating(), 5000);
        QVERIFY(!window.FastTimer().isActive());
        QCOMPARE(custom->Panel()->height(), custom->ShowHideButton()->height());
    }
};

// Against the simulator program: a setting loaded, edited, renamed, saved
// and loaded again gives back what was saved.
class CustomTimingSimTest : public QObject
{
    Q_OBJECT
private slots:
    void editedTimingAndNameComeBack()
    {
        TScriptedPrompt prompt;
        SimWindowRig rig;
        QVERIFY(rig.Connect({}));
        TComDriverMorlix &driver = rig.window.Driver();
        TCustomTimingSection &custom = *rig.window.CustomTiming();
        const auto choose = [&custom](int setting) {
            emit custom.SettingSelector()->OnSmartItemsClickChange(custom.SettingSelector(), Qt::LeftButton, true,
                                                                   setting, QString());
        };

        choose(2);
        QTRY_COMPARE_WITH_TIMEOUT(driver.GetVar(OCSETTINGNUMBER), uint16_t(2), 5000);
        emit custom.FullField(OCFULL_HSYNC)->Entered(200);
        QTRY_COMPARE_WITH_TIMEOUT(custom.FullField(OCFULL_HSYNC)->value(), 200, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(custom.HTotalText()->text(), QString("1408 Pixels"), 5000);
        prompt.textAnswer = [](const QString &, const QString &) -> std::optional<QString> { return QString("Wall"); };
        custom.Rename(2);
        QTRY_COMPARE_WITH_TIMEOUT(custom.PanelTitle()->text(), QString("Custom Setting 3:Wall"), 5000);
        custom.SaveButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(driver.GetVar(OCEXECUTE), uint16_t(0), 5000);

        // Another setting holds the defaults.
        choose(0);
        QTRY_COMPARE_WITH_TIMEOUT(custom.FullField(OCFULL_HSYNC)->value(), 136, 5000);
        QCOMPARE(custom.PanelTitle()->text(), QString("Custom Setting 1:"));
        choose(2);
        QTRY_COMPARE_WITH_TIMEOUT(custom.FullField(OCFULL_HSYNC)->value(), 200, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(custom.PanelTitle()->text(), QString("Custom Setting 3:Wall"), 5000);
        QCOMPARE(rig.window.Output()->FormatSelector()->GetItemCaption(OutputTables::FormatItems.PositionOf(29)),
                 QString("Computer Custom 3:Wall"));
    }
};

MORLIX_TEST(CustomTimingTextsTest)
MORLIX_TEST(CustomTimingSectionTest)
MORLIX_TEST(FastTimerTest)
MORLIX_TEST(CustomTimingSimTest)
#include "tst_customtiming.moc"
