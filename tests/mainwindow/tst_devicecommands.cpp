#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "helper_mainwindow.h"
#include "mainwindow/DeviceCommands.h"
#include "mainwindow/LcdBrightnessPopup.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QToolBar>
#include <QtTest>

// The menu and tool bar commands: what each one writes, its confirmation,
// and the checks and captions that follow the device's reports only.
class DeviceCommandsTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<TScriptedPrompt> m_prompt;
    std::unique_ptr<TForm_Main> m_window;
    std::unique_ptr<SentRecorder> m_sent;

    QAction *Item(const QString &name) const
    {
        QAction *item = m_window->findChild<QAction *>(name);
        if (!item)
            qFatal("no menu item %s", qPrintable(name));
        return item;
    }
    void Device(const QByteArray &lines) { Report(m_window->Driver(), lines); }

private slots:
    void init()
    {
        m_prompt = std::make_unique<TScriptedPrompt>();
        m_window = std::make_unique<TForm_Main>(TestWindowOptions(m_dir));
        m_window->Initialise();
        m_sent = std::make_unique<SentRecorder>(m_window->Driver());
    }
    void cleanup()
    {
        m_sent.reset();
        m_window.reset();
        m_prompt.reset();
    }

    void simpleCommandsWrite_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("write");
        QTest::newRow("auto-setting") << "ToolButton_AutoSetting" << "1Ia";
        QTest::newRow("stand by on") << "MenuItem_StandbyOn" << "1wS";
        QTest::newRow("stand by off") << "MenuItem_StandbyOff" << "2wS";
        QTest::newRow("time 15 min") << "MenuItem_StandbyTime3" << "3wt";
        QTest::newRow("sync loss") << "MenuItem_StandbyMode0" << "0wm";
    }
    void simpleCommandsWrite()
    {
        QFETCH(QString, item);
        QFETCH(QString, write);
        Item(item)->trigger();
        QCOMPARE(m_sent->sent, QStringList{write});
        QVERIFY(m_prompt->asked.isEmpty());
    }

    void destructiveCommandsAskFirst_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("write");
        QTest::addColumn<bool>("confirm");
        QTest::newRow("erase, ok") << "MenuItem_EraseAll" << "Are you sure you want erase all memories ?" << "1YE"
                                   << true;
        QTest::newRow("erase, cancel") << "MenuItem_EraseAll" << "Are you sure you want erase all memories ?" << ""
                                       << false;
        QTest::newRow("default, ok") << "MenuItem_Default" << "Are you sure you want default value ?" << "1YR"
                                     << true;
        QTest::newRow("default, cancel") << "MenuItem_Default" << "Are you sure you want default value ?" << ""
                                         << false;
    }
    void destructiveCommandsAskFirst()
    {
        QFETCH(QString, item);
        QFETCH(QString, question);
        QFETCH(QString, write);
        QFETCH(bool, confirm);
        m_prompt->answer = [confirm](const TScriptedPrompt::TAsked &) {
            return confirm ? QMessageBox::Ok : QMessageBox::Cancel;
        };
        Item(item)->trigger();
        QCOMPARE(m_prompt->Texts(), QStringList{question});
        QCOMPARE(m_prompt->asked.first().buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(m_sent->sent, write.isEmpty() ? QStringList() : QStringList{write});
    }

    void keyLocking_data()
    {
        QTest::addColumn<int>("lock");
        QTest::addColumn<QString>("all");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("allWrite");
        QTest::addColumn<QString>("menuWrite");
        QTest::newRow("0") << 0 << "All     : Unlock" << "Menu: Unlock" << "3YK" << "1YK";
        QTest::newRow("1") << 1 << "All     : Unlock" << "Menu: Locked" << "3YK" << "0YK";
        QTest::newRow("2") << 2 << "All     : Unlock" << "Menu: Unlock" << "3YK" << "3YK";
    }
    void keyLocking()
    {
        QFETCH(int, lock);
        QFETCH(QString, all);
        QFETCH(QString, menu);
        QFETCH(QString, allWrite);
        QFETCH(QString, menuWrite);
        Device("YK" + QByteArray::number(lock) + "\r\n");
        QCOMPARE(Item("MenuItem_LockAll")->text(), all);
        QCOMPARE(Item("MenuItem_LockMenu")->text(), menu);
        QVERIFY(!Item("MenuItem_LockInput")->isVisible());
        Item("MenuItem_LockAll")->trigger();
        Item("MenuItem_LockMenu")->trigger();
        QCOMPARE(m_sent->sent, (QStringList{allWrite, menuWrite}));
        // No local echo: the captions wait for the device.
        QCOMPARE(Item("MenuItem_LockMenu")->text(), menu);
    }

    void lockCaptionsOfBothBits()
    {
        // LOCK = 3 lies above the table maximum, so the device never reports
        // it through the driver; the captions are checked directly.
        const auto captions = TDeviceCommands::LockCaptions(3);
        QCOMPARE(captions[0], QString("All     : Locked"));
        QCOMPARE(captions[1], QString("Menu: Locked"));
        QCOMPARE(captions[2], QString("Input: Locked"));
    }

    void standbyModeOpensTheTimeMenu_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("timeMenu");
        QTest::newRow("sync loss") << 0 << false;
        QTest::newRow("stand-by time") << 1 << true;
        QTest::newRow("loss and time") << 2 << true;
    }
    void standbyModeOpensTheTimeMenu()
    {
        QFETCH(int, mode);
        QFETCH(bool, timeMenu);
        Item(QStringLiteral("MenuItem_StandbyMode%1").arg(mode))->trigger();
        QCOMPARE(m_sent->sent, QStringList{QStringLiteral("%1wm").arg(mode)});
        QCOMPARE(m_window->Commands()->StandbyTimeMenu()->isVisible(), timeMenu);
        m_window->Commands()->StandbyTimeMenu()->hide();
        // The check mark waits for the device's report.
        QVERIFY(!Item(QStringLiteral("MenuItem_StandbyMode%1").arg(mode))->isChecked());
        Device(QByteArray("wm") + QByteArray::number(mode) + "\r\n");
        QVERIFY(Item(QStringLiteral("MenuItem_StandbyMode%1").arg(mode))->isChecked());
    }

    void standbyChecksFollowReports()
    {
        Device("wm1\r\nwt4\r\n");
        QVERIFY(Item("MenuItem_StandbyMode1")->isChecked());
        QVERIFY(Item("MenuItem_StandbyTime4")->isChecked());
        Device("wm3\r\n"); // no item for mode 3: nothing changes
        QVERIFY(Item("MenuItem_StandbyMode1")->isChecked());
        Device("wt0\r\n");
        QVERIFY(Item("MenuItem_StandbyTime0")->isChecked());
        QVERIFY(!Item("MenuItem_StandbyTime4")->isChecked());
    }

    void lcdBrightness()
    {
        TLcdBrightnessPopup *popup = m_window->Commands()->LcdPopup();
        QVERIFY(!popup->isVisibleTo(m_window.get()));
        QCOMPARE(popup->ValueText(), QString("..."));
        QCOMPARE(popup->Bar()->minimum(), 1);
        QCOMPARE(popup->Bar()->maximum(), 8);
        Item("MenuItem_LCDBrightness")->trigger();
        QVERIFY(popup->isVisibleTo(m_window.get()));
        Device("YB5\r\n");
        QCOMPARE(popup->Bar()->value(), 5);
        QCOMPARE(popup->ValueText(), QString("5"));
        QVERIFY(m_sent->sent.isEmpty());
        popup->Bar()->setValue(6);
        QCOMPARE(m_sent->sent, QStringList{"6YB"});
        // Moving to what the device already reported sends nothing.
        Device("YB6\r\n");
        m_sent->sent.clear();
        popup->Bar()->setValue(5);
        popup->Bar()->setValue(6);
        QCOMPARE(m_sent->sent, QStringList{"5YB"});
    }

    void freezeFollowsTheDevice()
    {
        QPushButton *freeze = m_window->FreezeButton();
        Device("RZ1\r\n");
        QVERIFY(freeze->isChecked());
        freeze->click();
        QCOMPARE(m_sent->sent, QStringList{"0RZ"});
        QVERIFY(freeze->isChecked());
        Device("RZ0\r\n");
        QVERIFY(!freeze->isChecked());
        freeze->click();
        QCOMPARE(m_sent->sent, (QStringList{"0RZ", "1RZ"}));
        QVERIFY(!freeze->isChecked());
    }

    void toolBarHintsDropAccelerators()
    {
        QStringList hints;
        for (QAction *action : m_window->findChild<QToolBar *>("ToolBar_Device")->actions())
            if (!action->isSeparator())
                hints << action->toolTip();
        QCOMPARE(hints, (QStringList{"RS232/LAN Setup", "Auto-setting", "Key locking", "Stand by",
                                     "Erase all memories", "Default values", "Transfert", "About ...", "Mute"}));
        QVERIFY(!m_window->findChild<QToolBar *>("ToolBar_File")->isEnabled());
    }
};

MORLIX_TEST(DeviceCommandsTest)
#include "tst_devicecommands.moc"
