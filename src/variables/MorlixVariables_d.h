#pragma once
#include "VariableTable.h"

#include <QObject>
#include <array>
#include <functional>
#include <vector>

// Turns "variable n was received" into the change notification of that one
// variable, so that each page handler deals with exactly one variable. It holds
// no value: handlers read what they need from the driver.
//
// A variable may carry several handlers (a value shown on two pages); they run
// in the order they were added. Dispatch is one indexed lookup.
class TMorlixVariables : public QObject
{
    Q_OBJECT
public:
    using THandler = std::function<void()>;

    explicit TMorlixVariables(QObject *parent = nullptr) : QObject(parent) {}

    uint16_t VarNumber() const { return m_varNumber; }
    // Stores the number, then runs the handlers of that variable, if any.
    // Every write fires, even of the same number: handlers must be idempotent.
    void SetVarNumber(uint16_t number);

    void OnChange(int varNumber, THandler handler);
    bool HasHandler(int varNumber) const;

    // onHPOSChange(handler) and so on, one per variable.
#define MORLIX_CHANGE_SETTER(name, ...) \
    void on##name##Change(THandler handler) { OnChange(name, std::move(handler)); }
    MORLIX_VARIABLE_TABLE(MORLIX_CHANGE_SETTER)
#undef MORLIX_CHANGE_SETTER

private:
    uint16_t m_varNumber = 0;
    std::array<std::vector<THandler>, VarTableSize> m_handlers;
};
