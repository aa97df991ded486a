#pragma once
#include <QImage>

class SimDevice;
struct SimStoredPicture;
class SimPictureMemories;

// The logos page's work on the device's side: recording a logo or a frame
// from the live picture, erasing memories, and telling a stored picture's
// size. Memories 1 and 2 are the still logos 1 and 2, memory 3 the frame.
namespace SimCapture {

// The memory a page number names, or null.
SimStoredPicture *MemoryOf(SimPictureMemories &pictures, int memory);

// PEXECUTE has run: carries out the action of PMODE (1 records a logo into
// PCAPTURE_INDEX, 2 the animated logo, 3 the frame, 4 erases PCAPTURE_INDEX,
// 5 erases the frame) and reports PVALID.
void Execute(SimDevice &device);

// PSTATUS_INDEX was written: reports that memory's PSTATUS_WIDTH and
// PSTATUS_HEIGHT (0 and 0 while it is empty).
void ReportSize(SimDevice &device);

// What the simulated camera sees: a picture of that size, 24-bit.
QImage LivePicture(int width, int height);

} // namespace SimCapture
