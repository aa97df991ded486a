#pragma once
#include "transfer/GifImage.h"
#include "transfer/LumaKey.h"
#include "transfer/PictureSizeCheck.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <atomic>
#include <cstdint>
#include <mutex>

// Turns a loaded picture into what the device stores: a luma-keyed still
// picture, or the frames of an animated GIF stacked into one strip, where
// pure black marks the see-through pixels. It also checks the result against
// the memory of a destination kind.
//
// The transfer threads read (and the receiver writes) BmpProcessed while the
// window thread may re-key it: every access goes through one mutex, taken
// for the whole of a conversion and held by a TProcessedAccess.
class TLogoFrameProcess : public QObject
{
    Q_OBJECT
public:
    // Exclusive access to the processed picture for as long as it lives.
    class TProcessedAccess
    {
    public:
        QImage &Picture() { return Image; }
        const QImage &Picture() const { return Image; }

    private:
        friend class TLogoFrameProcess;
        TProcessedAccess(std::mutex &mutex, QImage &image) : Lock(mutex), Image(image) {}
        std::unique_lock<std::mutex> Lock;
        QImage &Image;
    };

    explicit TLogoFrameProcess(QObject *parent = nullptr);

    TProcessedAccess LockProcessed();

    // Copies taken under the lock.
    QImage BmpLoad() const;
    QImage BmpProcessed() const;
    // The keyed still picture as the operator sees it: keyed pixels in the key colour.
    QImage Preview() const;

    const TGifImage &GIF() const { return Gif; }
    int GIFNbImages() const { return NbImages; }

    uint8_t LLEVEL() const { return Level; }
    void SetLLEVEL(uint8_t level) { Level = level; }
    TProcessLLumtype LLUMTYPE() const { return LumType; }
    void SetLLUMTYPE(TProcessLLumtype type) { LumType = type; }
    QRgb LumaKeyColor() const { return KeyColor; }
    void SetLumaKeyColor(QRgb color) { KeyColor = color; }
    bool PROCESSING() const { return Processing; }
    void SetPROCESSING(bool processing) { Processing = processing; }

    void SetBmpLoad(const QImage &picture);
    void SetGIF(TGifImage gif);

    void ApplyLumaKey();
    // Builds the strip and checks it against the animated logo memory.
    bool BuildAnimatedStrip();
    bool CheckPictureSize(int kind);
    // The message of the last failed size check, empty when it had none.
    QString LastMessage() const { return Message; }

signals:
    // The animated conversion chose LLEVEL itself (1 for a transparent GIF).
    void OnLLEVELEvent();
    // A size check failed with a message for the operator.
    void PictureRefused(const QString &message);

private:
    bool Report(const TSizeVerdict &verdict);

    mutable std::mutex PictureMutex;
    QImage Load;
    QImage Processed;
    QImage PreviewImage;
    TGifImage Gif;
    int NbImages = 0;
    uint8_t Level = 0;
    TProcessLLumtype LumType = plBLACK;
    QRgb KeyColor = qRgb(0, 0, 0);
    std::atomic<bool> Processing{false};
    QString Message;
};
