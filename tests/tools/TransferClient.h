#pragma once
// The application's end of a picture transfer, wired as the loader window
// wires it: one link, one picture, a sender and a receiver.
#include "EventLoopWait.h"
#include "link/ComDriverMorlix.h"
#include "transfer/LogoFrameProcess.h"
#include "transfer/ThreadFrameRaw.h"
#include "transfer/ThreadFrameReceive.h"
#include "transfer/TransferMode.h"
#include "transfer/PictureLimits.h"
#include "transfer/TransferRecords.h"

#include <QtTest>

class TransferClient
{
public:
    static constexpr int Patience = 30000;

    TransferClient()
    {
        // Found, as the loader window finds the device, but without a full
        // resend that would share the line with the first transfer.
        Link.SetQueryAllVarsOnConnect(false);
        for (TThreadFrame *thread : {static_cast<TThreadFrame *>(&Sender), static_cast<TThreadFrame *>(&Receiver)}) {
            thread->SetDriver(&Link);
            thread->SetPicture(&Picture);
            thread->SetSettleDelayMs(0);
            thread->SetTransferModeCallback(TransferModeRequest(Link));
        }
    }

    bool ConnectTcp(quint16 port)
    {
        Link.SetIPRemoteAddress("127.0.0.1");
        Link.SetIPRemotePort(port);
        Link.SetConType(ctTCP);
        Link.Open();
        return DeviceFound();
    }

    bool ConnectSerial(const QString &path)
    {
        Link.SetPort(path);
        Link.SetConType(ctRS232);
        return Link.Open() && DeviceFound();
    }

    bool DeviceFound()
    {
        return QTest::qWaitFor([&] { return Link.Connected(); }, Patience);
    }

    // flags: the destination kind, plus TransferRecords::Flags::Interlaced.
    bool Upload(const QImage &picture, uint8_t flags, uint8_t number, uint8_t frames = 1)
    {
        Picture.SetBmpLoad(picture);
        Picture.ApplyLumaKey();
        Sender.SetFlags(flags);
        Sender.SetDestination(number);
        Sender.SetFrameCount(frames);
        Sender.SetFrameDelay(frames > 1 ? 70 : 0);
        return Run(Sender);
    }

    // The picture read back, null when the transfer did not go through.
    QImage Download(uint8_t flags, uint8_t number)
    {
        Picture.SetBmpLoad(QImage());
        Picture.ApplyLumaKey();
        Receiver.SetFlags(flags);
        Receiver.SetDestination(number);
        return Run(Receiver) ? Picture.BmpProcessed() : QImage();
    }

    bool Run(TThreadFrame &thread)
    {
        thread.Reset();
        return thread.Start() && WaitWithEvents([&] { return thread.Finished(); }, Patience) && thread.Succeeded();
    }

    TComDriverMorlix Link{3600 * 1000, 3600 * 1000};
    TLogoFrameProcess Picture;
    TThreadFrameRaw Sender;
    TThreadFrameReceive Receiver;
};

// A picture with flat stretches (repeat records, run-length channels) and
// stretches where no two neighbours agree (raw channels).
inline QImage MixedPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, y % 7 < 3 ? qRgb(40, 80, 120) : qRgb((x * 31 + y) & 0xFF, (x ^ y) & 0xFF, y & 0xFF));
    return picture;
}
