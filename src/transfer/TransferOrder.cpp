#include "transfer/TransferOrder.h"

#include <algorithm>

TPictureCursor::TPictureCursor(int width, int height, int frameHeight, bool interlaced)
    : Width(width), Height(height), FrameHeight(std::max(1, frameHeight)), Interlaced(interlaced)
{
}

void TPictureCursor::StartPass(int pass)
{
    Pass = pass;
    Col = 0;
    Row = Interlaced && pass == 1 ? 1 : 0;
    // Frames one row high have no odd rows: the second pass has nothing.
    if (Interlaced && pass == 1 && FrameHeight < 2)
        Row = Height;
}

bool TPictureCursor::Advance()
{
    if (++Col < Width)
        return false;
    Col = 0;
    const int frameBefore = Row / FrameHeight;
    Row += Interlaced ? 2 : 1;
    if (Row / FrameHeight == frameBefore)
        return false;
    // With an odd frame height the step of two lands on the wrong parity in
    // the next frame: move back onto the row of this pass's parity there.
    if (Interlaced && FrameHeight % 2 == 1)
        Row += Pass == 0 ? -1 : 1;
    return true;
}

TPictureBlock ReadBlock(const QImage &picture, TPictureCursor &cursor)
{
    TPictureBlock block;
    while (block.Count < TPictureBlock::MaxPixels && !cursor.AtEnd()) {
        // A picture replaced by a smaller one under the cursor ends the pass.
        if (cursor.Column() >= picture.width() || cursor.CurrentRow() >= picture.height())
            break;
        block.Colors[size_t(block.Count++)] = picture.pixel(cursor.Column(), cursor.CurrentRow());
        if (cursor.Advance())
            break;
    }
    return block;
}

int WriteBlock(QImage &picture, TPictureCursor &cursor, const TPictureBlock &block)
{
    int written = 0;
    while (written < block.Count && !cursor.AtEnd()) {
        if (cursor.Column() < picture.width() && cursor.CurrentRow() < picture.height())
            picture.setPixel(cursor.Column(), cursor.CurrentRow(), block.Colors[size_t(written)]);
        ++written;
        cursor.Advance();
    }
    return written;
}
