#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "dialogs/ContypeCfg.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

class ConTypeCfgTest : public QObject
{
    Q_OBJECT
private slots:
    void udpChecksBothPortsInTurn()
    {
        TScriptedPrompt prompt;
        TConTypeCfgForm form;
        form.SetConnectionType(TConTypeCfgForm::TypeUDP);
        form.findChild<QLineEdit *>("Edit_UDPRemotePort")->setText("70000");
        form.findChild<QLineEdit *>("Edit_UDPLocalPort")->setText("abc");
        form.PressOk();
        QCOMPARE(prompt.Texts(), (QStringList{"Remote Port must be an integer between 0 and 65535.",
                                              "Local Port must be an integer between 0 and 65535."}));
        QVERIFY(!form.Accepted());
        // A valid value is kept even when the other one failed.
        form.findChild<QLineEdit *>("Edit_UDPRemotePort")->setText("10501");
        form.PressOk();
        QCOMPARE(form.RemotePort(), 10501);
        QVERIFY(!form.Accepted());
    }

    void tcpAcceptsAndNotifies()
    {
        TScriptedPrompt prompt;
        TConTypeCfgForm form;
        int notified = 0;
        form.OnOk = [&] { ++notified; };
        form.SetConnectionType(TConTypeCfgForm::TypeTCP);
        QTest::keyClicks(form.findChild<QLineEdit *>("Edit_TCPRemoteAddress"), "127.0.0.1");
        // The UDP edit follows the TCP one.
        QCOMPARE(form.findChild<QLineEdit *>("Edit_UDPRemoteAddress")->text(), QString("127.0.0.1"));
        form.findChild<QLineEdit *>("Edit_TCPRemotePort")->setText("10500");
        form.PressOk();
        QVERIFY(prompt.asked.isEmpty());
        QVERIFY(form.Accepted());
        QCOMPARE(notified, 1);
        QCOMPARE(form.RemoteAddress(), QString("127.0.0.1"));
        QCOMPARE(form.RemotePort(), 10500);
    }

    void serialNeedsAPort()
    {
        TScriptedPrompt prompt;
        TConTypeCfgForm form;
        form.SetConnectionType(TConTypeCfgForm::TypeRS232);
        form.SetPortName("");
        form.PressOk();
        QCOMPARE(prompt.Texts(), QStringList{"Serial Port not valid"});
        QVERIFY(!form.Accepted());
    }

    void portNames_data()
    {
        QTest::addColumn<QStringList>("ports");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("kept");
        QTest::newRow("listed") << QStringList{"/dev/ttyS0", "/dev/ttyUSB0"} << "/dev/ttyUSB0" << "/dev/ttyUSB0";
        QTest::newRow("typed path kept") << QStringList{"/dev/ttyS0"} << "/tmp/morlix-pty" << "/tmp/morlix-pty";
        QTest::newRow("empty takes first") << QStringList{"/dev/ttyS0"} << "" << "/dev/ttyS0";
        QTest::newRow("nothing at all") << QStringList{} << "" << "";
    }

    void portNames()
    {
        QFETCH(QStringList, ports);
        QFETCH(QString, given);
        QFETCH(QString, kept);
        TScriptedPrompt prompt;
        TConTypeCfgForm form;
        for (const QString &port : ports)
            form.AddPort(port);
        form.SetPortName(given);
        QCOMPARE(form.PortName(), kept);
        form.SetConnectionType(TConTypeCfgForm::TypeRS232);
        form.PressOk();
        QCOMPARE(form.Accepted(), !kept.isEmpty());
        QCOMPARE(form.PortName(), kept);
    }

    void rs232OnlyLocksTheNetworkChoices()
    {
        TConTypeCfgForm form;
        form.SetConnectionType(TConTypeCfgForm::TypeTCP);
        form.SetRS232Only(true);
        QCOMPARE(form.ConnectionType(), int(TConTypeCfgForm::TypeRS232));
        const auto radios = form.findChildren<QRadioButton *>();
        QVERIFY(!radios[2]->isEnabled());
        QVERIFY(!radios[3]->isEnabled());
        form.SetRS232Only(false);
        QVERIFY(radios[3]->isEnabled());
    }

    void cancelKeepsNothing()
    {
        TConTypeCfgForm form;
        form.PressCancel();
        QVERIFY(!form.Accepted());
    }
};

MORLIX_TEST(ConTypeCfgTest)
#include "tst_contypecfg.moc"
