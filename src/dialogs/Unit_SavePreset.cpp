#include "Unit_SavePreset.h"

#include "OperatorPrompt.h"
#include "StoredTextValidator.h"
#include "Unit_SaveLoadConfigTotal.h"
#include "link/ComDriver.h"

#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QString PresetPrefix = QStringLiteral("Preset: ");
const QString Filter = QStringLiteral("Morlix Configuration (*.mlx *.MLX)");
const QString DefaultFileName = QStringLiteral("MyMorlixConfig");

// A preset button tells which mouse button pressed and released it.
class TPresetButton : public QPushButton
{
public:
    using QPushButton::QPushButton;
    std::function<void(Qt::MouseButton)> Pressed;
    std::function<void(Qt::MouseButton)> Released;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (isEnabled() && Pressed)
            Pressed(event->button());
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (isEnabled() && Released && rect().contains(event->position().toPoint()))
            Released(event->button());
        event->accept();
    }
};

} // namespace

TForm_SavePreset::TForm_SavePreset(TComDriver &driver, TForm_SaveLoadConfigTotal &progress, TSlotSource zoomSource,
                                   QWidget *parent)
    : QDialog(parent), m_driver(driver), m_progress(progress), m_slots(std::move(zoomSource)),
      m_lastFolder(QDir::homePath())
{
    setObjectName(QStringLiteral("Form_SavePreset"));
    setWindowTitle(QStringLiteral("Save & Load preset"));
    auto *layout = new QVBoxLayout(this);

    auto *modes = new QHBoxLayout;
    m_saveToDevice = new QPushButton(QStringLiteral("Save to device"), this);
    m_saveToDevice->setObjectName(QStringLiteral("SpeedButton_SaveToDevice"));
    m_loadFromDevice = new QPushButton(QStringLiteral("Load from device"), this);
    m_loadFromDevice->setObjectName(QStringLiteral("SpeedButton_LoadFromDevice"));
    for (QPushButton *button : {m_saveToDevice, m_loadFromDevice}) {
        button->setCheckable(true);
        modes->addWidget(button);
    }
    layout->addLayout(modes);
    connect(m_saveToDevice, &QPushButton::clicked, this, [this] { ChooseDeviceMode(_Save); });
    connect(m_loadFromDevice, &QPushButton::clicked, this, [this] { ChooseDeviceMode(_Load); });

    auto *group = new QGroupBox(QStringLiteral("Presets"), this);
    auto *grid = new QGridLayout(group);
    for (int preset = 1; preset <= ZoomSlots::PresetCount; ++preset) {
        auto *button = new TPresetButton(group);
        button->setObjectName(QStringLiteral("SpeedButton_Preset%1").arg(preset));
        button->setCheckable(true);
        button->setMinimumWidth(150);
        button->setToolTip(QStringLiteral("Right-click to rename"));
        button->Pressed = [this, preset](Qt::MouseButton mouse) { PresetPressed(preset, mouse); };
        button->Released = [this, preset](Qt::MouseButton mouse) { PresetReleased(preset, mouse); };
        grid->addWidget(button, (preset - 1) % 4, (preset - 1) / 4);
        m_presetButtons[size_t(preset - 1)] = button;
        m_captions[size_t(preset - 1)] = QString::number(preset);
    }
    layout->addWidget(group);

    auto *drive = new QHBoxLayout;
    m_saveToDrive = new QPushButton(QStringLiteral("Save to hard drive"), this);
    m_saveToDrive->setObjectName(QStringLiteral("SpeedButton_SaveToHardDrive"));
    m_loadFromDrive = new QPushButton(QStringLiteral("Load from hard drive"), this);
    m_loadFromDrive->setObjectName(QStringLiteral("SpeedButton_LoadFromHardDrive"));
    drive->addWidget(m_saveToDrive);
    drive->addWidget(m_loadFromDrive);
    layout->addLayout(drive);
    for (QPushButton *button : {m_saveToDrive, m_loadFromDrive})
        connect(button, &QPushButton::pressed, this, [this] { m_type = _UnDef; });
    connect(m_saveToDrive, &QPushButton::clicked, this, &TForm_SavePreset::SaveToHardDrive);
    connect(m_loadFromDrive, &QPushButton::clicked, this, &TForm_SavePreset::LoadFromHardDrive);

    m_chooseFile = [this](bool save, const QString &folder) {
        QFileDialog dialog(this, save ? QStringLiteral("Save Morlix Configuration")
                                      : QStringLiteral("Load Morlix Configuration"),
                           folder, Filter);
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(QStringLiteral("mlx"));
        dialog.selectFile(DefaultFileName + (save ? QStringLiteral(".mlx") : QString()));
        // The file dialog asks its own question otherwise; this window asks.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().first();
    };

    for (int preset = 1; preset <= ZoomSlots::PresetCount; ++preset)
        PresetButton(preset)->setText(ButtonCaption(preset, m_captions[size_t(preset - 1)]));
    SetPresetsEnabled(false);
}

QString TForm_SavePreset::ButtonCaption(int preset, const QString &caption)
{
    // The caption goes on a button: a lone "&" is a letter, not an accelerator.
    QString shown = caption.isEmpty() ? QString::number(preset) : caption;
    return PresetPrefix + shown.replace(QLatin1Char('&'), QLatin1String("&&"));
}

void TForm_SavePreset::SetPresetCaption(int preset, const QString &caption)
{
    Q_ASSERT(preset >= 1 && preset <= ZoomSlots::PresetCount);
    if (preset < 1 || preset > ZoomSlots::PresetCount)
        return;
    m_captions[size_t(preset - 1)] = caption;
    for (int i = 1; i <= ZoomSlots::PresetCount; ++i)
        PresetButton(i)->setText(ButtonCaption(i, m_captions[size_t(i - 1)]));
    emit PresetCaptionChanged(preset, caption);
}

void TForm_SavePreset::SetMem(int value)
{
    m_mem = value;
    if (value < 1 || value > ZoomSlots::PresetCount)
        return;
    for (int preset = 1; preset <= ZoomSlots::PresetCount; ++preset)
        PresetButton(preset)->setChecked(preset == value);
}

void TForm_SavePreset::ReleasePresets()
{
    for (QPushButton *button : m_presetButtons)
        button->setChecked(false);
}

void TForm_SavePreset::SetPresetsEnabled(bool enabled)
{
    for (QPushButton *button : m_presetButtons)
        button->setEnabled(enabled);
}

void TForm_SavePreset::ChooseDeviceMode(TTypeSauvegarde type)
{
    m_type = type;
    m_saveToDevice->setChecked(type == _Save);
    m_loadFromDevice->setChecked(type == _Load);
    SetPresetsEnabled(true);
    ReleasePresets();
}

void TForm_SavePreset::PresetPressed(int preset, Qt::MouseButton button)
{
    if (button == Qt::RightButton) {
        Rename(preset);
        return;
    }
    m_driver.SendVar(ZMINDEX, uint16_t(preset));
    SetMem(preset);
}

void TForm_SavePreset::PresetReleased(int preset, Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        return;
    m_chosen = preset;
    const TZoomSlots zoom = m_slots();
    if (m_type == _Save)
        m_progress.RunPresetStore(preset, zoom);
    else if (m_type == _Load)
        m_progress.RunPresetRecall(preset, zoom);
}

void TForm_SavePreset::Rename(int preset)
{
    const QString current = PresetButton(preset)->text().replace(QLatin1String("&&"), QLatin1String("&"));
    const QString text = QString(current).remove(PresetPrefix);
    TStoredTextValidator validator;
    const std::optional<QString> entered = TOperatorPrompt::Instance().AskText(
        this, QStringLiteral("Rename"), QStringLiteral("(%1) %2").arg(preset).arg(current), text, &validator);
    // Cancelling changes nothing.
    if (entered && TStoredTextValidator::Storable(*entered))
        SetPresetCaption(preset, *entered);
}

void TForm_SavePreset::LeaveDeviceMode()
{
    m_saveToDevice->setChecked(false);
    m_loadFromDevice->setChecked(false);
    m_type = _UnDef;
    SetPresetsEnabled(false);
}

QString TForm_SavePreset::ChooseFile(bool save)
{
    const QString path = m_chooseFile(save, m_lastFolder);
    if (!path.isEmpty())
        m_lastFolder = QFileInfo(path).absolutePath();
    return path;
}

void TForm_SavePreset::SaveToHardDrive()
{
    LeaveDeviceMode();
    QString path = ChooseFile(true);
    if (!path.isEmpty()) {
        if (QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".mlx");
        const bool replace = !QFileInfo::exists(path)
                             || TOperatorPrompt::ConfirmOkCancel(this, path + QStringLiteral(" already Exist, do you want replace it?"));
        if (replace)
            m_progress.RunFileWrite(path, m_slots(), m_captions);
    }
    hide();
    m_type = _UnDef;
}

void TForm_SavePreset::LoadFromHardDrive()
{
    LeaveDeviceMode();
    const QString path = ChooseFile(false);
    if (!path.isEmpty()) {
        const QMetaObject::Connection captions = connect(&m_progress.Engine(), &TConfigTotal::CaptionRead, this,
                                                         &TForm_SavePreset::SetPresetCaption);
        m_progress.RunFileRead(path, m_slots());
        disconnect(captions);
    }
    hide();
    m_type = _UnDef;
}

void TForm_SavePreset::ShowAtPointer()
{
    const QPoint pointer = QCursor::pos();
    QPoint topLeft(pointer.x() - 306, pointer.y() - 391);
    adjustSize();
    if (const QScreen *screen = QGuiApplication::screenAt(pointer)) {
        const QRect area = screen->availableGeometry();
        topLeft.setX(std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() - width())));
        topLeft.setY(std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() - height())));
    }
    move(topLeft);
    show();
    raise();
}

void TForm_SavePreset::showEvent(QShowEvent *event)
{
    ReleasePresets();
    QDialog::showEvent(event);
}

void TForm_SavePreset::hideEvent(QHideEvent *event)
{
    ReleasePresets();
    QDialog::hideEvent(event);
}
