#pragma once
#include <QPalette>
#include <QWidget>

// The colour a field's text is written on, as the pages set it.
inline QColor BaseColour(const QWidget *field)
{
    return field->palette().color(QPalette::Base);
}

inline void SetBaseColour(QWidget *field, const QColor &colour)
{
    QPalette colours = field->palette();
    colours.setColor(QPalette::Base, colour);
    field->setPalette(colours);
}
