#include "TestRegistry.h"
#include "controls/EditUpDown.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(TEditUpDown::TArronditOrFloat)

namespace {

// The percentage field of the pages: 0..2048 shown as 0..100 %.
struct Field
{
    Field()
    {
        control.SetMax(2048);
        control.SetAffichageSuffix(QStringLiteral("%"));
        control.SetPosition(1024);
        control.resize(90, 24);
        control.show();
        control.activateWindow();
        control.setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&control));
    }
    QString Shown() const { return control.text(); }
    void Type(const QString &text)
    {
        control.selectAll();
        if (text.isEmpty())
            QTest::keyClick(&control, Qt::Key_Backspace);
        else
            QTest::keyClicks(&control, text);
    }
    int32_t LastValue() const { return changes.last().at(1).toInt(); }
    TEditUpDown::TUDBtnType LastButton() const { return changes.last().at(2).value<TEditUpDown::TUDBtnType>(); }
    QPoint UpButton() const { return {control.width() - 4, 4}; }
    QPoint DownButton() const { return {control.width() - 4, control.height() - 4}; }

    TEditUpDown control{nullptr, 60 * 60 * 1000};
    QSignalSpy changes{&control, &TEditUpDown::OnUserChange};
};

// Restores the default locale a case has changed.
struct DefaultLocale
{
    explicit DefaultLocale(const QLocale &locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(saved); }
    QLocale saved;
};

} // namespace

class EditUpDownTest : public QObject
{
    Q_OBJECT
private slots:
    void showsPositionOnTheDisplayScale_data()
    {
        QTest::addColumn<int>("max");
        QTest::addColumn<double>("displayMin");
        QTest::addColumn<double>("displayMax");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<TEditUpDown::TArronditOrFloat>("rounding");
        QTest::addColumn<bool>("blankZero");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("shown");
        const QLocale c(QLocale::C), french(QLocale::French, QLocale::France);
        QTest::newRow("half of 2048") << 2048 << 0.0 << 100.0 << "%" << TEditUpDown::_Inferieur << true << c << 1024 << "50%";
        QTest::newRow("truncated") << 2048 << 0.0 << 100.0 << "%" << TEditUpDown::_Inferieur << true << c << 2047 << "99%";
        QTest::newRow("truncated toward zero") << 100 << -10.0 << 10.0 << "" << TEditUpDown::_Inferieur << true << c << 45 << "-1";
        QTest::newRow("empty range shows display minimum") << 0 << 5.0 << 100.0 << " ms" << TEditUpDown::_Inferieur << true << c << 0 << "5 ms";
        QTest::newRow("float, comma locale, blank zero") << 990 << 1.0 << 100.0 << "Hz" << TEditUpDown::_Float << true << french << 589 << "59,9 Hz";
        QTest::newRow("float, point locale, blank zero") << 990 << 1.0 << 100.0 << "Hz" << TEditUpDown::_Float << true << c << 589 << "59.9 Hz";
        QTest::newRow("float, zero kept") << 990 << 1.0 << 100.0 << "Hz" << TEditUpDown::_Float << false << french << 589 << "59,90Hz";
        QTest::newRow("float, only the last zero") << 990 << 1.0 << 100.0 << "Hz" << TEditUpDown::_Float << true << french << 590 << "60,0 Hz";
        QTest::newRow("float, no group separator") << 1000 << 0.0 << 10000.0 << "" << TEditUpDown::_Float << true << c << 123 << "1230.0 ";
    }
    void showsPositionOnTheDisplayScale()
    {
        QFETCH(int, max);
        QFETCH(double, displayMin);
        QFETCH(double, displayMax);
        QFETCH(QString, suffix);
        QFETCH(TEditUpDown::TArronditOrFloat, rounding);
        QFETCH(bool, blankZero);
        QFETCH(QLocale, locale);
        QFETCH(int, position);
        QFETCH(QString, shown);
        DefaultLocale scoped(locale);
        TEditUpDown control;
        control.SetMax(int16_t(max));
        control.SetAffichageMin(displayMin);
        control.SetAffichageMax(displayMax);
        control.SetAffichageSuffix(suffix);
        control.SetArronditOrFloat(rounding);
        control.SetDelLastZeroIfFloat(blankZero);
        control.SetPosition(position);
        QCOMPARE(control.text(), shown);
    }

    void settingPositionClampsWithoutEvent_data()
    {
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("above") << 5000 << 2048 << "100%";
        QTest::newRow("below") << -3 << 0 << "0%";
        QTest::newRow("inside") << 512 << 512 << "25%";
    }
    void settingPositionClampsWithoutEvent()
    {
        QFETCH(int, written);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        Field f;
        f.control.SetPosition(written);
        QCOMPARE(f.control.Position(), stored);
        QCOMPARE(f.Shown(), shown);
        QCOMPARE(f.changes.count(), 0);
    }

    void typedValueIsReportedOnEnter_data()
    {
        QTest::addColumn<TEditUpDown::TArronditOrFloat>("rounding");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("reported");
        QTest::addColumn<TEditUpDown::TUDBtnType>("button");
        QTest::newRow("50 %") << TEditUpDown::_Inferieur << "50" << 1024 << TEditUpDown::btNext;
        QTest::newRow("33 % rounds up") << TEditUpDown::_Inferieur << "33" << 676 << TEditUpDown::btPrev;
        QTest::newRow("above the display maximum") << TEditUpDown::_Inferieur << "150" << 2048 << TEditUpDown::btNext;
        QTest::newRow("below the display minimum") << TEditUpDown::_Inferieur << "-20" << 0 << TEditUpDown::btPrev;
        QTest::newRow("huge number") << TEditUpDown::_Inferieur << "99999999999999999999" << 2048 << TEditUpDown::btNext;
        QTest::newRow("suffix and letters dropped") << TEditUpDown::_Inferieur << "2x5%" << 512 << TEditUpDown::btPrev;
        QTest::newRow("point decimal, nearest") << TEditUpDown::_Float << "12.5" << 256 << TEditUpDown::btPrev;
        QTest::newRow("comma decimal, nearest") << TEditUpDown::_Float << "12,5" << 256 << TEditUpDown::btPrev;
    }
    void typedValueIsReportedOnEnter()
    {
        QFETCH(TEditUpDown::TArronditOrFloat, rounding);
        QFETCH(QString, typed);
        QFETCH(int, reported);
        QFETCH(TEditUpDown::TUDBtnType, button);
        Field f;
        f.control.SetArronditOrFloat(rounding);
        f.Type(typed);
        QCOMPARE(f.changes.count(), 0);
        QTest::keyClick(&f.control, Qt::Key_Return);
        QCOMPARE(f.changes.count(), 1);
        QCOMPARE(f.LastValue(), reported);
        QCOMPARE(f.LastButton(), button);
        QCOMPARE(f.control.Position(), 1024);
    }

    void leavingTheFieldReportsOnce()
    {
        Field f;
        f.Type(QStringLiteral("25"));
        f.control.clearFocus();
        QCOMPARE(f.changes.count(), 1);
        QCOMPARE(f.LastValue(), 512);

        f.Type(QStringLiteral("75"));
        QTest::keyClick(&f.control, Qt::Key_Enter);
        f.control.clearFocus();
        QCOMPARE(f.changes.count(), 2);
        QCOMPARE(f.LastValue(), 1536);
    }

    void emptyTextReadsAsDisplayMinimum()
    {
        Field f;
        f.Type(QString());
        QTest::keyClick(&f.control, Qt::Key_A); // any key but an editing one reads the text
        QTest::keyClick(&f.control, Qt::Key_Return);
        QCOMPARE(f.changes.count(), 1);
        QCOMPARE(f.LastValue(), 0);
    }

    void buttonsStepFromTheirOwnPosition()
    {
        Field f;
        QTest::mouseClick(&f.control, Qt::LeftButton, {}, f.UpButton());
        QTest::mouseClick(&f.control, Qt::LeftButton, {}, f.UpButton());
        QCOMPARE(f.changes.count(), 2);
        QCOMPARE(f.LastValue(), 1026);
        QCOMPARE(f.LastButton(), TEditUpDown::btNext);
        QCOMPARE(f.Shown(), QStringLiteral("50%"));

        QTest::mouseClick(&f.control, Qt::LeftButton, {}, f.DownButton());
        QCOMPARE(f.LastValue(), 1025);
        QCOMPARE(f.LastButton(), TEditUpDown::btPrev);

        f.control.SetPosition(2048);
        QTest::mouseClick(&f.control, Qt::LeftButton, {}, f.UpButton());
        QCOMPARE(f.changes.count(), 3);
    }

    void arrowKeysAccelerateUntilReleased()
    {
        Field f;
        QTest::keyPress(&f.control, Qt::Key_Up);
        QCOMPARE(f.LastValue(), 1025);
        f.control.AccelerationTimeout(); // no step since the timer started
        QTest::keyPress(&f.control, Qt::Key_Up);
        QCOMPARE(f.LastValue(), 1026);
        f.control.AccelerationTimeout();
        QCOMPARE(f.control.CurrentStep(), 1 + 20);
        QTest::keyPress(&f.control, Qt::Key_Down);
        QCOMPARE(f.LastValue(), 1005);
        QCOMPARE(f.LastButton(), TEditUpDown::btPrev);
        QTest::keyRelease(&f.control, Qt::Key_Down);
        QCOMPARE(f.control.CurrentStep(), 1);
        QCOMPARE(f.Shown(), QStringLiteral("50%"));
    }

    void incrementAutoStepsOneDisplayUnit()
    {
        Field f;
        f.control.SetIncrementAuto(true);
        QTest::keyClick(&f.control, Qt::Key_Up);
        QCOMPARE(f.LastValue(), 1024 + 20);
    }

    void wheelStepsOneFiftiethOfTheRange_data()
    {
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("reported");
        QTest::newRow("up") << 120 << 1024 + 41;
        QTest::newRow("down") << -120 << 1024 - 41;
    }
    void wheelStepsOneFiftiethOfTheRange()
    {
        QFETCH(int, delta);
        QFETCH(int, reported);
        Field f;
        const QPointF at(10, 10);
        QWheelEvent wheel(at, f.control.mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&f.control, &wheel);
        QCOMPARE(f.changes.count(), 1);
        QCOMPARE(f.LastValue(), reported);
    }
};

MORLIX_TEST(EditUpDownTest)
#include "tst_editupdown.moc"
