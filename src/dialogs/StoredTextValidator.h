#pragma once
// Text the operator types that ends up in one of the program's Latin-1
// key=value files (names, captions): a line end would break the file and a
// character outside Latin-1 could not be written back. Such text is refused
// as it is typed (or pasted), not silently mangled when the file is saved.
#include <QValidator>

class TStoredTextValidator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;

    static bool Storable(const QString &text);
};
