#include "TestRegistry.h"
#include "controls/DoubleItems.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// Channels 1 to 6, left 0 and right 1 reported by the device.
struct Channels
{
    Channels()
    {
        control.SetCaption(QStringLiteral("Left   Audio input   Right"));
        control.SetItems({"Ch 1", "Ch 2", "Ch 3", "Ch 4", "Ch 5", "Ch 6"});
        control.SetItemIndex_Left(0);
        control.SetItemIndex_Right(1);
        control.resize(160, control.sizeHint().height());
        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));
    }
    void Press(int row, TDoubleItems::TPart part)
    {
        QTest::mouseClick(&control, Qt::LeftButton, {}, control.CellRect(row, part).center());
    }
    // The row an entry is shown at while expanded (all entries visible).
    static int RowOf(int entry) { return entry + 1; }

    TDoubleItems control;
    QSignalSpy left{&control, &TDoubleItems::OnSelectedItemLeftChange};
    QSignalSpy right{&control, &TDoubleItems::OnSelectedItemRightChange};
};

} // namespace

class DoubleItemsTest : public QObject
{
    Q_OBJECT
private slots:
    void ownerWritesFireNoEvent()
    {
        Channels c;
        c.control.SetItemIndex_Left(4);
        c.control.SetItemIndex_Right(5);
        QCOMPARE(c.left.count(), 0);
        QCOMPARE(c.right.count(), 0);
        QCOMPARE(c.control.ShownEntries(), (QList<int>{4, 5}));
    }

    void collapsedPressOnlyExpands()
    {
        Channels c;
        QVERIFY(c.control.VisibledOnlyChecked());
        QCOMPARE(c.control.ShownEntries(), (QList<int>{0, 1}));
        c.Press(1, TDoubleItems::partLeft);
        QVERIFY(!c.control.VisibledOnlyChecked());
        QCOMPARE(c.left.count(), 0);
        QCOMPARE(c.control.ShownEntries().size(), 6);
        QCOMPARE(c.control.height(), c.control.sizeHint().height());
    }

    void expandedPressReportsAndCollapses_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("leftEvents");
        QTest::addColumn<int>("rightEvents");
        QTest::newRow("left cell") << int(TDoubleItems::partLeft) << 1 << 0;
        QTest::newRow("right cell") << int(TDoubleItems::partRight) << 0 << 1;
        QTest::newRow("caption") << int(TDoubleItems::partCenter) << 0 << 0;
    }
    void expandedPressReportsAndCollapses()
    {
        QFETCH(int, part);
        QFETCH(int, leftEvents);
        QFETCH(int, rightEvents);
        Channels c;
        c.control.SetVisibledOnlyChecked(false);
        c.Press(Channels::RowOf(3), TDoubleItems::TPart(part));
        QCOMPARE(c.left.count(), leftEvents);
        QCOMPARE(c.right.count(), rightEvents);
        for (const QSignalSpy *spy : {&c.left, &c.right})
            if (!spy->isEmpty())
                QCOMPARE(spy->first().at(0).toInt(), 3);
        QVERIFY(c.control.VisibledOnlyChecked());
        // Nothing changes until the device reports the choice.
        QCOMPARE(c.control.ItemIndex_Left(), 0);
        QCOMPARE(c.control.ItemIndex_Right(), 1);
    }

    void disabledEntryCannotBeChosen()
    {
        Channels c;
        c.control.SetItemEnabled(2, false);
        c.control.SetVisibledOnlyChecked(false);
        c.Press(Channels::RowOf(2), TDoubleItems::partLeft);
        QCOMPARE(c.left.count(), 0);
        QVERIFY(c.control.VisibledOnlyChecked());
    }

    void hiddenEntriesAreSkipped()
    {
        Channels c;
        c.control.SetItemVisible(1, false);
        c.control.SetVisibledOnlyChecked(false);
        QCOMPARE(c.control.ShownEntries(), (QList<int>{0, 2, 3, 4, 5}));
        c.Press(2, TDoubleItems::partRight);
        QCOMPARE(c.right.first().at(0).toInt(), 2);
    }

    void pointerReportsThePartUnderIt_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("leftMoves");
        QTest::addColumn<int>("centerMoves");
        QTest::addColumn<int>("rightMoves");
        QTest::newRow("left") << int(TDoubleItems::partLeft) << 1 << 0 << 0;
        QTest::newRow("center") << int(TDoubleItems::partCenter) << 0 << 1 << 0;
        QTest::newRow("right") << int(TDoubleItems::partRight) << 0 << 0 << 1;
    }
    void pointerReportsThePartUnderIt()
    {
        QFETCH(int, part);
        QFETCH(int, leftMoves);
        QFETCH(int, centerMoves);
        QFETCH(int, rightMoves);
        Channels c;
        QSignalSpy leftMove(&c.control, &TDoubleItems::OnMouseMoveItemLeftEvent);
        QSignalSpy centerMove(&c.control, &TDoubleItems::OnMouseMoveItemCenterEvent);
        QSignalSpy rightMove(&c.control, &TDoubleItems::OnMouseMoveItemRightEvent);
        QSignalSpy anyMove(&c.control, &TDoubleItems::OnMouseMoveItemAllEvent);
        QTest::mouseMove(&c.control, c.control.CellRect(2, TDoubleItems::TPart(part)).center());
        QCOMPARE(leftMove.count(), leftMoves);
        QCOMPARE(centerMove.count(), centerMoves);
        QCOMPARE(rightMove.count(), rightMoves);
        QCOMPARE(anyMove.count(), 1);
        QCOMPARE(anyMove.first().at(0).toInt(), 1);
        QTest::mouseMove(&c.control, QPoint(5, 5)); // the title
        QCOMPARE(anyMove.count(), 1);
    }
};

MORLIX_TEST(DoubleItemsTest)
#include "tst_doubleitems.moc"
