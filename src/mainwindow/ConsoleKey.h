#pragma once
#include <QObject>
#include <functional>

class QWidget;

// Ctrl+Insert anywhere in a window, text fields included: they take the key
// for Copy before any shortcut sees it. While the key is armed it goes to
// the service console and nowhere else; while it is not, text fields keep it.
class TConsoleKey : public QObject
{
    Q_OBJECT
public:
    TConsoleKey(QWidget *window, std::function<bool()> armed, std::function<void()> pressed);
    ~TConsoleKey() override;

    static bool IsConsoleKey(const QEvent *event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    std::function<bool()> m_armed;
    std::function<void()> m_pressed;
};
