#pragma once
#include "variables/VariableTable.h"

#include <QObject>
#include <array>

class TComDriver;

// Whether the driver kept the last value the device reported for each
// variable. A report out of range is refused but still announced: a handler
// that files or remembers values skips it instead of taking the cached value
// for the reported one.
class TStoredReplies : public QObject
{
    Q_OBJECT
public:
    explicit TStoredReplies(TComDriver &driver, QObject *parent = nullptr);

    bool LastStored(int varNumber) const { return !m_refused[size_t(varNumber)]; }

private:
    std::array<bool, VarTableSize> m_refused{};
};
