#pragma once
#include <QStringList>

class TComDriver;

// The driver's mirror as text: every element the device can address, in
// table order, one "NAME=VALUE" line each ("NAME[i]=VALUE" for array
// elements). It is what `morlixctl dump` prints and `morlix --dump-mirror`
// writes, and the simulator's --state reads it, so two mirrors compare with
// diff.
namespace MirrorDump {
QStringList Lines(const TComDriver &driver);
}
