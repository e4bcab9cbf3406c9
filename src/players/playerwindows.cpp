#include "playerwindows.h"

namespace {
constexpr int kRowHeight = 375;
constexpr double kRowPointSize = 14.25;
} // namespace

void setUpPlayersWindow(QDialog *window, const QString &objectName, const QString &caption, int widthTwips,
                        int heightTwips) {
    window->setObjectName(objectName);
    window->setWindowTitle(caption);
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    window->setFixedSize(twipsSize(widthTwips, heightTwips));
    window->setFont(layoutFont(Typeface::PGothic, 11.25));
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, toColor(kBlack));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

QPushButton *addButton(QWidget *parent, const QString &objectName, const QString &caption, const QRect &geometry,
                       const QFont &font) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setGeometry(geometry);
    button->setFont(font);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QMap<QString, QLabel *> addFigureRows(QWidget *parent, std::span<const FigureRow> rows) {
    const QFont font = layoutFont(Typeface::PGothic, kRowPointSize);
    QMap<QString, QLabel *> values;
    for (const FigureRow &row : rows) {
        addLabel(parent, QLatin1String(row.captionLabel), twips(row.left, row.top, row.width, kRowHeight),
                 {kBlack, row.opaque ? std::optional(kLightCyan) : std::nullopt, font}, QString::fromUtf16(row.text));
        values[QLatin1String(row.valueLabel)] =
            addLabel(parent, QLatin1String(row.valueLabel), twips(row.valueLeft, row.top, row.valueWidth, kRowHeight),
                     {kBlack, std::nullopt, font, Qt::AlignRight | Qt::AlignTop});
    }
    return values;
}
