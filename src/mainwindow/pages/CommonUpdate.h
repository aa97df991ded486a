#pragma once
// The common update: shows, hides, enables and disables the dependent
// controls of every page from a few deciding values. It is one pure step:
// ComputeCommonState reads the driver and the per-input copies into a
// TCommonState and decides every rule into its Rules (DecideCommonRules, a
// function of the state alone); then the sections' rules run on that state
// in the order of their stages and put the decisions on their controls. A
// rule only sets visible and enabled flags (and captions and ranges) of the
// controls its section owns; it never writes to the device.
//
// Each section adds its rules at construction (AddRule) and the variables
// its rules read that the default triggers do not cover (AddTrigger). The
// main window calls ConnectTriggers once every section is built, so the
// update runs after the sections' own handlers of the same report.
#include <QObject>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class TComDriver;
class TMorlixVariables;
class TStatusIndexedCopies;

struct TCommonInput
{
    uint16_t Type = 0;        // ITYPE copy
    uint16_t Used = 0;        // IUSED copy
    uint16_t AudioSource = 0; // IAMAP copy
    uint16_t Format = 0;      // INAME copy
};

// The H. phase bar of the genlock timing: its scroll range, and the display
// limits (hundredths of a microsecond) the image page maps it onto.
struct TPhaseRange
{
    int ScrollMin = 0;
    int ScrollMax = 0;
    int DisplayMin = 0;
    int DisplayMax = 0;
    bool operator==(const TPhaseRange &other) const
    {
        return ScrollMin == other.ScrollMin && ScrollMax == other.ScrollMax && DisplayMin == other.DisplayMin &&
               DisplayMax == other.DisplayMax;
    }
};

// What the rules decide, grouped by stage in the order they apply. A flag is
// "visible" or "enabled" as its rule says; the section owning the control
// applies it.
struct TCommonRules
{
    // Image: the picture rows of the image page.
    bool AutoCentering = false;
    bool ClockPhase = false;
    bool BrightnessContrastColor = false;
    bool ColorLevels = false;
    bool GenlockPhases = false; // H. phase, V. offset, S.C. phase rows
    bool Hue = false;
    // Output.
    bool NtscPedestal = false;
    bool FlickerFilter = false;
    bool CenteringPattern = false; // the pattern item and the zoom page's check box
    bool BurstPattern = false;
    bool AllRatesEnabled = false;
    bool UnderOver = false;
    // Inputs 1 to 5 at their own number (element 0 unused).
    std::array<bool, 6> InputEnabled{};
    std::array<bool, 6> SyncLoad{};
    bool SyncLoadHeader = false;
    std::array<bool, 6> SdiAudio{};
    bool SdiAudioHeader = false;
    // Reference.
    TPhaseRange HPhase;
    // Pulldown.
    bool Pulldown22 = false;
    bool Pulldown32 = false;
    // Audio.
    bool EmbeddedOutput = false;
    bool SpdifRate = false;
    bool AudioPage = false;
    bool AudioReference = false;
    // Blanking.
    bool BlankingAdjust = false;
};

struct TCommonState
{
    uint16_t ActiveInput = 0; // ICH
    // The active input's copies: its type T, detected format F and audio source A.
    uint16_t InputType = 0;
    uint16_t InputFormat = 0;
    uint16_t AudioSource = 0;
    // The nominal class of IFREQFIELD (InputTables::FrameRateClass).
    uint16_t FrameRateClass = 0;
    uint16_t OutputFormat = 0;    // OFORMAT
    uint16_t ReferenceFormat = 0; // REFFORMAT: the format the output runs
    uint16_t ReferenceStatus = 0; // REFSTATUS
    uint16_t ReferenceRequest = 0; // REFREQUEST
    uint16_t CustomScanType = 0;  // OCFULL_SCANTYPE
    // The table range of REFHPH: the H. phase range away from genlock.
    int PhaseTableMin = 0;
    int PhaseTableMax = 0;
    // Inputs 1 to 5 at their own number (element 0 unused).
    std::array<TCommonInput, 6> Inputs{};
    // Decided from the values above.
    TCommonRules Rules;
};

// Reads the deciding values and decides the rules.
TCommonState ComputeCommonState(const TComDriver &driver, const TStatusIndexedCopies &inputs);
// The rules, in their order, from the deciding values of the state alone.
TCommonRules DecideCommonRules(const TCommonState &state);

// The order the rules run in, as the pages list them. A page still to come
// adds its rule to its stage (the image page to Image, Reference, Pulldown
// and Blanking, the audio page to Audio, the custom timing to Output) and
// reads what TCommonState::Rules decided for its controls.
enum class TCommonStage
{
    Image,     // auto centering, clock, levels, hue, genlock phases
    Output,    // pedestal, flicker, patterns, rates, under/over
    Inputs,    // input buttons, sync load selectors, SDI audio channels
    Reference, // H. phase range
    Pulldown,  // 2:2 and 3:2 pulldown rows
    Audio,     // embedded output, S/PDIF rate, audio page, meter captions
    Blanking,  // blanking adjust panel
};

class TCommonUpdate : public QObject
{
    Q_OBJECT
public:
    using TRule = std::function<void(const TCommonState &)>;

    TCommonUpdate(const TComDriver &driver, TMorlixVariables &changes, const TStatusIndexedCopies &inputs,
                  QObject *parent = nullptr);

    void AddRule(TCommonStage stage, TRule rule);
    void AddTrigger(int varNumber);
    // Registers one handler per trigger; call once, after the sections.
    void ConnectTriggers();
    bool Connected() const { return m_connected; }
    // Every variable whose reports run the update.
    const std::vector<int> &Triggers() const { return m_triggers; }

    // Computes the state and applies every rule. Returns the state applied.
    const TCommonState &Run();
    const TCommonState &LastState() const { return m_state; }
    int RunCount() const { return m_runs; }

private:
    struct TStagedRule
    {
        TCommonStage Stage;
        TRule Rule;
    };
    const TComDriver &m_driver;
    TMorlixVariables &m_changes;
    const TStatusIndexedCopies &m_inputs;
    std::vector<TStagedRule> m_rules;
    std::vector<int> m_triggers;
    TCommonState m_state;
    bool m_connected = false;
    int m_runs = 0;
};
