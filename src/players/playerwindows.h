#pragma once

#include "shared/widgets.h"

#include <QDialog>
#include <QMap>
#include <QPushButton>

#include <functional>
#include <span>

// Pieces the players' windows share.

inline constexpr Rgb kDarkBlue{0, 0, 192};
inline constexpr Rgb kLightCyan{128, 255, 255};

// A fixed client area on black, centred on the screen, a title bar with a close box only.
void setUpPlayersWindow(QDialog *window, const QString &objectName, const QString &caption, int widthTwips,
                        int heightTwips);

// A label (or a clickable one) with its object name, placed and styled by twips.
template <typename Label = QLabel>
Label *addLabel(QWidget *parent, const QString &objectName, const QRect &geometry, const LabelStyle &style,
                const QString &caption = {}) {
    auto *label = new Label(parent);
    label->setObjectName(objectName);
    styleLabel(label, geometry, style, caption);
    return label;
}

// A push button placed by twips. None of these windows has a default button: Enter presses none.
QPushButton *addButton(QWidget *parent, const QString &objectName, const QString &caption, const QRect &geometry,
                       const QFont &font);

// One row of a statistics window: a caption label and the label its figure is shown in, both
// 375 twips high in 14.25 pt, dark text on the light panel, the figure right-aligned.
struct FigureRow {
    const char *captionLabel;
    const char16_t *text;
    int left, top, width;
    const char *valueLabel;
    int valueLeft, valueWidth;
    bool opaque = false; // a caption with its own light cyan background
};
// Builds the rows; returns the value labels by name.
QMap<QString, QLabel *> addFigureRows(QWidget *parent, std::span<const FigureRow> rows);
// Shows each figure label's caption.
void showCaptions(const QMap<QString, QLabel *> &labels, const QMap<QString, QString> &captions);

// The two buttons of a statistics window, side by side at `top`: Command2 (`otherCaption`) closes
// the window and then runs `openOther`, which opens the other statistics window without waiting;
// Command1 "ＯＫ" at `okLeft` closes it.
void addStatisticsButtons(QDialog *window, const QString &otherCaption, int top, int okLeft,
                          std::function<void()> openOther);
