#pragma once
// What the operator does with the controls of the windows.
#include "controls/SmallCombo.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

// Replaces the text of an edit by typing, as the operator does.
inline void TypeInto(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Drops the list down and picks the entry at the position (nothing happens
// when the entry is disabled).
inline void ChooseEntry(TSmallCombo *selector, int position)
{
    selector->SetDroppedDown(true);
    selector->EntryMenu()->actions().at(position)->trigger();
    selector->SetDroppedDown(false);
}
