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
    fillBackground(window, kBlack);
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

void showCaptions(const QMap<QString, QLabel *> &labels, const QMap<QString, QString> &captions) {
    for (auto it = labels.begin(); it != labels.end(); ++it)
        it.value()->setText(captions.value(it.key()));
}

void addStatisticsButtons(QDialog *window, const QString &otherCaption, int top, int okLeft,
                          std::function<void()> openOther) {
    QPushButton *other = addButton(window, QStringLiteral("Command2"), otherCaption, twips(3840, top, 2055, 495),
                                   layoutFont(Typeface::PGothic, 11.25, true));
    QPushButton *ok = addButton(window, QStringLiteral("Command1"), QStringLiteral("ＯＫ"), twips(okLeft, top, 1095, 495),
                                layoutFont(Typeface::PGothic, 15.75, true));
    QObject::connect(ok, &QPushButton::clicked, window, &QDialog::accept);
    QObject::connect(other, &QPushButton::clicked, window, [window, openOther = std::move(openOther)] {
        window->accept();
        if (openOther)
            openOther();
    });
}
