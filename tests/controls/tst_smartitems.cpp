#include "TestRegistry.h"
#include "controls/SlidingCaption.h"
#include "controls/SmartItems.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

Q_DECLARE_METATYPE(TSmartItems::TType)

namespace {

const QStringList ThreeFormats{QStringLiteral("&VGA"), QStringLiteral("S&VGA"), QStringLiteral("XGA")};

struct Selector
{
    explicit Selector(TSmartItems::TType style, const QStringList &items = ThreeFormats)
    {
        control.SetCaption(QStringLiteral("Output"));
        control.SetItems(items);
        control.SetStyleType(style);
        control.resize(180, 120);
        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));
    }
    QPoint ButtonCentre(int item) const { return control.ItemButton(item)->geometry().center(); }

    TSmartItems control{nullptr, 60 * 60 * 1000};
    QSignalSpy clicks{&control, &TSmartItems::OnSmartItemsClickChange};
    QSignalSpy subClicks{&control, &TSmartItems::OnSmartSubItemsClickChange};
};

} // namespace

class SmartItemsTest : public QObject
{
    Q_OBJECT
private slots:
    void clickReportsWithoutChangingTheSelection_data()
    {
        QTest::addColumn<TSmartItems::TType>("style");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("radio, left") << TSmartItems::_RadioButton << Qt::LeftButton;
        QTest::newRow("radio, right") << TSmartItems::_RadioButton << Qt::RightButton;
        QTest::newRow("check, left") << TSmartItems::_CheckBox << Qt::LeftButton;
        QTest::newRow("check, right") << TSmartItems::_CheckBox << Qt::RightButton;
    }
    void clickReportsWithoutChangingTheSelection()
    {
        QFETCH(TSmartItems::TType, style);
        QFETCH(Qt::MouseButton, button);
        Selector s(style);
        s.control.SetItemIndex(0);

        QTest::mouseClick(s.control.ItemButton(2), button, {}, QPoint(8, 8));

        QCOMPARE(s.clicks.count(), 1);
        const QList<QVariant> event = s.clicks.first();
        QCOMPARE(event.at(1).value<Qt::MouseButton>(), button);
        QCOMPARE(event.at(2).toBool(), true);
        QCOMPARE(event.at(3).toInt(), 2);
        QCOMPARE(event.at(4).toString(), QStringLiteral("XGA"));
        // No answer from the device: the selector still shows what it held.
        QCOMPARE(s.control.ItemIndex(), 0);
        QVERIFY(!s.control.ItemButton(2)->isChecked());

        s.control.SetItemIndex(2);
        QCOMPARE(s.control.ItemIndex(), 2);
        QCOMPARE(s.clicks.count(), 1);
    }

    void writingMinusOne_data()
    {
        QTest::addColumn<TSmartItems::TType>("style");
        QTest::addColumn<int>("shown");
        QTest::newRow("radio keeps its button") << TSmartItems::_RadioButton << 1;
        QTest::newRow("check clears every box") << TSmartItems::_CheckBox << -1;
    }
    void writingMinusOne()
    {
        QFETCH(TSmartItems::TType, style);
        QFETCH(int, shown);
        Selector s(style);
        s.control.SetItemIndex(1);
        s.control.SetItemIndex(-1);
        QCOMPARE(s.control.ItemIndex(), shown);
        s.control.SetItemIndex(7);
        QCOMPARE(s.control.ItemIndex(), shown);
    }

    void listFieldShowsCaptionWithoutAccelerators_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::newRow("single mark") << "&Auto" << "Auto";
        QTest::newRow("doubled mark") << "R&&D" << "R&D";
        QTest::newRow("doubled then single") << "a&&&b" << "a&b";
        QTest::newRow("trailing mark") << "end&" << "end";
        QTest::newRow("no mark") << "1080p" << "1080p";
    }
    void listFieldShowsCaptionWithoutAccelerators()
    {
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        Selector s(TSmartItems::_ComboBox, {QStringLiteral("first"), caption});
        s.control.SetItemIndex(1);
        QCOMPARE(s.control.ListField()->Text(), shown);
        QCOMPARE(s.control.ItemIndex(), 1);
    }

    void listStyleWithoutMenuOffersThreeDots()
    {
        TSmartItems control;
        control.SetStyleType(TSmartItems::_ComboBox);
        QCOMPARE(control.ItemCount(), 1);
        QCOMPARE(control.GetItemCaption(0), QStringLiteral("..."));
    }

    void listStyleIgnoresHiddenOrMissingItem()
    {
        Selector s(TSmartItems::_ComboBox);
        s.control.SetItemIndex(0);
        s.control.SetItemVisible(2, false);
        s.control.SetItemIndex(2);
        QCOMPARE(s.control.ListField()->Text(), QStringLiteral("VGA"));
        s.control.SetItemIndex(-1);
        QCOMPARE(s.control.ItemIndex(), 0);
    }

    void disabledItemStaysDisabledThroughAllEnabled_data()
    {
        QTest::addColumn<TSmartItems::TType>("style");
        QTest::newRow("radio") << TSmartItems::_RadioButton;
        QTest::newRow("check") << TSmartItems::_CheckBox;
    }
    void disabledItemStaysDisabledThroughAllEnabled()
    {
        QFETCH(TSmartItems::TType, style);
        Selector s(style);
        s.control.SetItemEnabled(1, false);
        s.control.SetAllEnabled(false);
        for (int i = 0; i < 3; ++i)
            QVERIFY(!s.control.ItemButton(i)->isEnabled());
        s.control.SetAllEnabled(true);
        QVERIFY(s.control.ItemButton(0)->isEnabled());
        QVERIFY(!s.control.ItemButton(1)->isEnabled());
        QVERIFY(s.control.ItemButton(2)->isEnabled());

        QTest::mouseClick(s.control.ItemButton(1), Qt::LeftButton, {}, QPoint(8, 8));
        QCOMPARE(s.clicks.count(), 0);
    }

    void listChoicesReportTheirButtons()
    {
        Selector s(TSmartItems::_ComboBox);
        s.control.SetSubItems(1, {QStringLiteral("60 Hz"), QStringLiteral("&75 Hz")});
        s.control.SetItemIndex(0);

        QTest::mouseClick(s.control.DropButton(), Qt::LeftButton);
        QMenu *menu = s.control.PutMenuPopupMenu();
        QTRY_VERIFY_WITH_TIMEOUT(menu->isVisible(), 2000);
        QAction *xga = menu->actions().at(2);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(xga).center());
        QCOMPARE(s.clicks.count(), 1);
        QCOMPARE(s.clicks.first().at(1).value<Qt::MouseButton>(), Qt::LeftButton);
        QCOMPARE(s.clicks.first().at(3).toInt(), 2);
        // The menu and the field keep what the owner wrote.
        QVERIFY(menu->actions().at(0)->isChecked());
        QVERIFY(!xga->isChecked());
        QCOMPARE(s.control.ListField()->Text(), QStringLiteral("VGA"));

        QMenu *rates = menu->actions().at(1)->menu();
        emit rates->aboutToShow();
        QCOMPARE(s.clicks.count(), 2);
        QCOMPARE(s.clicks.last().at(1).value<Qt::MouseButton>(), Qt::MiddleButton);
        QCOMPARE(s.clicks.last().at(3).toInt(), 1);
        rates->actions().at(1)->trigger();
        QCOMPARE(s.subClicks.count(), 1);
        const QList<QVariant> sub = s.subClicks.first();
        QCOMPARE(sub.at(3).toInt(), 1);
        QCOMPARE(sub.at(4).toString(), QStringLiteral("S&VGA"));
        QCOMPARE(sub.at(5).toInt(), 1);
        QCOMPARE(sub.at(6).toString(), QStringLiteral("&75 Hz"));
        QVERIFY(!rates->actions().at(1)->isChecked());

        s.control.SetItemIndex(1);
        s.control.SetSUBItemIndex(1);
        QCOMPARE(s.control.ListField()->Text(), QStringLiteral("SVGA [ 75 Hz ]"));
        QCOMPARE(s.control.ItemIndex(), 1);
        QVERIFY(rates->actions().at(1)->isChecked());
    }

    // Qt's menus trigger an item on any button's release: the event says which.
    void listChoiceReportsTheButtonThatReleased_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("onSubItem");
        QTest::newRow("item, right") << Qt::RightButton << false;
        QTest::newRow("item, left") << Qt::LeftButton << false;
        QTest::newRow("sub-item, right") << Qt::RightButton << true;
        QTest::newRow("sub-item, left") << Qt::LeftButton << true;
    }
    void listChoiceReportsTheButtonThatReleased()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, onSubItem);
        Selector s(TSmartItems::_ComboBox);
        s.control.SetSubItems(1, {QStringLiteral("60 Hz"), QStringLiteral("75 Hz")});
        QTest::mouseClick(s.control.DropButton(), Qt::LeftButton);
        QMenu *menu = s.control.PutMenuPopupMenu();
        QTRY_VERIFY_WITH_TIMEOUT(menu->isVisible(), 2000);
        QMenu *target = menu;
        QAction *action = menu->actions().at(2);
        if (onSubItem) {
            target = menu->actions().at(1)->menu();
            target->popup(menu->mapToGlobal(menu->actionGeometry(menu->actions().at(1)).topRight()));
            QTRY_VERIFY_WITH_TIMEOUT(target->isVisible(), 2000);
            action = target->actions().at(1);
        }
        const QPoint at = target->actionGeometry(action).center();
        QTest::mouseMove(target, at);
        QTest::mousePress(target, button, {}, at);
        QTest::mouseRelease(target, button, {}, at);
        QSignalSpy &spy = onSubItem ? s.subClicks : s.clicks;
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 2000);
        QCOMPARE(spy.first().at(1).value<Qt::MouseButton>(), button);
    }

    void subItemMarksClearedWhenAnotherItemIsChosen_data()
    {
        QTest::addColumn<bool>("include");
        QTest::newRow("cleared") << true;
        QTest::newRow("kept") << false;
    }
    void subItemMarksClearedWhenAnotherItemIsChosen()
    {
        QFETCH(bool, include);
        Selector s(TSmartItems::_ComboBox);
        s.control.SetIncludeSubGroupIndex(include);
        s.control.SetSubItems(2, {QStringLiteral("a"), QStringLiteral("b")});
        s.control.SetItemIndex(2);
        s.control.SetSUBItemIndex(0);
        s.control.SetItemIndex(0);
        QMenu *subMenu = s.control.PutMenuPopupMenu()->actions().at(2)->menu();
        emit subMenu->aboutToShow();
        QCOMPARE(subMenu->actions().at(0)->isChecked(), !include);
    }

    void hoverMakesTheItemBoldUntilThePointerLeaves()
    {
        Selector s(TSmartItems::_RadioButton);
        QFont own = s.control.ItemFont(1);
        own.setItalic(true);
        s.control.SetItemFont(1, own);

        QTest::mouseMove(s.control.ItemButton(1), QPoint(8, 8));
        QVERIFY(s.control.ItemButton(1)->font().bold());
        QCOMPARE(s.control.ItemButton(1)->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseMove(s.control.ItemButton(2), QPoint(8, 8));
        QVERIFY(s.control.ItemButton(2)->font().bold());
        QVERIFY(!s.control.ItemButton(1)->font().bold());
        QVERIFY(s.control.ItemButton(1)->font().italic());

        QTest::mouseMove(&s.control, QPoint(2, 2));
        QVERIFY(!s.control.ItemButton(2)->font().bold());
        QCOMPARE(s.control.ItemButton(2)->cursor().shape(), Qt::ArrowCursor);
    }

    void wideTextSlidesForItsCycles()
    {
        TSlidingCaption field(nullptr, 60 * 60 * 1000);
        field.SetText(QStringLiteral("A caption far too wide for its little field"));
        field.SetCycles(2);
        field.resize(60, 22);
        field.show();
        QVERIFY(QTest::qWaitForWindowExposed(&field));

        QTest::mouseMove(&field, QPoint(10, 10));
        QVERIFY(field.IsSliding());
        int steps = 0, furthest = 0, returnsToStart = 0;
        while (field.IsSliding() && steps < 10000) {
            field.Step();
            ++steps;
            furthest = std::max(furthest, field.Offset());
            returnsToStart += field.Offset() == 0;
        }
        QVERIFY(!field.IsSliding());
        QCOMPARE(field.Offset(), 0);
        QCOMPARE(returnsToStart, 2);
        const int textWidth = field.fontMetrics().horizontalAdvance(field.Text());
        const int fieldTextWidth = field.contentsRect().width() - 3;
        QCOMPARE(furthest, textWidth - (fieldTextWidth - TSlidingCaption::RightMargin));
        QCOMPARE(steps, 2 * 2 * furthest);

        QTest::mouseMove(&field, QPoint(12, 10));
        QVERIFY2(!field.IsSliding(), "the cycles are used up until the pointer leaves");
    }

    void narrowTextDoesNotSlide()
    {
        TSlidingCaption field(nullptr, 60 * 60 * 1000);
        field.SetText(QStringLiteral("ok"));
        field.resize(120, 22);
        field.show();
        QVERIFY(QTest::qWaitForWindowExposed(&field));
        QTest::mouseMove(&field, QPoint(10, 10));
        QVERIFY(!field.IsSliding());
    }
};

MORLIX_TEST(SmartItemsTest)
#include "tst_smartitems.moc"
