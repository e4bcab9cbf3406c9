#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainter>

namespace mirovalk::assets {

// The title window's picture: a grey crown (the game's subtitle is
// "the grey crown") on a pale background. The window lays the title word over
// the top 113 rows and the buttons over the rows from 152 down, so those stay
// light and quiet; the crown owns the band between them.
constexpr int kTitleWidth = 313;
constexpr int kTitleHeight = 209;
constexpr int kTitleWordBottom = 113;
constexpr int kTitleButtonsTop = 152;

QImage paintTitlePicture();  // Format_RGB888
QByteArray titlePicture();   // title.bmp, 24 bits a pixel

// The grey crown alone, in the picture's coordinates, inside the rectangle below; the game's icon
// draws it too.
void paintCrown(QPainter& p);
inline constexpr double kCrownLeft = 95, kCrownTop = 86, kCrownWidth = 123, kCrownHeight = 68;

} // namespace mirovalk::assets
