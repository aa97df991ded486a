#include "ReservedTcpPort.h"
#include "TestRegistry.h"
#include "dialogs/Unit_lansetup.h"
#include "helper_mainwindow.h"
#include "helper_operator.h"
#include "mainwindow/LanSetup.h"

#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

namespace {

// The device's LAN settings as it reports them: UDP, its own address
// 192.168.0.10:10500, the remote party 192.168.0.20:10501, gateway
// 192.168.0.1, 8 host bits.
const QByteArray DeviceLan = "yo1\r\nne1\r\nnt0\r\nnk8\r\n"
                             "nb0\r\nnw192\r\nnx168\r\nny0\r\nnz10\r\nnp10500\r\n"
                             "nb1\r\nnw192\r\nnx168\r\nny0\r\nnz20\r\nnp10501\r\n"
                             "nb2\r\nnw192\r\nnx168\r\nny0\r\nnz1\r\n"
                             "nb0\r\n";

const QStringList UdpSequence{"0nt",     "0na",  "192nw", "168nx", "0ny",  "10nz",  "1na",     "192nw",
                              "168nx",   "0ny",  "20nz",  "2na",   "192nw", "168nx", "0ny",    "1nz",
                              "0na",     "10500np", "1na", "10501np", "8nk", "1ns",  "1ne"};

} // namespace

// "Device LAN Setup": the mirror of the LAN reports, the modes, the checks
// before the first write and the exact writes of "Apply".
class LanSetupTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<TRecordedWindow> m_ui;

    TLanDlg *Dialog() const { return m_ui->window.LanSetup()->Dialog(); }
    template <typename T>
    T *Child(const char *name) const
    {
        T *child = Dialog()->findChild<T *>(name);
        if (!child)
            qFatal("no %s", name);
        return child;
    }
    QLineEdit *Edit(const char *name) const { return Child<QLineEdit>(name); }
    QSpinBox *Netmask() const { return Child<QSpinBox>("UpDown_NetMask"); }
    void Device(const QByteArray &lines) { m_ui->Device(lines); }
    // Shows the dialog without the modal loop, as the menu does, and starts
    // recording the writes.
    void Show()
    {
        Dialog()->show();
        QVERIFY(QTest::qWaitForWindowExposed(Dialog()));
        m_ui->sent.sent.clear();
    }

    // On the round mark: a radio button only takes clicks on its mark and caption.
    void ClickMode(const char *name) const
    {
        QRadioButton *button = Child<QRadioButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

private slots:
    void init()
    {
        m_ui = std::make_unique<TRecordedWindow>(m_dir);
        Device(DeviceLan);
    }
    void cleanup() { m_ui.reset(); }

    void reportsAreShown()
    {
        Show();
        QCOMPARE(Dialog()->DisplayMode(), LanSettings::TMode::Udp);
        QCOMPARE(Edit("Edit_DeviceAddress")->text(), QString("192.168.0.10"));
        QCOMPARE(Edit("Edit_DevicePort")->text(), QString("10500"));
        QCOMPARE(Edit("Edit_RemoteAddress")->text(), QString("192.168.0.20"));
        QCOMPARE(Edit("Edit_RemotePort")->text(), QString("10501"));
        QCOMPARE(Edit("Edit_Gateway")->text(), QString("192.168.0.1"));
        QCOMPARE(Netmask()->text(), QString("255.255.255.0"));
        QVERIFY(Child<QRadioButton>("RadioButton_Udp")->isChecked());
        QVERIFY(m_ui->sent.sent.isEmpty());
    }

    void menuApplyWritesTheExactSequence()
    {
        bool wasOpen = false;
        QTimer::singleShot(0, this, [&] {
            wasOpen = Dialog()->isVisible();
            m_ui->sent.sent.clear();
            Dialog()->PressApply();
        });
        m_ui->window.findChild<QAction *>("MenuItem_LANSetup")->trigger();
        QVERIFY(wasOpen);
        QCOMPARE(m_ui->sent.sent, UdpSequence);
        QVERIFY(Dialog()->Applied());
        QVERIFY(!Dialog()->isVisible());
        QVERIFY(m_ui->prompt.asked.isEmpty());
    }

    void invalidEntrySendsNothing_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named");
        QTest::newRow("three parts") << "Edit_DeviceAddress" << "192.168.0" << "Device Address";
        QTest::newRow("256") << "Edit_RemoteAddress" << "192.168.0.256" << "Remote Address";
        QTest::newRow("x") << "Edit_Gateway" << "x" << "Gateway";
        QTest::newRow("port 65501") << "Edit_RemotePort" << "65501" << "Remote Port";
        QTest::newRow("port -1") << "Edit_DevicePort" << "-1" << "Device Port";
    }
    void invalidEntrySendsNothing()
    {
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(QString, named);
        Show();
        TypeInto(Edit(qPrintable(edit)), text);
        Dialog()->PressApply();
        QVERIFY(m_ui->sent.sent.isEmpty());
        QVERIFY(Dialog()->isVisible());
        QVERIFY(!Dialog()->Applied());
        QCOMPARE(m_ui->prompt.asked.size(), 1);
        QVERIFY2(m_ui->prompt.asked[0].text.startsWith(named), qPrintable(m_ui->prompt.asked[0].text));
        // The entry stays for the operator to mend.
        QCOMPARE(Edit(qPrintable(edit))->text(), text);
    }

    void disabledLanOpensInRs232AndOnlyDisables()
    {
        Device("ne0\r\n");
        Show();
        QCOMPARE(Dialog()->DisplayMode(), LanSettings::TMode::Rs232);
        QVERIFY(Child<QRadioButton>("RadioButton_Rs232")->isChecked());
        for (const char *name : {"Edit_DeviceAddress", "Edit_DevicePort", "Edit_RemoteAddress", "Edit_RemotePort",
                                 "Edit_Gateway", "UpDown_NetMask"})
            QVERIFY2(!Dialog()->findChild<QWidget *>(name)->isVisibleTo(Dialog()), name);
        Dialog()->PressApply();
        QCOMPARE(m_ui->sent.sent, QStringList{"0ne"});
    }

    void tcpHidesTheRemoteRowsAndStillWritesThem()
    {
        Device("nt1\r\n");
        Show();
        QCOMPARE(Dialog()->DisplayMode(), LanSettings::TMode::Tcp);
        for (const char *name : {"Edit_RemoteAddress", "Edit_RemotePort"})
            QVERIFY(!Dialog()->findChild<QWidget *>(name)->isVisibleTo(Dialog()));
        for (const char *name : {"Edit_DeviceAddress", "Edit_DevicePort", "Edit_Gateway", "UpDown_NetMask"})
            QVERIFY(Dialog()->findChild<QWidget *>(name)->isVisibleTo(Dialog()));
        Dialog()->PressApply();
        QStringList expected = UdpSequence;
        expected[0] = "1nt";
        QCOMPARE(m_ui->sent.sent, expected);
    }

    void hiddenRowThatFailsIsNamedWithItsMode()
    {
        Show();
        TypeInto(Edit("Edit_RemotePort"), "70000");
        ClickMode("RadioButton_Tcp");
        Dialog()->PressApply();
        QVERIFY(m_ui->sent.sent.isEmpty());
        QCOMPARE(m_ui->prompt.Texts(),
                 QStringList{"Remote Port must be a whole number from 0 to 65500. It is shown in Udp mode."});
    }

    void netmaskUpDownShowsTheMaskAndWritesOnApply()
    {
        Show();
        Netmask()->stepBy(8);
        QCOMPARE(Netmask()->text(), QString("255.255.0.0"));
        QVERIFY(m_ui->sent.sent.isEmpty());
        Dialog()->PressApply();
        QVERIFY(m_ui->sent.sent.contains("16nk"));
        QVERIFY(!m_ui->sent.sent.contains("8nk"));
    }

    void reportWhileEditingKeepsWhatWasTyped()
    {
        Show();
        TypeInto(Edit("Edit_DeviceAddress"), "10.0.0.5");
        Netmask()->stepBy(1);
        ClickMode("RadioButton_Tcp");
        Device("nb0\r\nnw172\r\nnk4\r\nnt0\r\nnb1\r\nnw11\r\nnb0\r\n");
        QCOMPARE(Edit("Edit_DeviceAddress")->text(), QString("10.0.0.5"));
        QCOMPARE(Netmask()->value(), 9);
        QCOMPARE(Dialog()->DisplayMode(), LanSettings::TMode::Tcp);
        // Fields left alone follow the device.
        QCOMPARE(Edit("Edit_RemoteAddress")->text(), QString("11.168.0.20"));
        Dialog()->PressApply();
        QCOMPARE(m_ui->sent.sent.mid(0, 6), (QStringList{"1nt", "0na", "10nw", "0nx", "0ny", "5nz"}));
        QVERIFY(m_ui->sent.sent.contains("9nk"));
        // Shown again, the dialog starts from what the device reported.
        Dialog()->show();
        QCOMPARE(Edit("Edit_DeviceAddress")->text(), QString("172.168.0.10"));
        QCOMPARE(Netmask()->value(), 4);
        QCOMPARE(Dialog()->DisplayMode(), LanSettings::TMode::Udp);
    }

    void cancelSendsNothingAndTheModeComesBack()
    {
        Show();
        ClickMode("RadioButton_Tcp");
        QCOMPARE(Dialog()->DisplayMode(), LanSettings::TMode::Tcp);
        Dialog()->PressCancel();
        QVERIFY(m_ui->sent.sent.isEmpty());
        QVERIFY(!Dialog()->Applied());
        Dialog()->show();
        QCOMPARE(Dialog()->DisplayMode(), LanSettings::TMode::Udp);
    }

    void statusIndexChoosesTheSlot()
    {
        Device("nb1\r\nnw10\r\nnb0\r\n");
        Show();
        QCOMPARE(Edit("Edit_RemoteAddress")->text(), QString("10.168.0.20"));
        QCOMPARE(Edit("Edit_DeviceAddress")->text(), QString("192.168.0.10"));
    }

    void refusedReportIsNotFiled()
    {
        // The driver keeps one cached byte under its setting index, 0 here:
        // 172 from the device's own address when the refused byte for the
        // remote address comes in. That byte must not be filed as the remote's.
        Device("nb1\r\nnw10\r\nnb0\r\nnw172\r\nnb1\r\nnw300\r\nnb0\r\n");
        Show();
        QCOMPARE(Edit("Edit_RemoteAddress")->text(), QString("10.168.0.20"));
        QCOMPARE(Edit("Edit_DeviceAddress")->text(), QString("172.168.0.10"));
    }

    void menuWaitsForTheLanBoard()
    {
        m_ui.reset();
        m_ui = std::make_unique<TRecordedWindow>(m_dir);
        QAction *item = m_ui->window.findChild<QAction *>("MenuItem_LANSetup");
        QVERIFY(!item->isEnabled());
        Device("yo1\r\n");
        QVERIFY(item->isEnabled());
    }

    void settingsNeverReportedAreNotWritten()
    {
        // A device that has sent only part of its LAN settings so far.
        m_ui.reset();
        m_ui = std::make_unique<TRecordedWindow>(m_dir);
        Device(DeviceLan.left(DeviceLan.indexOf("nb2")));
        Show();
        Dialog()->PressApply();
        QVERIFY(m_ui->sent.sent.isEmpty());
        QVERIFY(Dialog()->isVisible());
        QCOMPARE(m_ui->prompt.asked.size(), 1);
        QVERIFY2(m_ui->prompt.asked[0].text.contains("not reported its Gateway"),
                 qPrintable(m_ui->prompt.asked[0].text));
        // Typed by the operator, it is known.
        TypeInto(Edit("Edit_Gateway"), "10.0.0.1");
        Dialog()->PressApply();
        QCOMPARE(m_ui->sent.sent.size(), UdpSequence.size());
        QCOMPARE(m_ui->sent.sent.mid(11, 5), (QStringList{"2na", "10nw", "0nx", "0ny", "1nz"}));
    }

    void networkLinkWarnsBeforeApplying()
    {
        TReservedTcpPort refusing;
        m_ui->window.ApplyConnection(LoopbackChoice(ctTCP, refusing.Port()));
        int answers = 0;
        m_ui->prompt.answer = [&](const TScriptedPrompt::TAsked &) {
            return ++answers == 1 ? QMessageBox::Cancel : QMessageBox::Ok;
        };
        QStringList afterCancel;
        bool openAfterCancel = false;
        QTimer::singleShot(0, this, [&] {
            m_ui->sent.sent.clear();
            Dialog()->PressApply();
            afterCancel = m_ui->sent.sent;
            openAfterCancel = Dialog()->isVisible();
            Dialog()->PressApply();
        });
        m_ui->window.LanSetup()->Open();
        QVERIFY(afterCancel.isEmpty());
        QVERIFY(openAfterCancel);
        QCOMPARE(m_ui->prompt.asked.size(), 2);
        QCOMPARE(m_ui->prompt.asked[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QVERIFY(m_ui->prompt.asked[0].text.contains("cut the connection"));
        QCOMPARE(m_ui->sent.sent, UdpSequence);
    }
};

MORLIX_TEST(LanSetupTest)
#include "tst_lansetup.moc"
