#include "ScreenPlacement.h"

#include <algorithm>

namespace ScreenPlacement {

namespace {
// Enough of the top edge to take the window by its title bar.
constexpr int GripWidth = 100;
constexpr int GripHeight = 30;

bool Reachable(const QRect &window, const QRect &screen)
{
    const QRect top(window.left(), window.top(), window.width(), std::min(GripHeight, window.height()));
    const QRect seen = top.intersected(screen);
    return seen.width() >= std::min(GripWidth, window.width()) && seen.height() >= top.height();
}
} // namespace

QRect KeptOnScreen(const QRect &window, const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return window;
    for (const QRect &screen : screens)
        if (Reachable(window, screen))
            return window;
    const QRect &screen = screens.first();
    QRect placed(window.topLeft(), window.size().boundedTo(screen.size()));
    placed.moveLeft(std::clamp(placed.left(), screen.left(), screen.right() - placed.width() + 1));
    placed.moveTop(std::clamp(placed.top(), screen.top(), screen.bottom() - placed.height() + 1));
    return placed;
}

} // namespace ScreenPlacement
