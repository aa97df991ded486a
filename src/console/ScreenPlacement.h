#pragma once
#include <QList>
#include <QRect>

namespace ScreenPlacement {

// A window rectangle restored from a file, moved and shrunk as little as
// needed for its top edge to be on one of the screens (their available
// areas): a window saved on a screen that is gone must not open out of reach.
QRect KeptOnScreen(const QRect &window, const QList<QRect> &screens);

} // namespace ScreenPlacement
