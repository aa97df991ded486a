#include "StoredReplies.h"

#include "link/ComDriver.h"

TStoredReplies::TStoredReplies(TComDriver &driver, QObject *parent) : QObject(parent)
{
    // Announced before the change handlers run, with the value as received.
    connect(&driver, &TComDriver::OnBeforeVarChange, this, [this, &driver](int varNumber, quint16 value) {
        if (varNumber >= 0 && varNumber < VarTableSize)
            m_refused[size_t(varNumber)] = value < driver.GetVarMin(varNumber) || value > driver.GetVarMax(varNumber);
    });
}
