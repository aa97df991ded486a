#pragma once
#include "transfer/PictureBlock.h"

#include <QImage>
#include <cstdint>

// Where the next pixel of a transfer comes from. Rows go top to bottom and
// pixels left to right; an interlaced transfer makes two passes, the first
// over the rows at even positions within each frame, the second over those at
// odd positions, so both ends must walk the strip frame by frame.
class TPictureCursor
{
public:
    TPictureCursor() = default;
    TPictureCursor(int width, int height, int frameHeight, bool interlaced);

    // pass 0 or 1; the second pass of an interlaced transfer starts at row 1.
    void StartPass(int pass);
    bool AtEnd() const { return Row >= Height || Width <= 0; }
    int Column() const { return Col; }
    int CurrentRow() const { return Row; }

    // Moves one pixel on; true when that left a frame (a block ends there).
    bool Advance();

private:
    int Width = 0;
    int Height = 0;
    int FrameHeight = 1;
    bool Interlaced = false;
    int Pass = 0;
    int Col = 0;
    int Row = 0;
};

// Reads the next block from the cursor: up to 32 pixels, never past the end
// of a frame or of the picture.
TPictureBlock ReadBlock(const QImage &picture, TPictureCursor &cursor);

// Writes a received block at the cursor, stopping at the picture's end.
// Returns the number of pixels written.
int WriteBlock(QImage &picture, TPictureCursor &cursor, const TPictureBlock &block);
