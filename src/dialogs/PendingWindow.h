#pragma once
#include <QDialog>

// Stands in for a window this version does not provide yet, so that its menu
// command answers instead of doing nothing.
class TPendingWindow : public QDialog
{
    Q_OBJECT
public:
    TPendingWindow(const QString &title, QWidget *parent = nullptr);
};
