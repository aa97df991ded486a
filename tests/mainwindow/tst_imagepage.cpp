#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "controls/SmartItems.h"
#include "controls/SlidingCaption.h"
#include "helper_pagerig.h"
#include "mainwindow/MainPages.h"
#include "mainwindow/pages/ImageSection.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>

using Row = TImageSection::TRow;
Q_DECLARE_METATYPE(TImageSection::TRow)

namespace {

// The image section on a bare page, wired as the main window wires it.
struct ImageRig : PageRig
{
    ImageRig()
    {
        page.resize(TMainPage::Width, TMainPage::Height);
        section = std::make_unique<TImageSection>(context, &page);
        models.CommonUpdate.ConnectTriggers();
    }
    void Click(TSmartItems *selector, int item)
    {
        emit selector->OnSmartItemsClickChange(selector, Qt::LeftButton, true, item, selector->GetItemCaption(item));
    }
    // The operator typing a text and pressing Enter.
    void Enter(Row row, const QString &text)
    {
        QLineEdit *field = section->Field(row);
        field->setText(text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    QList<Row> ShownRows() const
    {
        QList<Row> rows;
        for (int row = 0; row < TImageSection::RowCount; ++row)
            if (section->RowShown(Row(row)))
                rows << Row(row);
        return rows;
    }

    QWidget page;
    std::unique_ptr<TImageSection> section;
};

QByteArray Lines(const QStringList &lines)
{
    return (lines.join("\r\n") + "\r\n").toLatin1();
}

// The geometry of a widget in the page's coordinates.
QRect OnPage(const QWidget *widget, const QWidget *page)
{
    return QRect(widget->mapTo(page, QPoint(0, 0)), widget->size());
}

} // namespace

// The image settings page: reports shown without a write, the writes of the
// bars, fields, selectors and buttons, and the rows the common update shows.
class ImagePageTest : public QObject
{
    Q_OBJECT
private slots:
    void reportsShowTheValueAndWriteNothing()
    {
        ImageRig rig;
        rig.Reply("RT255\r\nRG23\r\nRF3\r\nXS512\r\nXV32773\r\nRI2\r\nRN0\r\nRD800\r\nRM1000\r\nRP17\r\n");
        TImageSection &image = *rig.section;
        QCOMPARE(image.Bar(Row::Brightness)->value(), 255);
        QCOMPARE(image.Field(Row::Brightness)->text(), QString("100%"));
        QCOMPARE(image.Field(Row::Gamma)->text(), QString("2.3"));
        QCOMPARE(image.Field(Row::Flicker)->text(), QString("3"));
        QCOMPARE(image.Field(Row::SubCarrierPhase)->text(), QString("0\u00B0"));
        QCOMPARE(image.Field(Row::VerticalOffset)->text(), QString("5Lines"));
        QCOMPARE(image.Field(Row::Clock)->text(), QString("800"));
        QCOMPARE(image.Bar(Row::Clock)->maximum(), 1000);
        QCOMPARE(image.Field(Row::Phase)->text(), QString("17"));
        QCOMPARE(image.AspectSelector()->ListField()->Text(), QString("16/9 Ana."));
        QCOMPARE(image.Pulldown22Selector()->ListField()->Text(), QString("OFF"));
        QVERIFY(rig.sent.sent.isEmpty());
        // Gamma and phase are shown, not entered.
        QVERIFY(image.Field(Row::Gamma)->isReadOnly());
        QVERIFY(image.Field(Row::Phase)->isReadOnly());
        QVERIFY(!image.Field(Row::Clock)->isReadOnly());
    }

    void barSendsOnlyItsStepsAndDrags_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QStringList>("wire");
        QTest::addColumn<int>("shown");
        QTest::newRow("step") << int(QAbstractSlider::SliderSingleStepAdd) << QStringList{"129RT"} << 129;
        QTest::newRow("step back") << int(QAbstractSlider::SliderSingleStepSub) << QStringList{"127RT"} << 127;
        // A tenth of 255, halves to even.
        QTest::newRow("page") << int(QAbstractSlider::SliderPageStepAdd) << QStringList{"154RT"} << 154;
        // The ends send nothing, and the bar stays at the device's value.
        QTest::newRow("to minimum") << int(QAbstractSlider::SliderToMinimum) << QStringList{} << 128;
        QTest::newRow("to maximum") << int(QAbstractSlider::SliderToMaximum) << QStringList{} << 128;
    }
    void barSendsOnlyItsStepsAndDrags()
    {
        QFETCH(int, action);
        QFETCH(QStringList, wire);
        QFETCH(int, shown);
        ImageRig rig;
        rig.Reply("RT128\r\n");
        QScrollBar *bar = rig.section->Bar(Row::Brightness);
        bar->triggerAction(QAbstractSlider::SliderAction(action));
        QCOMPARE(rig.sent.sent, wire);
        QCOMPARE(bar->value(), shown);
    }

    void dragSendsEachPositionAndItsEndNothing()
    {
        ImageRig rig;
        rig.Reply("RT128\r\n");
        QScrollBar *bar = rig.section->Bar(Row::Brightness);
        bar->setSliderDown(true);
        bar->setSliderPosition(140);
        bar->setSliderPosition(150);
        QCOMPARE(rig.sent.sent, (QStringList{"140RT", "150RT"}));
        rig.Reply("RT140\r\n");
        bar->setSliderDown(false);
        QCOMPARE(rig.sent.sent.size(), 2);
        // Back at what the device has, not at a position it never got.
        QCOMPARE(bar->value(), 140);
    }

    void wheelSends()
    {
        ImageRig rig;
        rig.Reply("RT128\r\n");
        QScrollBar *bar = rig.section->Bar(Row::Brightness);
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
        QCOMPARE(rig.sent.sent.size(), 1);
        QVERIFY(rig.sent.sent.first().endsWith("RT"));
        QVERIFY(rig.sent.sent.first() != "128RT");
    }

    void fieldEntries_data()
    {
        QTest::addColumn<Row>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("wire");
        QTest::newRow("brightness") << Row::Brightness << "50%" << QStringList{"128RT"};
        QTest::newRow("brightness clamped") << Row::Brightness << "150%" << QStringList{"255RT"};
        QTest::newRow("coring decimal") << Row::Coring << "12.5%" << QStringList{};
        QTest::newRow("flicker") << Row::Flicker << "3" << QStringList{"3RF"};
        QTest::newRow("clock") << Row::Clock << "900" << QStringList{"900RD"};
        QTest::newRow("clock below the bar") << Row::Clock << "100" << QStringList{};
        QTest::newRow("clock negative") << Row::Clock << "-1" << QStringList{};
        QTest::newRow("clock above the bar") << Row::Clock << "70000" << QStringList{};
        QTest::newRow("clock above the reported maximum") << Row::Clock << "1001" << QStringList{};
        QTest::newRow("h phase, wide range") << Row::HPhase << "150\u00B5s" << QStringList{"59081XH"};
        QTest::newRow("h phase decimal") << Row::HPhase << "1.4\u00B5s" << QStringList{};
        QTest::newRow("sub-carrier") << Row::SubCarrierPhase << "90\u00B0" << QStringList{"768XS"};
        QTest::newRow("offset") << Row::VerticalOffset << "-2Lines" << QStringList{"32766XV"};
    }
    void fieldEntries()
    {
        QFETCH(Row, row);
        QFETCH(QString, text);
        QFETCH(QStringList, wire);
        ImageRig rig;
        rig.Reply("RM1000\r\nRD800\r\nRT128\r\nRx0\r\nXH32768\r\n");
        rig.sent.sent.clear();
        const QString before = rig.section->Field(row)->text();
        rig.Enter(row, text);
        QCOMPARE(rig.sent.sent, wire);
        // A refused entry shows the device's value again; an accepted one
        // waits for the device's report.
        QCOMPARE(rig.section->Field(row)->text(), wire.isEmpty() ? before : text);
    }

    void typingKeepsTheTextUntilEscapeOrLeaving()
    {
        ImageRig rig;
        rig.Reply("RT128\r\n");
        QLineEdit *field = rig.section->Field(Row::Brightness);
        field->clear();
        QTest::keyClicks(field, "7");
        QCOMPARE(field->text(), QString("7"));
        QTest::keyClick(field, Qt::Key_Escape);
        QCOMPARE(field->text(), QString("50%"));
        QTest::keyClicks(field, "9");
        QFocusEvent leave(QEvent::FocusOut);
        QApplication::sendEvent(field, &leave);
        QCOMPARE(field->text(), QString("50%"));
        // A report while typing shows the device's value.
        QTest::keyClicks(field, "1");
        rig.Reply("RT255\r\n");
        QCOMPARE(field->text(), QString("100%"));
        QVERIFY(rig.sent.sent.isEmpty());
    }

    void clockMaximumFollowsTheDeviceAndNeverWrites()
    {
        ImageRig rig;
        QScrollBar *bar = rig.section->Bar(Row::Clock);
        QCOMPARE(bar->minimum(), 200);
        QCOMPARE(bar->maximum(), 65535);
        // At or below the bar's minimum: left alone.
        rig.Reply("RM150\r\n");
        QCOMPARE(bar->maximum(), 65535);
        rig.Reply("RD1200\r\nRM1000\r\n");
        QCOMPARE(bar->maximum(), 1000);
        QCOMPARE(bar->value(), 1000); // clamped by the program...
        QVERIFY(rig.sent.sent.isEmpty()); // ...so nothing is sent
        QCOMPARE(rig.section->Field(Row::Clock)->text(), QString("1200"));
        QCOMPARE(bar->pageStep(), 80);
    }

    void hPhaseRangeFollowsTheReference_data()
    {
        QTest::addColumn<QByteArray>("reference");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("pageStep");
        QTest::addColumn<QString>("lowText");
        QTest::addColumn<QString>("highText");
        QTest::newRow("genlock, SD output") << QByteArray("XA6\r\nXF1\r\n") << 32676 << 32860 << 18
                                            << "-3.4\u00B5s" << "3.4\u00B5s";
        QTest::newRow("genlock, HD output") << QByteArray("XA6\r\nXF8\r\n") << 32514 << 33022 << 51
                                            << "-3.43\u00B5s" << "3.43\u00B5s";
        QTest::newRow("genlock, computer output") << QByteArray("XA6\r\nXF9\r\n") << 0 << 65535 << 6554
                                                  << "-186.81\u00B5s" << "186.79\u00B5s";
        QTest::newRow("frame lock") << QByteArray("XA5\r\nXF1\r\n") << 0 << 65535 << 6554 << "-186.81\u00B5s"
                                    << "186.79\u00B5s";
    }
    void hPhaseRangeFollowsTheReference()
    {
        QFETCH(QByteArray, reference);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, pageStep);
        QFETCH(QString, lowText);
        QFETCH(QString, highText);
        ImageRig rig;
        rig.Reply(reference);
        QScrollBar *bar = rig.section->Bar(Row::HPhase);
        QCOMPARE(bar->minimum(), minimum);
        QCOMPARE(bar->maximum(), maximum);
        QCOMPARE(bar->pageStep(), pageStep);
        rig.Reply("XH" + QByteArray::number(minimum) + "\r\n");
        QCOMPARE(rig.section->Field(Row::HPhase)->text(), lowText);
        rig.Reply("XH" + QByteArray::number(maximum) + "\r\n");
        QCOMPARE(rig.section->Field(Row::HPhase)->text(), highText);
        QVERIFY(rig.sent.sent.isEmpty());
    }

    void hPhaseTextFollowsNewDisplayLimits()
    {
        ImageRig rig;
        rig.Reply("XH32860\r\n");
        QCOMPARE(rig.section->Field(Row::HPhase)->text(), QString("0.51\u00B5s"));
        rig.Reply("XA6\r\nXF1\r\n");
        QCOMPARE(rig.section->Field(Row::HPhase)->text(), QString("3.4\u00B5s"));
        rig.Reply("XA0\r\n");
        QCOMPARE(rig.section->Field(Row::HPhase)->text(), QString("0.51\u00B5s"));
        QVERIFY(rig.sent.sent.isEmpty());
    }

    void rowsShownByInputAndReference_data()
    {
        QTest::addColumn<QByteArray>("reports");
        QTest::addColumn<QList<Row>>("rows");
        QTest::addColumn<bool>("autoCentering");
        // REFFORMAT 0 (PAL, interlaced) takes the flicker filter; 4 (720p) does not.
        QTest::newRow("composite, PAL")
            << QByteArray("Ip1\r\nIT0\r\nIN4\r\nIC1\r\nXF0\r\n")
            << QList<Row>{Row::Brightness, Row::Contrast, Row::Color, Row::Sharpness, Row::Coring, Row::Gamma,
                          Row::Flicker}
            << false;
        QTest::newRow("composite, NTSC: hue")
            << QByteArray("Ip1\r\nIT0\r\nIN3\r\nIC1\r\nXF4\r\n")
            << QList<Row>{Row::Brightness, Row::Contrast, Row::Color, Row::Hue, Row::Sharpness, Row::Coring,
                          Row::Gamma}
            << false;
        QTest::newRow("computer HV, genlocked")
            << QByteArray("Ip2\r\nIT6\r\nIN16\r\nIC2\r\nXF4\r\nXA6\r\n")
            << QList<Row>{Row::RedLevel, Row::GreenLevel, Row::BlueLevel, Row::Sharpness, Row::Coring, Row::Gamma,
                          Row::Clock, Row::Phase, Row::HPhase, Row::SubCarrierPhase, Row::VerticalOffset}
            << true;
        QTest::newRow("DVI computer")
            << QByteArray("Ip2\r\nIT10\r\nIN18\r\nIC2\r\nXF4\r\n")
            << QList<Row>{Row::RedLevel, Row::GreenLevel, Row::BlueLevel, Row::Sharpness, Row::Coring, Row::Gamma}
            << false;
    }
    void rowsShownByInputAndReference()
    {
        QFETCH(QByteArray, reports);
        QFETCH(QList<Row>, rows);
        QFETCH(bool, autoCentering);
        ImageRig rig;
        rig.Reply(reports);
        TImageSection &image = *rig.section;
        QCOMPARE(rig.ShownRows(), rows);
        QCOMPARE(image.AutoCenteringButton()->isVisibleTo(&rig.page), autoCentering);
        QCOMPARE(image.ReferenceGroup()->isVisibleTo(&rig.page), rows.contains(Row::HPhase));

        // The rows shown close up under the group's title, one under the other.
        int previousBottom = 12; // under the title
        for (Row row : rows) {
            if (row >= TImageSection::FirstReferenceRow)
                break;
            const QRect label = image.Label(row)->geometry();
            QVERIFY(image.Bar(row)->isVisibleTo(&rig.page) && image.Field(row)->isVisibleTo(&rig.page));
            QVERIFY(label.top() > previousBottom);
            QVERIFY(label.top() - previousBottom < 12);
            previousBottom = label.bottom();
        }
        // Nothing of the page's own shown widgets overlaps, nor takes the
        // places of the output position fields and the pedestal.
        QList<QWidget *> shown;
        for (QWidget *child : rig.page.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            if (child->isVisibleTo(&rig.page))
                shown << child;
        QVERIFY(shown.size() >= 3); // the picture rows, the aspect, "Preset"
        for (int i = 0; i < shown.size(); ++i) {
            const QRect area = OnPage(shown[i], &rig.page);
            QVERIFY2(rig.page.rect().contains(area), qPrintable(shown[i]->objectName()));
            QVERIFY2(!area.intersects(TImageSection::LeftForPositionSize()), qPrintable(shown[i]->objectName()));
            QVERIFY2(!area.intersects(TImageSection::LeftForPedestal()), qPrintable(shown[i]->objectName()));
            for (int j = i + 1; j < shown.size(); ++j)
                QVERIFY2(!area.intersects(OnPage(shown[j], &rig.page)),
                         qPrintable(shown[i]->objectName() + " " + shown[j]->objectName()));
        }
    }

    void pulldownsByFrameRateClass_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("fieldRate");
        QTest::addColumn<bool>("twoTwo");
        QTest::addColumn<bool>("threeTwo");
        const QByteArray composite("Ip1\r\nIT0\r\nIN4\r\nIC1\r\n");
        QTest::newRow("50 Hz") << composite << 5000 << true << false;
        QTest::newRow("last of the 50 Hz class") << composite << 5496 << true << false;
        QTest::newRow("first of the 59.94 Hz class") << composite << 5497 << false << true;
        QTest::newRow("last of the 59.94 Hz class") << composite << 5996 << false << true;
        QTest::newRow("first of the 60 Hz class") << composite << 5997 << false << true;
        QTest::newRow("first of the 72 Hz class") << composite << 6600 << true << true;
        QTest::newRow("progressive video") << QByteArray("Ip1\r\nIT4\r\nIN9\r\nIC1\r\n") << 7200 << false << false;
        QTest::newRow("computer type") << QByteArray("Ip1\r\nIT5\r\nIN4\r\nIC1\r\n") << 7200 << false << false;
    }
    void pulldownsByFrameRateClass()
    {
        QFETCH(QByteArray, input);
        QFETCH(int, fieldRate);
        QFETCH(bool, twoTwo);
        QFETCH(bool, threeTwo);
        ImageRig rig;
        rig.Reply(input + "IR" + QByteArray::number(fieldRate) + "\r\n");
        QCOMPARE(rig.section->Pulldown22Selector()->isVisibleTo(&rig.page), twoTwo);
        QCOMPARE(rig.section->Pulldown32Selector()->isVisibleTo(&rig.page), threeTwo);
    }

    void buttonsAndSelectorsWrite()
    {
        TScriptedPrompt prompt;
        ImageRig rig;
        rig.section->AutoCenteringButton()->click();
        rig.section->PresetButton()->click();
        rig.Click(rig.section->AspectSelector(), 2);
        rig.Click(rig.section->Pulldown22Selector(), 0);
        rig.Click(rig.section->Pulldown32Selector(), 1);
        QCOMPARE(rig.sent.sent, (QStringList{"1RK", "1RR", "2RI", "0RN", "1Rn"}));
        QVERIFY(prompt.asked.isEmpty());
    }
};

MORLIX_TEST(ImagePageTest)
#include "tst_imagepage.moc"
