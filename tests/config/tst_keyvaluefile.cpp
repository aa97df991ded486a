#include "TestRegistry.h"
#include "config/CheckSum_Halvor.h"
#include "config/KeyValueFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class KeyValueFileTest : public QObject
{
    Q_OBJECT
private slots:
    void writesCrLfLatin1AndReadsBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Morlix.ini");
        const QStringList lines{"Operator=Hélène", "Port=10500"};
        QVERIFY(KeyValueFile::Write(path, lines));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Operator=H\xe9l\xe8ne\r\nPort=10500\r\n"));
        QStringList back;
        QVERIFY(KeyValueFile::Read(path, back));
        QCOMPARE(back, lines);
    }

    void signedFileSurvivesLfConversion()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("unix.ini");
        const QStringList lines = TCheckSum_Halvor::Signed({"A=1", "B=Zoë"});
        QByteArray lf;
        for (const QString &l : lines)
            lf += l.toLatin1() + "\n";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lf);
        file.close();
        QStringList read;
        QVERIFY(KeyValueFile::Read(path, read));
        TCheckSum_Halvor checker;
        checker.SetStringlist_With_CheckSum(&read);
        QVERIFY(!checker.InvalideFile());
    }

    void lookupIsCaseInsensitiveFirstWins()
    {
        const QStringList lines{"NoEquals", "contype=ctUDP", "ConType=ctTCP", "Empty="};
        bool found = false;
        QCOMPARE(KeyValueFile::Value(lines, "CONTYPE", {}, &found), QString("ctUDP"));
        QVERIFY(found);
        QCOMPARE(KeyValueFile::Value(lines, "Empty", "x", &found), QString(""));
        QVERIFY(found);
        QCOMPARE(KeyValueFile::Value(lines, "Missing", "fallback", &found), QString("fallback"));
        QVERIFY(!found);
    }

    void failedWriteKeepsOldFile()
    {
        QTemporaryDir dir;
        const QString missingFolder = dir.filePath("no/such/folder/x.ini");
        QString error;
        QVERIFY(!KeyValueFile::Write(missingFolder, {"A=1"}, &error));
        QVERIFY(!error.isEmpty());
        QStringList lines;
        QVERIFY(!KeyValueFile::Read(missingFolder, lines, &error));
    }
};

MORLIX_TEST(KeyValueFileTest)
#include "tst_keyvaluefile.moc"
