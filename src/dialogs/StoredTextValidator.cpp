#include "StoredTextValidator.h"

#include "config/KeyValueFile.h"

bool TStoredTextValidator::Storable(const QString &text)
{
    return KeyValueFile::Storable(text);
}

QValidator::State TStoredTextValidator::validate(QString &input, int &) const
{
    return Storable(input) ? Acceptable : Invalid;
}
