#pragma once
class TComDriverMorlix;
class TMorlixVariables;
class TConversion_V2;
struct TPageModels;

// What every page of the main window works with: the driver it reads and
// writes variables through, the change component it registers its handlers
// with, the shared conversion, and the shared page models (the per-input,
// per-audio-source and per-zoom-slot copies, the deferred messages and the
// common update; pages/PageModels.h). The main window owns all of them; a
// context built without models (a test of one control) has Models null.
struct TMainContext
{
    TComDriverMorlix &Driver;
    TMorlixVariables &Changes;
    TConversion_V2 &Conversion;
    TPageModels *Models = nullptr;
};
