#pragma once
class TComDriverMorlix;
class TMorlixVariables;
class TConversion_V2;

// What every page of the main window works with: the driver it reads and
// writes variables through, the change component it registers its handlers
// with, and the shared conversion. The main window owns all three.
struct TMainContext
{
    TComDriverMorlix &Driver;
    TMorlixVariables &Changes;
    TConversion_V2 &Conversion;
};
