#pragma once
// The presets window ("Save & Load preset"): stores the zoom in use into one
// of the device's eight presets, recalls a preset into the zoom in use,
// renames the presets, and saves or loads all of them as a configuration
// file. The work itself is the progress window's (TForm_SaveLoadConfigTotal).
#include "config/ConfigTotalFile.h"

#include <QDialog>
#include <array>
#include <functional>

class QPushButton;
class TComDriver;
class TForm_SaveLoadConfigTotal;

enum TTypeSauvegarde { _UnDef = 0, _Save = 1, _Load = 2 };

class TForm_SavePreset : public QDialog
{
    Q_OBJECT
public:
    using TSlotSource = std::function<TZoomSlots()>;
    // The path the operator picks in the save (or open) dialog; empty when
    // cancelled. Replaced by tests.
    using TFileChooser = std::function<QString(bool save, const QString &folder)>;

    TForm_SavePreset(TComDriver &driver, TForm_SaveLoadConfigTotal &progress, TSlotSource zoomSource,
                     QWidget *parent = nullptr);

    void SetPresetCaption(int preset, const QString &caption);
    QString PresetCaption(int preset) const { return m_captions[size_t(preset - 1)]; }
    const TPresetCaptions &Captions() const { return m_captions; }

    TTypeSauvegarde TypeSauvegarde() const { return m_type; }
    // The device reported ZMINDEX: 1 to 8 press that preset's button.
    void SetMem(int value);
    int Mem() const { return m_mem; }

    QPushButton *PresetButton(int preset) const { return m_presetButtons[size_t(preset - 1)]; }
    QPushButton *SaveToDevice() const { return m_saveToDevice; }
    QPushButton *LoadFromDevice() const { return m_loadFromDevice; }
    QPushButton *SaveToDrive() const { return m_saveToDrive; }
    QPushButton *LoadFromDrive() const { return m_loadFromDrive; }

    void SetFileChooser(TFileChooser chooser) { m_chooseFile = std::move(chooser); }
    QString LastFolder() const { return m_lastFolder; }

    // Shows the window near the pointer (306 left of it, 391 above), kept on
    // the screen.
    void ShowAtPointer();

    static QString ButtonCaption(int preset, const QString &caption);

    // What the buttons do, public for tests that press them by hand.
    void PresetPressed(int preset, Qt::MouseButton button);
    void PresetReleased(int preset, Qt::MouseButton button);
    void ChooseDeviceMode(TTypeSauvegarde type);
    void SaveToHardDrive();
    void LoadFromHardDrive();

signals:
    void PresetCaptionChanged(int preset, const QString &caption);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void ReleasePresets();
    void SetPresetsEnabled(bool enabled);
    void LeaveDeviceMode();
    QString ChooseFile(bool save);
    void Rename(int preset);

    TComDriver &m_driver;
    TForm_SaveLoadConfigTotal &m_progress;
    TSlotSource m_slots;
    TFileChooser m_chooseFile;
    QString m_lastFolder;
    TPresetCaptions m_captions;
    TTypeSauvegarde m_type = _Load;
    int m_mem = 0;
    int m_chosen = 0;
    std::array<QPushButton *, ZoomSlots::PresetCount> m_presetButtons{};
    QPushButton *m_saveToDevice = nullptr;
    QPushButton *m_loadFromDevice = nullptr;
    QPushButton *m_saveToDrive = nullptr;
    QPushButton *m_loadFromDrive = nullptr;
};
