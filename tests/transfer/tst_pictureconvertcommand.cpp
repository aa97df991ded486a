#include "GifBuilder.h"
#include "TestFolder.h"
#include "TestRegistry.h"
#include "transfer/PictureConvertCommand.h"

#include <QFile>
#include <QtTest>

namespace {

QImage GreyRamp(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            picture.setPixel(x, y, qRgb(x % 256, x % 256, x % 256));
    return picture;
}

QByteArray TwoFrameGif()
{
    TTestGif gif;
    gif.Width = 4;
    gif.Height = 3;
    gif.Palette = {qRgb(255, 0, 0), qRgb(0, 255, 0)};
    gif.Frames.push_back(SolidFrame(0, 0, 4, 3, 0));
    gif.Frames.push_back(SolidFrame(0, 0, 4, 3, 1));
    return EncodeGif(gif);
}

int BitsPerPixelOfBmp(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray header = file.read(30);
    return header.size() < 30 ? -1 : uchar(header[28]) | uchar(header[29]) << 8;
}

} // namespace

class PictureConvertCommandTest : public QObject
{
    Q_OBJECT
private:
    TTestFolder Folder;

    QString Path(const QString &name) const { return Folder.Path(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(Folder.IsValid());
        QVERIFY(GreyRamp(32, 4).save(Path("ramp.bmp")));
        QVERIFY(GreyRamp(512, 512).save(Path("square.bmp")));
        QVERIFY(GreyRamp(1920, 1081).save(Path("wide.bmp")));
        QVERIFY(!Folder.Write("anim.gif", TwoFrameGif()).isEmpty());
        QVERIFY(!Folder.Write("broken.gif", TwoFrameGif().left(20)).isEmpty());
        QVERIFY(!Folder.Write("logo.emf", QByteArray(64, '\1')).isEmpty());
        QVERIFY(!Folder.Write("LOGO.GIF", TwoFrameGif()).isEmpty());
    }

    void outcomes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("messageStart");
        QTest::newRow("logo") << QStringList{"ramp.bmp", "out.bmp"} << 0 << "";
        QTest::newRow("frame") << QStringList{"square.bmp", "out.bmp", "--kind", "frame"} << 0 << "";
        QTest::newRow("animation") << QStringList{"anim.gif", "out.bmp"} << 0 << "";
        QTest::newRow("logo too big") << QStringList{"square.bmp", "out.bmp"} << 1 << "Picture exceed logo size";
        QTest::newRow("frame too big") << QStringList{"wide.bmp", "out.bmp", "--kind", "frame"} << 1
                                       << "Picture exceed frame size";
        QTest::newRow("still to animated logo") << QStringList{"ramp.bmp", "out.bmp", "--kind", "anim"} << 1
                                                << "Wrong emplacement for still logo";
        QTest::newRow("animation to logo") << QStringList{"anim.gif", "out.bmp", "--kind", "logo"} << 1 << "";
        QTest::newRow("truncated gif") << QStringList{"broken.gif", "out.bmp"} << 1 << "Invalid picture: ";
        QTest::newRow("metafile") << QStringList{"logo.emf", "out.bmp"} << 1 << "Invalid picture: EMF";
        QTest::newRow("upper-case GIF") << QStringList{"LOGO.GIF", "out.bmp"} << 0 << "";
        QTest::newRow("missing file") << QStringList{"none.bmp", "out.bmp"} << 1 << "Invalid picture: ";
        QTest::newRow("no output") << QStringList{"ramp.bmp"} << 2 << "";
        QTest::newRow("bad kind") << QStringList{"ramp.bmp", "out.bmp", "--kind", "poster"} << 2 << "";
        QTest::newRow("key out of range") << QStringList{"ramp.bmp", "out.bmp", "--key", "256"} << 2 << "";
        QTest::newRow("key without value") << QStringList{"ramp.bmp", "out.bmp", "--key"} << 2 << "";
        QTest::newRow("unknown option") << QStringList{"ramp.bmp", "out.bmp", "--fast"} << 2 << "";
    }

    void outcomes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, messageStart);
        for (int i = 0; i < qMin(2, int(arguments.size())); ++i)
            arguments[i] = Path(arguments[i]);
        QFile::remove(Path("out.bmp"));
        const TCommandOutcome outcome = RunPictureConvert(arguments);
        QCOMPARE(outcome.ExitCode, exitCode);
        QVERIFY2(outcome.Message.startsWith(messageStart), qPrintable(outcome.Message));
        QCOMPARE(QFile::exists(Path("out.bmp")), exitCode == 0);
    }

    void writesKeyedBitmapAndPreview_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("keyedColumn");
        QTest::addColumn<int>("keptColumn");
        QTest::newRow("black") << QStringList{"--key", "16"} << 15 << 16;
        QTest::newRow("white") << QStringList{"--key", "240", "--white"} << 16 << 15;
    }

    void writesKeyedBitmapAndPreview()
    {
        QFETCH(QStringList, options);
        QFETCH(int, keyedColumn);
        QFETCH(int, keptColumn);
        const TCommandOutcome outcome = RunPictureConvert(
            QStringList{Path("ramp.bmp"), Path("keyed.bmp"), "--preview", Path("preview.png")} + options);
        QCOMPARE(outcome.ExitCode, 0);
        QCOMPARE(BitsPerPixelOfBmp(Path("keyed.bmp")), 24);
        const QImage keyed(Path("keyed.bmp"));
        QCOMPARE(keyed.size(), QSize(32, 4));
        QCOMPARE(keyed.pixel(keyedColumn, 0), qRgb(0, 0, 0));
        QCOMPARE(keyed.pixel(keptColumn, 0), qRgb(keptColumn, keptColumn, keptColumn));
        QVERIFY(!QImage(Path("preview.png")).isNull());
    }

    void animationBecomesStrip()
    {
        const TCommandOutcome outcome = RunPictureConvert({Path("anim.gif"), Path("strip.bmp")});
        QCOMPARE(outcome.ExitCode, 0);
        const QImage strip(Path("strip.bmp"));
        QCOMPARE(strip.size(), QSize(4, 6));
        QCOMPARE(strip.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(strip.pixel(0, 5), qRgb(0, 255, 0));
    }
};

MORLIX_TEST(PictureConvertCommandTest)
#include "tst_pictureconvertcommand.moc"
