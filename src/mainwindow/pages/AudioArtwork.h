#pragma once
#include "AudioIndicator.h"

#include <QPixmap>
#include <array>

// The artwork of the audio controls, drawn rather than stored.
namespace AudioArtwork {
// A 16 x 16 picture of the indicator, 42 to 46.
QPixmap IndicatorPicture(int picture);
// The audio page's 32 x 32 picture in the page strip: a loudspeaker, crossed
// out when muted.
QPixmap PagePicture(bool muted);

// Every picture above, drawn once, for the controls that show them again and
// again. A button's icon is cached by the key of its pixmap: a pixmap drawn
// anew for each tick or report is a new entry in Qt's pixmap cache every
// time, and the cache only lets go once it holds megabytes.
class TPictures
{
public:
    TPictures();

    const QPixmap &Indicator(int picture) const;
    const QPixmap &Page(bool muted) const { return m_page[muted ? 1 : 0]; }

private:
    std::array<QPixmap, TAudioIndicator::LoudestPicture - TAudioIndicator::MutedPicture + 1> m_indicator;
    std::array<QPixmap, 2> m_page;
};
} // namespace AudioArtwork
