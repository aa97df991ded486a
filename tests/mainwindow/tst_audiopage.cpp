#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "controls/AudioBalance.h"
#include "controls/AudioLevel.h"
#include "controls/DoubleItems.h"
#include "controls/EditUpDown.h"
#include "controls/SmartItems.h"
#include "controls/Unit_GestionSlide.h"
#include "helper_mainwindow.h"
#include "mainwindow/MainPages.h"
#include "mainwindow/MainStatusBar.h"
#include "mainwindow/pages/AudioIndicator.h"
#include "mainwindow/pages/AudioSection.h"
#include "mainwindow/tables/AudioTables.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace AudioTables;

namespace {

QByteArray Lines(const QStringList &lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

// A main window fed by hand: input 1 on screen, its audio source mapped.
struct AudioRig
{
    explicit AudioRig(int source = 2)
    {
        rig.Device(Lines({"IC1", "Ic1", "IP1", "Ip1", QStringLiteral("IA%1").arg(source), "AP0", "Ap0"}));
        rig.sent.sent.clear();
    }
    TAudioSection &Audio() { return *rig.window.Audio(); }
    void Device(const QStringList &lines) { rig.Device(Lines(lines)); }
    QStringList &Sent() { return rig.sent.sent; }
    // Types into a text field and presses Enter.
    static void Enter(QWidget *field, const QString &text)
    {
        if (auto *edit = qobject_cast<QLineEdit *>(field))
            edit->selectAll();
        else
            static_cast<QAbstractSpinBox *>(field)->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    TGestionSlide *Pages() { return rig.window.GestionSlide1(); }

    QTemporaryDir dir;
    TRecordedWindow rig{dir};
};

} // namespace

// The audio page, the audio rows of the input page, the tool bar's mute
// button and the status bar's indicator.
class AudioPageTest : public QObject
{
    Q_OBJECT
private slots:
    void levelTexts_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("expected");
        QTest::newRow("master floor") << MasterVolumeText(78) << "-50dB";
        QTest::newRow("master unity") << MasterVolumeText(128) << "0dB";
        QTest::newRow("level top") << LevelText(148) << "20dBu";
        QTest::newRow("level floor") << LevelText(78) << "-50dBu";
        QTest::newRow("balance centre") << BalanceText(45) << QString::fromUtf8("0\u00b0");
        QTest::newRow("balance left") << BalanceText(0) << QString::fromUtf8("-45\u00b0");
        QTest::newRow("no attenuation") << AttenuationText(127) << "0dB";
        QTest::newRow("full attenuation") << AttenuationText(0) << "-127dB";
    }
    void levelTexts()
    {
        QFETCH(QString, shown);
        QFETCH(QString, expected);
        QCOMPARE(shown, expected);
    }

    void typedEntries_data()
    {
        QTest::addColumn<bool>("balance");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value"); // -1: nothing to send
        QTest::newRow("balance with its unit") << true << QString::fromUtf8("-10\u00b0") << 35;
        QTest::newRow("balance without unit") << true << "10" << 55;
        QTest::newRow("balance beyond the right") << true << "200" << 90;
        QTest::newRow("balance beyond the left") << true << "-200" << 0;
        QTest::newRow("balance not a number") << true << QString::fromUtf8("x\u00b0") << -1;
        QTest::newRow("balance not whole") << true << "12.5" << -1;
        QTest::newRow("balance empty") << true << QString::fromUtf8("\u00b0") << -1;
        QTest::newRow("attenuation") << false << "-20dB" << 107;
        QTest::newRow("attenuation unit in any case") << false << "-20 DB" << 107;
        QTest::newRow("attenuation above 0 dB") << false << "5" << 127;
        QTest::newRow("attenuation not a number") << false << "loud" << -1;
    }
    void typedEntries()
    {
        QFETCH(bool, balance);
        QFETCH(QString, text);
        QFETCH(int, value);
        const std::optional<uint16_t> entry = balance ? BalanceEntry(text) : AttenuationEntry(text);
        QCOMPARE(entry.has_value(), value >= 0);
        if (entry)
            QCOMPARE(int(*entry), value);
    }

    void sdiChannelsCoverSixteenChannelsInFourGroups()
    {
        QCOMPARE(SdiChannels.Count(), 16);
        for (int channel = 1; channel <= 16; ++channel) {
            const int position = SdiChannels.PositionOf(uint16_t(channel));
            QCOMPARE(position, channel - 1);
            const QString caption = SdiChannels.CaptionAt(position);
            QCOMPARE(caption.size(), 15);
            QVERIFY(caption.startsWith(QStringLiteral("Group %1 - Ch %2").arg((channel + 3) / 4).arg(channel)));
        }
    }

    void reportForAnotherSourceChangesNothingVisible()
    {
        AudioRig rig(2);
        rig.Device({"AP2", "Ap2", "AL30", "Al120", "AB50"});
        TAudioSection &audio = rig.Audio();
        QCOMPARE(audio.LevelText()->text(), QStringLiteral("-8dBu"));
        QCOMPARE(audio.BalanceText()->text(), QString::fromUtf8("5\u00b0"));
        QCOMPARE(audio.LevelMeter()->Position(), 30);
        rig.Device({"AP3", "Ap3", "AL5", "Al90", "AB10"});
        QCOMPARE(audio.LevelText()->text(), QStringLiteral("-8dBu"));
        QCOMPARE(audio.BalanceText()->text(), QString::fromUtf8("5\u00b0"));
        QCOMPARE(audio.LevelMeter()->Position(), 30);
        QCOMPARE(audio.BalanceMeter()->Position(), 50);
        // Kept for when that source becomes the input's.
        rig.Device({"IP1", "Ip1", "IA3"});
        QCOMPARE(audio.LevelText()->text(), QStringLiteral("-38dBu"));
        QCOMPARE(audio.LevelMeter()->Position(), 5);
        QCOMPARE(audio.BalanceMeter()->Position(), 10);
        QCOMPARE(audio.LevelMeter()->Caption(), QStringLiteral("Audio: Analog C"));
        QVERIFY(rig.Sent().isEmpty());
    }

    void levelWritesSelectTheSourceOnlyWhenItDiffers()
    {
        AudioRig rig(2);
        TAudioSection &audio = rig.Audio();
        emit audio.LevelMeter()->OnPositionEvent(audio.LevelMeter(), 20);
        QCOMPARE(rig.Sent(), (QStringList{"2AP", "20AL"}));
        rig.Sent().clear();
        rig.Device({"AP2", "Ap2"});
        emit audio.LevelMeter()->OnPositionEvent(audio.LevelMeter(), 21);
        emit audio.BalanceMeter()->OnPositionEvent(audio.BalanceMeter(), 40);
        QCOMPARE(rig.Sent(), (QStringList{"21AL", "40AB"}));
    }

    void balanceEntriesOnTheWire()
    {
        AudioRig rig(2);
        QLineEdit *balance = rig.Audio().BalanceText();
        rig.Enter(balance, QString::fromUtf8("-10\u00b0"));
        QCOMPARE(rig.Sent(), (QStringList{"2AP", "35AB"}));
        rig.Sent().clear();
        rig.Device({"AP2", "Ap2"});
        rig.Enter(balance, QStringLiteral("200"));
        QCOMPARE(rig.Sent(), QStringList{"90AB"});
        rig.Sent().clear();
        rig.Enter(balance, QString::fromUtf8("x\u00b0"));
        QVERIFY(rig.Sent().isEmpty());
        // The typed text stays until the device reports the balance again.
        QCOMPARE(balance->text(), QString::fromUtf8("x\u00b0"));
        rig.Device({"Ap2", "AB45"});
        QCOMPARE(balance->text(), QString::fromUtf8("0\u00b0"));
    }

    void delayEntriesInAndOutOfRange()
    {
        AudioRig rig;
        rig.rig.window.show();
        TEditUpDown *delay = rig.Audio().Delay(2);
        rig.Device({"IP2", "Ip2", "Ib1", "IB40"});
        QCOMPARE(delay->text(), QStringLiteral("40 ms"));
        delay->setFocus();
        rig.Enter(delay, QStringLiteral("120"));
        QCOMPARE(rig.Sent(), (QStringList{"2IP", "120IB"}));
        rig.Sent().clear();
        rig.Enter(delay, QStringLiteral("600"));
        QVERIFY(rig.Sent().isEmpty());
        QCOMPARE(delay->text(), QStringLiteral("600"));
        rig.Device({"Ip2", "IB40"});
        QCOMPARE(delay->text(), QStringLiteral("40 ms"));
    }

    void autoFollowsTheInputsCopy()
    {
        AudioRig rig;
        TAudioSection &audio = rig.Audio();
        rig.Device({"IP2", "Ip2", "Ib0"});
        QVERIFY(audio.DelayAuto(2)->isChecked());
        QVERIFY(!audio.Delay(2)->isEnabled());
        audio.DelayAuto(2)->click();
        QCOMPARE(rig.Sent(), (QStringList{"2IP", "1Ib"}));
        QVERIFY(audio.DelayAuto(2)->isChecked()); // until the device says otherwise
        rig.Sent().clear();
        // A report for input 3 leaves input 2's copy and box alone.
        rig.Device({"IP3", "Ip3", "Ib1", "IP2", "Ip2"});
        QVERIFY(audio.DelayAuto(2)->isChecked());
        audio.DelayAuto(2)->click();
        QCOMPARE(rig.Sent(), (QStringList{"2IP", "1Ib"}));
        rig.Sent().clear();
        rig.Device({"Ip2", "Ib1"});
        QVERIFY(!audio.DelayAuto(2)->isChecked());
        QVERIFY(audio.Delay(2)->isEnabled());
        audio.DelayAuto(2)->click();
        QCOMPARE(rig.Sent(), (QStringList{"2IP", "0Ib"}));
    }

    void sdiChannelsOfEachInput()
    {
        AudioRig rig;
        TAudioSection &audio = rig.Audio();
        rig.Device({"IP3", "Ip3", "IA6", "ID5", "Id6"});
        TDoubleItems *sdi = audio.SdiChannels(3);
        QCOMPARE(sdi->ItemIndex_Left(), 4);
        QCOMPARE(sdi->ItemIndex_Right(), 5);
        QVERIFY(rig.Sent().isEmpty());
        emit sdi->OnSelectedItemLeftChange(8, sdi);
        emit sdi->OnSelectedItemRightChange(15, sdi);
        QCOMPARE(rig.Sent(), (QStringList{"3IP", "9ID", "3IP", "16Id"}));
        QCOMPARE(audio.SdiChannels(1)->ItemIndex_Left(), -1);
    }

    void commonRulesOfTheAudioControls_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("spdifRate");
        QTest::addColumn<bool>("embedded");
        QTest::addColumn<QString>("caption");
        QTest::newRow("analog source, PAL") << 2 << 0 << true << true << "Audio: Analog B";
        QTest::newRow("S/PDIF source, 480p") << 5 << 2 << false << false << "Audio: SPDIF";
        QTest::newRow("analog, 1080i") << 4 << 6 << true << true << "Audio: Analog D";
        QTest::newRow("embedded SDI, computer") << 6 << 12 << false << false << "Audio: Embedded SDI";
    }
    void commonRulesOfTheAudioControls()
    {
        QFETCH(int, source);
        QFETCH(int, format);
        QFETCH(bool, spdifRate);
        QFETCH(bool, embedded);
        QFETCH(QString, caption);
        AudioRig rig(source);
        rig.Device({QStringLiteral("OF%1").arg(format)});
        TAudioSection &audio = rig.Audio();
        QCOMPARE(audio.SpdifRateSelector()->isVisibleTo(audio.SpdifRateSelector()->parentWidget()), spdifRate);
        QCOMPARE(audio.EmbeddedButton()->isVisibleTo(audio.EmbeddedButton()->parentWidget()), embedded);
        QVERIFY(audio.ReferenceSelector()->isEnabled());
        QCOMPARE(audio.LevelMeter()->Caption(), caption);
        QCOMPARE(audio.BalanceMeter()->Caption(), caption);
        QVERIFY(rig.Pages()->PageVisible(PageAudio));
        // Only an input whose source is embedded SDI shows its channel pair.
        const bool sdi = source == 6;
        QCOMPARE(audio.SdiChannels(1)->isVisibleTo(audio.SdiChannels(1)->parentWidget()), sdi);
        QCOMPARE(audio.SdiRowHeader(2)->isVisibleTo(audio.SdiRowHeader(2)->parentWidget()), sdi);
        QVERIFY(!audio.SdiChannels(2)->isVisibleTo(audio.SdiChannels(2)->parentWidget()));
    }

    void pageHidesAndTheInputPageShowsWithoutASource()
    {
        AudioRig rig(1);
        TGestionSlide *pages = rig.Pages();
        pages->SetItemIndex(PageAudio);
        QTRY_VERIFY(!pages->IsSliding());
        QCOMPARE(pages->ItemIndex(), int(PageAudio));
        rig.Device({"IP1", "Ip1", "IA0"});
        QVERIFY(!pages->PageVisible(PageAudio));
        QTRY_COMPARE(pages->ItemIndex(), int(PageInput));
        QVERIFY(!rig.Audio().ReferenceSelector()->isEnabled());
        // A source on another input does not bring it back for this one.
        rig.Device({"IP2", "Ip2", "IA1"});
        QVERIFY(!pages->PageVisible(PageAudio));
        rig.Device({"IC2"});
        QVERIFY(pages->PageVisible(PageAudio));
        QVERIFY(rig.Sent().isEmpty());
    }

    void writesOfTheMainActions()
    {
        AudioRig rig;
        TAudioSection &audio = rig.Audio();
        rig.Device({"AT0", "AS1", "AE0", "Am0", "AO127"});
        emit audio.MasterMeter()->OnPositionEvent(audio.MasterMeter(), 15);
        audio.MuteButton()->click();
        audio.ToolBarMute()->trigger();
        audio.MonoButton()->click();
        audio.EmbeddedButton()->click();
        // Every mouse button chooses in these selectors.
        emit audio.ReferenceSelector()->OnSmartItemsClickChange(audio.ReferenceSelector(), Qt::RightButton, true, 1,
                                                                QString());
        emit audio.SpdifRateSelector()->OnSmartItemsClickChange(audio.SpdifRateSelector(), Qt::LeftButton, true, 4,
                                                                QString());
        emit audio.ModeSelector()->OnSmartItemsClickChange(audio.ModeSelector(), Qt::LeftButton, true, 1, QString());
        emit audio.BreakawaySelector()->OnSmartItemsClickChange(audio.BreakawaySelector(), Qt::LeftButton, true, 3,
                                                                QString());
        audio.AttenuationBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        rig.Enter(audio.AttenuationText(), QStringLiteral("-3dB"));
        audio.PresetButton()->click();
        QCOMPARE(rig.Sent(), (QStringList{"15AV", "1AT", "1AT", "0AS", "1AE", "1AF", "4AR", "1Am", "3Ab", "126AO",
                                          "124AO", "1Ar"}));
    }

    void reportsShowWithoutWriting()
    {
        AudioRig rig;
        TAudioSection &audio = rig.Audio();
        rig.Device({"AV12", "Av100", "AT1", "AS1", "AE1", "AF1", "Af2", "AR3", "Am1", "Ab4", "AO100", "OF0"});
        QCOMPARE(audio.MasterMeter()->Position(), 12);
        QCOMPARE(audio.MasterVolumeText()->text(), QStringLiteral("-28dB"));
        QVERIFY(audio.MuteButton()->isChecked());
        QVERIFY(audio.MonoButton()->isChecked());
        QVERIFY(audio.EmbeddedButton()->isChecked());
        QCOMPARE(audio.ReferenceSelector()->ItemIndex(), 1);
        QCOMPARE(audio.SpdifRateSelector()->ItemIndex(), 3);
        QCOMPARE(audio.BreakawaySelector()->ItemIndex(), 4);
        QVERIFY(audio.BreakawaySelector()->isVisibleTo(audio.BreakawaySelector()->parentWidget()));
        QCOMPARE(audio.ReferenceStatus()->text(), QStringLiteral("Audio Ref.Error"));
        QCOMPARE(audio.AttenuationBar()->value(), 27);
        QCOMPARE(audio.AttenuationText()->text(), QStringLiteral("-27dB"));
        rig.Device({"Am0", "Af1", "AO127"});
        QVERIFY(!audio.BreakawaySelector()->isVisibleTo(audio.BreakawaySelector()->parentWidget()));
        QCOMPARE(audio.ReferenceStatus()->text(), QStringLiteral("Audio Ref."));
        QCOMPARE(audio.AttenuationBar()->value(), audio.AttenuationBar()->minimum());
        QCOMPARE(audio.AttenuationText()->text(), QStringLiteral("0dB"));
        QVERIFY(rig.Sent().isEmpty());
    }

    void indicatorRunsBetween43And46AndStandsStillWhenMuted()
    {
        TAudioIndicator indicator;
        QCOMPARE(indicator.Step(), TAudioIndicator::MutedPicture);
        indicator.SetMuted(false);
        QList<int> pictures;
        for (int tick = 0; tick < 7; ++tick)
            pictures << indicator.Step();
        QCOMPARE(pictures, (QList<int>{44, 45, 46, 45, 44, 43, 44}));
        indicator.SetMuted(true);
        QCOMPARE(indicator.Step(), 42);
        QCOMPARE(indicator.Step(), 42);
    }

    void indicatorFollowsTheMuteReport()
    {
        AudioRig rig;
        TAudioSection &audio = rig.Audio();
        TMainStatusBar *bar = rig.rig.window.StatusBarPanels();
        rig.Device({"AT0"});
        audio.IndicatorTick();
        QCOMPARE(audio.Indicator().Picture(), 44);
        const QImage sounding = bar->PanelPicture(TMainStatusBar::AudioPanel).toImage();
        audio.IndicatorTick();
        QVERIFY(bar->PanelPicture(TMainStatusBar::AudioPanel).toImage() != sounding);
        rig.Device({"AT1"});
        audio.IndicatorTick();
        const QImage muted = bar->PanelPicture(TMainStatusBar::AudioPanel).toImage();
        audio.IndicatorTick();
        QCOMPARE(audio.Indicator().Picture(), 42);
        QCOMPARE(bar->PanelPicture(TMainStatusBar::AudioPanel).toImage(), muted);
        QCOMPARE(audio.ToolBarMute()->icon().pixmap(16, 16).toImage(), muted);
    }

    // A button's icon is cached by the key of its pixmap. Drawn anew for
    // every tick and every mute report, each picture was one more entry in
    // Qt's pixmap cache, and the program grew for as long as the sound was on.
    void picturesAreDrawnOnceHoweverLongTheyAreShown()
    {
        AudioRig rig;
        TAudioSection &audio = rig.Audio();
        TMainStatusBar *bar = rig.rig.window.StatusBarPanels();
        QAbstractButton *pageButton = rig.Pages()->Button(PageAudio);
        QVERIFY(pageButton);
        QSet<qint64> indicatorPictures;
        QSet<qint64> pagePictures;
        for (int report = 0; report < 40; ++report) {
            rig.Device({report % 8 < 4 ? QStringLiteral("AT0") : QStringLiteral("AT1")});
            pagePictures << pageButton->icon().pixmap(32, 32).cacheKey();
            for (int tick = 0; tick < 6; ++tick) {
                audio.IndicatorTick();
                indicatorPictures << audio.ToolBarMute()->icon().pixmap(16, 16).cacheKey()
                                  << bar->PanelPicture(TMainStatusBar::AudioPanel).cacheKey();
            }
        }
        QCOMPARE(indicatorPictures.size(), TAudioIndicator::LoudestPicture - TAudioIndicator::MutedPicture + 1);
        QCOMPARE(pagePictures.size(), 2);
    }

    void expandedChannelListStaysOnThePage()
    {
        AudioRig rig(6);
        rig.rig.window.show();
        TDoubleItems *sdi = rig.Audio().SdiChannels(1);
        QTRY_VERIFY(sdi->isVisible());
        const int home = sdi->y();
        QTest::mouseClick(sdi, Qt::LeftButton, {}, QPoint(sdi->width() / 2, 4));
        QVERIFY(!sdi->VisibledOnlyChecked());
        QVERIFY(sdi->geometry().bottom() < sdi->parentWidget()->height());
        QTest::mouseClick(sdi, Qt::LeftButton, {}, QPoint(sdi->width() / 2, 4));
        QCOMPARE(sdi->y(), home);
    }
};

MORLIX_TEST(AudioPageTest)
#include "tst_audiopage.moc"
