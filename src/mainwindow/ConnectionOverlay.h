#pragma once
#include "StandardPictures.h"

#include <QFrame>

class QLabel;
class QProgressBar;

// Laid over the middle of the main window while no device is there or while
// the device resends its variables: a red caption, the connected or
// not-connected picture and, during the resend, how far it is.
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
    // The bar under the caption: values received of the values expected.
    void SetResendProgress(int received, int expected);
    QProgressBar *ResendBar() const { return m_resendBar; }

private:
    QLabel *m_caption;
    QLabel *m_picture;
    QProgressBar *m_resendBar;
    bool m_connectedPicture = false;
    TStandardPictures m_pictures{this, 48};
};
