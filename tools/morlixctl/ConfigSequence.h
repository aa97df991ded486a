#pragma once
// Steps the config and preset commands share: reading the device's zoom
// elements and running one of the total configuration sequences to its end.
#include "CtlLink.h"
#include "config/Unit_ConfigTotal.h"

#include <QVector>
#include <functional>
#include <optional>

// Reads the five zoom values of each slot given (ZMINDEX first), then puts
// ZMINDEX back as it was, drawing the progress on a terminal. Nothing when
// the device stops answering.
std::optional<TZoomSlots> ReadZoomSlots(TCtlLink &link, const QVector<int> &elements);

// Runs a sequence that start() begins on the engine, drawing its progress on
// a terminal, and returns the exit code: 0 when it completed; 1 when it was
// refused or failed, with the messages as one line on standard error.
int RunConfigSequence(TConfigTotal &engine, const std::function<bool()> &start);

// The tick of --tick MS at arguments[i] (advancing i); error set when wrong.
bool TakeTickOption(const QStringList &arguments, int &i, int &tickMs, QString &error);
