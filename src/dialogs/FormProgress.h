#pragma once
#include <QDialog>

class QProgressBar;
class QPushButton;

// "Transfer in progress ...": the write and erase progress of a transfer,
// and "Abort", which only raises a flag: the loader reads it on its next look
// and stops the transfer itself. The window has no title-bar buttons and
// does not close by itself.
class TLogoFormProgress : public QDialog
{
    Q_OBJECT
public:
    explicit TLogoFormProgress(QWidget *parent = nullptr);

    void SetWriteProgress(int percent);
    void SetEraseProgress(int percent);
    int WriteProgress() const;
    int EraseProgress() const;

    // Whether "Abort" was pressed since the last look; looking clears it.
    bool TakeAborted();
    QPushButton *AbortButton() const { return m_abort; }

public slots:
    // Escape asks for the abort, as the button does; the window stays.
    void reject() override;

private:
    QProgressBar *m_write;
    QProgressBar *m_erase;
    QPushButton *m_abort;
    bool m_aborted = false;
};
