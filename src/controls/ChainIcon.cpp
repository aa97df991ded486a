#include "ChainIcon.h"

#include <QPainter>
#include <QPixmap>

QIcon ChainIcon()
{
    QPixmap pixmap(18, 18);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(70, 70, 70), 2));
    painter.drawRoundedRect(QRectF(2, 6, 8, 6), 3, 3);
    painter.drawRoundedRect(QRectF(8, 6, 8, 6), 3, 3);
    return QIcon(pixmap);
}
