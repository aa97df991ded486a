#pragma once
#include <stdexcept>
#include <string>

// Raised for misuse of a component (an array variable used before its links
// were set, an element index out of bounds, a port that cannot be opened).
// The text is the message the operator or the developer sees.
class TMorlixError : public std::runtime_error
{
public:
    explicit TMorlixError(const std::string &message) : std::runtime_error(message) {}
};
