#include "CadrageTransition.h"

#include "PixelRounding.h"

std::vector<TCadrageBox> CadrageTransitionFrames(const TCadrageBox &image, const TCadrageBox &zoom,
                                                 bool towardsZoom)
{
    const int dl = RoundHalfEven((zoom.left - image.left) / double(CadrageTransitionSteps));
    const int dt = RoundHalfEven((zoom.top - image.top) / double(CadrageTransitionSteps));
    const int dr = RoundHalfEven((image.right() - zoom.right()) / double(CadrageTransitionSteps));
    const int db = RoundHalfEven((image.bottom() - zoom.bottom()) / double(CadrageTransitionSteps));
    // Growing from the zoom towards the image; shrinking the other way.
    const int sign = towardsZoom ? -1 : 1;
    const TCadrageBox &first = towardsZoom ? image : zoom;
    int left = first.left, top = first.top, right = first.right(), bottom = first.bottom();

    std::vector<TCadrageBox> frames;
    for (int i = 0; i <= CadrageTransitionSteps; ++i) {
        frames.push_back({left, top, right - left, bottom - top});
        left -= sign * dl;
        top -= sign * dt;
        right += sign * dr;
        bottom += sign * db;
    }
    return frames;
}
