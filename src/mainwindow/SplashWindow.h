#pragma once
#include <QWidget>

class QProgressBar;

// Shown while the program builds its windows: a picture and a bar that
// advances one step per window.
class TForm_PageAccueil : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Steps = 19;

    explicit TForm_PageAccueil(QWidget *parent = nullptr);

    void Step();
    void Finish();
    int Position() const;

private:
    QProgressBar *m_bar;
};
