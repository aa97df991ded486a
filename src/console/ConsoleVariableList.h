#pragma once
#include <QString>
#include <QStringList>

// The service console's list of the device's variables: one line per
// variable, "send mnemonic", ten spaces, "reply mnemonic" ("NULL" for a
// variable the device never answers), seven spaces and what the variable is,
// in French, the console's language.
namespace ConsoleVariableList {

QString Description(int varNumber);
QString LineOf(int varNumber);
// Every line, sorted by its text (case first ignored, then respected, so the
// order is the same on every computer: the console's file numbers its marks
// by position in this list).
QStringList SortedLines();

// The columns of a line.
QString SendMnemonicOf(const QString &line);
QString ReplyMnemonicOf(const QString &line);

} // namespace ConsoleVariableList
