#pragma once
#include "CtlLink.h"

#include <QStringList>
#include <vector>

// Steps several commands take alike.

// Parses every argument with parse (which returns an error text) before
// anything is sent: a script with one typo changes nothing. Returns the
// first error, empty when all are usable.
template <typename T>
QString ParseEach(const QStringList &arguments, QString (*parse)(const QString &, T &), std::vector<T> &parsed)
{
    for (const QString &argument : arguments) {
        T item;
        const QString error = parse(argument, item);
        if (!error.isEmpty())
            return error;
        parsed.push_back(item);
    }
    return {};
}

// "HPOS" or "ILOAD[3]": the element a target stands for, a bare array name
// standing for the element its index selects now.
QString ReportedName(const TCtlLink &link, const TVariableAddress &target);

enum TWriteOutcome { woKept, woChanged, woNoReply };

// Writes one value and prints NAME=VALUE as the device reported it, with an
// error line when the device kept another value.
TWriteOutcome WriteAndReport(TCtlLink &link, const TVariableAssignment &assignment);
