#pragma once

#include "rgb.h"

#include <QFont>
#include <QLabel>
#include <QRect>

#include <optional>

// Window layouts are drawn up in twips: 15 twips to the pixel at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;
QRect twips(int left, int top, int width, int height);
QSize twipsSize(int width, int height);
inline int twipsToPixels(int value) { return value / kTwipsPerPixel; }

// The layout's fonts, mapped to the IPA fonts that share their metrics.
enum class Typeface { PGothic, Gothic, PMincho };
QFont layoutFont(Typeface face, double pointSize, bool bold = false, bool italic = false);

QColor toColor(Rgb rgb);

// Fills a window or label with one colour, and sets the colour of the text drawn on it if given.
void fillBackground(QWidget *widget, Rgb background, std::optional<Rgb> text = std::nullopt);

// Labels serve as buttons throughout the game: a press on a visible label is a click.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget *parent = nullptr);
    ClickableLabel(const QString &objectName, QWidget *parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

// The small box that holds the keyboard focus in a window and hands its keys on as Windows
// virtual-key codes, the codes the game's keys are defined in.
class KeyBox : public QWidget {
    Q_OBJECT
public:
    explicit KeyBox(QWidget *parent);
    // Qt's key to its virtual-key code: the letters and the numeric keypad; 0 for other keys.
    static int virtualKey(const QKeyEvent &event);

signals:
    void keyDown(int virtualKey);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// A plain label placed by twips, with its colours, font and alignment.
struct LabelStyle {
    Rgb text{0, 0, 0};
    std::optional<Rgb> background; // none: transparent
    QFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
};
void styleLabel(QLabel *label, const QRect &geometry, const LabelStyle &style, const QString &caption = QString());
