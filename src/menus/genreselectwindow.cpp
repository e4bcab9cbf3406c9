#include "genreselectwindow.h"

namespace {
constexpr Rgb kNumberBlue{192, 192, 255};
constexpr int kRowHeight = 255;
constexpr int kNameWidth = 2535;
// Rows 1..4 in the left column, the spare row 5 below them, the spare rows 6..9 and "ノンジャンル"
// (row 10) in the right column. Number labels stand 240 twips left of their names.
constexpr int kRowLeft[] = {0, 240, 240, 240, 240, 240, 3120, 3120, 3120, 3120, 3120};
constexpr int kRowTop[] = {0, 720, 1200, 1680, 2160, 2640, 720, 1200, 1680, 2160, 2640};
constexpr const char16_t *kNumbers[] = {u"", u"１", u"２", u"３", u"４", u"５", u"６", u"７", u"８", u"９", u"５"};
} // namespace

GenreSelectWindow::GenreSelectWindow(SharedState &state, RandomSource &random, QWidget *parent)
    : QDialog(parent), select_(state, random) {
    setObjectName(QStringLiteral("genreselect"));
    setWindowTitle(QStringLiteral("ジャンルセレクト"));
    setFixedSize(twipsSize(6225, 3195));
    fillBackground(this, kBlack, kWhite);
    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(GenreSelect::kTickInterval);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (select_.tick())
            accept();
    });
    buildControls();
}

void GenreSelectWindow::buildControls() {
    auto *title = new QLabel(this);
    title->setObjectName(QStringLiteral("Label11"));
    styleLabel(title, twips(1680, 120, 2535, 255),
               {kWhite, kBlack, layoutFont(Typeface::PMincho, 12.75, true), Qt::AlignHCenter | Qt::AlignTop},
               QStringLiteral("ジャンルセレクト"));
    for (int row = 1; row <= GenreSelect::kNoGenreRow; ++row) {
        a[row] = new ClickableLabel(QStringLiteral("a%1").arg(row), this);
        styleLabel(a[row], twips(kRowLeft[row] - 240, kRowTop[row], 255, kRowHeight),
                   {kBlack, kNumberBlue, layoutFont(Typeface::PGothic, 12, true), Qt::AlignCenter},
                   QString::fromUtf16(kNumbers[row]));
        Label[row] = new ClickableLabel(QStringLiteral("Label%1").arg(row), this);
        styleLabel(Label[row], twips(kRowLeft[row], kRowTop[row], kNameWidth, kRowHeight),
                   {kWhite, kBlue, layoutFont(Typeface::PGothic, 12), Qt::AlignHCenter | Qt::AlignTop},
                   QStringLiteral("Label%1").arg(row));
        const bool used = row <= GenreSelect::kOfferedRows || row == GenreSelect::kNoGenreRow;
        a[row]->setVisible(used);
        Label[row]->setVisible(used);
        for (ClickableLabel *label : {a[row], Label[row]})
            connect(label, &ClickableLabel::clicked, this, [this, row] { select_.chooseRow(row); });
    }
    Label[GenreSelect::kNoGenreRow]->setText(QStringLiteral("ノンジャンル"));

    Picture1 = new KeyBox(this);
    Picture1->setGeometry(twips(120, 120, 135, 135));
    connect(Picture1, &KeyBox::keyDown, this, [this](int vk) { select_.key(vk); });
    setFocusProxy(Picture1);
}

void GenreSelectWindow::load() {
    select_.load();
    for (int row = 1; row <= GenreSelect::kOfferedRows; ++row)
        Label[row]->setText(select_.rowCaption(row));
    timer_.start();
}

void GenreSelectWindow::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    Picture1->setFocus();
}

void GenreSelectWindow::done(int result) {
    timer_.stop();
    if (result != QDialog::Accepted)
        select_.closeWithoutChoice();
    QDialog::done(result);
}
