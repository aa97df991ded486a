#include "TestRegistry.h"
#include "transfer/LogoFrameProcess.h"
#include "transfer/PictureLimits.h"
#include "transfer/PictureSizeCheck.h"

#include <QSignalSpy>
#include <QtTest>

using namespace PictureLimits;

class PictureSizeCheckTest : public QObject
{
    Q_OBJECT
private slots:
    void limits_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("frames");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<QString>("message");
        const QString logo = "Picture exceed logo size";
        const QString frame = "Picture exceed frame size";
        const QString anim = "Picture exceed animated logo size";
        const QString count = "Animated logo exceed maximum frames number";
        QTest::newRow("logo 720x360") << KindStillLogo << 720 << 360 << 1 << true << QString();
        QTest::newRow("logo 512x512") << KindStillLogo << 512 << 512 << 1 << false << logo;
        // 3 x 262143 = 786429 is the last byte count below 12 blocks.
        QTest::newRow("logo last fitting") << KindStillLogo << 1 << 262143 << 1 << true << QString();
        QTest::newRow("logo first refused") << KindStillLogo << 1 << 262144 << 1 << false << logo;
        QTest::newRow("frame 1920x1080") << KindFrame << 1920 << 1080 << 1 << true << QString();
        QTest::newRow("frame 1920x1081") << KindFrame << 1920 << 1081 << 1 << false << frame;
        QTest::newRow("frame last fitting") << KindFrame << 1 << 2075306 << 1 << true << QString();
        QTest::newRow("frame first refused") << KindFrame << 1 << 2075307 << 1 << false << frame;
        // 100 x 100 frames: 27 units each, room for 269 of them.
        QTest::newRow("anim 255 frames") << KindAnimatedLogo << 100 << 25500 << 255 << true << QString();
        QTest::newRow("anim 256 frames") << KindAnimatedLogo << 100 << 25600 << 256 << false << count;
        QTest::newRow("anim 269 frames") << KindAnimatedLogo << 100 << 26900 << 269 << false << count;
        QTest::newRow("anim 270 frames") << KindAnimatedLogo << 100 << 27000 << 270 << false << anim;
        QTest::newRow("anim one full frame") << KindAnimatedLogo << 384 << 7281 << 1 << true << QString();
        QTest::newRow("anim one frame too big") << KindAnimatedLogo << 384 << 7282 << 1 << false << anim;
        QTest::newRow("empty width") << KindStillLogo << 0 << 10 << 1 << false << QString();
        QTest::newRow("empty height") << KindFrame << 10 << 0 << 1 << false << QString();
        QTest::newRow("unknown kind") << 4 << 10 << 10 << 1 << false << QString();
        QTest::newRow("kind zero") << 0 << 10 << 10 << 1 << false << QString();
        QTest::newRow("anim without frames") << KindAnimatedLogo << 10 << 10 << 0 << false << QString();
    }

    void limits()
    {
        QFETCH(int, kind);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, frames);
        QFETCH(bool, fits);
        QFETCH(QString, message);
        const TSizeVerdict verdict = CheckPictureSizeOf(kind, width, height, frames);
        QCOMPARE(verdict.Fits, fits);
        QCOMPARE(verdict.Message, message);
    }

    void frameHeightRoundsHalvesToEven()
    {
        // 2 frames in 769 rows: 384.5 rows rounds to 384, one unit per
        // column; rounding up would need a second unit for the last row.
        QVERIFY(CheckPictureSizeOf(KindAnimatedLogo, 1, 769, 2).Fits);
        // 7281 frames of 1 x 1 fit the units but not the frame count.
        QCOMPARE(CheckPictureSizeOf(KindAnimatedLogo, 1, 7281, 7281).Message,
                 QString("Animated logo exceed maximum frames number"));
    }

    void converterReportsRefusal()
    {
        TLogoFrameProcess process;
        QSignalSpy refused(&process, &TLogoFrameProcess::PictureRefused);
        QImage picture(512, 512, QImage::Format_RGB888);
        picture.fill(Qt::white);
        process.SetBmpLoad(picture);
        process.ApplyLumaKey();
        QVERIFY(process.CheckPictureSize(KindFrame));
        QCOMPARE(refused.count(), 0);
        QVERIFY(!process.CheckPictureSize(KindStillLogo));
        QCOMPARE(refused.count(), 1);
        QCOMPARE(refused.at(0).at(0).toString(), QString("Picture exceed logo size"));
        QCOMPARE(process.LastMessage(), QString("Picture exceed logo size"));
    }

    void emptyPictureFailsSilently()
    {
        TLogoFrameProcess process;
        QSignalSpy refused(&process, &TLogoFrameProcess::PictureRefused);
        QVERIFY(!process.CheckPictureSize(KindStillLogo));
        QCOMPARE(refused.count(), 0);
    }
};

MORLIX_TEST(PictureSizeCheckTest)
#include "tst_picturesizecheck.moc"
