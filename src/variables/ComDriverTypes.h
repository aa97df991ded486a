#pragma once
#include "VariableTable.h"

#include <QString>
#include <vector>

// The run-time object of one variable: what the device last reported. Sending
// a value to the device never changes it (no local echo).
class TVariable
{
public:
    explicit TVariable(const TVarDescriptor &row);

    void SetIndexVariable(TVariable *variable) { IndexVar = variable; }
    void SetStatusIndexVariable(TVariable *variable) { StatusIndexVar = variable; }

    uint16_t GetValue() const;
    // Store a value the device reported; a value outside Min..Max (compared
    // unsigned) is dropped silently, which is how impossible replies are refused.
    void SetValue(uint16_t value);
    // Whether SetValue would store the value.
    bool Accepts(uint16_t value) const;
    // Store without the range check (resetting DEV to 0 before a query).
    void ForceValue(uint16_t value);

    uint16_t GetElement(int32_t index) const;
    void SetElement(int32_t index, uint16_t value);

    bool IsArray() const { return IndexVarNumber > 0; }

    QString Name;
    int32_t ArraySize;
    int32_t IndexVarNumber;
    TVariable *IndexVar = nullptr;
    int32_t StatusArraySize;
    int32_t StatusIndexVarNumber;
    TVariable *StatusIndexVar = nullptr;
    std::vector<uint16_t> Values;
    uint16_t Min;
    uint16_t Max;
    uint16_t Default;
    QString SendMnemonic;
    QString ReplyMnemonic;

private:
    size_t SelectedElement() const;
    size_t ElementFor(int32_t index) const;
};
