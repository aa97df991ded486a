#pragma once
#include "StandardPictures.h"

#include <QFrame>

class QLabel;
class QProgressBar;

// The strip over the main window that reports a long device operation: its
// caption, a picture of its kind, a small label (percent or seconds left) and
// a progress bar.
class TOperationPanel : public QFrame
{
    Q_OBJECT
public:
    enum TPicture { ProgressPicture, StandbyPicture, SavePicture };

    explicit TOperationPanel(QWidget *parent = nullptr);

    void ShowOperation(TPicture picture, const QString &smallText);
    void SetCaption(const QString &caption);
    QString Caption() const;
    QString SmallText() const;
    TPicture Picture() const { return m_picture; }
    QProgressBar *ProgressBar() const { return m_progress; }

private:
    QLabel *m_caption;
    QLabel *m_pictureLabel;
    QLabel *m_small;
    QProgressBar *m_progress;
    TPicture m_picture = ProgressPicture;
    TStandardPictures m_pictures{this, 32};
};

// The release notice over the main window; its "Ok" button hides it.
class TUpdatePanel : public QFrame
{
    Q_OBJECT
public:
    explicit TUpdatePanel(QWidget *parent = nullptr);

    void ShowNotice(const QString &text);
    QString Notice() const;
    void PressOk() { hide(); }

private:
    QLabel *m_text;
};
