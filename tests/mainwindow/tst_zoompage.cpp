#include "../tools/SimProcess.h"
#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "../controls/MouseMoves.h"
#include "helper_pagerig.h"
#include "controls/CadrageImage_2.h"
#include "controls/EditUpDown.h"
#include "controls/SmartItems.h"
#include "dialogs/Unit_SaveLoadConfigTotal.h"
#include "dialogs/Unit_SavePreset.h"
#include "mainwindow/ConnectionOverlay.h"
#include "mainwindow/Unit_Main.h"
#include "mainwindow/pages/ZoomGeometry.h"
#include "mainwindow/pages/ZoomSection.h"
#include "mainwindow/tables/ZoomTables.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

using namespace ZoomGeometry;

namespace {

// The zoom section on bare pages, wired as the main window wires it.
struct ZoomRig : PageRig
{
    ZoomRig()
    {
        section = std::make_unique<TZoomSection>(context, TZoomSection::TPlaces{&zoomPage, &imagePage});
        models.CommonUpdate.ConnectTriggers();
    }
    // A report of element slot of a zoom array, as the device sends it.
    void ReportZoom(int slot, const QByteArray &line) { Reply("Zs" + QByteArray::number(slot) + "\r\n" + line + "\r\n"); }
    void Enter(int varNumber, int position)
    {
        TEditUpDown *field = section->Field(varNumber);
        emit field->OnUserChange(field, position, TEditUpDown::btNext);
    }
    QStringList Take()
    {
        const QStringList taken = sent.sent;
        sent.sent.clear();
        return taken;
    }
    QWidget zoomPage, imagePage;
    std::unique_ptr<TZoomSection> section;
};

} // namespace

// The position, size and zoom page: conversion C, the preview's geometry,
// the fields' writes in both unit modes, and the presets window.
class ZoomPageTest : public QObject
{
    Q_OBJECT
private slots:
    void conversionCAtItsEdges_data()
    {
        QTest::addColumn<bool>("pixels");
        QTest::addColumn<int>("device");
        QTest::addColumn<int>("caption");
        QTest::addColumn<int>("back");
        QTest::newRow("percent low") << false << 0 << 0 << 0;
        QTest::newRow("percent middle") << false << 5000 << 127 << 4980;
        QTest::newRow("percent high") << false << 10000 << 255 << 10000;
        QTest::newRow("pixel low") << true << 22768 << 0 << 22768;
        QTest::newRow("pixel no offset") << true << 32768 << 127 << 32729;
        QTest::newRow("pixel high") << true << 42768 << 255 << 42768;
    }
    void conversionCAtItsEdges()
    {
        QFETCH(bool, pixels);
        QFETCH(int, device);
        QFETCH(int, caption);
        QFETCH(int, back);
        QCOMPARE(ToCaption(device, pixels), caption);
        QCOMPARE(ToDevice(caption, pixels), back);
    }

    void previewHeightStaysWithinThePage()
    {
        QCOMPARE(PreviewHeight(1024, 768, 512, 1000), 375);
        QCOMPARE(PreviewHeight(1920, 1080, 512, 1000), 280);
        QCOMPARE(PreviewHeight(1920, 1080, TZoomSection::PreviewWidth, TZoomSection::PreviewMaxHeight), 224);
        QCOMPARE(PreviewHeight(640, 2048, TZoomSection::PreviewWidth, TZoomSection::PreviewMaxHeight), 300);
        QCOMPARE(PreviewHeight(1, 8191, TZoomSection::PreviewWidth, TZoomSection::PreviewMaxHeight), 300);
        QCOMPARE(PreviewHeight(65535, 65535, TZoomSection::PreviewWidth, TZoomSection::PreviewMaxHeight), 300);
        QCOMPARE(PreviewHeight(0, 0, TZoomSection::PreviewWidth, TZoomSection::PreviewMaxHeight), 0);
        QCOMPARE(SizeCaption(1920), 103);
        QCOMPARE(ZoomSizePercent(960, true, 1920, 7), 50);
        QCOMPARE(ZoomSizePercent(960, true, 0, 7), 7);
        QCOMPARE(ZoomSizeDevice(50, true, 0), 0);
    }

    void blackBandsOnFourByThree_data()
    {
        QTest::addColumn<int>("oasp");
        QTest::addColumn<int>("oformat");
        QTest::addColumn<int>("iname");
        QTest::addColumn<int>("iasp");
        QTest::addColumn<bool>("bands");
        QTest::newRow("4:3 input, IASP 2") << 0 << 0 << 16 << 2 << true;
        QTest::newRow("4:3 input, IASP 3") << 0 << 0 << 16 << 3 << false;
        QTest::newRow("wide input, IASP 3") << 0 << 0 << 13 << 3 << true;
        QTest::newRow("wide output") << 0 << 6 << 16 << 2 << false;
        QTest::newRow("OASP not 0") << 1 << 0 << 16 << 2 << false;
    }
    void blackBandsOnFourByThree()
    {
        QFETCH(int, oasp);
        QFETCH(int, oformat);
        QFETCH(int, iname);
        QFETCH(int, iasp);
        QFETCH(bool, bands);
        QCOMPARE(BlackBands(uint16_t(oasp), uint16_t(oformat), uint16_t(iname), uint16_t(iasp)), bands);
    }

    void reportsShowTheZoomInUseAndSendNothing()
    {
        ZoomRig rig;
        rig.Reply("OW1920\r\nOH1080\r\n");
        rig.ReportZoom(0, "Zp0");
        rig.ReportZoom(0, "ZH5000");
        rig.ReportZoom(0, "ZW1000");
        rig.Reply("ZM1\r\nZT1\r\n");
        TCadrageImage_2 *preview = rig.section->Preview();
        QCOMPARE(preview->height(), 224);
        QCOMPARE(preview->Zoom_HPos(), 127);
        QCOMPARE(preview->Zoom_HSize(), 100);
        QCOMPARE(rig.section->Field(ZMHPOS)->Position(), 5000);
        QCOMPARE(preview->TypeZoom(), _TypeZoomOn);
        QCOMPARE(rig.section->TransitionSelector()->ItemIndex(), 1);
        // A preset's report is filed, not shown.
        rig.ReportZoom(3, "ZH1234");
        QCOMPARE(rig.section->Field(ZMHPOS)->Position(), 5000);
        QCOMPARE(rig.section->Slots().Value(ZMHPOS, 3), uint16_t(1234));
        QVERIFY(rig.section->Slots().SlotReported(0) == false);
        // The preview slider scales the image rectangle and sends nothing.
        rig.section->PreviewScale()->setValue(3000);
        QCOMPARE(preview->IMAGE_HSize(), 3000);
        QCOMPARE(rig.sent.sent, QStringList());
    }

    void zoomWritesGoToTheZoomInUse()
    {
        TScriptedPrompt prompt;
        ZoomRig rig;
        // Nothing while the output size is unknown.
        rig.Enter(ZMHPOS, 2500);
        QCOMPARE(rig.Take(), QStringList());
        rig.models.Messages.ShowPending();
        QCOMPARE(prompt.Texts(), QStringList{"The output size is not known yet: the zoom was not sent"});

        rig.Reply("OW1920\r\nOH1080\r\nZi0\r\nZs0\r\n");
        rig.Enter(ZMHPOS, 2500);
        QCOMPARE(rig.Take(), QStringList{"2500ZH"});
        // After a preset store the device's index stays on the preset.
        rig.Reply("Zi5\r\nZs5\r\n");
        rig.Enter(ZMHSIZE, 800);
        QCOMPARE(rig.Take(), (QStringList{"0Zi", "800ZW"}));
        // Outside the percent range: nothing, and the field shows the device's value.
        rig.Reply("Zi0\r\nZs0\r\n");
        rig.Enter(ZMHSIZE, 50);
        QCOMPARE(rig.Take(), QStringList());
    }

    void dragOnThePreviewSelectsTheZoomInUseFirst()
    {
        ZoomRig rig;
        rig.section->PreviewScale()->setValue(1700);
        rig.Reply("OW1920\r\nOH1080\r\nZi3\r\n");
        for (const QByteArray &line : {"Zp0", "ZH5000", "ZV5000", "ZW500", "ZS500"})
            rig.ReportZoom(0, line);
        rig.Reply("Zs3\r\n");
        TCadrageImage_2 *preview = rig.section->Preview();
        const TCadrageBox box = preview->ZoomBox();
        const QPoint centre(box.left + box.width / 2, box.top + box.height / 2);
        SendMouseMove(preview, centre);
        QTest::mousePress(preview, Qt::LeftButton, Qt::NoModifier, centre);
        SendMouseMove(preview, centre + QPoint(400, 0), Qt::LeftButton);
        QTest::mouseRelease(preview, Qt::LeftButton, Qt::NoModifier, centre + QPoint(400, 0));
        // Far to the right: the position is clamped to the field's range.
        const QStringList sent = rig.Take();
        QVERIFY(!sent.isEmpty());
        QCOMPARE(sent.first(), QString("0Zi"));
        QVERIFY2(sent.contains("10000ZH"), qPrintable(sent.join(' ')));
        for (const QString &line : sent)
            QVERIFY2(line == "0Zi" || line.endsWith("ZH") || line.endsWith("ZV"), qPrintable(line));
    }

    void pixelUnitsOffsetPositionsAroundTheMiddle()
    {
        ZoomRig rig;
        rig.Reply("OW1920\r\nOH1080\r\nZi0\r\nZs0\r\n");
        rig.section->PixelUnitButton()->click();
        QCOMPARE(rig.Take(), (QStringList{"0Zi", "1Zp"}));
        rig.ReportZoom(0, "Zp1");
        rig.ReportZoom(0, "ZH32768");
        TEditUpDown *field = rig.section->Field(ZMHPOS);
        QCOMPARE(field->Position(), 10000);
        QCOMPARE(field->PositionToText(10000), QString("0 Pixel"));
        QCOMPARE(rig.section->Preview()->Zoom_HPos(), 127);
        QVERIFY(!rig.section->TransitionSelector()->PutMenuPopupMenu()->actions().at(ZoomTables::DynamicZoomItem)->isEnabled());
        rig.Enter(ZMHPOS, 10000);
        rig.Enter(ZMVPOS, 0);
        QCOMPARE(rig.Take(), (QStringList{"32768ZH", "22768ZV"}));
        rig.section->ZoomPresetButton()->click();
        QCOMPARE(rig.Take(), (QStringList{"32768ZV", "32768ZH", "1920ZW", "1080ZS"}));
    }

    void zoomPresetAndDoubleClickAndLinks()
    {
        ZoomRig rig;
        rig.Reply("OW1024\r\nOH768\r\nZi3\r\nZs3\r\nZM1\r\nRX1000\r\nRY0\r\n");
        rig.section->ZoomPresetButton()->click();
        QCOMPARE(rig.Take(), (QStringList{"0Zi", "5000ZV", "5000ZH", "1000ZS", "1000ZW"}));
        QTest::mouseDClick(rig.section->Preview(), Qt::LeftButton);
        QCOMPARE(rig.Take(), QStringList{"0ZM"});

        // Links start off (button down); VPOS 0 keeps the ratio at 0: no coupling.
        QAbstractButton *link = rig.section->LinkButton(TZoomSection::PositionPair);
        QVERIFY(link->isChecked());
        link->click();
        rig.Enter(HPOS, 800);
        QCOMPARE(rig.Take(), QStringList{"800RX"});
        link->click();
        rig.Reply("RY500\r\n");
        link->click();
        rig.Enter(HPOS, 800);
        rig.Enter(VPOS, 300);
        QCOMPARE(rig.Take(), (QStringList{"800RX", "400RY", "300RY", "600RX"}));
        // Beyond the variable's range: nothing.
        rig.Enter(HPOS, 5000);
        QCOMPARE(rig.Take(), QStringList());
    }

    void wheelStepsWholeTurnsOnly()
    {
        ZoomRig rig;
        QSlider *scale = rig.section->PreviewScale();
        QCOMPARE(scale->value(), 5445);
        rig.section->Wheel(120);
        QCOMPARE(scale->value(), 5595);
        rig.section->Wheel(60);
        QCOMPARE(scale->value(), 5595);
        rig.section->Wheel(60);
        QCOMPARE(scale->value(), 5745);
        rig.section->Wheel(-240);
        QCOMPARE(scale->value(), 5445);
    }

    void presetsWindowRenamesAndPresses()
    {
        TScriptedPrompt prompt;
        PageRig rig;
        TForm_SaveLoadConfigTotal progress(rig.driver);
        TForm_SavePreset presets(rig.driver, progress, [] { return TZoomSlots{}; });
        QStringList changed;
        connect(&presets, &TForm_SavePreset::PresetCaptionChanged, this,
                [&](int preset, const QString &caption) { changed << QString("%1=%2").arg(preset).arg(caption); });
        QCOMPARE(presets.PresetButton(3)->text(), QString("Preset: 3"));
        prompt.textAnswer = [](const QString &, const QString &) { return QString("Wide"); };
        presets.PresetPressed(3, Qt::RightButton);
        QCOMPARE(presets.PresetButton(3)->text(), QString("Preset: Wide"));
        QCOMPARE(prompt.asked.last().text, QString("Rename: (3) Preset: 3"));
        prompt.textAnswer = nullptr; // cancelled: nothing changes
        presets.PresetPressed(3, Qt::RightButton);
        QCOMPARE(presets.PresetCaption(3), QString("Wide"));
        prompt.textAnswer = [](const QString &, const QString &) { return QString(); };
        presets.PresetPressed(3, Qt::RightButton);
        QCOMPARE(presets.PresetButton(3)->text(), QString("Preset: 3"));
        QCOMPARE(changed, (QStringList{"3=Wide", "3="}));

        presets.SetMem(0);
        for (int i = 1; i <= 8; ++i)
            QVERIFY(!presets.PresetButton(i)->isChecked());
        presets.SetMem(7);
        QVERIFY(presets.PresetButton(7)->isChecked());

        // Buttons disabled until a device mode; a press selects the element;
        // a store without a device is refused.
        QVERIFY(!presets.PresetButton(4)->isEnabled());
        presets.ChooseDeviceMode(_Save);
        QVERIFY(presets.PresetButton(4)->isEnabled());
        QVERIFY(!presets.PresetButton(7)->isChecked());
        rig.sent.sent.clear();
        presets.PresetPressed(4, Qt::LeftButton);
        presets.PresetReleased(4, Qt::LeftButton);
        QCOMPARE(rig.sent.sent, QStringList{"4Zi"});
        QCOMPARE(prompt.asked.last().text, QString("Device not connected"));
        QVERIFY(presets.PresetButton(4)->isChecked());
    }

    void presetsWindowSavesToHardDrive()
    {
        TScriptedPrompt prompt;
        PageRig rig;
        TForm_SaveLoadConfigTotal progress(rig.driver);
        progress.Engine().SetTickInterval(1);
        TZoomSlots zoom;
        zoom.Set(ZMHPOS, 2, 222);
        TForm_SavePreset presets(rig.driver, progress, [&] { return zoom; });
        presets.SetPresetCaption(1, "Wide");
        QTemporaryDir dir;
        QString chosen = dir.filePath("MyMorlixConfig");
        presets.SetFileChooser([&](bool save, const QString &) { return save ? chosen : QString(); });
        presets.show();
        presets.SaveToHardDrive();
        QVERIFY(!presets.isVisible());
        QCOMPARE(presets.TypeSauvegarde(), _UnDef);
        QCOMPARE(presets.LastFolder(), dir.path());
        // The extension is added when none was typed.
        const ConfigTotalFile::TContent content = ConfigTotalFile::Load(chosen + ".mlx");
        QVERIFY2(content.Ok, qPrintable(content.Messages.join('\n')));
        QCOMPARE(content.Slots.Value(ZMHPOS, 2), uint16_t(222));
        QCOMPARE(content.Captions[0], QString("Wide"));

        // Declining to replace writes nothing and leaves nothing to run.
        chosen += ".mlx";
        zoom.Set(ZMHPOS, 2, 333);
        prompt.answer = [](const TScriptedPrompt::TAsked &) { return QMessageBox::Cancel; };
        presets.show();
        presets.SaveToHardDrive();
        QCOMPARE(prompt.asked.last().text, chosen + " already Exist, do you want replace it?");
        QCOMPARE(ConfigTotalFile::Load(chosen).Slots.Value(ZMHPOS, 2), uint16_t(222));
        QCOMPARE(progress.Engine().Running(), TConfigSequence::None);
        QVERIFY(!presets.isVisible());
    }

    void closingTheProgressWindowAborts()
    {
        PageRig rig;
        TForm_SaveLoadConfigTotal progress(rig.driver);
        progress.Engine().SetTickInterval(20);
        QTemporaryDir dir;
        const QString path = dir.filePath("never.mlx");
        int stepsSeen = 0;
        connect(&progress.Engine(), &TConfigTotal::Progress, this, [&](int step, int, int, int) {
            if (step > 0 && ++stepsSeen == 3)
                QTest::keyClick(&progress, Qt::Key_Escape);
        });
        QCOMPARE(progress.RunFileWrite(path, TZoomSlots{}, {}), TConfigOutcome::Aborted);
        QCOMPARE(progress.Engine().Running(), TConfigSequence::None);
        QVERIFY(!progress.isVisible());
        QTest::qWait(100);
        QVERIFY(!QFile::exists(path));
        QCOMPARE(progress.Caption()->text(), TForm_SaveLoadConfigTotal::SaveCaption());
    }

    void presetStoreThenAPageEditChangesTheZoomInUseOnly()
    {
        TScriptedPrompt prompt;
        SimProcess sim;
        QVERIFY(sim.Start({"--set", "OHSIZE=1920", "--set", "OVSIZE=1080", "--set", "ZMHPOS[0]=4000"}));
        QTemporaryDir dir;
        TForm_Main window(TestWindowOptions(dir));
        window.Initialise();
        window.ApplyConnection(LoopbackChoice(ctTCP, sim.Port));
        QTRY_VERIFY_WITH_TIMEOUT(window.Driver().GetVar(DIESE) == 0 && !window.Overlay()->isVisible()
                                     && window.Driver().Connected() && window.Zoom()->Slots().SlotReported(8),
                                 10000);
        window.ConfigTotal()->Engine().SetTickInterval(10);
        TForm_SavePreset &presets = *window.Presets();
        presets.ChooseDeviceMode(_Save);
        presets.PresetPressed(5, Qt::LeftButton);
        presets.PresetReleased(5, Qt::LeftButton);
        QCOMPARE(window.ConfigTotal()->Engine().Running(), TConfigSequence::None);
        QTRY_COMPARE_WITH_TIMEOUT(window.Zoom()->Slots().Value(ZMHPOS, 5), uint16_t(4000), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(window.Driver().GetVar(ZMINDEX), uint16_t(5), 5000);
        QVERIFY(presets.PresetButton(5)->isChecked());

        TEditUpDown *field = window.Zoom()->Field(ZMHPOS);
        emit field->OnUserChange(field, 2000, TEditUpDown::btNext);
        QTRY_COMPARE_WITH_TIMEOUT(field->Position(), 2000, 5000);
        QCOMPARE(window.Zoom()->Slots().Value(ZMHPOS, 5), uint16_t(4000));
        QCOMPARE(RunCtl({"--tcp", sim.Link(), "get", "ZMHPOS[0]", "ZMHPOS[5]"}).Out,
                 QByteArray("ZMHPOS[0]=2000\nZMHPOS[5]=4000\n"));
        QVERIFY(prompt.asked.isEmpty());
    }
};

MORLIX_TEST(ZoomPageTest)
#include "tst_zoompage.moc"
