#include "TestRegistry.h"
#include "transfer/JpegDecoder.h"

#include <QBuffer>
#include <QtTest>

namespace {

QByteArray JpegOf(const QImage &picture)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPEG", 100);
    return data;
}

QImage Solid(int width, int height, QRgb color, QImage::Format format = QImage::Format_RGB32)
{
    QImage picture(width, height, format);
    picture.fill(color);
    return picture;
}

// The frame header (SOF0, SOF2 ...) holds height then width, 2 bytes each.
void PatchJpegSize(QByteArray &jpeg, int width, int height)
{
    for (int i = 0; i + 8 < jpeg.size(); ++i) {
        const uchar marker = uchar(jpeg[i + 1]);
        if (uchar(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            jpeg[i + 5] = char(height >> 8);
            jpeg[i + 6] = char(height & 0xFF);
            jpeg[i + 7] = char(width >> 8);
            jpeg[i + 8] = char(width & 0xFF);
            return;
        }
    }
    QFAIL("no frame header");
}

bool Near(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) <= 3 && qAbs(qGreen(a) - qGreen(b)) <= 3 && qAbs(qBlue(a) - qBlue(b)) <= 3;
}

} // namespace

class JpegDecoderTest : public QObject
{
    Q_OBJECT
private slots:
    void decodes_data()
    {
        QTest::addColumn<QImage>("source");
        QTest::addColumn<QRgb>("color");
        QTest::newRow("colour") << Solid(33, 17, qRgb(200, 40, 90)) << qRgb(200, 40, 90);
        QTest::newRow("greyscale") << Solid(16, 8, qRgb(77, 77, 77)).convertToFormat(QImage::Format_Grayscale8)
                                   << qRgb(77, 77, 77);
    }

    void decodes()
    {
        QFETCH(QImage, source);
        QFETCH(QRgb, color);
        const TDecoded<QImage> decoded = DecodeJpeg(JpegOf(source));
        QVERIFY2(decoded.Ok(), qPrintable(decoded.Error));
        QCOMPARE(decoded.Value.size(), source.size());
        QCOMPARE(decoded.Value.format(), QImage::Format_RGB888);
        QVERIFY(Near(decoded.Value.pixel(source.width() / 2, source.height() / 2), color));
    }

    void refusesDamagedFiles_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QByteArray good = JpegOf(Solid(64, 64, qRgb(10, 200, 30)));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a jpeg") << QByteArray("GIF89a nothing here");
        QTest::newRow("start marker only") << good.left(2);
        QTest::newRow("cut in header") << good.left(100);
        QTest::newRow("cut in scan") << good.left(good.size() - 40);
        QByteArray huge = good;
        PatchJpegSize(huge, 60000, 60000);
        QTest::newRow("60000 x 60000") << huge;
        QByteArray zero = good;
        PatchJpegSize(zero, 64, 0);
        QTest::newRow("zero height") << zero;
    }

    void refusesDamagedFiles()
    {
        QFETCH(QByteArray, data);
        const TDecoded<QImage> decoded = DecodeJpeg(data);
        QVERIFY(!decoded.Ok());
        QVERIFY(decoded.Value.isNull());
    }
};

MORLIX_TEST(JpegDecoderTest)
#include "tst_jpegdecoder.moc"
