#pragma once
#include "CadrageGeometry.h"

#include <vector>

// The frames of the zoom framing control's transition: the outline travels in
// twelve equal steps from the zoom rectangle to the image rectangle (zoom
// switched off) or back (zoom switched on).
constexpr int CadrageTransitionSteps = 12;

std::vector<TCadrageBox> CadrageTransitionFrames(const TCadrageBox &image, const TCadrageBox &zoom,
                                                 bool towardsZoom);
