#include "skillslotwindow.h"

#include "shared/fileerror.h"
#include "shared/skillhandoff.h"

namespace {

QPushButton *whiteButton(const QString &name, const QString &caption, QWidget *parent) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(twips(1080, 2640, 1215, 375));
    button->setFont(layoutFont(Typeface::PGothic, 12, true));
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, toColor(kWhite));
    palette.setColor(QPalette::ButtonText, toColor(kBlack));
    button->setPalette(palette);
    return button;
}
} // namespace

SkillSlotWindow::SkillSlotWindow(SharedState &state, RandomSource &random, MediaBackend &audio,
                                 std::function<void(const QString &)> report, QWidget *parent)
    : QDialog(parent), report_(std::move(report)),
      sound_(audio, state.dataDir()),
      slot_(random, gameTimer_, sound_, state.dataFile(QLatin1String(kSkillHandOffFile))) {
    setObjectName(QStringLiteral("skillget"));
    setWindowTitle(QStringLiteral("スキルを入手"));
    setFixedSize(twipsSize(3345, 3195));
    fillBackground(this, kBlack, kWhite);
    timer_.setObjectName(QStringLiteral("Timer3"));
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        slot_.tick();
        render();
    });
    buildControls();
}

void SkillSlotWindow::buildControls() {
    auto *Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    styleLabel(Label1, twips(480, 240, 2295, 375),
               {kWhite, std::nullopt, layoutFont(Typeface::PGothic, 15.75, true), Qt::AlignHCenter | Qt::AlignTop},
               QStringLiteral("スキル獲得"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    styleLabel(Label2, twips(600, 840, 2175, 375),
               {kWhite, kBlue, layoutFont(Typeface::PMincho, 12), Qt::AlignHCenter | Qt::AlignTop});
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    styleLabel(Label3, twips(600, 1440, 2175, 1215), {kWhite, std::nullopt, layoutFont(Typeface::PGothic, 11.25)});
    Label3->setWordWrap(true);

    Command1 = whiteButton(QStringLiteral("Command1"), QStringLiteral("ＳＴＯＰ"), this);
    Command2 = whiteButton(QStringLiteral("Command2"), QStringLiteral("OK"), this);
    connect(Command1, &QPushButton::clicked, this, &SkillSlotWindow::stop);
    connect(Command2, &QPushButton::clicked, this, &QDialog::accept);
    render();
}

void SkillSlotWindow::load() {
    try {
        slot_.load();
        handedOver_ = true;
    } catch (const FileError &error) {
        report_(error.message());
        slot_.startSpinning();
    }
    render();
    Command1->setFocus(); // Enter or Space stops the slot
}

void SkillSlotWindow::stop() {
    try {
        slot_.stop();
        handedOver_ = true;
    } catch (const FileError &error) {
        handedOver_ = false;
        report_(error.message());
    }
    render();
    Command2->setDefault(true);
    Command2->setFocus();
}

void SkillSlotWindow::render() {
    const SkillSlotView &view = slot_.view;
    Label2->setText(view.name);
    Label3->setText(view.description);
    Command1->setVisible(view.stopVisible);
    Command2->setVisible(view.okVisible);
}
