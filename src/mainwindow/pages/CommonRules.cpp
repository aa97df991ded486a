// The decisions of the common update, in the order the rules apply.
#include "CommonUpdate.h"

#include "mainwindow/tables/InputClasses.h"
#include "mainwindow/tables/InputTables.h"
#include "mainwindow/tables/OutputTables.h"

namespace {

constexpr uint16_t GenlockLocked = 6; // REFSTATUS: locked to genlock H and V

void DecideImage(const TCommonState &state, TCommonRules &rules)
{
    const InputClasses::TTypeClass type = InputClasses::OfType(state.InputType);
    rules.AutoCentering = type.AutoCentering;
    rules.ClockPhase = type.ClockPhase;
    rules.BrightnessContrastColor = type.BrightnessContrastColor;
    rules.ColorLevels = type.ColorLevels;
    rules.GenlockPhases = state.ReferenceStatus == GenlockLocked;
    rules.Hue = state.InputFormat == InputClasses::NtscFormat;
}

void DecideOutput(const TCommonState &state, TCommonRules &rules)
{
    constexpr uint16_t SdtvNtsc = 1;
    constexpr uint16_t FirstComputerFormat = 9;
    const OutputTables::TOutputFormat *running = OutputTables::Format(state.ReferenceFormat);
    rules.NtscPedestal = state.ReferenceFormat == SdtvNtsc;
    rules.FlickerFilter = running && running->Interlaced;
    rules.CenteringPattern =
        running && ((!running->Interlaced && !running->Custom) || (running->Custom && state.CustomScanType == 0));
    rules.BurstPattern = running && running->Burst;
    rules.AllRatesEnabled =
        state.ReferenceRequest != OutputTables::GenlockReference && !OutputTables::IsCustomFormat(state.OutputFormat);
    rules.UnderOver =
        InputClasses::OfFormat(state.InputFormat).ScanSelect || state.ReferenceFormat < FirstComputerFormat;
}

void DecideInputs(const TCommonState &state, TCommonRules &rules)
{
    rules.SyncLoadHeader = false;
    rules.SdiAudioHeader = false;
    for (int input = 1; input < int(state.Inputs.size()); ++input) {
        const TCommonInput &copy = state.Inputs[size_t(input)];
        rules.InputEnabled[size_t(input)] = copy.Used != 0;
        rules.SyncLoad[size_t(input)] = InputTables::TypeHasSyncLoad(copy.Type);
        rules.SdiAudio[size_t(input)] = copy.AudioSource == InputTables::EmbeddedSdiAudio;
        // The fifth input's controls are never shown, so they never call for a header.
        if (input <= InputTables::ShownInputCount) {
            rules.SyncLoadHeader = rules.SyncLoadHeader || rules.SyncLoad[size_t(input)];
            rules.SdiAudioHeader = rules.SdiAudioHeader || rules.SdiAudio[size_t(input)];
        }
    }
}

void DecideReference(const TCommonState &state, TCommonRules &rules)
{
    constexpr uint16_t FirstHdFormat = 4;
    constexpr uint16_t LastHdFormat = 8;
    if (state.ReferenceStatus == GenlockLocked && state.ReferenceFormat < FirstHdFormat)
        rules.HPhase = {32676, 32860, -340, 340};
    else if (state.ReferenceStatus == GenlockLocked && state.ReferenceFormat <= LastHdFormat)
        rules.HPhase = {32514, 33022, -343, 343};
    else
        rules.HPhase = {state.PhaseTableMin, state.PhaseTableMax, -18681, 18679};
}

void DecidePulldown(const TCommonState &state, TCommonRules &rules)
{
    const bool detects = !InputClasses::TypeSkipsPulldown(state.InputType) &&
                         !InputClasses::OfFormat(state.InputFormat).ProgressiveVideo;
    rules.Pulldown22 = detects && state.FrameRateClass != 5994 && state.FrameRateClass != 6000;
    rules.Pulldown32 = detects && state.FrameRateClass != 5000;
}

void DecideAudio(const TCommonState &state, TCommonRules &rules)
{
    const OutputTables::TOutputFormat *format = OutputTables::Format(state.OutputFormat);
    rules.EmbeddedOutput = format && format->Tv != OutputTables::TTvStandard::None;
    rules.SpdifRate = state.AudioSource >= 1 && state.AudioSource <= 4;
    rules.AudioPage = state.AudioSource != 0;
    rules.AudioReference = state.AudioSource != 0;
}

void DecideBlanking(const TCommonState &state, TCommonRules &rules)
{
    rules.BlankingAdjust =
        !InputClasses::TypeIsDvi(state.InputType) && InputClasses::OfFormat(state.InputFormat).BlankingAdjust;
}

} // namespace

TCommonRules DecideCommonRules(const TCommonState &state)
{
    TCommonRules rules;
    DecideImage(state, rules);
    DecideOutput(state, rules);
    DecideInputs(state, rules);
    DecideReference(state, rules);
    DecidePulldown(state, rules);
    DecideAudio(state, rules);
    DecideBlanking(state, rules);
    return rules;
}
