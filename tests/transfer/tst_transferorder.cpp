#include "TestRegistry.h"
#include "transfer/PictureLimits.h"
#include "transfer/TransferOrder.h"

#include <QtTest>

namespace {

// The rows a pass visits, each once, in order.
QList<int> RowsOfPass(int height, int frameHeight, bool interlaced, int pass)
{
    TPictureCursor cursor(1, height, frameHeight, interlaced);
    cursor.StartPass(pass);
    QList<int> rows;
    while (!cursor.AtEnd()) {
        rows << cursor.CurrentRow();
        cursor.Advance();
    }
    return rows;
}

QImage NumberedPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x, y, (x * 7 + y) & 0xFF));
    return picture;
}

} // namespace

// The order both ends walk a picture in, and the blocks cut from it.
class TransferOrderTest : public QObject
{
    Q_OBJECT
private slots:
    void rowOrder_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("frameHeight");
        QTest::addColumn<bool>("interlaced");
        QTest::addColumn<QList<int>>("firstPass");
        QTest::addColumn<QList<int>>("secondPass");
        QTest::newRow("progressive") << 4 << 4 << false << QList<int>{0, 1, 2, 3} << QList<int>{};
        QTest::newRow("two frames of 5, interlaced")
            << 10 << 5 << true << QList<int>{0, 2, 4, 5, 7, 9} << QList<int>{1, 3, 6, 8};
        QTest::newRow("two frames of 4, interlaced")
            << 8 << 4 << true << QList<int>{0, 2, 4, 6} << QList<int>{1, 3, 5, 7};
        QTest::newRow("one frame of odd height") << 5 << 5 << true << QList<int>{0, 2, 4} << QList<int>{1, 3};
        QTest::newRow("three frames of 3")
            << 9 << 3 << true << QList<int>{0, 2, 3, 5, 6, 8} << QList<int>{1, 4, 7};
        QTest::newRow("frames of one row") << 3 << 1 << true << QList<int>{0, 1, 2} << QList<int>{};
        QTest::newRow("one row") << 1 << 1 << true << QList<int>{0} << QList<int>{};
    }
    void rowOrder()
    {
        QFETCH(int, height);
        QFETCH(int, frameHeight);
        QFETCH(bool, interlaced);
        QFETCH(QList<int>, firstPass);
        QFETCH(QList<int>, secondPass);
        QCOMPARE(RowsOfPass(height, frameHeight, interlaced, 0), firstPass);
        if (interlaced)
            QCOMPARE(RowsOfPass(height, frameHeight, interlaced, 1), secondPass);
    }

    void frameHeight_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("frameHeight");
        QTest::newRow("still") << 1080 << 1 << 1080;
        QTest::newRow("even split") << 500 << 5 << 100;
        QTest::newRow("tie rounds to even, down") << 5 << 2 << 2;
        QTest::newRow("tie rounds to even, up") << 7 << 2 << 4;
        QTest::newRow("no frames counts as one") << 30 << 0 << 30;
    }
    void frameHeight()
    {
        QFETCH(int, height);
        QFETCH(int, frames);
        QFETCH(int, frameHeight);
        QCOMPARE(int(PictureLimits::FrameHeightOf(height, frames)), frameHeight);
    }

    void blocksSpanRowsButNotFrames()
    {
        // 20 wide, two frames of 3 rows: 60 pixels per frame give blocks of
        // 32 and 28, never one reaching into the next frame.
        const QImage picture = NumberedPicture(20, 6);
        TPictureCursor cursor(20, 6, 3, false);
        cursor.StartPass(0);
        QList<int> counts;
        for (TPictureBlock block = ReadBlock(picture, cursor); !block.IsEmpty(); block = ReadBlock(picture, cursor))
            counts << block.Count;
        QCOMPARE(counts, (QList<int>{32, 28, 32, 28}));
    }

    void writeRebuildsWhatReadTook_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("frameHeight");
        QTest::addColumn<int>("frames");
        QTest::addColumn<bool>("interlaced");
        QTest::newRow("still, progressive") << 45 << 7 << 1 << false;
        QTest::newRow("still, interlaced") << 45 << 7 << 1 << true;
        QTest::newRow("odd frames, interlaced") << 13 << 5 << 3 << true;
        QTest::newRow("even frames, interlaced") << 33 << 4 << 2 << true;
    }
    void writeRebuildsWhatReadTook()
    {
        QFETCH(int, width);
        QFETCH(int, frameHeight);
        QFETCH(int, frames);
        QFETCH(bool, interlaced);
        const int height = frameHeight * frames;
        const QImage source = NumberedPicture(width, height);
        QImage copy(width, height, QImage::Format_RGB888);
        copy.fill(Qt::black);
        TPictureCursor reader(width, height, frameHeight, interlaced);
        TPictureCursor writer(width, height, frameHeight, interlaced);
        for (int pass = 0; pass < (interlaced ? 2 : 1); ++pass) {
            reader.StartPass(pass);
            writer.StartPass(pass);
            for (TPictureBlock block = ReadBlock(source, reader); !block.IsEmpty(); block = ReadBlock(source, reader))
                QCOMPARE(WriteBlock(copy, writer, block), block.Count);
        }
        QCOMPARE(copy, source);
    }

    void readingStopsAtAPictureSmallerThanTheCursor()
    {
        const QImage small = NumberedPicture(4, 1);
        TPictureCursor cursor(8, 8, 8, false);
        cursor.StartPass(0);
        QCOMPARE(ReadBlock(small, cursor).Count, 4);
        QCOMPARE(ReadBlock(small, cursor).Count, 0);
    }
};

MORLIX_TEST(TransferOrderTest)
#include "tst_transferorder.moc"
