#pragma once

#include <QByteArray>
#include <QImage>

#include <span>

namespace mirovalk::assets {

// The game's icon: the grey crown of the title picture on a disc of the quiz's blue, drawn
// afresh at each size (not scaled down from a big one), so small sizes stay crisp.
inline constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

QImage paintIcon(int size);    // Format_ARGB32, transparent outside the disc
QByteArray iconPng(int size);  // PNG

} // namespace mirovalk::assets
