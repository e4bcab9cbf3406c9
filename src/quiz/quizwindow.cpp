#include "quizwindow.h"

namespace {
constexpr Rgb kAnswerBlue{0, 0, 255};
constexpr Rgb kLightBlue{192, 192, 255};
constexpr Rgb kMarkPink{255, 128, 128};
constexpr Rgb kLifeGreen{0, 255, 0};
constexpr Rgb kSkillPurple{192, 0, 192};
constexpr Rgb kMenuCyan{128, 255, 255};
constexpr double kWindowPointSize = 11.25;

// Slot positions of the answer, number and mark labels, slot 1 first (twips).
constexpr int kAnswerLeft[] = {1560, 5160, 1560, 5160};
constexpr int kNumberLeft[] = {1200, 4800, 1200, 4800};
constexpr int kSlotTop[] = {2640, 2640, 3240, 3240};
constexpr int kMarkLeft[] = {600, 4320, 720, 4320};
constexpr int kMarkTop[] = {2760, 2760, 3360, 3360};
constexpr int kMenuLeft[] = {2880, 5040, 6360, 7920};
constexpr const char16_t *kMenuCaption[] = {u"　　　　　　続ける", u"　　　　　　ランキング", u"　　　　　　データ",
                                            u"　　　　　　終了"};
constexpr const char16_t *kDigits[] = {u"１", u"２", u"３", u"４"};

void setCaption(QLabel *label, const QString &caption) {
    if (label->text() != caption)
        label->setText(caption);
}
} // namespace

QuizWindow::QuizWindow(SharedState &state, RandomSource &random, MediaBackend &audio, QuizHost &host,
                       QWidget *parent)
    : QWidget(parent), host_(host),
      sounds_(std::make_unique<QuizSounds>(audio, state.dataDir())),
      game_(std::make_unique<QuizGame>(state, random, gameTimer_, *sounds_, static_cast<QuizHost &>(*this))) {
    setObjectName(QStringLiteral("quizmain"));
    setWindowTitle(QStringLiteral("ＭＩＲＯ　ＶＡＬＫ　　灰色の王冠"));
    setFixedSize(twipsSize(9240, 5520));
    setFont(layoutFont(Typeface::PGothic, kWindowPointSize));
    setAttribute(Qt::WA_DeleteOnClose);
    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this, [this] { handle([this] { game_->tick(); }); });
    buildControls();
    render();
}

void QuizWindow::buildControls() {
    const QFont windowFont = layoutFont(Typeface::PGothic, kWindowPointSize);
    auto plain = [this](const char *name) {
        auto *label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        return label;
    };
    // Captions sit at the top of their label, centred across it; only the answers and their
    // numbers are centred in height as well, as buttons are.
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;

    Label1 = plain("Label1");
    styleLabel(Label1, twips(1440, 840, 6135, 1455), {kBlack, std::nullopt, layoutFont(Typeface::Gothic, 12.75)});
    Label1->setWordWrap(true);
    LabelNumQ = plain("LabelNumQ");
    styleLabel(LabelNumQ, twips(3720, 0, 1575, 375),
               {kWhite, kBlack, layoutFont(Typeface::PGothic, 11.25, true), centred});
    LabelPoint = plain("LabelPoint");
    styleLabel(LabelPoint, twips(120, 480, 3135, 255), {kWhite, kBlack, layoutFont(Typeface::PGothic, 9), centred});
    time = plain("time");
    styleLabel(time, twips(4080, 2400, 855, 255), {kWhite, kBlack, layoutFont(Typeface::PGothic, 11.25, true), centred},
               QStringLiteral("１５０"));

    for (int s = 1; s <= 4; ++s) {
        ans[s] = new ClickableLabel(QStringLiteral("ans%1").arg(s), this);
        styleLabel(ans[s], twips(kAnswerLeft[s - 1], kSlotTop[s - 1], 2655, 495),
                   {kWhite, kAnswerBlue, layoutFont(Typeface::PGothic, 12.75), Qt::AlignLeft | Qt::AlignVCenter});
        a[s] = new ClickableLabel(QStringLiteral("a%1").arg(s), this);
        styleLabel(a[s], twips(kNumberLeft[s - 1], kSlotTop[s - 1], 255, 495),
                   {kBlack, kLightBlue, layoutFont(Typeface::PGothic, 15.75, true), Qt::AlignCenter},
                   QString::fromUtf16(kDigits[s - 1]));
        ox[s] = plain("ox");
        ox[s]->setObjectName(QStringLiteral("ox%1").arg(s));
        styleLabel(ox[s], twips(kMarkLeft[s - 1], kMarkTop[s - 1], s == 1 ? 975 : 855, 375),
                   {kMarkPink, std::nullopt,
                    layoutFont(s == 1 ? Typeface::PMincho : Typeface::PGothic, 12, true),
                    Qt::AlignRight | Qt::AlignTop});
        // A mark lies over most of its slot's number label, which must still take clicks.
        ox[s]->setAttribute(Qt::WA_TransparentForMouseEvents);
        for (ClickableLabel *label : {ans[s], a[s]})
            connect(label, &ClickableLabel::clicked, this, [this, s] { handle([this, s] { game_->chooseSlot(s); }); });
    }

    label2 = plain("label2");
    styleLabel(label2, twips(2880, 3960, 3375, 375),
               {kWhite, kBlack, layoutFont(Typeface::PGothic, 14.25, true), centred});
    LabelMes = plain("LabelMes");
    styleLabel(LabelMes, twips(2520, 4560, 4095, 615), {kWhite, kBlack, windowFont, centred});
    LabelMes->setWordWrap(true);
    LabelLife = plain("LabelLife");
    styleLabel(LabelLife, twips(120, 4680, 1095, 255), {kLifeGreen, kBlack, windowFont, centred});

    nowskill = new ClickableLabel(QStringLiteral("nowskill"), this);
    styleLabel(nowskill, twips(120, 3960, 1455, 375),
               {kWhite, kSkillPurple, layoutFont(Typeface::PGothic, 11.25, true), centred});
    connect(nowskill, &ClickableLabel::clicked, this, [this] { handle([this] { game_->useHeldSkill(); }); });

    for (int m = 1; m <= 4; ++m) {
        command[m] = new ClickableLabel(QStringLiteral("command%1").arg(m), this);
        styleLabel(command[m], twips(kMenuLeft[m - 1], 4920, 1095, 495),
                   {kBlack, kMenuCyan, layoutFont(Typeface::PGothic, 12), centred},
                   QString::fromUtf16(kMenuCaption[m - 1]));
        command[m]->setWordWrap(true);
        connect(command[m], &ClickableLabel::clicked, this,
                [this, m] { handle([this, m] { game_->chooseMenu(static_cast<MenuEntry>(m)); }); });
        // The key digit sits over the left end of its entry.
        menuDigit[m] = plain("Label");
        menuDigit[m]->setObjectName(QStringLiteral("Label%1").arg(m + 2));
        styleLabel(menuDigit[m], twips(kMenuLeft[m - 1], 4920, 255, 255),
                   {kRed, std::nullopt, layoutFont(Typeface::PGothic, 11.25, true), centred},
                   QString::fromUtf16(kDigits[m - 1]));
        // A click on the digit is a click on the entry beneath it.
        menuDigit[m]->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    // Marks and key digits are drawn over their neighbours.
    for (int s = 1; s <= 4; ++s) {
        ox[s]->raise();
        menuDigit[s]->raise();
    }

    Picture1 = new KeyBox(this);
    Picture1->setGeometry(twips(360, 120, 135, 135));
    connect(Picture1, &KeyBox::keyDown, this, [this](int vk) { handle([this, vk] { game_->key(vk); }); });
    setFocusProxy(Picture1);
}

bool QuizWindow::load() {
    const bool loaded = game_->load();
    if (loaded)
        render();
    return loaded;
}

void QuizWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    Picture1->setFocus();
}

void QuizWindow::handle(const std::function<void()> &event) {
    event();
    render();
}

void QuizWindow::render() {
    const QuizView &view = game_->view;
    setCaption(Label1, view.question);
    setCaption(LabelNumQ, view.questionNumber);
    setCaption(LabelPoint, view.scoreLine);
    setCaption(time, view.time);
    for (int s = 1; s <= 4; ++s) {
        setCaption(ans[s], view.answer[s].caption);
        ans[s]->setVisible(view.answer[s].visible);
        a[s]->setVisible(view.number[s].visible);
        setCaption(ox[s], view.mark[s]);
        command[s]->setVisible(view.menuVisible);
        menuDigit[s]->setVisible(view.menuVisible);
    }
    setCaption(label2, view.verdict);
    setCaption(LabelMes, view.message);
    setCaption(LabelLife, view.lifeLine);
    setCaption(nowskill, view.heldSkill.caption);
    nowskill->setVisible(view.heldSkill.visible);
}

bool QuizWindow::runSkillSlot() {
    render();
    return host_.runSkillSlot();
}
void QuizWindow::selectGenre() {
    render();
    host_.selectGenre();
}
bool QuizWindow::showRanking(bool offerEntry) {
    render();
    return host_.showRanking(offerEntry);
}
void QuizWindow::showPlayerData() {
    render();
    host_.showPlayerData();
}
