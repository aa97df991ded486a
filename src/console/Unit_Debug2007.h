#pragma once
#include <QWidget>

class TComDriverMorlix;

// The service console: raw commands and register access for service staff.
// Opened by Ctrl+Insert after the pointer went over the status bar.
class TForm_Debug2007 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm_Debug2007(QWidget *parent = nullptr);

    void SetDriver(TComDriverMorlix *driver) { m_driver = driver; }

private:
    TComDriverMorlix *m_driver = nullptr;
};
