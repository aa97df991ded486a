#pragma once
#include <QPixmap>

// The artwork of the audio controls, drawn rather than stored.
namespace AudioArtwork {
// A 16 x 16 picture of the indicator, 42 to 46.
QPixmap IndicatorPicture(int picture);
// The audio page's 32 x 32 picture in the page strip: a loudspeaker, crossed
// out when muted.
QPixmap PagePicture(bool muted);
} // namespace AudioArtwork
