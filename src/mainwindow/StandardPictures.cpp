#include "StandardPictures.h"

#include <QWidget>

const QPixmap &TStandardPictures::Picture(QStyle::StandardPixmap which)
{
    auto found = m_drawn.find(int(which));
    if (found == m_drawn.end())
        found = m_drawn.insert(int(which), m_owner->style()->standardIcon(which).pixmap(m_size, m_size));
    return *found;
}
