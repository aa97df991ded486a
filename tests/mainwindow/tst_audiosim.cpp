#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "controls/AudioLevel.h"
#include "controls/SmartItems.h"
#include "controls/Unit_GestionSlide.h"
#include "helper_simwindow.h"
#include "mainwindow/MainPages.h"
#include "mainwindow/pages/AudioSection.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// The audio page against the simulator program: levels come back per source,
// the reference reports the missing S/PDIF input, a reset brings the table's
// values back, and the page goes with the input's source.
class AudioSimTest : public QObject
{
    Q_OBJECT
private slots:
    void audioFollowsTheDevice()
    {
        TScriptedPrompt prompt;
        SimWindowRig rig;
        QVERIFY(rig.Connect({"--set", "IAMAP[1]=2", "--set", "ALEVEL[5]=40"}));
        TForm_Main &window = rig.window;
        TAudioSection &audio = *window.Audio();
        TComDriverMorlix &driver = window.Driver();
        QVERIFY(window.GestionSlide1()->PageVisible(PageAudio));
        QCOMPARE(audio.LevelMeter()->Caption(), QString("Audio: Analog B"));

        // The level of Analog B: the device selects the source and reports
        // the level with its dB status under that source.
        emit audio.LevelMeter()->OnPositionEvent(audio.LevelMeter(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(audio.LevelText()->text(), QString("-50dBu"), 5000);
        QCOMPARE(driver.GetVar(APCHAN), uint16_t(2));
        QCOMPARE(audio.LevelMeter()->Position(), 0);

        // "Follow SPDIF" without an S/PDIF input is an error until one is plugged.
        emit audio.ReferenceSelector()->OnSmartItemsClickChange(audio.ReferenceSelector(), Qt::LeftButton, true, 1,
                                                                QString());
        QTRY_COMPARE_WITH_TIMEOUT(audio.ReferenceStatus()->text(), QString("Audio Ref.Error"), 5000);
        rig.sim.Process.write("spdif on\n");
        QTRY_COMPARE_WITH_TIMEOUT(audio.ReferenceStatus()->text(), QString("Audio Ref."), 5000);

        audio.MuteButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(audio.MuteButton()->isChecked(), 5000);
        QCOMPARE(audio.Indicator().Picture(), TAudioIndicator::MutedPicture);

        audio.PresetButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!audio.MuteButton()->isChecked(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(audio.LevelText()->text(), QString("0dBu"), 5000);
        QCOMPARE(audio.ReferenceSelector()->ItemIndex(), 0);

        // The source of the front panel's input goes: so does the page.
        window.GestionSlide1()->SetItemIndex(PageAudio);
        rig.sim.Process.write("set IAMAP[1] 0\n");
        QTRY_VERIFY_WITH_TIMEOUT(!window.GestionSlide1()->PageVisible(PageAudio), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(window.GestionSlide1()->ItemIndex(), int(PageInput), 5000);
    }
};

MORLIX_TEST(AudioSimTest)
#include "tst_audiosim.moc"
