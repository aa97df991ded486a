#include "ScriptedPrompt.h"
#include "TestFolder.h"
#include "TestRegistry.h"
#include "dialogs/HistoryImage.h"
#include "dialogs/ImageHistoryList.h"

#include <QDir>
#include <QtTest>

namespace {

QString WritePicture(const TTestFolder &folder, const QString &name, int width = 8, int height = 6)
{
    QImage picture(width, height, QImage::Format_RGB888);
    picture.fill(qRgb(10, 200, 30));
    const QString path = folder.Path(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return picture.save(path, "BMP") ? path : QString();
}

QString ListFile(const TTestFolder &folder, const QByteArray &content)
{
    return folder.Write("ImagesFile.ini", content);
}

} // namespace

// The recent pictures' file is the program's own, and it must survive
// whatever a crash, an editor or a full disk left in it.
class ImageHistoryListTest : public QObject
{
    Q_OBJECT
private slots:
    void hostileFilesLoadWhatTheyCan_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("entries");
        QTest::addColumn<bool>("warned");
        const QByteArray three = "1=a.bmp\r\n2=b.bmp\r\n3=c.bmp\r\n";
        QTest::newRow("huge count") << ("Nbr=1000000000\r\n" + three) << 3 << false;
        QTest::newRow("count in exponent form") << ("Nbr=1e9\r\n" + three) << 3 << true;
        QTest::newRow("negative count") << ("Nbr=-1\r\n" + three) << 3 << true;
        QTest::newRow("count not a number") << ("Nbr=abc\r\n" + three) << 3 << true;
        QTest::newRow("no count") << three << 3 << true;
        QTest::newRow("count below the entries") << ("Nbr=2\r\n" + three) << 2 << false;
        QTest::newRow("gaps and garbage lines") << QByteArray("Nbr=5\r\n1=a.bmp\r\nrubbish\r\n4=d.bmp\r\n=\r\n")
                                                << 2 << false;
        QTest::newRow("empty file") << QByteArray() << 0 << true;
    }
    void hostileFilesLoadWhatTheyCan()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, entries);
        QFETCH(bool, warned);
        TTestFolder folder;
        TImageHistoryList list(ListFile(folder, content));
        const QString warning = list.Load();
        QCOMPARE(list.Paths().size(), entries);
        QCOMPARE(!warning.isEmpty(), warned);
    }

    void pathsSurviveAWriteAndARead()
    {
        TTestFolder folder;
        const QStringList paths{folder.Path("a=b/c.bmp"), folder.Path(QString::fromUtf8("été/日本.bmp")),
                                folder.Path("missing.bmp")};
        TImageHistoryList list(folder.Path("ImagesFile.ini"));
        for (const QString &path : paths)
            QVERIFY(list.Add(path));
        QCOMPARE(list.Save(), QString());
        TImageHistoryList again(folder.Path("ImagesFile.ini"));
        QCOMPARE(again.Load(), QString());
        // Pictures that are missing (an unplugged drive) keep their place.
        QCOMPARE(again.Paths(), paths);
    }

    void duplicatesAreFoundWhicheverWayTheyAreWritten()
    {
        TTestFolder folder;
        const QString picture = WritePicture(folder, "pics/logo.bmp");
        const QString content = QStringLiteral("Nbr=3\r\n1=pics/logo.bmp\r\n2=%1\r\n3=pics/../pics/./logo.bmp\r\n")
                                    .arg(picture);
        TImageHistoryList list(ListFile(folder, content.toUtf8()));
        list.Load();
        QCOMPARE(list.Paths(), QStringList{picture});
        QVERIFY(!list.Add(folder.Path("pics//logo.bmp")));
        QVERIFY(QFile::link(picture, folder.Path("alias.bmp")));
        QVERIFY(!list.Add(folder.Path("alias.bmp")));
    }

    void theAdditionBeyondTheCapacityDropsTheOldest()
    {
        TTestFolder folder;
        TImageHistoryList list(folder.Path("ImagesFile.ini"));
        for (int i = 1; i <= TImageHistoryList::Capacity + 1; ++i)
            QVERIFY(list.Add(folder.Path(QStringLiteral("p%1.bmp").arg(i))));
        QCOMPARE(list.Paths().size(), TImageHistoryList::Capacity);
        QCOMPARE(list.Paths().first(), folder.Path("p2.bmp"));
        QCOMPARE(list.Paths().last(), folder.Path("p257.bmp"));
    }

    void aFileThatCannotBeWrittenOrReadIsNamed()
    {
        TTestFolder folder;
        const QString blocker = folder.Write("plain", "not a folder");
        TImageHistoryList unwritable(blocker + "/ImagesFile.ini");
        unwritable.Add(folder.Path("y.bmp"));
        QVERIFY(unwritable.Save().contains(blocker + "/ImagesFile.ini"));
        QVERIFY(QDir().mkpath(folder.Path("folder.ini")));
        TImageHistoryList unreadable(folder.Path("folder.ini"));
        QVERIFY(unreadable.Load().contains(folder.Path("folder.ini")));
        QVERIFY(unreadable.Paths().isEmpty());
    }
};
MORLIX_TEST(ImageHistoryListTest)

class ImageHistoryTest : public QObject
{
    Q_OBJECT
private slots:
    void addingTwiceSaysSoAndDeletingAsksWithTheBareName()
    {
        TScriptedPrompt prompt;
        TTestFolder folder;
        const QString picture = WritePicture(folder, "logo.bmp");
        TImageHistory history;
        history.Open(folder.Path("ImagesFile.ini"));
        history.AddPicture(picture);
        history.AddPicture(picture);
        QCOMPARE(prompt.Texts(), QStringList{"Already preselected!"});
        QCOMPARE(history.Paths(), QStringList{picture});

        prompt.answer = [](const TScriptedPrompt::TAsked &) { return QMessageBox::No; };
        history.RequestDelete(picture);
        QCOMPARE(prompt.Texts().last(), QString("Are you sure that you want to remove \"logo.bmp\" from the list"));
        QCOMPARE(history.Paths().size(), 1);
        prompt.answer = nullptr;
        history.RequestDelete(picture);
        QVERIFY(history.Paths().isEmpty());
        TImageHistoryList saved(folder.Path("ImagesFile.ini"));
        saved.Load();
        QVERIFY(saved.Paths().isEmpty());
    }

    void thumbnailsAreDecodedWhenShownAndHintTheSize()
    {
        TTestFolder folder;
        QByteArray content = "Nbr=40\r\n";
        QStringList pictures;
        for (int i = 1; i <= 40; ++i) {
            pictures << WritePicture(folder, QStringLiteral("p%1.bmp").arg(i), 200, 100);
            content += QStringLiteral("%1=%2\r\n").arg(i).arg(pictures.last()).toUtf8();
        }
        TImageHistory history;
        history.resize(170, 300);
        history.Open(ListFile(folder, content));
        QCOMPARE(history.DecodedCount(), 0);
        history.show();
        QVERIFY(QTest::qWaitForWindowExposed(&history));
        QTRY_VERIFY(history.DecodedCount() > 0);
        QVERIFY(history.DecodedCount() < 10);
        QCOMPARE(history.HintFor(pictures[0]), QString("Files : %1\r\nSizes : 200x100").arg(pictures[0]));

        QSignalSpy clicked(&history, &TImageHistory::ThumbnailClicked);
        QTest::mouseClick(history.Strip(), Qt::LeftButton, {}, history.ThumbnailRect(1).center());
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked[0][0].toString(), pictures[1]);
    }
};
MORLIX_TEST(ImageHistoryTest)

#include "tst_imagehistory.moc"
