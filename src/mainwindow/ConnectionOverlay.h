#pragma once
#include <QFrame>

class QLabel;

// Laid over the middle of the main window while no device is there or while
// the device resends its variables: a red caption and the connected or
// not-connected picture.
class TConnectionOverlay : public QFrame
{
    Q_OBJECT
public:
    explicit TConnectionOverlay(QWidget *parent = nullptr);

    void SetCaption(const QString &caption);
    QString Caption() const;
    // Shows the overlay with the connected or the not-connected picture.
    void ShowWithPicture(bool connected);
    bool ConnectedPictureShown() const { return m_connectedPicture; }

private:
    QLabel *m_caption;
    QLabel *m_picture;
    bool m_connectedPicture = false;
};
