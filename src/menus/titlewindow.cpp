#include "titlewindow.h"

#include "shared/fileerror.h"

namespace {
constexpr int kLetterLeft[] = {120, 600, 1080, 1560, 720, 1320, 1920, 2400};
// The letters of ＶＡＬＫ are right-aligned on edges 600 twips apart; the first of them is
// 2175 wide like the others, or Ｖ and Ａ would be drawn on the same spot.
constexpr int kLetterWidth[] = {2055, 2055, 2055, 2055, 2175, 2175, 2175, 2175};
// The title word is set condensed so its letters, drawn 480 twips apart, do not run into each
// other at the full size of the design.
constexpr int kLetterStretch = 80;
// Room for the slant of an italic letter set against the right edge of its label.
constexpr int kItalicOverhang = 10;
constexpr const char16_t *kLetters[] = {u"Ｍ", u"Ｉ", u"Ｒ", u"Ｏ", u"Ｖ", u"Ａ", u"Ｌ", u"Ｋ"};
constexpr Rgb kSubtitleBlue{128, 128, 255};

QFont condensed(QFont font) {
    font.setStretch(kLetterStretch);
    return font;
}
} // namespace

TitleWindow::TitleWindow(SharedState &state, Services services, QWidget *parent)
    : QWidget(parent), state_(state), services_(std::move(services)) {
    setObjectName(QStringLiteral("title"));
    setWindowTitle(QStringLiteral("タイトル"));
    setFixedSize(twipsSize(4680, 3195));
    setAttribute(Qt::WA_DeleteOnClose);
    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &TitleWindow::step);
    buildControls();
}

void TitleWindow::buildControls() {
    // The picture lies at the bottom of the stack, behind the letters, subtitle and buttons.
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twips(0, 0, 4695, 3135));
    Image1->hide();

    for (int k = 1; k <= TitleAnimation::kLetters; ++k) {
        letter[k] = new QLabel(this);
        letter[k]->setObjectName(QStringLiteral("Label%1").arg(k));
        const Qt::Alignment align = (k <= 4 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop;
        styleLabel(letter[k], twips(kLetterLeft[k - 1], 0, kLetterWidth[k - 1], 1695),
                   {kRed, std::nullopt, condensed(layoutFont(Typeface::PGothic, 36, false, true)), align},
                   QString::fromUtf16(kLetters[k - 1]));
        if (k > 4)
            letter[k]->setContentsMargins(0, 0, kItalicOverhang, 0);
    }
    Label9 = new QLabel(this);
    Label9->setObjectName(QStringLiteral("Label9"));
    styleLabel(Label9, twips(2760, 840, 15, 320), {kSubtitleBlue, std::nullopt, layoutFont(Typeface::PGothic, 15.75, true)},
               QStringLiteral("灰色の王冠"));

    const struct {
        int left, top;
        const char16_t *caption;
    } buttons[] = {{1200, 1800, u"ＳＴＯＲＹ　ＭＯＤＥ"},
                   {120, 2280, u"２Ｐ　対戦"},
                   {2400, 2280, u"ＥＮＤＬＥＳＳ　ＭＯＤＥ"},
                   {120, 2760, u"ＣＯＮＦＩＧ"},
                   {2400, 2760, u"ＥＸＩＴ"}};
    for (int c = 1; c <= 5; ++c) {
        Command[c] = new QPushButton(QString::fromUtf16(buttons[c - 1].caption), this);
        Command[c]->setObjectName(QStringLiteral("Command%1").arg(c));
        Command[c]->setGeometry(twips(buttons[c - 1].left, buttons[c - 1].top, 2055, 375));
        Command[c]->setFont(layoutFont(Typeface::PGothic, 9));
    }
    connect(Command[1], &QPushButton::clicked, this, [this] { animation_.chooseMode(TitleAnimation::Mode::Story); });
    connect(Command[2], &QPushButton::clicked, this, [this] { animation_.chooseMode(TitleAnimation::Mode::TwoPlayer); });
    connect(Command[3], &QPushButton::clicked, this, [this] { animation_.chooseMode(TitleAnimation::Mode::Endless); });
    connect(Command[5], &QPushButton::clicked, this, [this] { services_.exitGame(); });
    // ＣＯＮＦＩＧ has no window behind it.

    Label10 = new QLabel(this);
    Label10->setObjectName(QStringLiteral("Label10"));
    styleLabel(Label10, twips(480, 240, 135, 495), {kWhite, Rgb{0, 0, 0}, font()});
    Label10->hide();
}

bool TitleWindow::load() {
    animation_ = TitleAnimation();
    try {
        state_.InitNameTables();
        state_.InitGame();
    } catch (const FileError &error) {
        services_.reportError(error.message(), error.endsProgram());
        return false;
    }
    Command[1]->hide();
    Command[2]->hide();
    Command[4]->hide();
    Command[3]->show();
    Command[5]->show();
    render();
    timer_.start();
    return true;
}

void TitleWindow::step() {
    const int before = animation_.TitleStep;
    const TitleAnimation::Action action = animation_.tick();
    if (animation_.pictureVisible && picture_.isNull()) {
        const QString path = state_.dataFile(QStringLiteral("title.bmp"));
        if (!picture_.load(path)) {
            timer_.stop();
            // The title cannot be shown without its picture.
            const FileError error =
                FileError(path, 0, QStringLiteral("タイトル画像がないか、BMP 画像として読めません")).setScope(FaultScope::Program);
            services_.reportError(error.message(), error.endsProgram());
            return;
        }
        Image1->setPixmap(picture_);
    }
    if (animation_.TitleStep != before)
        render();
    switch (action) {
    case TitleAnimation::Action::OpenEndless: services_.openEndless(); break;
    case TitleAnimation::Action::OpenStory: services_.openStory(); break;
    case TitleAnimation::Action::None: break;
    }
}

void TitleWindow::render() {
    fillBackground(this, animation_.background);
    for (int k = 1; k <= TitleAnimation::kLetters; ++k) {
        const TitleAnimation::Letter &state = animation_.letters[k - 1];
        QFont font = letter[k]->font();
        if (font.pointSize() != state.pointSize) {
            font.setPointSize(state.pointSize);
            letter[k]->setFont(font);
        }
        QPalette letterPalette = letter[k]->palette();
        letterPalette.setColor(QPalette::WindowText, toColor(state.colour));
        letter[k]->setPalette(letterPalette);
        letter[k]->setVisible(state.visible);
    }
    Label9->resize(twipsToPixels(animation_.subtitleWidth), Label9->height());
    Label9->setVisible(animation_.subtitleVisible);
    Image1->setVisible(animation_.pictureVisible);
    if (animation_.curtainVisible) {
        Label10->setGeometry(twips(0, 0, animation_.curtainWidth, 3200));
        Label10->show();
        Label10->raise();
    }
}
