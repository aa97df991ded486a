#include "TestFolder.h"
#include "TestRegistry.h"
#include "transfer/JpegDecoder.h"
#include "transfer/JpegEncoder.h"
#include "transfer/PictureWriter.h"

#include <QFile>
#include <QtTest>

namespace {

// The sampling factors of each component in the frame header (SOF0).
QList<int> SamplingFactors(const QByteArray &jpeg)
{
    for (int i = 0; i + 10 < jpeg.size(); ++i) {
        if (uchar(jpeg[i]) == 0xFF && uchar(jpeg[i + 1]) == 0xC0) {
            const int components = uchar(jpeg[i + 9]);
            QList<int> factors;
            for (int c = 0; c < components; ++c)
                factors << uchar(jpeg[i + 10 + 3 * c + 1]);
            return factors;
        }
    }
    return {};
}

int Distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

} // namespace

class JpegEncoderTest : public QObject
{
    Q_OBJECT
private slots:
    // Full colour resolution: a one-pixel red line on blue keeps its colour,
    // which 4:2:0 subsampling would smear into purple.
    void encodesAtBestQualityWithoutSubsampling()
    {
        QImage picture(33, 17, QImage::Format_RGB888);
        picture.fill(qRgb(0, 0, 255));
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, 8, qRgb(255, 0, 0));
        const QByteArray jpeg = EncodeJpeg(picture);
        QCOMPARE(SamplingFactors(jpeg), (QList<int>{0x11, 0x11, 0x11}));
        const TDecoded<QImage> decoded = DecodeJpeg(jpeg);
        QVERIFY(decoded.Ok());
        QCOMPARE(decoded.Value.size(), picture.size());
        for (int x = 0; x < picture.width(); ++x) {
            QVERIFY(Distance(decoded.Value.pixel(x, 8), qRgb(255, 0, 0)) < 24);
            QVERIFY(Distance(decoded.Value.pixel(x, 0), qRgb(0, 0, 255)) < 8);
        }
    }

    void refusesAnEmptyPicture()
    {
        QString error;
        QVERIFY(EncodeJpeg(QImage(), &error).isEmpty());
        QVERIFY(!error.isEmpty());
    }

    void extensionsFollowTheFormat_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none, bitmap") << "a/b" << int(pfBitmap) << "a/b.bmp";
        QTest::newRow("bitmap kept") << "b.BMP" << int(pfBitmap) << "b.BMP";
        QTest::newRow("jpeg to bitmap") << "b.jpeg" << int(pfBitmap) << "b.bmp";
        QTest::newRow("jpg kept") << "b.jpg" << int(pfJpeg) << "b.jpg";
        QTest::newRow("JPEG kept") << "b.JPEG" << int(pfJpeg) << "b.JPEG";
        QTest::newRow("bitmap to jpeg") << "x.y/b.bmp" << int(pfJpeg) << "x.y/b.jpg";
        QTest::newRow("dotted folder, no extension") << "x.y/b" << int(pfJpeg) << "x.y/b.jpg";
    }
    void extensionsFollowTheFormat()
    {
        QFETCH(QString, path);
        QFETCH(int, format);
        QFETCH(QString, expected);
        QCOMPARE(WithPictureExtension(path, TPictureFormat(format)), expected);
    }

    void savedPicturesReadBack()
    {
        TTestFolder folder;
        QImage picture(5, 3, QImage::Format_RGB888);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                picture.setPixel(x, y, qRgb(x * 50, y * 80, 7));
        QCOMPARE(PictureFormatOf("A.JPG"), pfJpeg);
        QCOMPARE(PictureFormatOf("a.gif"), pfBitmap);
        QVERIFY(!SavePicture(picture, folder.Path("p.bmp"), pfBitmap));
        QCOMPARE(QImage(folder.Path("p.bmp")).convertToFormat(QImage::Format_RGB888), picture);
        QVERIFY(!SavePicture(picture, folder.Path("p.jpg"), pfJpeg));
        QFile file(folder.Path("p.jpg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(DecodeJpeg(file.readAll()).Ok());
        const std::optional<QString> error = SavePicture(picture, folder.Path("missing/p.bmp"), pfBitmap);
        QVERIFY(error && !error->isEmpty());
    }
};
MORLIX_TEST(JpegEncoderTest)

#include "tst_jpegencoder.moc"
