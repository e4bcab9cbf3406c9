#include "icon.h"

#include "title.h"

#include <QBuffer>
#include <QPainter>
#include <QRadialGradient>

#include <stdexcept>

namespace mirovalk::assets {

QImage paintIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);

    // A disc in the blue of the answer labels, lit from the top left, with a light rim.
    const double r = size / 2.0;
    QRadialGradient disc(r * 0.7, r * 0.6, r * 1.4);
    disc.setColorAt(0.0, QColor(120, 120, 255));
    disc.setColorAt(0.55, QColor(0, 0, 255));
    disc.setColorAt(1.0, QColor(0, 0, 110));
    p.setPen(QPen(QColor(192, 192, 255), std::max(1.0, size / 32.0)));
    p.setBrush(disc);
    const double inset = std::max(0.5, size / 64.0);
    p.drawEllipse(QRectF(inset, inset, size - 2 * inset, size - 2 * inset));

    // The crown fills most of the disc's width, a little below the middle like a crown on a cushion.
    const double scale = size * 0.78 / kCrownWidth;
    p.translate(r - kCrownWidth * scale / 2, r - kCrownHeight * scale / 2 + size * 0.03);
    p.scale(scale, scale);
    p.translate(-kCrownLeft, -kCrownTop);
    paintCrown(p);
    p.end();
    QImage result = icon.convertToFormat(QImage::Format_ARGB32);
    // A fixed resolution, so the PNG does not take it from whatever screen the generator runs on.
    result.setDotsPerMeterX(3780);
    result.setDotsPerMeterY(3780);
    return result;
}

QByteArray iconPng(int size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!paintIcon(size).save(&buffer, "PNG"))
        throw std::runtime_error("could not encode the icon as PNG");
    return bytes;
}

} // namespace mirovalk::assets
