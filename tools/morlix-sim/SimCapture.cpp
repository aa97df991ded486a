#include "SimCapture.h"

#include "SimDevice.h"
#include "variables/VariableTable.h"

#include <algorithm>

namespace SimCapture {

namespace {

constexpr int RecordLogo = 1;
constexpr int RecordAnimatedLogo = 2;
constexpr int RecordFrame = 3;
constexpr int EraseMemory = 4;
constexpr int EraseFrame = 5;
constexpr int FrameMemory = 3;

bool Fits(int width, int height, int64_t maxBlocks)
{
    const int64_t bytes = int64_t(width) * height * 3;
    return width > 0 && height > 0 && (bytes + PictureLimits::BlockBytes - 1) / PictureLimits::BlockBytes <= maxBlocks;
}

void Record(SimStoredPicture *memory, int width, int height, int64_t maxBlocks)
{
    // A rectangle the memory cannot hold records nothing, as on the device.
    if (!memory || !Fits(width, height, maxBlocks))
        return;
    *memory = {LivePicture(width, height), height, 1, 0};
}

} // namespace

SimStoredPicture *MemoryOf(SimPictureMemories &pictures, int memory)
{
    switch (memory) {
    case 1:
    case 2: return pictures.Memory(PictureLimits::KindStillLogo, memory);
    case FrameMemory: return pictures.Memory(PictureLimits::KindFrame, 1);
    default: return nullptr;
    }
}

QImage LivePicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar *line = picture.scanLine(y);
        for (int x = 0; x < width; ++x) {
            line[3 * x] = uchar(x * 255 / std::max(1, width - 1));
            line[3 * x + 1] = uchar(y * 255 / std::max(1, height - 1));
            line[3 * x + 2] = uchar(((x / 16 + y / 16) % 2) * 255);
        }
    }
    return picture;
}

void Execute(SimDevice &device)
{
    const SimDeviceState &state = device.State();
    SimPictureMemories &pictures = device.Pictures();
    const int width = state.Value(PCAPTURE_WIDTH);
    const int height = state.Value(PCAPTURE_HEIGHT);
    switch (state.Value(PMODE)) {
    case RecordLogo:
        Record(MemoryOf(pictures, state.Value(PCAPTURE_INDEX)), width, height,
               state.Value(PCAPTURE_INDEX) == FrameMemory ? PictureLimits::MaxFrameBlocks
                                                          : PictureLimits::MaxStillLogoBlocks);
        break;
    case RecordAnimatedLogo:
        Record(pictures.Memory(PictureLimits::KindAnimatedLogo, PictureLimits::AnimatedLogoNumber), width, height,
               PictureLimits::MaxStillLogoBlocks);
        break;
    case RecordFrame:
        Record(MemoryOf(pictures, FrameMemory), width, height, PictureLimits::MaxFrameBlocks);
        break;
    case EraseMemory:
        if (SimStoredPicture *memory = MemoryOf(pictures, state.Value(PCAPTURE_INDEX)))
            *memory = {};
        break;
    case EraseFrame:
        *MemoryOf(pictures, FrameMemory) = {};
        break;
    default:
        return;
    }
    device.Write(PVALID, -1, pictures.ValidBits(state.Value(PVALID)));
}

void ReportSize(SimDevice &device)
{
    const SimStoredPicture *memory = MemoryOf(device.Pictures(), device.State().Value(PSTATUS_INDEX));
    const bool stored = memory && !memory->IsEmpty();
    device.Write(PSTATUS_WIDTH, -1, stored ? uint32_t(memory->Picture.width()) : 0);
    device.Write(PSTATUS_HEIGHT, -1, stored ? uint32_t(memory->FrameHeight) : 0);
}

} // namespace SimCapture
