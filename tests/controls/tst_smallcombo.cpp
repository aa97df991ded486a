#include "TestRegistry.h"
#include "controls/SmallCombo.h"

#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

namespace {

struct Combo
{
    Combo()
    {
        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));
    }
    // Opens the list with the arrow and clicks an entry of it.
    void Choose(int entry)
    {
        QTest::mouseClick(control.findChild<QToolButton *>(), Qt::LeftButton);
        QMenu *menu = control.EntryMenu();
        QTRY_VERIFY_WITH_TIMEOUT(menu->isVisible(), 2000);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().at(entry)).center());
        menu->hide();
    }

    TSmallCombo control;
    QSignalSpy changes{&control, &TSmallCombo::OnChange};
    QSignalSpy clicks{&control, &TSmallCombo::OnClick};
    QSignalSpy drops{&control, &TSmallCombo::OnDropDown};
};

QMenu *FiveEntryMenu(QObject *parent)
{
    auto *menu = new QMenu(qobject_cast<QWidget *>(parent));
    for (const char *text : {"&Native", "1024x768", "1280x1024", "1600x1200", "1920x1080"})
        menu->addAction(QString::fromLatin1(text));
    return menu;
}

} // namespace

class SmallComboTest : public QObject
{
    Q_OBJECT
private slots:
    void itemIndexShowsTheEntry_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("shown");
        QTest::newRow("first") << 0 << "DVI";
        QTest::newRow("last") << 2 << "SDI";
        QTest::newRow("negative") << -1 << "";
        QTest::newRow("too large") << 3 << "";
    }
    void itemIndexShowsTheEntry()
    {
        QFETCH(int, index);
        QFETCH(QString, shown);
        TSmallCombo control;
        control.SetItems({"DVI", "Analog", "SDI"});
        control.SetItemIndex(1);
        control.SetItemIndex(index);
        QCOMPARE(control.Text(), shown);
    }

    void sameIndexFiresNoChange()
    {
        Combo c;
        c.control.SetItems({"A", "B"});
        c.control.SetItemIndex(1);
        QCOMPARE(c.changes.count(), 1);
        c.control.SetItemIndex(1);
        QCOMPARE(c.changes.count(), 1);
    }

    void choosingFromTheListChangesThenClicks()
    {
        Combo c;
        c.control.SetItems({"A", "B", "C"});
        c.control.SetItemVisible(1, false);
        QList<QString> order;
        QObject::connect(&c.control, &TSmallCombo::OnChange, [&] { order << QStringLiteral("change"); });
        QObject::connect(&c.control, &TSmallCombo::OnClick, [&] { order << QStringLiteral("click"); });
        c.Choose(2);
        QCOMPARE(c.drops.count(), 1);
        QVERIFY(!c.control.EntryMenu()->actions().at(1)->isVisible());
        QCOMPARE(c.control.ItemIndex(), 2);
        QCOMPARE(c.control.Text(), QStringLiteral("C"));
        QCOMPARE(order, (QList<QString>{"change", "click"}));
    }

    void attachedMenuRespectsDisabledEntries()
    {
        Combo c;
        QMenu *menu = FiveEntryMenu(&c.control);
        c.control.SetPopUpMenu(menu);
        QCOMPARE(c.control.ItemIndex(), 0);
        QCOMPARE(c.control.Text(), QStringLiteral("Native"));
        c.control.SetItemEnabled(3, false);

        c.Choose(3);
        QVERIFY(!menu->actions().at(3)->isEnabled());
        QCOMPARE(c.control.ItemIndex(), 0);
        QCOMPARE(c.clicks.count(), 0);

        c.Choose(4);
        QCOMPARE(c.control.ItemIndex(), 4);
        QCOMPARE(c.control.Text(), QStringLiteral("1920x1080"));
        QCOMPARE(c.clicks.count(), 1);
    }

    void droppedDownOpensTheList()
    {
        Combo c;
        c.control.SetItems({"A"});
        c.control.SetDroppedDown(true);
        QVERIFY(c.control.DroppedDown());
        QCOMPARE(c.drops.count(), 1);
        c.control.SetDroppedDown(false);
        QVERIFY(!c.control.DroppedDown());
    }
};

MORLIX_TEST(SmallComboTest)
#include "tst_smallcombo.moc"
