#pragma once
#include "variables/MorlixError.h"

// Raised when a serial port cannot be opened or is given a bad terminator.
class EComError : public TMorlixError
{
public:
    using TMorlixError::TMorlixError;
};
