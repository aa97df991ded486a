#pragma once
#include "ConnectionChoice.h"
#include "Unit_Main.h"

#include <memory>
#include <optional>

// The program start: the splash window stepping while the windows are built,
// the main window's initialisation, then an optional connection from the
// command line. Returns the main window, shown.
std::unique_ptr<TForm_Main> StartProgram(const TMainWindowOptions &options,
                                         const std::optional<QString> &connection);
