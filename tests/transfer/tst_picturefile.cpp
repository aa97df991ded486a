#include "GifBuilder.h"
#include "TestFolder.h"
#include "TestRegistry.h"
#include "transfer/PictureFile.h"

#include <QFile>
#include <QtTest>

namespace {

QImage Solid(QRgb color)
{
    QImage picture(6, 5, QImage::Format_RGB32);
    picture.fill(color);
    return picture;
}

} // namespace

// The decoder is chosen by the extension, whatever its case.
class PictureFileTest : public QObject
{
    Q_OBJECT
private:
    TTestFolder Folder;

    QString Path(const QString &name) const { return Folder.Path(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(Folder.IsValid());
        TTestGif gif;
        gif.Width = 3;
        gif.Height = 2;
        gif.Palette = {qRgb(1, 2, 3), qRgb(4, 5, 6)};
        gif.Frames.push_back(SolidFrame(0, 0, 3, 2, 1));
        const QByteArray gifData = EncodeGif(gif);
        for (const char *name : {"a.gif", "A.GIF"})
            QVERIFY(!Folder.Write(name, gifData).isEmpty());
        QVERIFY(Solid(Qt::red).save(Path("a.jpg"), "JPEG"));
        QVERIFY(Solid(Qt::red).save(Path("a.jpeg"), "JPEG"));
        QVERIFY(Solid(Qt::red).save(Path("B.JPG"), "JPEG"));
        QVERIFY(Solid(Qt::red).save(Path("a.bmp"), "BMP"));
        QVERIFY(Solid(Qt::red).save(Path("a.ico"), "ICO"));
        QVERIFY(Solid(Qt::red).save(Path("png.bmp"), "PNG"));
        QVERIFY(Solid(Qt::red).save(Path("jpeg.gif"), "JPEG"));
        QVERIFY(Solid(Qt::red).save(Path("a.wmf"), "BMP"));
    }

    void loads_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("reason");
        const int still = TPictureFile::pkStill;
        QTest::newRow("gif") << "a.gif" << true << int(TPictureFile::pkAnimated) << "";
        QTest::newRow("jpg") << "a.jpg" << true << still << "";
        QTest::newRow("jpeg") << "a.jpeg" << true << still << "";
        QTest::newRow("bmp") << "a.bmp" << true << still << "";
        QTest::newRow("ico") << "a.ico" << true << still << "";
        QTest::newRow("upper-case GIF") << "A.GIF" << true << int(TPictureFile::pkAnimated) << "";
        QTest::newRow("upper-case JPG") << "B.JPG" << true << still << "";
        QTest::newRow("PNG named bmp") << "png.bmp" << false << still << "not a bitmap or icon";
        QTest::newRow("JPEG named gif") << "jpeg.gif" << false << still << "not a GIF file";
        QTest::newRow("wmf") << "a.wmf" << false << still << "WMF metafiles are not supported";
        QTest::newRow("emf, even missing") << "b.EMF" << false << still << "EMF metafiles are not supported";
        QTest::newRow("missing") << "none.bmp" << false << still << "";
    }

    void loads()
    {
        QFETCH(QString, name);
        QFETCH(bool, ok);
        QFETCH(int, kind);
        QFETCH(QString, reason);
        const TDecoded<TPictureFile> loaded = LoadPictureFile(Path(name));
        QCOMPARE(loaded.Ok(), ok);
        if (!ok) {
            QVERIFY(!loaded.Error.isEmpty());
            if (!reason.isEmpty())
                QCOMPARE(loaded.Error, reason);
            return;
        }
        QCOMPARE(int(loaded.Value.Kind), kind);
        if (kind == TPictureFile::pkStill) {
            QCOMPARE(loaded.Value.Still.size(), QSize(6, 5));
            QCOMPARE(loaded.Value.Still.format(), QImage::Format_RGB888);
        } else {
            QCOMPARE(int(loaded.Value.Animated.Frames.size()), 1);
        }
    }

    void invalidPictureMessage()
    {
        QCOMPARE(InvalidPictureMessage("EMF metafiles are not supported"),
                 QString("Invalid picture: EMF metafiles are not supported"));
        QCOMPARE(InvalidPictureMessage(""), QString("Invalid picture"));
    }
};

MORLIX_TEST(PictureFileTest)
#include "tst_picturefile.moc"
