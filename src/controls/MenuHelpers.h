#pragma once
#include <QString>

class QMenu;
class QWidget;

// A caption as a menu shows it: single "&" marks removed, "&&" kept as "&".
QString StripAccelerators(const QString &caption);

// Opens a menu just below a field, left edges aligned.
void PopupBelow(QMenu *menu, const QWidget *field);
