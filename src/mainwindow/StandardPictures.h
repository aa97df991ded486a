#pragma once
#include <QHash>
#include <QPixmap>
#include <QStyle>

class QWidget;

// The style's standard pictures at one size, each drawn once for the widget
// that shows them. A picture drawn anew each time it is shown is a new entry
// in Qt's pixmap cache every time, and that cache only lets go once it holds
// megabytes: a status shown four times a second, or on every reconnection,
// would grow the application for hours.
class TStandardPictures
{
public:
    TStandardPictures(const QWidget *owner, int size) : m_owner(owner), m_size(size) {}

    const QPixmap &Picture(QStyle::StandardPixmap which);

private:
    const QWidget *m_owner;
    int m_size;
    QHash<int, QPixmap> m_drawn;
};
