#include "CommonUpdate.h"

#include "StatusIndexedCopies.h"
#include "link/ComDriver.h"
#include "mainwindow/tables/InputTables.h"
#include "variables/MorlixVariables_d.h"

#include <algorithm>

TCommonState ComputeCommonState(const TComDriver &driver, const TStatusIndexedCopies &inputs)
{
    TCommonState state;
    for (int input = 1; input < int(state.Inputs.size()); ++input) {
        TCommonInput &copy = state.Inputs[size_t(input)];
        copy.Type = inputs.Value(ITYPE, input);
        copy.Used = inputs.Value(IUSED, input);
        copy.AudioSource = inputs.Value(IAMAP, input);
        copy.Format = inputs.Value(INAME, input);
    }
    state.ActiveInput = driver.GetVar(ICH);
    state.InputType = inputs.Value(ITYPE, state.ActiveInput);
    state.InputFormat = inputs.Value(INAME, state.ActiveInput);
    state.AudioSource = inputs.Value(IAMAP, state.ActiveInput);
    state.FrameRateClass = InputTables::FrameRateClass(driver.GetVar(IFREQFIELD));
    state.OutputFormat = driver.GetVar(OFORMAT);
    state.ReferenceFormat = driver.GetVar(REFFORMAT);
    state.ReferenceStatus = driver.GetVar(REFSTATUS);
    state.ReferenceRequest = driver.GetVar(REFREQUEST);
    state.CustomScanType = driver.GetVar(OCFULL_SCANTYPE);
    state.PhaseTableMin = driver.GetVarMin(REFHPH);
    state.PhaseTableMax = driver.GetVarMax(REFHPH);
    state.Rules = DecideCommonRules(state);
    return state;
}

TCommonUpdate::TCommonUpdate(const TComDriver &driver, TMorlixVariables &changes,
                             const TStatusIndexedCopies &inputs, QObject *parent)
    : QObject(parent), m_driver(driver), m_changes(changes), m_inputs(inputs)
{
    // What the rules read. REFSTATUS, REFFORMAT and IFREQFIELD arrive after
    // the reports that name the update, so they run it too, or the rows they
    // decide would stay as the previous report left them.
    for (int varNumber : {ICH, ITYPE, ISDSTDMODE, ILOAD, IUSED, IAMAP, INAME, IFREQFIELD, OFORMAT, REFREQUEST,
                          REFSTATUS, REFFORMAT, OCFULL_SCANTYPE, OPT})
        AddTrigger(varNumber);
}

void TCommonUpdate::AddRule(TCommonStage stage, TRule rule)
{
    // Stable: rules of one stage run in the order they were added.
    const auto after = std::upper_bound(m_rules.begin(), m_rules.end(), stage,
                                        [](TCommonStage s, const TStagedRule &r) { return s < r.Stage; });
    m_rules.insert(after, TStagedRule{stage, std::move(rule)});
}

void TCommonUpdate::AddTrigger(int varNumber)
{
    if (std::find(m_triggers.begin(), m_triggers.end(), varNumber) != m_triggers.end())
        return;
    m_triggers.push_back(varNumber);
    if (m_connected)
        m_changes.OnChange(varNumber, [this] { Run(); });
}

void TCommonUpdate::ConnectTriggers()
{
    if (m_connected)
        return;
    m_connected = true;
    for (int varNumber : m_triggers)
        m_changes.OnChange(varNumber, [this] { Run(); });
}

const TCommonState &TCommonUpdate::Run()
{
    m_state = ComputeCommonState(m_driver, m_inputs);
    ++m_runs;
    for (const TStagedRule &rule : m_rules)
        rule.Rule(m_state);
    return m_state;
}
