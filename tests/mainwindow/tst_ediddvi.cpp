#include "TestRegistry.h"
#include "controls/SmallCombo.h"
#include "dialogs/Unit_EDID_DVI.h"
#include "helper_mainwindow.h"
#include "helper_operator.h"

#include <QAction>
#include <QMenu>
#include <QtTest>

// "EDID DVI": lists built on identification, the rate matrix, the writes of
// each choice, "Apply" storing, and "Cancel" and closing sending back what
// the device reported when the window opened.
class EdidDviTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<TRecordedWindow> m_ui;

    TForm_EDIDDVI *Edid() const { return m_ui->window.EdidWindow(); }
    void Device(const QByteArray &lines) { m_ui->Device(lines); }
    void OpenFromMenu()
    {
        m_ui->window.findChild<QAction *>("MenuItem_EDIDDVI")->trigger();
        m_ui->sent.sent.clear();
    }
    // The captions of the entries the operator can choose, as the list shows
    // them when it drops down.
    static QStringList Choosable(TSmallCombo *selector)
    {
        selector->SetDroppedDown(true);
        QStringList captions;
        for (QAction *entry : selector->EntryMenu()->actions())
            if (entry->isEnabled() && entry->isVisible())
                captions << entry->text();
        selector->SetDroppedDown(false);
        return captions;
    }

private slots:
    void init()
    {
        m_ui = std::make_unique<TRecordedWindow>(m_dir);
    }
    void cleanup() { m_ui.reset(); }

    void beforeIdentificationTheListsAreEmpty()
    {
        Device("EM16\r\nER0\r\n");
        OpenFromMenu();
        QVERIFY(Edid()->isVisible());
        QCOMPARE(Edid()->FormatSelector()->ItemCount(), 0);
        QCOMPARE(Edid()->RateSelector()->ItemCount(), 0);
        QCOMPARE(Edid()->FormatSelector()->Text(), QString());
        QVERIFY(Choosable(Edid()->RateSelector()).isEmpty());
        Edid()->PressCancel();
        Edid()->Open();
        Edid()->close();
        QVERIFY(m_ui->sent.sent.isEmpty());
        QVERIFY(m_ui->prompt.asked.isEmpty());
    }

    void identificationBuildsTheListsAndReportsSelect()
    {
        Device("DEV67\r\n");
        QCOMPARE(Edid()->FormatSelector()->ItemCount(), 18);
        QCOMPARE(Edid()->RateSelector()->ItemCount(), 6);
        // Nothing is chosen until the device says what it holds.
        QCOMPARE(Edid()->FormatSelector()->ItemIndex(), -1);
        QVERIFY(Choosable(Edid()->RateSelector()).isEmpty());
        QVERIFY(!Edid()->SourceSelector()->isVisibleTo(Edid()));
        Device("EM16\r\nER0\r\n");
        QCOMPARE(Edid()->FormatSelector()->Text(), QString("1920 x 1200"));
        QCOMPARE(Edid()->RateSelector()->Text(), QString("50  Hz"));
        QVERIFY(m_ui->sent.sent.isEmpty());
    }

    void rateMatrixLeavesOnlyAllowedRates_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QStringList>("choosable");
        QTest::newRow("1024 x 768") << QByteArray("EM2") << QStringList{"50  Hz", "60  Hz", "72  Hz", "75  Hz", "85  Hz"};
        QTest::newRow("1920 x 1200") << QByteArray("EM16") << QStringList{"50  Hz"};
        QTest::newRow("2048 x 1080") << QByteArray("EM17") << QStringList{};
    }
    void rateMatrixLeavesOnlyAllowedRates()
    {
        QFETCH(QByteArray, format);
        QFETCH(QStringList, choosable);
        Device("DEV67\r\nER1\r\n" + format + "\r\n");
        QCOMPARE(Choosable(Edid()->RateSelector()), choosable);
        // Every rate stays in the list; the shown one is not changed.
        QCOMPARE(Edid()->RateSelector()->EntryMenu()->actions().size(), 6);
        QCOMPARE(Edid()->RateSelector()->Text(), QString("60  Hz"));
    }

    void choicesWriteAtOnce()
    {
        Device("DEV67\r\nEM2\r\nER1\r\n");
        OpenFromMenu();
        ChooseEntry(Edid()->FormatSelector(), 16);
        ChooseEntry(Edid()->RateSelector(), 0);
        // A rate the format does not allow cannot be chosen.
        ChooseEntry(Edid()->RateSelector(), 5);
        QCOMPARE(m_ui->sent.sent, (QStringList{"16EM", "0ER"}));
    }

    void cancelAndCloseSendTheCapturedPair_data()
    {
        QTest::addColumn<bool>("close");
        QTest::newRow("cancel") << false;
        QTest::newRow("close") << true;
    }
    void cancelAndCloseSendTheCapturedPair()
    {
        QFETCH(bool, close);
        Device("DEV67\r\nEM4\r\nER1\r\n");
        OpenFromMenu();
        ChooseEntry(Edid()->FormatSelector(), 16);
        Device("EM16\r\n");
        ChooseEntry(Edid()->RateSelector(), 0);
        Device("ER0\r\n");
        m_ui->sent.sent.clear();
        if (close)
            Edid()->close();
        else
            Edid()->PressCancel();
        QVERIFY(!Edid()->isVisible());
        QCOMPARE(m_ui->sent.sent, (QStringList{"4EM", "1ER"}));
    }

    void quittingGoesBackLikeClosing()
    {
        Device("DEV67\r\nEM4\r\nER1\r\n");
        OpenFromMenu();
        ChooseEntry(Edid()->FormatSelector(), 16);
        m_ui->sent.sent.clear();
        m_ui->window.close();
        QCOMPARE(m_ui->sent.sent, (QStringList{"4EM", "1ER"}));
    }

    void applyStoresOnlyAndItsHideDoesNotRevert()
    {
        Device("DEV67\r\nEM4\r\nER1\r\n");
        OpenFromMenu();
        ChooseEntry(Edid()->FormatSelector(), 12);
        Device("EM12\r\n");
        m_ui->sent.sent.clear();
        Edid()->PressApply();
        QCOMPARE(m_ui->sent.sent, QStringList{"1ES"});
        QVERIFY(!Edid()->isVisible());
        Edid()->close();
        QCOMPARE(m_ui->sent.sent, QStringList{"1ES"});
        // Opened again, a cancel goes back to what was stored.
        OpenFromMenu();
        ChooseEntry(Edid()->FormatSelector(), 0);
        Device("EM0\r\n");
        m_ui->sent.sent.clear();
        Edid()->PressCancel();
        QCOMPARE(m_ui->sent.sent, (QStringList{"12EM", "1ER"}));
    }

    void openedBeforeBothWereReportedSendsNothingBack()
    {
        Device("DEV67\r\nEM4\r\n");
        OpenFromMenu();
        Device("ER1\r\n");
        Edid()->PressCancel();
        QVERIFY(m_ui->sent.sent.isEmpty());
    }
};

MORLIX_TEST(EdidDviTest)
#include "tst_ediddvi.moc"
