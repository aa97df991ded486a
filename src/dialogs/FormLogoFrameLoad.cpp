#include "FormLogoFrameLoad.h"

#include "FormProgress.h"
#include "HistoryImage.h"
#include "OperatorPrompt.h"
#include "link/ComDriver.h"
#include "transfer/PictureConvertCommand.h"
#include "transfer/PictureFile.h"
#include "transfer/PictureLimits.h"
#include "transfer/ThreadFrameRaw.h"
#include "transfer/ThreadFrameReceive.h"
#include "transfer/TransferRecords.h"

#include <QColorDialog>
#include <QComboBox>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStandardItemModel>
#include <QStandardPaths>

namespace {

constexpr int ElapsedIntervalMs = 1000;
constexpr int MaxTimeoutMs = 3600 * 1000;
// What browsers show for a GIF frame without a usable delay.
constexpr int DefaultFrameDelayMs = 100;
constexpr int ShortestFrameDelayMs = 20;

const QString IdleStatus = QStringLiteral("Idle");
const QString UpdatingStatus = QStringLiteral("Updating...");
const QString TransferringStatus = QStringLiteral("Transfer in progress...");
const QString CompletedStatus = QStringLiteral("Transfer completed.");

const QString OpenFilter = QStringLiteral(
    "All (*.gif *.GIF *.jpg *.JPG *.jpeg *.JPEG *.bmp *.BMP *.ico *.ICO)");
const QString BitmapFilter = QStringLiteral("Bitmaps (*.bmp *.BMP)");
const QString JpegFilter = QStringLiteral("JPEG (*.jpg *.JPG *.jpeg *.JPEG)");

} // namespace

TLogoFrameLoad::TLogoFrameLoad(QWidget *parent)
    : QDialog(parent), m_sender(std::make_unique<TThreadFrameRaw>()),
      m_receiver(std::make_unique<TThreadFrameReceive>())
{
    setObjectName(QStringLiteral("LogoFrameLoad"));
    setWindowTitle(QStringLiteral("Logos & Frames Loader"));
    m_lastFolder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);

    m_sender->SetPicture(&m_converter);
    m_receiver->SetPicture(&m_download);
    for (TThreadFrame *thread : {static_cast<TThreadFrame *>(m_sender.get()),
                                 static_cast<TThreadFrame *>(m_receiver.get())}) {
        thread->SetTransferModeCallback([this] {
            if (m_transferModeEvent)
                m_transferModeEvent();
        });
        thread->SetWriteProgressCallback([this](int percent) {
            m_writePercent = percent;
            PostProgress();
        });
        thread->SetEraseProgressCallback([this](int percent) {
            m_erasePercent = percent;
            PostProgress();
        });
    }

    m_progress = new TLogoFormProgress(this);
    m_watch.setInterval(WatchIntervalMs);
    connect(&m_watch, &QTimer::timeout, this, &TLogoFrameLoad::WatchTick);
    m_elapsed.setInterval(ElapsedIntervalMs);
    connect(&m_elapsed, &QTimer::timeout, this, &TLogoFrameLoad::ElapsedTick);
    m_levelDelay.setSingleShot(true);
    m_levelDelay.setInterval(LevelDelayMs);
    connect(&m_levelDelay, &QTimer::timeout, this, &TLogoFrameLoad::ApplyPendingLevel);
    m_animation.setSingleShot(true);
    connect(&m_animation, &QTimer::timeout, this, &TLogoFrameLoad::ShowNextFrame);
    connect(&m_converter, &TLogoFrameProcess::OnLLEVELEvent, this, &TLogoFrameLoad::OnAnimationLevel);
    connect(&m_converter, &TLogoFrameProcess::PictureRefused, this,
            [this](const QString &message) { TOperatorPrompt::Inform(this, message, TOperatorPrompt::Error); });

    BuildWindow();
    SetDestinations(PictureLimits::StillLogoCount, 1, true, true, 1);
    SetLumaKeyColor(m_keyColor);
    m_elapsedLabel->setText(ElapsedCaption(0));
    ReturnToIdle(IdleStatus);
}

TLogoFrameLoad::~TLogoFrameLoad()
{
    m_watch.stop();
    // Each thread gives the link back before it goes; meanwhile its last
    // progress calls may still reach the window, whose widgets still exist.
    m_sender.reset();
    m_receiver.reset();
}

void TLogoFrameLoad::ApplyTimeout(QLineEdit *entry, QLineEdit *inForce, const std::function<void(int)> &set,
                                  const std::function<int()> &get)
{
    bool ok = false;
    const int ms = entry->text().trimmed().toInt(&ok);
    if (ok && ms >= 1 && ms <= MaxTimeoutMs)
        set(ms);
    entry->setText(QString::number(get()));
    inForce->setText(QString::number(get()));
}

void TLogoFrameLoad::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!TransferActive())
        SetStatus(IdleStatus);
    if (!m_historyWarning.isEmpty()) {
        const QString warning = m_historyWarning;
        m_historyWarning.clear();
        QTimer::singleShot(0, this, [this, warning] { TOperatorPrompt::Inform(this, warning, TOperatorPrompt::Warning); });
    }
}

void TLogoFrameLoad::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    ShowPicture(m_displayed);
}

// ------------------------------------------------------------ configuration

void TLogoFrameLoad::SetDRIVER(TComDriver *driver)
{
    m_driver = driver;
    m_sender->SetDriver(driver);
    m_receiver->SetDriver(driver);
    m_sender->Reset();
    m_receiver->Reset();
}

void TLogoFrameLoad::SetSettleDelayMs(int ms)
{
    m_sender->SetSettleDelayMs(ms);
    m_receiver->SetSettleDelayMs(ms);
}

void TLogoFrameLoad::SetLumaKeyCodes(int blackCode, int whiteCode, int maximumLevel, int minimumLevel)
{
    m_blackCode = blackCode;
    m_whiteCode = whiteCode;
    const QSignalBlocker blocker(m_slider);
    m_slider->setRange(std::clamp(minimumLevel, 0, 255), std::clamp(maximumLevel, 0, 255));
    ShowLevel();
}

void TLogoFrameLoad::SetDestinations(int stillLogos, int animatedLogos, bool interlaced, bool inverted, int frames)
{
    m_interlaced = interlaced;
    m_destinations.Build(stillLogos, animatedLogos, inverted, frames);
    FillDestinationList();
    SelectDestination(0);
}

void TLogoFrameLoad::SetHistoryFile(const QString &path)
{
    m_historyWarning = m_history->Open(path);
}

void TLogoFrameLoad::SetStoredMarks(uint16_t valid)
{
    if (m_destinations.ApplyValid(valid)) {
        for (int i = 0; i < m_destinations.Count(); ++i) {
            if (m_destinations.At(i).Role != TLoaderDestinations::drSeparator)
                m_destination->setItemText(i, m_destinations.Caption(i));
        }
    }
}

void TLogoFrameLoad::FillDestinationList()
{
    const QSignalBlocker blocker(m_destination);
    m_destination->clear();
    for (int i = 0; i < m_destinations.Count(); ++i) {
        if (m_destinations.At(i).Role == TLoaderDestinations::drSeparator)
            m_destination->insertSeparator(i);
        else
            m_destination->addItem(m_destinations.Caption(i));
    }
}

void TLogoFrameLoad::SetLLEVEL(uint8_t level)
{
    m_level = level;
    m_converter.SetLLEVEL(level);
    ShowLevel();
    Rekey();
}

void TLogoFrameLoad::SetLLUMTYPE(uint8_t type)
{
    m_lumType = type;
    const bool black = type == m_blackCode;
    m_converter.SetLLUMTYPE(black ? plBLACK : plWHITE);
    (black ? m_black : m_white)->setChecked(true);
    Rekey();
}

void TLogoFrameLoad::SetLumaKeyColor(const QColor &color)
{
    m_keyColor = color;
    m_converter.SetLumaKeyColor(color.rgb());
    QPalette palette = m_colorPanel->palette();
    palette.setColor(QPalette::Window, color);
    m_colorPanel->setPalette(palette);
    Rekey();
}

// ------------------------------------------------------------ luma key

void TLogoFrameLoad::ShowLevel()
{
    // A slider the operator holds, or one that is disabled, stays where it is.
    if (!m_slider->isSliderDown() && m_slider->isEnabled()) {
        const QSignalBlocker blocker(m_slider);
        m_slider->setValue(m_level);
    }
    m_levelEdit->setText(QString::number(m_level));
}

void TLogoFrameLoad::Rekey()
{
    // The picture a transfer is reading is never changed under it.
    if (m_loaded != lkStill || TransferActive())
        return;
    m_converter.ApplyLumaKey();
    ShowPicture(m_converter.Preview());
}

void TLogoFrameLoad::OnSliderAction()
{
    const int position = m_slider->sliderPosition();
    if (position == m_level && !m_levelDelay.isActive())
        return;
    m_pendingLevel = uint8_t(position);
    m_levelDelay.start();
}

void TLogoFrameLoad::EnterLevel(const QString &text)
{
    bool ok = false;
    const int level = text.trimmed().toInt(&ok);
    m_pendingLevel = ok && level >= m_slider->minimum() && level <= m_slider->maximum() ? uint8_t(level) : m_level;
    m_levelDelay.start();
}

void TLogoFrameLoad::ApplyPendingLevel()
{
    m_levelDelay.stop();
    SetLLEVEL(m_pendingLevel);
    if (OnLLEVELEvent)
        OnLLEVELEvent();
}

void TLogoFrameLoad::OnAnimationLevel()
{
    m_level = m_converter.LLEVEL();
    ShowLevel();
    if (OnLLEVELEvent)
        OnLLEVELEvent();
}

void TLogoFrameLoad::ChooseType(uint8_t type)
{
    SetLLUMTYPE(type);
    if (OnLLUMTYPEEvent)
        OnLLUMTYPEEvent();
}

void TLogoFrameLoad::ChooseColor()
{
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Qt::white);
    const QColor color = QColorDialog::getColor(m_keyColor, this, QStringLiteral("BackGround Color"));
    if (color.isValid())
        SetLumaKeyColor(color);
}

// ------------------------------------------------------------ pictures

void TLogoFrameLoad::ShowPicture(const QImage &picture)
{
    m_displayed = picture;
    if (picture.isNull()) {
        m_display->clear();
        return;
    }
    const QSize room = m_display->contentsRect().size();
    m_display->setPixmap(QPixmap::fromImage(
        picture.scaled(room.expandedTo(QSize(1, 1)), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TLogoFrameLoad::StartAnimation()
{
    m_strip = m_converter.BmpProcessed();
    m_stripFrame = -1;
    ShowNextFrame();
}

void TLogoFrameLoad::ShowNextFrame()
{
    const int frames = std::max(1, m_converter.GIFNbImages());
    const int frameHeight = int(PictureLimits::FrameHeightOf(m_strip.height(), frames));
    m_stripFrame = (m_stripFrame + 1) % frames;
    ShowPicture(m_strip.copy(0, m_stripFrame * frameHeight, m_strip.width(), frameHeight));
    if (frames < 2)
        return;
    const std::vector<TGifFrame> &gifFrames = m_converter.GIF().Frames;
    const int delayCs = size_t(m_stripFrame) < gifFrames.size() ? gifFrames[size_t(m_stripFrame)].DelayCs : 0;
    m_animation.start(delayCs > 0 ? std::max(ShortestFrameDelayMs, delayCs * 10) : DefaultFrameDelayMs);
}

void TLogoFrameLoad::SetLoadedNone()
{
    m_animation.stop();
    m_loaded = lkNone;
    m_path.clear();
    m_converter.SetBmpLoad(QImage());
    m_converter.ApplyLumaKey();
    ShowPicture(QImage());
}

void TLogoFrameLoad::ChooseAndLoad()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open a picture"), m_lastFolder, OpenFilter);
    if (path.isEmpty())
        return;
    m_lastFolder = QFileInfo(path).absolutePath();
    LoadPicture(path, false);
}

void TLogoFrameLoad::LoadPicture(const QString &path, bool fromThumbnail)
{
    if (TransferActive())
        return;
    SelectDestination(0);
    m_animation.stop();
    if (!QFileInfo::exists(path)) {
        TOperatorPrompt::Inform(this, InvalidPictureMessage(QStringLiteral("%1 does not exist").arg(path)),
                                TOperatorPrompt::Error);
        return;
    }
    if (!fromThumbnail)
        m_history->AddPicture(path);
    SetStatus(UpdatingStatus);
    const TDecoded<TPictureFile> decoded = LoadPictureFile(path);
    if (!decoded.Ok()) {
        SetLoadedNone();
        TOperatorPrompt::Inform(this, InvalidPictureMessage(decoded.Error), TOperatorPrompt::Error);
        ReturnToIdle(IdleStatus);
        return;
    }
    m_path = path;
    if (decoded.Value.Kind == TPictureFile::pkAnimated) {
        m_loaded = lkAnimated;
        m_converter.SetGIF(decoded.Value.Animated);
        if (!m_converter.BuildAnimatedStrip()) {
            SetLoadedNone();
            ReturnToIdle(TThreadFrame::FailureStatus());
            return;
        }
        StartAnimation();
    } else {
        m_loaded = lkStill;
        m_converter.SetBmpLoad(decoded.Value.Still);
        Rekey();
    }
    ReturnToIdle(IdleStatus);
}

void TLogoFrameLoad::ChooseAndSave()
{
    QFileDialog dialog(this, QStringLiteral("Save the picture"), m_lastFolder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({BitmapFilter, JpegFilter});
    if (!m_path.isEmpty())
        dialog.selectFile(QFileInfo(m_path).completeBaseName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const TPictureFormat format = dialog.selectedNameFilter() == JpegFilter ? pfJpeg : pfBitmap;
    const QString path = dialog.selectedFiles().constFirst();
    m_lastFolder = QFileInfo(path).absolutePath();
    SaveDisplayed(path, format);
}

bool TLogoFrameLoad::SaveDisplayed(const QString &path, TPictureFormat format)
{
    const QString target = WithPictureExtension(path, format);
    // The display shows the keyed picture with the key colour: what the
    // operator saw is what is written.
    const QImage picture = m_loaded == lkStill ? m_converter.Preview() : m_displayed;
    if (const std::optional<QString> error = SavePicture(picture, target, format)) {
        TOperatorPrompt::Inform(this, QStringLiteral("Cannot write %1: %2").arg(target, *error), TOperatorPrompt::Error);
        return false;
    }
    return true;
}

// ------------------------------------------------------------ destinations

int TLogoFrameLoad::DestinationIndex() const
{
    return m_destination->currentIndex();
}

void TLogoFrameLoad::SelectDestination(int index)
{
    const QSignalBlocker blocker(m_destination);
    m_destination->setCurrentIndex(index);
    UpdateTransferButtons();
}

void TLogoFrameLoad::ChooseDestination(int index)
{
    if (index < 0 || index >= m_destinations.Count()
        || m_destinations.At(index).Role == TLoaderDestinations::drSeparator)
        index = 0;
    SelectDestination(index);
}

void TLogoFrameLoad::UpdateTransferButtons()
{
    const int index = DestinationIndex();
    const bool none = index <= 0 || m_destinations.At(index).Kind == 0;
    m_retrieve->setEnabled(!none);
    m_transfer->setEnabled(!none && m_loaded != lkNone);
}

// ------------------------------------------------------------ transfers

void TLogoFrameLoad::TransferToDevice()
{
    if (TransferActive())
        return;
    if (m_converter.BmpProcessed().isNull())
        ChooseAndLoad();
    int index = DestinationIndex();
    if (index > 0 && m_destinations.BeforeFrames(index) && m_loaded == lkStill) {
        if (!m_converter.CheckPictureSize(PictureLimits::KindStillLogo))
            SelectDestination(0);
    } else if (index > 0 && m_destinations.At(index).Kind == PictureLimits::KindFrame) {
        if (!m_converter.CheckPictureSize(PictureLimits::KindFrame))
            SelectDestination(0);
    }
    index = DestinationIndex();
    const TLoaderDestinations::TItem destination = m_destinations.At(std::max(0, index));
    const bool animatedTarget = destination.Kind == PictureLimits::KindAnimatedLogo;
    const bool kindsAgree = m_loaded == lkAnimated ? animatedTarget : m_loaded == lkStill && !animatedTarget;
    if (m_converter.BmpProcessed().isNull() || destination.Number == 0 || !kindsAgree) {
        if (m_loaded == lkStill && animatedTarget) {
            TOperatorPrompt::Inform(this, QStringLiteral("Wrong emplacement for still logo"), TOperatorPrompt::Error);
            SelectDestination(0);
        }
        SetStatus(TThreadFrame::FailureStatus());
        return;
    }
    uint8_t flags = uint8_t(destination.Kind);
    if (m_interlaced)
        flags |= TransferRecords::Flags::Interlaced;
    if (m_level != 0)
        flags |= TransferRecords::Flags::LumaKey;
    if (m_loaded == lkAnimated) {
        m_sender->SetFrameCount(uint8_t(m_converter.GIFNbImages()));
        m_sender->SetFrameDelay(FirstFrameDelayMs(m_converter.GIF()));
    } else {
        m_sender->SetFrameCount(1);
        m_sender->SetFrameDelay(0);
    }
    StartTransfer(*m_sender, flags, uint8_t(destination.Number));
}

void TLogoFrameLoad::RetrieveFromDevice()
{
    if (TransferActive())
        return;
    const int index = DestinationIndex();
    if (index <= 0)
        return;
    const TLoaderDestinations::TItem destination = m_destinations.At(index);
    if (destination.Kind == 0)
        return;
    uint8_t flags = uint8_t(destination.Kind);
    if (m_interlaced)
        flags |= TransferRecords::Flags::Interlaced;
    m_download.SetBmpLoad(QImage());
    m_download.ApplyLumaKey();
    StartTransfer(*m_receiver, flags, uint8_t(destination.Number));
}

QString TLogoFrameLoad::NoLinkMessage()
{
    return QStringLiteral("The link to the device is not open: nothing was sent.");
}

QString TLogoFrameLoad::CloseQuestion()
{
    return QStringLiteral("Transfer is still active.\r\nDo you want to abort ?");
}

bool TLogoFrameLoad::StartTransfer(TThreadFrame &thread, uint8_t flags, uint8_t number)
{
    if (!m_driver || !m_driver->Opened()) {
        TOperatorPrompt::Inform(this, NoLinkMessage(), TOperatorPrompt::Error);
        SetStatus(TThreadFrame::FailureStatus());
        return false;
    }
    // The link goes back to the speed it has now, whatever was configured.
    thread.SetVarBaudRate(m_driver->BaudRate());
    thread.SetFlags(flags);
    thread.SetDestination(number);
    thread.Reset();
    m_writePercent = 0;
    m_erasePercent = 0;
    m_progress->SetWriteProgress(0);
    m_progress->SetEraseProgress(0);
    m_progress->TakeAborted();
    if (!thread.Start()) {
        SetStatus(TThreadFrame::FailureStatus());
        return false;
    }
    m_current = &thread;
    SetStatus(TransferringStatus);
    m_controls->setEnabled(false);
    m_watch.start();
    m_elapsedSeconds = 0;
    m_elapsedLabel->setText(ElapsedCaption(0));
    m_elapsed.start();
    m_progress->show();
    return true;
}

void TLogoFrameLoad::PostProgress()
{
    // On a worker thread: one queued call at a time carries the latest values.
    if (m_progressPosted.exchange(true))
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_progressPosted = false;
            m_progress->SetWriteProgress(m_writePercent);
            m_progress->SetEraseProgress(m_erasePercent);
        },
        Qt::QueuedConnection);
}

void TLogoFrameLoad::WatchTick()
{
    if (!m_current) {
        SetStatus(IdleStatus);
        m_watch.stop();
        return;
    }
    TThreadFrame &thread = *m_current;
    if (thread.Running()) {
        if (m_progress->TakeAborted())
            thread.Abort();
        return;
    }
    const bool succeeded = thread.Finished() && thread.Succeeded();
    if (succeeded && &thread == m_receiver.get())
        ImportDownload();
    m_current = nullptr;
    m_watch.stop();
    m_elapsed.stop();
    m_progress->hide();
    m_progress->SetWriteProgress(0);
    m_progress->SetEraseProgress(0);
    m_controls->setEnabled(true);
    SelectDestination(0);
    const QString status = thread.Status();
    if (status == TThreadFrameReceive::NothingStoredStatus()) {
        TOperatorPrompt::Inform(this, status, TOperatorPrompt::Error);
        ReturnToIdle(IdleStatus);
        return;
    }
    if (succeeded)
        ReturnToIdle(CompletedStatus);
    else
        ReturnToIdle(status.isEmpty() ? TThreadFrame::FailureStatus() : status);
}

void TLogoFrameLoad::ImportDownload()
{
    const QImage received = m_download.BmpProcessed();
    if (received.isNull())
        return;
    m_animation.stop();
    m_loaded = lkStill;
    m_path.clear();
    m_converter.SetBmpLoad(received);
    Rekey();
}

void TLogoFrameLoad::ElapsedTick()
{
    ++m_elapsedSeconds;
    m_elapsedLabel->setText(ElapsedCaption(m_elapsedSeconds));
}

QString TLogoFrameLoad::ElapsedCaption(int seconds)
{
    return QStringLiteral("Time elapsed  %1:%2")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString TLogoFrameLoad::ElapsedText() const
{
    return m_elapsedLabel->text();
}

QString TLogoFrameLoad::StatusText() const
{
    return m_status->text();
}

void TLogoFrameLoad::SetStatus(const QString &status)
{
    m_status->setText(status);
}

void TLogoFrameLoad::ReturnToIdle(const QString &status)
{
    SetStatus(status);
    m_converter.SetPROCESSING(false);
    m_progress->SetWriteProgress(0);
    m_progress->SetEraseProgress(0);
    m_load->setEnabled(true);
    m_save->setEnabled(m_loaded == lkStill);
    const bool animated = m_loaded == lkAnimated;
    const int firstAnimated = m_destinations.FirstOf(TLoaderDestinations::drAnimatedLogo);
    if (auto *model = qobject_cast<QStandardItemModel *>(m_destination->model());
        model && firstAnimated >= 0) {
        for (int i = firstAnimated; i < m_destinations.Count()
                                    && m_destinations.At(i).Role == TLoaderDestinations::drAnimatedLogo;
             ++i)
            model->item(i)->setEnabled(animated);
    }
    if (animated && firstAnimated >= 0)
        SelectDestination(firstAnimated);
    m_destination->setEnabled(!animated);
    for (QWidget *control : {static_cast<QWidget *>(m_slider), static_cast<QWidget *>(m_levelEdit),
                             static_cast<QWidget *>(m_black), static_cast<QWidget *>(m_white),
                             static_cast<QWidget *>(m_colorButton)})
        control->setEnabled(!animated);
    ShowLevel();
    UpdateTransferButtons();
}

// ------------------------------------------------------------ closing

void TLogoFrameLoad::reject()
{
    if (TransferActive()) {
        if (!TOperatorPrompt::ConfirmYesNo(this, CloseQuestion()))
            return;
        AbortAndWait();
    }
    QDialog::reject();
}

void TLogoFrameLoad::AbortAndWait()
{
    TThreadFrame *thread = m_current;
    if (!thread)
        return;
    thread->Abort();
    // The thread gives the link back through calls carried to this thread:
    // wait with the events flowing.
    QEventLoop loop;
    QTimer look;
    connect(&look, &QTimer::timeout, &loop, [&] {
        if (!thread->Running())
            loop.quit();
    });
    look.start(5);
    if (thread->Running())
        loop.exec();
    if (m_current)
        WatchTick();
}
