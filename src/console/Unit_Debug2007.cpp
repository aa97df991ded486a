#include "Unit_Debug2007.h"

TForm_Debug2007::TForm_Debug2007(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form_Debug2007"));
    setWindowTitle(QStringLiteral("Debug2007"));
    resize(480, 360);
}
