#include "transfer/LogoFrameProcess.h"

#include "transfer/AnimatedStrip.h"
#include "transfer/PictureLimits.h"
#include "transfer/PictureSizeCheck.h"

TLogoFrameProcess::TLogoFrameProcess(QObject *parent) : QObject(parent) {}

TLogoFrameProcess::TProcessedAccess TLogoFrameProcess::LockProcessed()
{
    return TProcessedAccess(PictureMutex, Processed);
}

QImage TLogoFrameProcess::BmpLoad() const
{
    std::lock_guard<std::mutex> lock(PictureMutex);
    return Load;
}

QImage TLogoFrameProcess::BmpProcessed() const
{
    std::lock_guard<std::mutex> lock(PictureMutex);
    return Processed;
}

QImage TLogoFrameProcess::Preview() const
{
    std::lock_guard<std::mutex> lock(PictureMutex);
    return PreviewImage;
}

void TLogoFrameProcess::SetBmpLoad(const QImage &picture)
{
    std::lock_guard<std::mutex> lock(PictureMutex);
    Load = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB888);
}

void TLogoFrameProcess::SetGIF(TGifImage gif)
{
    Gif = std::move(gif);
}

void TLogoFrameProcess::ApplyLumaKey()
{
    Processing = true;
    std::lock_guard<std::mutex> lock(PictureMutex);
    TKeyedPictures keyed = ApplyLumaKeyTo(Load, Level, LumType, KeyColor);
    Processed = std::move(keyed.Processed);
    PreviewImage = std::move(keyed.Preview);
}

bool TLogoFrameProcess::BuildAnimatedStrip()
{
    Processing = true;
    const TStripLayout layout = LayoutStrip(Gif);
    NbImages = layout.FrameCount();
    Level = Gif.IsTransparent() ? 1 : 0;
    emit OnLLEVELEvent();

    // Checked on the geometry first: a strip the memory cannot hold is never
    // built, so that neither a huge allocation nor an oversized transfer can follow.
    const TSizeVerdict verdict = CheckPictureSizeOf(PictureLimits::KindAnimatedLogo, layout.SlotWidth,
                                                    layout.StripHeight(), NbImages);
    {
        std::lock_guard<std::mutex> lock(PictureMutex);
        PreviewImage = QImage();
        Processed = verdict.Fits ? ComposeStrip(Gif, layout) : QImage();
    }
    if (!verdict.Fits)
        Processing = false;
    return Report(verdict);
}

bool TLogoFrameProcess::CheckPictureSize(int kind)
{
    TSizeVerdict verdict;
    {
        std::lock_guard<std::mutex> lock(PictureMutex);
        verdict = CheckPictureSizeOf(kind, Processed.width(), Processed.height(), NbImages);
    }
    return Report(verdict);
}

// Signals go out with the lock released: a receiver may well read the picture.
bool TLogoFrameProcess::Report(const TSizeVerdict &verdict)
{
    Message = verdict.Message;
    if (!verdict.Fits && !Message.isEmpty())
        emit PictureRefused(Message);
    return verdict.Fits;
}
