#pragma once
#include <QIcon>

// The picture of the link buttons that keep a width and a height in
// proportion: two links of a chain.
QIcon ChainIcon();
