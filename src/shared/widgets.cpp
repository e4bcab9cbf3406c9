#include "widgets.h"

#include <QKeyEvent>
#include <QMouseEvent>

QRect twips(int left, int top, int width, int height) {
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel);
}

QSize twipsSize(int width, int height) { return QSize(width / kTwipsPerPixel, height / kTwipsPerPixel); }

QFont layoutFont(Typeface face, double pointSize, bool bold, bool italic) {
    QFont font;
    switch (face) {
    case Typeface::PGothic: font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")}); break;
    case Typeface::Gothic: font.setFamilies({QStringLiteral("IPAGothic")}); break;
    case Typeface::PMincho: font.setFamilies({QStringLiteral("IPAPMincho"), QStringLiteral("IPAMincho")}); break;
    }
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QColor toColor(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

ClickableLabel::ClickableLabel(QWidget *parent) : QLabel(parent) {}

ClickableLabel::ClickableLabel(const QString &objectName, QWidget *parent) : QLabel(parent) {
    setObjectName(objectName);
}

void ClickableLabel::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QLabel::mousePressEvent(event);
}

KeyBox::KeyBox(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setFocusPolicy(Qt::StrongFocus);
}

int KeyBox::virtualKey(const QKeyEvent &event) {
    constexpr int kKeypadZero = 96;
    const int key = event.key();
    if (event.modifiers() & Qt::KeypadModifier)
        return key >= Qt::Key_0 && key <= Qt::Key_9 ? kKeypadZero + (key - Qt::Key_0) : 0;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key; // the letter keys share their codes with the virtual keys
    return 0;
}

void KeyBox::keyPressEvent(QKeyEvent *event) {
    if (const int vk = virtualKey(*event))
        emit keyDown(vk);
    else
        QWidget::keyPressEvent(event);
}

void fillBackground(QWidget *widget, Rgb background, std::optional<Rgb> text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, toColor(background));
    if (text)
        palette.setColor(QPalette::WindowText, toColor(*text));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void styleLabel(QLabel *label, const QRect &geometry, const LabelStyle &style, const QString &caption) {
    label->setGeometry(geometry);
    label->setFont(style.font);
    label->setAlignment(style.alignment);
    if (style.background) {
        fillBackground(label, *style.background, style.text);
    } else {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, toColor(style.text));
        label->setPalette(palette);
        label->setAutoFillBackground(false);
        label->setAttribute(Qt::WA_TranslucentBackground);
    }
    label->setTextFormat(Qt::PlainText); // texts from data files are never markup
    label->setText(caption);
}
