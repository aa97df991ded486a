#include "TestRegistry.h"
#include "controls/Unit_GestionSlide.h"
#include "variables/MorlixError.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

// A window with a tab widget of four pages and the strip beside it, the way
// the main window uses it. The animation is stepped by hand.
struct SlideFixture
{
    QWidget window;
    QTabWidget *tabs = new QTabWidget(&window);
    TGestionSlide *slide = new TGestionSlide(&window, 1000000);

    SlideFixture()
    {
        window.resize(783, 590);
        for (const char *name : {"Input", "Output", "Image Setting", "Audio"}) {
            auto *page = new QLabel(QString::fromLatin1(name));
            page->setObjectName(QString::fromLatin1(name).remove(' '));
            page->resize(600, 400);
            tabs->addTab(page, QString::fromLatin1(name));
        }
        slide->setGeometry(0, 108, 110, 400);
        slide->SlideTop = 108;
        slide->SlideLeft = 122;
        slide->SetPageControl(tabs);
    }

    void RunToEnd()
    {
        for (int i = 0; i < 10000 && slide->IsSliding(); ++i)
            slide->AnimationStep();
    }
};

class GestionSlideTest : public QObject
{
    Q_OBJECT
private slots:
    void buttonsReplaceTheTabs()
    {
        SlideFixture f;
        QVERIFY(!f.tabs->isVisible());
        QCOMPARE(f.slide->PageCount(), 4);
        QCOMPARE(f.slide->Button(2)->objectName(), QString("SpeedButtonOf_ImageSetting"));
        QCOMPARE(f.slide->Button(2)->text(), QString("Image Setting"));
        QCOMPARE(f.slide->ItemIndex(), -1);
    }

    void clickSlidesThePageToItsPlace()
    {
        SlideFixture f;
        f.window.show();
        QSignalSpy change(f.slide, &TGestionSlide::OnChange);
        QSignalSpy finish(f.slide, &TGestionSlide::OnFinishSlide);
        QTest::mouseClick(f.slide->Button(1), Qt::LeftButton);
        QCOMPARE(f.slide->ItemIndex(), 1);
        QVERIFY(f.slide->IsSliding());
        QCOMPARE(finish.count(), 1); // once at the start
        f.RunToEnd();
        QCOMPARE(change.count(), 1);
        QCOMPARE(finish.count(), 2);
        QCOMPARE(f.slide->Panel(1)->pos(), QPoint(122, 108));
        QVERIFY(f.slide->Button(1)->isChecked());
        QVERIFY(f.slide->Button(1)->font().bold());
    }

    void requestsDuringASlideAreQueued()
    {
        SlideFixture f;
        f.window.show();
        f.slide->SetItemIndex(0);
        f.slide->AnimationStep();
        QTest::mouseClick(f.slide->Button(2), Qt::LeftButton);
        QTest::mouseClick(f.slide->Button(2), Qt::LeftButton); // a repeat is not queued twice
        QCOMPARE(f.slide->QueuedRequests(), 1);
        QCOMPARE(f.slide->ItemIndex(), 0);
        QVERIFY(!f.slide->Button(2)->isChecked());
        f.RunToEnd(); // first slide ends, the queued one starts
        f.RunToEnd();
        QCOMPARE(f.slide->ItemIndex(), 2);
        QCOMPARE(f.slide->Panel(2)->pos(), QPoint(122, 108));
        QVERIFY(!f.slide->Panel(0)->isVisible());
    }

    void withCloseSecondPressClosesThePage()
    {
        SlideFixture f;
        f.window.show();
        f.slide->SetWithClose(true);
        QTest::mouseClick(f.slide->Button(3), Qt::LeftButton);
        f.RunToEnd();
        QTest::mouseClick(f.slide->Button(3), Qt::LeftButton);
        QCOMPARE(f.slide->ItemIndex(), -1);
        f.RunToEnd();
        QVERIFY(!f.slide->Panel(3)->isVisible());
        QVERIFY(!f.slide->Button(3)->isChecked());
    }

    void hiddenPageLeavesTheStripToTheOthers()
    {
        SlideFixture f;
        f.window.show();
        f.slide->SetPageVisible(3, false);
        QVERIFY(!f.slide->Button(3)->isVisible());
        QCOMPARE(f.slide->Button(0)->height(), 400 / 3);
        f.slide->SetEnlarge(false);
        QCOMPARE(f.slide->Button(0)->height(), 400 / 4);
    }

    void speedZeroActsAsOneAndJumps()
    {
        SlideFixture f;
        f.slide->SetSpeed(0);
        QCOMPARE(f.slide->Speed(), 1);
        f.slide->SetItemIndex(1);
        f.slide->AnimationStep();
        QCOMPARE(f.slide->Panel(1)->x(), 122);
    }

    void optionsExcludeEachOther()
    {
        TGestionSlide slide;
        slide.SetWithClose(true);
        slide.SetWithSensThereforeNotWithClose(true);
        QVERIFY(!slide.WithClose());
        slide.SetWithClose(true);
        QVERIFY(!slide.WithSensThereforeNotWithClose());
        QVERIFY_THROWS_EXCEPTION(TMorlixError, slide.SetItemIndex(0));
    }

    void mouseDownCarriesThePageIndex()
    {
        SlideFixture f;
        f.window.show();
        QSignalSpy down(f.slide, &TGestionSlide::OnMouseDown);
        QTest::mousePress(f.slide->Button(2), Qt::RightButton, Qt::ShiftModifier, QPoint(3, 4));
        QCOMPARE(down.count(), 1);
        QCOMPARE(down.at(0).at(1).toInt(), 2);
        QCOMPARE(down.at(0).at(3).toInt(), 3);
    }
};

MORLIX_TEST(GestionSlideTest)
#include "tst_gestionslide.moc"
