#pragma once
// Every control of the pages shows what the device holds, not what the
// operator clicked: an operator's action only raises an event, and the
// display changes when the owner writes the value back after the device has
// reported it. The pieces below let each control keep to that.
#include <QCheckBox>
#include <QRadioButton>

// Tells the operator's actions from the owner's writes. A control opens an
// OwnerWrite scope around every programmatic change, so that anything the
// change triggers inside it is not mistaken for the operator's doing.
class TUserEventFlag
{
public:
    bool UserEvent() const { return m_ownerWrites == 0; }

    class OwnerWrite
    {
    public:
        explicit OwnerWrite(TUserEventFlag &flag) : m_flag(flag) { ++m_flag.m_ownerWrites; }
        ~OwnerWrite() { --m_flag.m_ownerWrites; }
        OwnerWrite(const OwnerWrite &) = delete;
        OwnerWrite &operator=(const OwnerWrite &) = delete;

    private:
        TUserEventFlag &m_flag;
    };

private:
    int m_ownerWrites = 0;
};

// A check box or radio button that the operator cannot check: clicking it
// only reports the click; setChecked() by the owner is the one way to mark it.
template <class TButton>
class TOwnerCheckedButton : public TButton
{
public:
    using TButton::TButton;

protected:
    void nextCheckState() override {}
};

using TOwnerCheckBox = TOwnerCheckedButton<QCheckBox>;
using TOwnerRadioButton = TOwnerCheckedButton<QRadioButton>;
