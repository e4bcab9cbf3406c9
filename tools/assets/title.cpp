#include "title.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace mirovalk::assets {

namespace {

constexpr double kCentreX = kTitleWidth / 2.0;
constexpr double kCentreY = 128.0;

// The window's white with a breath of the quiz's light blue (192,192,255).
const QColor kPaper(250, 251, 255);
const QColor kBandTint(232, 236, 255);

void paintBackground(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, kTitleHeight);
    sky.setColorAt(0.0, Qt::white);
    sky.setColorAt(0.40, kPaper);
    sky.setColorAt(kCentreY / kTitleHeight, kBandTint);
    sky.setColorAt(0.80, kPaper);
    sky.setColorAt(1.0, QColor(244, 247, 255));
    p.fillRect(QRectF(0, 0, kTitleWidth, kTitleHeight), sky);

    // Faint rays of light cyan (128,255,255) fanning out from the crown. They
    // fade long before the edges so the title letters and buttons stay readable.
    QRadialGradient rayFade(kCentreX, kCentreY, 170);
    rayFade.setColorAt(0.0, QColor(128, 255, 255, 70));
    rayFade.setColorAt(0.45, QColor(128, 255, 255, 22));
    rayFade.setColorAt(1.0, QColor(128, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(rayFade);
    constexpr int kRays = 18;
    for (int i = 0; i < kRays; ++i) {
        const double a = 2.0 * std::numbers::pi * i / kRays;
        const double half = std::numbers::pi / kRays / 2.2;
        QPainterPath ray;
        ray.moveTo(kCentreX, kCentreY);
        ray.lineTo(kCentreX + 400 * std::cos(a - half), kCentreY + 400 * std::sin(a - half));
        ray.lineTo(kCentreX + 400 * std::cos(a + half), kCentreY + 400 * std::sin(a + half));
        ray.closeSubpath();
        p.drawPath(ray);
    }

    // A soft white glow right behind the crown lifts it off the band.
    QRadialGradient glow(kCentreX, kCentreY, 90);
    glow.setColorAt(0.0, QColor(255, 255, 255, 230));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(kCentreX, kCentreY), 90, 90);

    // Thin light-blue rules frame the crown's band, fading out to the sides.
    for (const double y : {kTitleWordBottom + 1.5, kTitleButtonsTop - 1.5}) {
        QLinearGradient rule(0, 0, kTitleWidth, 0);
        rule.setColorAt(0.0, QColor(192, 192, 255, 0));
        rule.setColorAt(0.5, QColor(192, 192, 255, 200));
        rule.setColorAt(1.0, QColor(192, 192, 255, 0));
        p.fillRect(QRectF(0, y - 0.5, kTitleWidth, 1.0), rule);
    }
}

// Polished grey metal: dark at the rims, a bright streak where the light
// catches the curve, a softer one on the far side.
QLinearGradient metal(double left, double right)
{
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0.00, QColor(86, 88, 96));
    g.setColorAt(0.18, QColor(150, 152, 160));
    g.setColorAt(0.33, QColor(236, 238, 244));
    g.setColorAt(0.48, QColor(168, 170, 178));
    g.setColorAt(0.72, QColor(120, 122, 132));
    g.setColorAt(0.86, QColor(182, 184, 192));
    g.setColorAt(1.00, QColor(80, 82, 90));
    return g;
}

void paintJewel(QPainter& p, QPointF centre, double rx, double ry, QColor deep, QColor light)
{
    QRadialGradient g(centre.x() - rx * 0.35, centre.y() - ry * 0.4, std::max(rx, ry) * 1.3);
    g.setColorAt(0.0, Qt::white);
    g.setColorAt(0.25, light);
    g.setColorAt(1.0, deep);
    p.setBrush(g);
    p.setPen(QPen(QColor(60, 62, 70), 0.8));
    p.drawEllipse(centre, rx, ry);
}

} // namespace

void paintCrown(QPainter& p)
{
    constexpr double left = 100, right = 213, bandTop = 133, bandBottom = 149;
    const QPen outline(QColor(64, 66, 74), 1.1);

    // Soft shadow on the ground, reaching a little into the buttons' area.
    QRadialGradient shadow(kCentreX, bandBottom + 3, 70);
    shadow.setColorAt(0.0, QColor(40, 40, 90, 70));
    shadow.setColorAt(1.0, QColor(40, 40, 90, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.save();
    p.translate(kCentreX, bandBottom + 3);
    p.scale(1.0, 0.12);
    p.drawEllipse(QPointF(0, 0), 70, 70);
    p.restore();

    // The inside of the crown's back, seen between the points: a dark slate
    // cap that gives the crown depth.
    QPainterPath back;
    back.moveTo(left + 6, bandTop);
    back.cubicTo(left + 20, 112, right - 20, 112, right - 6, bandTop);
    back.closeSubpath();
    QLinearGradient inside(0, 112, 0, bandTop);
    inside.setColorAt(0.0, QColor(70, 72, 92));
    inside.setColorAt(1.0, QColor(126, 128, 146));
    p.setPen(Qt::NoPen);
    p.setBrush(inside);
    p.drawPath(back);

    // Five points, the middle one tallest; their sides curve into scalloped valleys.
    const std::array<QPointF, 5> tips{QPointF(left - 3, 105), QPointF(127, 99), QPointF(kCentreX, 91),
                                      QPointF(186, 99), QPointF(right + 3, 105)};
    constexpr double valleyY = 122;
    QPainterPath points;
    points.moveTo(left + 3, bandTop + 2);
    points.lineTo(tips[0]);
    for (std::size_t i = 0; i + 1 < tips.size(); ++i) {
        const QPointF a = tips[i], b = tips[i + 1];
        const QPointF valley((a.x() + b.x()) / 2, valleyY);
        points.quadTo(QPointF(a.x() + 3, valleyY - 3), valley);
        points.quadTo(QPointF(b.x() - 3, valleyY - 3), b);
    }
    points.lineTo(right - 3, bandTop + 2);
    points.closeSubpath();
    p.setPen(outline);
    p.setBrush(metal(left, right));
    p.drawPath(points);

    // Light from above: the upper parts of the points are brighter.
    QLinearGradient sheen(0, 90, 0, bandTop);
    sheen.setColorAt(0.0, QColor(255, 255, 255, 110));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawPath(points);

    // Pearls on the tips.
    for (const QPointF tip : tips)
        paintJewel(p, tip - QPointF(0, 2), 3.6, 3.6, QColor(110, 112, 122), QColor(226, 228, 236));

    // The band: a rounded strip lit from above.
    const QRectF band(left - 3, bandTop, right - left + 6, bandBottom - bandTop);
    QLinearGradient bandLight(0, bandTop, 0, bandBottom);
    bandLight.setColorAt(0.0, QColor(244, 245, 250));
    bandLight.setColorAt(0.35, QColor(176, 178, 186));
    bandLight.setColorAt(0.75, QColor(112, 114, 124));
    bandLight.setColorAt(1.0, QColor(72, 74, 82));
    p.setPen(outline);
    p.setBrush(bandLight);
    p.drawRoundedRect(band, 3, 3);
    p.setBrush(metal(left, right));
    p.setOpacity(0.45);
    p.drawRoundedRect(band, 3, 3);
    p.setOpacity(1.0);

    // Jewels: a blue stone from the quiz's palette in the middle, grey-blue at the sides.
    paintJewel(p, QPointF(kCentreX, (bandTop + bandBottom) / 2), 6.5, 5.0, QColor(0, 0, 150), QColor(120, 120, 255));
    for (const double dx : {-28.0, 28.0})
        paintJewel(p, QPointF(kCentreX + dx, (bandTop + bandBottom) / 2), 4.2, 3.6, QColor(70, 80, 120),
                   QColor(192, 192, 255));
    for (const double dx : {-46.0, -12.0, 12.0, 46.0})
        paintJewel(p, QPointF(kCentreX + dx, (bandTop + bandBottom) / 2), 1.8, 1.8, QColor(120, 122, 130),
                   QColor(240, 240, 245));
}

namespace {

// A four-pointed glint where the light catches the metal.
void paintGlint(QPainter& p, QPointF c, double size)
{
    QPainterPath star;
    star.moveTo(c.x(), c.y() - size);
    star.quadTo(c.x(), c.y(), c.x() + size, c.y());
    star.quadTo(c.x(), c.y(), c.x(), c.y() + size);
    star.quadTo(c.x(), c.y(), c.x() - size, c.y());
    star.quadTo(c.x(), c.y(), c.x(), c.y() - size);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawPath(star);
}

} // namespace

QImage paintTitlePicture()
{
    QImage canvas(kTitleWidth, kTitleHeight, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::white);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        paintBackground(p);

        // The crown is drawn on its own layer so that its points, which rise
        // into the title word's rows, can be faded there.
        QImage crown(canvas.size(), QImage::Format_ARGB32_Premultiplied);
        crown.fill(Qt::transparent);
        {
            QPainter c(&crown);
            c.setRenderHint(QPainter::Antialiasing);
            paintCrown(c);
            paintGlint(c, QPointF(120, 137), 5);
            paintGlint(c, QPointF(kCentreX + 2, 100), 4);
            c.setCompositionMode(QPainter::CompositionMode_DestinationIn);
            QLinearGradient fade(0, 88, 0, kTitleWordBottom + 8);
            fade.setColorAt(0.0, QColor(0, 0, 0, 70));
            fade.setColorAt(1.0, QColor(0, 0, 0, 255));
            c.fillRect(crown.rect(), fade);
        }
        p.drawImage(0, 0, crown);
    }
    return canvas.convertToFormat(QImage::Format_RGB888);
}

QByteArray titlePicture()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!paintTitlePicture().save(&buffer, "BMP"))
        throw std::runtime_error("could not encode the title picture as BMP");
    return bytes;
}

} // namespace mirovalk::assets
