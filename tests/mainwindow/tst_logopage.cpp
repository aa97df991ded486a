#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "controls/CadrageDoubleLogo.h"
#include "controls/EditUpDown.h"
#include "controls/SlidingCaption.h"
#include "controls/SmartItems.h"
#include "dialogs/FormLogoFrameLoad.h"
#include "helper_mainwindow.h"
#include "mainwindow/LogoLoaderLink.h"
#include "mainwindow/pages/LogoModeRules.h"
#include "mainwindow/pages/LogoPreviewMath.h"
#include "mainwindow/pages/LogoSection.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

using LogoModeRules::TPlacement;
using LogoModeRules::TVisibility;

Q_DECLARE_METATYPE(std::optional<int64_t>)
Q_DECLARE_METATYPE(LogoModeRules::TPlacement)
Q_DECLARE_METATYPE(LogoModeRules::TVisibility)

namespace {

void Choose(TSmartItems *selector, int item)
{
    emit selector->OnSmartItemsClickChange(selector, Qt::LeftButton, true, item, QString());
}

void Type(TEditUpDown *field, int value)
{
    emit field->OnUserChange(field, value, TEditUpDown::btNext);
}

// The main window, its logo section and what it writes from the test's start.
struct LogoRig : TRecordedWindow
{
    explicit LogoRig(const QTemporaryDir &dir) : TRecordedWindow(dir), logos(*window.LogoSection()) {}
    TLogoSection &logos;
};

} // namespace

// The logos page: its arithmetic, its modes, what it writes for the
// operator's actions and what it shows of the device's reports.
class LogoPageTest : public QObject
{
    Q_OBJECT
private slots:
    void previewArithmetic_data()
    {
        QTest::addColumn<QString>("conversion");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<std::optional<int64_t>>("expected");
        const std::optional<int64_t> none;
        // 127.5 rounds to the even 128.
        QTest::newRow("capture left 960 of 1920") << "to scale" << 960 << 1920 << 0 << std::optional<int64_t>(128);
        QTest::newRow("no output size yet") << "to scale" << 960 << 0 << 0 << none;
        QTest::newRow("logo 480 at 720 of 1920: position") << "travel" << 720 << 1920 << 480
                                                           << std::optional<int64_t>(128);
        QTest::newRow("logo 480 of 1920: size") << "to scale" << 480 << 1920 << 0 << std::optional<int64_t>(64);
        QTest::newRow("logo as wide as the output is not placed") << "travel" << 0 << 1920 << 1920 << none;
        QTest::newRow("capture scale 128 of 1920") << "from scale" << 128 << 1920 << 0
                                                   << std::optional<int64_t>(964);
        QTest::newRow("drag of a logo as wide as the output") << "travel back" << 200 << 1920 << 1920
                                                             << std::optional<int64_t>(0);
        // Unsigned arithmetic would wrap to a huge left edge.
        QTest::newRow("drag of a logo wider than the output") << "travel back" << 255 << 720 << 1024 << none;
        QTest::newRow("drag 255 on the free travel") << "travel back" << 255 << 1920 << 480
                                                     << std::optional<int64_t>(1440);
    }
    void previewArithmetic()
    {
        QFETCH(QString, conversion);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(std::optional<int64_t>, expected);
        std::optional<int64_t> result;
        const auto widen = [](auto value) { return value ? std::optional<int64_t>(*value) : std::nullopt; };
        if (conversion == "to scale")
            result = widen(LogoPreviewMath::ToScale(a, b));
        else if (conversion == "travel")
            result = widen(LogoPreviewMath::TravelToScale(a, b, c));
        else if (conversion == "from scale")
            result = LogoPreviewMath::FromScale(uint32_t(a), b);
        else
            result = LogoPreviewMath::TravelFromScale(uint32_t(a), b, c);
        QCOMPARE(result, expected);
    }

    void visibilityOfPreviewAndFields_data()
    {
        QTest::addColumn<TPlacement>("placement");
        QTest::addColumn<TVisibility>("visible");
        const TVisibility none{}, all{true, true, true}, fields{false, true, true};
        QTest::newRow("record logo") << TPlacement{1, 0, false, 0, false} << TVisibility{true, true, false};
        QTest::newRow("record frame") << TPlacement{3, 1, true, 1, true} << none;
        QTest::newRow("transfer") << TPlacement{6, 1, true, 1, true} << none;
        QTest::newRow("common logo") << TPlacement{0, 2, true, 0, false} << all;
        QTest::newRow("common logo off") << TPlacement{0, 2, false, 0, false} << none;
        QTest::newRow("input logo") << TPlacement{0, 0, true, 1, true} << all;
        QTest::newRow("input logo off") << TPlacement{0, 0, true, 1, false} << none;
        QTest::newRow("input logo under the common frame") << TPlacement{0, 3, true, 1, true} << fields;
        QTest::newRow("input frame") << TPlacement{0, 0, true, 3, true} << fields;
        QTest::newRow("input frame under the common logo") << TPlacement{0, 1, true, 3, true} << all;
        QTest::newRow("input frame, common picture off") << TPlacement{0, 1, false, 3, true} << fields;
    }
    void visibilityOfPreviewAndFields()
    {
        QFETCH(TPlacement, placement);
        QFETCH(TVisibility, visible);
        QCOMPARE(LogoModeRules::DecideVisibility(placement), visible);
    }

    void modeTableOnThePage_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("previewMode");
        QTest::addColumn<bool>("capture");
        QTest::addColumn<bool>("grid");
        QTest::addColumn<bool>("store");
        QTest::addColumn<bool>("storeEnabled");
        QTest::addColumn<bool>("frameRow");
        QTest::addColumn<QString>("storeText");
        QTest::newRow("assign") << 0 << int(_Normal) << false << false << false << false << false << "Assign Input 1";
        QTest::newRow("record logo") << 1 << int(_EnregistrementLogoFixe) << true << true << true << false << false
                                     << "Record Logo";
        QTest::newRow("record frame") << 3 << int(_EnregistrementFrame) << false << false << true << true << false
                                      << "Record Frame";
        QTest::newRow("erase logo and frame") << 4 << int(_EraseLogo) << false << true << true << false << true
                                              << "Erase Logo & Frame";
        QTest::newRow("erase frame") << 5 << int(_EraseFrame) << false << false << true << true << false
                                     << "Erase Frame";
    }
    void modeTableOnThePage()
    {
        QFETCH(int, mode);
        QFETCH(int, previewMode);
        QFETCH(bool, capture);
        QFETCH(bool, grid);
        QFETCH(bool, store);
        QFETCH(bool, storeEnabled);
        QFETCH(bool, frameRow);
        QFETCH(QString, storeText);
        QTemporaryDir dir;
        LogoRig rig(dir);
        TLogoSection &logos = rig.logos;
        rig.window.show();
        rig.Device("IC1\r\nPM" + QByteArray::number(mode) + "\r\n");
        QCOMPARE(int(logos.Preview()->LMODE()), previewMode);
        QCOMPARE(logos.SizeGroup()->isHidden() == false, capture);
        QCOMPARE(logos.LumaTypeSelector()->isHidden() == false, capture);
        QCOMPARE(logos.MemoryGrid()->isHidden() == false, grid);
        QCOMPARE(!logos.MemoryGrid()->isRowHidden(2), frameRow);
        QCOMPARE(logos.StoreButton()->isHidden() == false, store);
        QCOMPARE(logos.StoreButton()->isEnabled(), storeEnabled);
        QCOMPARE(logos.StoreButton()->text().remove('&'), QString(storeText).remove('&'));
        QCOMPARE(logos.ModeSelector()->ItemIndex(), mode);
        QCOMPARE(logos.RememberedMode(), uint16_t(mode));
        // The hidden items are offered by no menu.
        QVERIFY(!logos.ModeSelector()->PutMenuPopupMenu()->actions()[2]->isVisible());
        QVERIFY(!logos.ModeSelector()->PutMenuPopupMenu()->actions()[5]->isVisible());
        QVERIFY(rig.sent.sent.isEmpty());

        // "Transfert" reported leaves the page as it was.
        rig.Device("PM6\r\n");
        QCOMPARE(logos.MemoryGrid()->isHidden() == false, grid);
        QCOMPARE(logos.StoreButton()->isEnabled(), storeEnabled);
        QCOMPARE(logos.RememberedMode(), uint16_t(mode));
    }

    void memoryTextsFollowPValid()
    {
        QTemporaryDir dir;
        LogoRig rig(dir);
        rig.Device("PV3\r\n");
        QTableWidget *grid = rig.logos.MemoryGrid();
        QCOMPARE(grid->item(0, 1)->text(), QString("Ok"));
        QCOMPARE(grid->item(1, 1)->text(), QString("Empty"));
        QCOMPARE(grid->item(2, 1)->text(), QString("Empty"));
        for (TSmartItems *selector : {rig.logos.PictureSelector(1), rig.logos.PictureSelector(4), rig.logos.CommonSelector()}) {
            QStringList captions;
            for (int item = 0; item < 4; ++item)
                captions << selector->GetItemCaption(item);
            QCOMPARE(captions, (QStringList{"None", "Logo 1", "Empty", "Empty"}));
        }
    }

    void pictureSelectorsAndButtonsWriteTheirInput()
    {
        QTemporaryDir dir;
        LogoRig rig(dir);
        rig.Device("Ip2\r\nIE1\r\nOe1\r\n");
        QCOMPARE(rig.logos.PictureButton(2)->text(), QString("ON"));
        QVERIFY(rig.logos.PictureButton(2)->isChecked());
        QCOMPARE(rig.logos.PictureButton(1)->text(), QString("OFF"));
        rig.sent.sent.clear();
        Choose(rig.logos.PictureSelector(3), 2);
        rig.logos.PictureButton(2)->click();
        Choose(rig.logos.CommonSelector(), 3);
        rig.logos.CommonButton()->click();
        // IPCHAN is written only when it differs; the button's state waits for the device.
        QCOMPARE(rig.sent.sent, (QStringList{"3IP", "2II", "2IP", "0IE", "3OE", "0Oe"}));
        QVERIFY(rig.logos.PictureButton(2)->isChecked());
        QVERIFY(rig.logos.CommonButton()->isChecked());
    }

    void positionAndTransparencyGoToTheLogoEdited()
    {
        QTemporaryDir dir;
        LogoRig rig(dir);
        TLogoSection &logos = rig.logos;
        // The common picture is on without a memory: the preview shows the
        // input's logo while the fields write the common variables.
        rig.Device("IC2\r\nPM0\r\nOE0\r\nOe1\r\n");
        Type(logos.LeftField(), 720);
        Type(logos.TransparencyField(), 7);
        rig.Device("Oe0\r\n");
        Type(logos.TopField(), 300);
        Type(logos.TransparencyField(), 16); // beyond the range: nothing
        Type(logos.LeftField(), 2048);      // beyond the range: nothing
        QCOMPARE(rig.sent.sent, (QStringList{"720OL", "7OQ", "2IP", "300It"}));
        rig.Device("Ip2\r\nIP2\r\nIt300\r\n");
        QCOMPARE(logos.TopField()->Position(), 300);
        rig.sent.sent.clear();
        rig.Device("PM1\r\n");
        Type(logos.LeftField(), 100);
        QCOMPARE(rig.sent.sent, (QStringList{"100PL"}));
    }

    void previewPlacesTheInputsLogo()
    {
        QTemporaryDir dir;
        LogoRig rig(dir);
        rig.window.show();
        TLogoSection &logos = rig.logos;
        rig.Device("OW1920\r\nOH1080\r\nPi2\r\nPw480\r\nPh270\r\nOe0\r\nIC1\r\nIc1\r\nIp1\r\nIP1\r\nII2\r\nIE1\r\n"
                   "Il720\r\nIt405\r\nPM0\r\n");
        TCadrageDoubleLogo *preview = logos.Preview();
        QCOMPARE(preview->LHPOS1x(), 128u);
        QCOMPARE(preview->LHSIZ1x(), 64u);
        QCOMPARE(preview->LVPOS1x(), 128u);
        QVERIFY(!preview->isHidden());
        QVERIFY(!logos.PositionGroup()->isHidden());
        QCOMPARE(logos.ModeSelector()->ListField()->Text(), QString("Assign Input 1"));
        QVERIFY(rig.sent.sent.isEmpty());
    }

    void pictureSizeIsAskedOnceAndOnlyForAMemory()
    {
        QTemporaryDir dir;
        LogoRig rig(dir);
        // Input 1 has no picture: nothing to ask, however often the preview refreshes.
        rig.Device("Pi1\r\nOe0\r\nIC1\r\nIp1\r\nIP1\r\nII0\r\nIl10\r\nIl20\r\nPM0\r\n");
        QVERIFY(!rig.sent.sent.contains("0Pi"));
        QVERIFY(rig.sent.sent.filter("Pi").isEmpty());
        // Picture 2: asked once, not again until the device has answered.
        rig.Device("II2\r\nIl30\r\nIt40\r\nPw100\r\n");
        QCOMPARE(rig.sent.sent.filter("Pi"), QStringList{"2Pi"});
        rig.Device("Pi2\r\nPw64\r\nPh48\r\nIl50\r\n");
        QCOMPARE(rig.sent.sent.filter("Pi"), QStringList{"2Pi"});
    }

    void sizeLinkSendsThePartnerWithinItsRange()
    {
        QTemporaryDir dir;
        LogoRig rig(dir);
        TLogoSection &logos = rig.logos;
        rig.Device("PM1\r\nPW1000\r\nPH100\r\n");
        logos.ToggleSizeLink();
        QVERIFY(logos.SizeLinked());
        QCOMPARE(logos.SizeRatio(), 10.0);
        Type(logos.WidthField(), 1205); // height 120.5 rounds to the even 120
        Type(logos.HeightField(), 150);
        Type(logos.HeightField(), 300); // width 3000 is beyond PCAPTURE_WIDTH: not sent
        Type(logos.WidthField(), 3000); // beyond the range: nothing at all
        QCOMPARE(rig.sent.sent, (QStringList{"1205PW", "120PH", "150PH", "1500PW", "300PH"}));
        logos.ToggleSizeLink();
        Type(logos.WidthField(), 500);
        QCOMPARE(rig.sent.sent.last(), QString("500PW"));
    }

    void storeRecordsIntoTheChosenMemory()
    {
        QTemporaryDir dir;
        LogoRig rig(dir);
        TLogoSection &logos = rig.logos;
        rig.Device("PM1\r\n");
        logos.ChooseMemory(2);
        QCOMPARE(logos.StoreButton()->text(), QString("Record Logo\nLogo 2"));
        QVERIFY(logos.StoreButton()->isEnabled());
        logos.StoreButton()->click();
        QCOMPARE(rig.sent.sent, (QStringList{"2PI", "1PX"}));
        QVERIFY(!logos.StoreButton()->isEnabled());
        QVERIFY(rig.prompt.asked.isEmpty());
    }

    void eraseAsksFirst()
    {
        QTemporaryDir dir;
        LogoRig rig(dir);
        TLogoSection &logos = rig.logos;
        rig.Device("PM4\r\n");
        logos.ChooseMemory(3);
        rig.prompt.answer = [](const TScriptedPrompt::TAsked &) { return QMessageBox::No; };
        logos.StoreButton()->click();
        QCOMPARE(rig.prompt.Texts(), QStringList{TLogoSection::EraseQuestion()});
        QCOMPARE(rig.sent.sent, QStringList{"3PI"});
        QVERIFY(logos.StoreButton()->isEnabled());
        rig.prompt.answer = nullptr;
        logos.StoreButton()->click();
        QCOMPARE(rig.sent.sent, (QStringList{"3PI", "1PX"}));
    }

    void transferOpensTheLoaderAndLeavesTransferModeOnceTheLinkIsBack()
    {
        QTemporaryDir dir;
        LogoRig rig(dir);
        TLogoSection &logos = rig.logos;
        TComDriverMorlix &driver = rig.window.Driver();
        TLogoFrameLoad *loader = rig.window.LogoLoader()->Loader();
        rig.Device("PM1\r\nPk40\r\n");
        // The loader is closed while a transfer still holds the link in raw mode.
        QTimer::singleShot(0, loader, [loader, &driver, &rig] {
            QCOMPARE(int(loader->LLEVEL()), 40);
            rig.Device("PM6\r\n");
            driver.SetConMode(cmRAW);
            loader->reject();
        });
        Choose(logos.ModeSelector(), 6);
        QVERIFY(!rig.sent.sent.contains("0PM"));
        QCOMPARE(logos.ModeSelector()->ItemIndex(), 6);
        driver.SetConMode(cmVAR);
        QTRY_COMPARE(rig.sent.sent, QStringList{"0PM"});
        QCOMPARE(logos.ModeSelector()->ItemIndex(), 1);
        QCOMPARE(logos.ModeSelector()->ListField()->Text(), QString("Record Logo"));
    }

    void transferLeftByAnotherModeSendsNothing()
    {
        QTemporaryDir dir;
        LogoRig rig(dir);
        TLogoFrameLoad *loader = rig.window.LogoLoader()->Loader();
        QTimer::singleShot(0, loader, [loader, &rig] {
            rig.Device("PM3\r\n");
            loader->reject();
        });
        Choose(rig.logos.ModeSelector(), 6);
        QVERIFY(rig.sent.sent.isEmpty());
        QCOMPARE(rig.logos.ModeSelector()->ItemIndex(), 3);
    }

    void reportsPutNothingOnTheWire()
    {
        QTemporaryDir dir;
        LogoRig rig(dir);
        rig.Device("OW1280\r\nOH1024\r\nPV15\r\nPi1\r\nPw100\r\nPh80\r\nOE1\r\nOe1\r\nOL30\r\nOl40\r\nOQ5\r\n"
                   "PM1\r\nPL10\r\nPT20\r\nPW300\r\nPH200\r\nPK1\r\nPk77\r\nPB12\r\nPM0\r\nIp3\r\nII1\r\nIE1\r\n"
                   "IQ9\r\nPM4\r\nPM0\r\n");
        QVERIFY(rig.sent.sent.isEmpty());
        QCOMPARE(rig.logos.LumaLevelField()->Position(), 77);
        QCOMPARE(rig.logos.BackColorField()->Position(), 12);
        QCOMPARE(rig.logos.LumaTypeSelector()->ItemIndex(), 1);
        QCOMPARE(rig.logos.TransparencyField()->Position(), 5);
        QCOMPARE(rig.logos.LeftField()->Position(), 30);
        QCOMPARE(rig.logos.ModeSelector()->ListField()->Text(), QString("Assign Output"));
    }
};

MORLIX_TEST(LogoPageTest)
#include "tst_logopage.moc"
