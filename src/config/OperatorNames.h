#pragma once
#include <QString>
#include <array>

// The names the operator gives to the inputs, the audio sources and the
// presets; kept in the settings file and in customisation files.
struct TOperatorNames
{
    std::array<QString, 4> Inputs{QStringLiteral("Input 1"), QStringLiteral("Input 2"), QStringLiteral("Input 3"),
                                  QStringLiteral("Aux")};
    std::array<QString, 6> Audios{QStringLiteral("Analog A"), QStringLiteral("Analog B"),
                                  QStringLiteral("Analog C"), QStringLiteral("Analog D"),
                                  QStringLiteral("SPDIF"), QStringLiteral("Embedded SDI")};
    std::array<QString, 8> PresetCaptions;
};
