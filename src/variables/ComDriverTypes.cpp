#include "ComDriverTypes.h"
#include "MorlixError.h"

TVariable::TVariable(const TVarDescriptor &row)
    : Name(QString::fromLatin1(row.Name)),
      ArraySize(row.ArraySize),
      IndexVarNumber(row.IndexVar),
      StatusArraySize(row.StatusArraySize),
      StatusIndexVarNumber(row.StatusIndexVar),
      Values(row.ArraySize > 0 ? size_t(row.ArraySize) : 1u, 0),
      Min(row.Min),
      Max(row.Max),
      Default(row.Default),
      SendMnemonic(QString::fromLatin1(row.SendMnemonic)),
      ReplyMnemonic(QString::fromLatin1(row.ReplyMnemonic))
{
}

size_t TVariable::SelectedElement() const
{
    if (!IsArray())
        return 0;
    if (!IndexVar)
        throw TMorlixError("Variable not initialized !");
    const size_t element = IndexVar->GetValue();
    if (element >= Values.size())
        throw TMorlixError("Variable index out of bounds.");
    return element;
}

uint16_t TVariable::GetValue() const
{
    return Values[SelectedElement()];
}

bool TVariable::Accepts(uint16_t value) const
{
    return value >= Min && value <= Max;
}

void TVariable::SetValue(uint16_t value)
{
    if (!Accepts(value))
        return;
    ForceValue(value);
}

void TVariable::ForceValue(uint16_t value)
{
    Values[SelectedElement()] = value;
}

size_t TVariable::ElementFor(int32_t index) const
{
    if (ArraySize < 2)
        return 0;
    if (index < 0 || index >= ArraySize)
        throw TMorlixError("Variable index out of bounds.");
    return size_t(index);
}

uint16_t TVariable::GetElement(int32_t index) const
{
    return Values[ElementFor(index)];
}

void TVariable::SetElement(int32_t index, uint16_t value)
{
    Values[ElementFor(index)] = value;
}
