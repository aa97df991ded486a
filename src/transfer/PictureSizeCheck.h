#pragma once
#include <QString>

// Whether a processed picture of the given geometry fits a destination kind.
// A refusal carries the message the operator sees, or no message when the
// picture is empty or the kind unknown.
struct TSizeVerdict
{
    bool Fits = false;
    QString Message;
};

TSizeVerdict CheckPictureSizeOf(int kind, int width, int height, int frameCount);
