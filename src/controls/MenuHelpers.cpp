#include "MenuHelpers.h"

#include <QMenu>

QString StripAccelerators(const QString &caption)
{
    QString text;
    text.reserve(caption.size());
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
                text += caption[++i];
            continue;
        }
        text += caption[i];
    }
    return text;
}

void PopupBelow(QMenu *menu, const QWidget *field)
{
    menu->popup(field->mapToGlobal(QPoint(0, field->height())));
}
