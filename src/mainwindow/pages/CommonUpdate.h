#pragma once
// The common update: shows, hides, enables and disables the dependent
// controls of every page from a few deciding values. It is one pure step:
// ComputeCommonState reads the driver and the per-input copies into a
// TCommonState, then the rules run on that state in the order of their
// stages. A rule only sets visible and enabled flags (and captions) of the
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
    // Inputs 1 to 5 at their own number (element 0 unused).
    std::array<TCommonInput, 6> Inputs{};
};

TCommonState ComputeCommonState(const TComDriver &driver, const TStatusIndexedCopies &inputs);

// The order the rules run in, as the pages list them.
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
