#pragma once
#include "LoaderDestinations.h"
#include "transfer/LogoFrameProcess.h"
#include "transfer/PictureWriter.h"

#include <QColor>
#include <QDialog>
#include <QImage>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class TComDriver;
class TImageHistory;
class TLogoFormProgress;
class TThreadFrame;
class TThreadFrameRaw;
class TThreadFrameReceive;

// "Logos & Frames Loader": the operator loads a picture file (or a thumbnail
// of a recent one), adjusts its luma key and key colour, chooses a
// destination in the device and sends the picture there, or reads a stored
// one back, following the transfer in a progress window.
//
// The window owns the converter and both transfer threads. The threads
// report progress from their own thread; the window takes it over by queued
// calls and a 150 ms look, and never blocks while a thread may be calling
// onto the link, whose thread is this one.
class TLogoFrameLoad : public QDialog
{
    Q_OBJECT
public:
    enum TLoadedKind { lkNone, lkStill, lkAnimated };

    static constexpr int WatchIntervalMs = 150;
    static constexpr int LevelDelayMs = 100;

    explicit TLogoFrameLoad(QWidget *parent = nullptr);
    ~TLogoFrameLoad() override;

    // ------------------------------------------------ configuration by the owner
    void SetDRIVER(TComDriver *driver);
    // Raised on the link's thread when a transfer starts: the owner makes
    // the device enter transfer mode there and then.
    void SetTransfertModeEvent(std::function<void()> event) { m_transferModeEvent = std::move(event); }
    void SetLumaKeyCodes(int blackCode, int whiteCode, int maximumLevel, int minimumLevel);
    void SetDestinations(int stillLogos, int animatedLogos, bool interlaced, bool inverted, int frames);
    void SetHistoryFile(const QString &path);
    // The stored marks of the destinations, from the device's PVALID.
    void SetStoredMarks(uint16_t valid);
    // The pause the threads leave the device after a speed change.
    void SetSettleDelayMs(int ms);

    uint8_t LLEVEL() const { return m_level; }
    void SetLLEVEL(uint8_t level);
    uint8_t LLUMTYPE() const { return m_lumType; }
    void SetLLUMTYPE(uint8_t type);
    QColor LumaKeyColor() const { return m_keyColor; }
    void SetLumaKeyColor(const QColor &color);

    // The operator chose a level or a type (or an animation set the level):
    // the owner passes LLEVEL / LLUMTYPE on to the device.
    std::function<void()> OnLLEVELEvent;
    std::function<void()> OnLLUMTYPEEvent;

    // ------------------------------------------------ operator actions
    // "&Load...": the file dialog, then LoadPicture.
    void ChooseAndLoad();
    // Loads a picture; one from the file dialog joins the thumbnails.
    void LoadPicture(const QString &path, bool fromThumbnail);
    // "&Save...": the file dialog, then SaveDisplayed.
    void ChooseAndSave();
    // Writes the displayed picture; returns whether it was written.
    bool SaveDisplayed(const QString &path, TPictureFormat format);
    void TransferToDevice();
    void RetrieveFromDevice();
    // A destination chosen in the list, as the operator does.
    void ChooseDestination(int index);
    // The level typed into the number field followed by Enter.
    void EnterLevel(const QString &text);

    // ------------------------------------------------ state
    TLoadedKind LoadedKind() const { return m_loaded; }
    QString CurrentPath() const { return m_path; }
    QString StatusText() const;
    QString ElapsedText() const;
    bool TransferActive() const { return m_watch.isActive(); }
    QImage DisplayedPicture() const { return m_displayed; }
    int DestinationIndex() const;
    const TLoaderDestinations &Destinations() const { return m_destinations; }

    TLogoFrameProcess &Converter() { return m_converter; }
    TThreadFrameRaw &Sender() { return *m_sender; }
    TThreadFrameReceive &Receiver() { return *m_receiver; }
    TLogoFormProgress *ProgressWindow() const { return m_progress; }
    TImageHistory *History() const { return m_history; }

    // "Time elapsed  " followed by mm:ss.
    static QString ElapsedCaption(int seconds);
    static QString NoLinkMessage();
    static QString CloseQuestion();

    // The timers' steps, public so that tests can take them one at a time.
    void WatchTick();
    void ElapsedTick();

public slots:
    // Closing while a transfer runs asks first; Yes aborts it and closes
    // once the link is back.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void BuildWindow();
    QWidget *BuildButtons();
    QWidget *BuildLumaGroups();
    QWidget *BuildTimeouts();
    void FillDestinationList();
    void SelectDestination(int index);
    void UpdateTransferButtons();
    void SetLoadedNone();
    void ShowPicture(const QImage &picture);
    // The display plays an animation from its strip, frame by frame with
    // each frame's own delay.
    void StartAnimation();
    void ShowNextFrame();
    void Rekey();
    void ShowLevel();
    void ApplyPendingLevel();
    void OnSliderAction();
    void OnAnimationLevel();
    void ChooseColor();
    void ChooseType(uint8_t type);
    void ApplyTimeout(QLineEdit *entry, QLineEdit *inForce, const std::function<void(int)> &set,
                      const std::function<int()> &get);
    bool StartTransfer(TThreadFrame &thread, uint8_t flags, uint8_t number);
    void ImportDownload();
    void ReturnToIdle(const QString &status);
    void SetStatus(const QString &status);
    void AbortAndWait();
    void PostProgress();

    TLogoFrameProcess m_converter;
    // A download arrives here and replaces the loaded picture only once it
    // went through whole.
    TLogoFrameProcess m_download;
    std::unique_ptr<TThreadFrameRaw> m_sender;
    std::unique_ptr<TThreadFrameReceive> m_receiver;
    TThreadFrame *m_current = nullptr;
    TComDriver *m_driver = nullptr;
    std::function<void()> m_transferModeEvent;

    TLoaderDestinations m_destinations;
    bool m_interlaced = true;
    TLoadedKind m_loaded = lkNone;
    QString m_path;
    QString m_lastFolder;
    QImage m_displayed;
    uint8_t m_level = 0;
    uint8_t m_pendingLevel = 0;
    uint8_t m_lumType = 0;
    int m_blackCode = 0;
    int m_whiteCode = 1;
    QColor m_keyColor = Qt::black;
    int m_elapsedSeconds = 0;
    QString m_historyWarning;

    std::atomic<int> m_writePercent{0};
    std::atomic<int> m_erasePercent{0};
    std::atomic<bool> m_progressPosted{false};

    QTimer m_watch;
    QTimer m_elapsed;
    QTimer m_levelDelay;
    QTimer m_animation;
    QImage m_strip;
    int m_stripFrame = 0;

    QWidget *m_controls = nullptr;
    QLabel *m_display = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_elapsedLabel = nullptr;
    QPushButton *m_load = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_transfer = nullptr;
    QPushButton *m_retrieve = nullptr;
    QLabel *m_colorPanel = nullptr;
    QPushButton *m_colorButton = nullptr;
    QSlider *m_slider = nullptr;
    QLineEdit *m_levelEdit = nullptr;
    QRadioButton *m_black = nullptr;
    QRadioButton *m_white = nullptr;
    QComboBox *m_destination = nullptr;
    TImageHistory *m_history = nullptr;
    TLogoFormProgress *m_progress = nullptr;
};
