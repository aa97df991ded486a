#pragma once
// The names of the eight custom output settings. The device holds them and
// sends them one character code at a time, each under its position; a name
// here is only ever what the device reported. Renaming sends the new name the
// same way, so the device's report brings it back.
#include "mainwindow/VariableBinding.h"

#include <QString>
#include <QValidator>
#include <array>
#include <cstdint>
#include <vector>

class TCustomNames
{
public:
    static constexpr int SettingCount = 8;
    // Room for the codes the table's character index reaches (0 to 255).
    static constexpr int Capacity = 256;
    // The device stores positions 0 to 11: eleven characters and the end code.
    static constexpr int MaxLength = 11;

    // Files one reported code; a setting or position outside the table is
    // ignored. Returns whether the setting's name changed.
    bool Store(int setting, int position, uint16_t code);
    // The characters from position 0 up to the first 0 code.
    QString Name(int setting) const;

    // Whether the device can hold the text as a name: at most MaxLength
    // characters of codes 32 to 255.
    static bool Acceptable(const QString &name);

    // The writes that rename setting (0 to 7) to name: the setting, each
    // character under its position, the end code, and then the setting the
    // panel was editing again, so that a later "Save" stores the panel's
    // timing where the operator meant it. Nothing for an unchanged name or
    // one the device cannot hold.
    std::vector<VariableBinding::TElementWrite> RenameWrites(int setting, const QString &name,
                                                            uint16_t editingSetting) const;

private:
    std::array<std::array<uint8_t, Capacity>, SettingCount> m_codes{};
};

// Refuses, as it is typed, a name the device cannot hold.
class TCustomNameValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
};
