#include "rankingwindow.h"

#include "shared/fileerror.h"
#include "shared/widgets.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr Rgb kRefusalRed{192, 0, 0};
constexpr double kWindowPointSize = 9;

// Rows of the table (twips): place n sits 360 below place n - 1.
constexpr int kFirstRowTop = 120;
constexpr int kRowStep = 360;
constexpr int kRowHeight = 255;
} // namespace

Ranking::Ranking(SharedState &state, MediaBackend &audio, bool offerEntry,
                 std::function<void(const QString &, bool)> reportError, QWidget *parent)
    : QDialog(parent), table_(state, audio, offerEntry), reportError_(std::move(reportError)) {
    setObjectName(QStringLiteral("Ranking"));
    setWindowTitle(QStringLiteral("ランキング"));
    setFixedSize(twipsSize(4425, 5340));
    setFont(layoutFont(Typeface::PGothic, kWindowPointSize));
    buildControls();
}

void Ranking::buildControls() {
    const LabelStyle tableStyle{kBlack, std::nullopt, layoutFont(Typeface::PGothic, kWindowPointSize)};
    for (int n = 1; n <= kRankPlaces; ++n) {
        const int top = kFirstRowTop + kRowStep * (n - 1);
        // Placeholders until the table is read.
        const QString placeholder = formatFullWidth(n) + QStringLiteral("位");
        rankingpoint[n - 1] = new QLabel(this);
        rankingpoint[n - 1]->setObjectName(QStringLiteral("rankingpoint%1").arg(n));
        styleLabel(rankingpoint[n - 1], twips(360, top, 855, kRowHeight), tableStyle, placeholder);
        rankingname[n - 1] = new QLabel(this);
        rankingname[n - 1]->setObjectName(QStringLiteral("rankingname%1").arg(n));
        styleLabel(rankingname[n - 1], twips(1320, top, 2655, kRowHeight), tableStyle, placeholder);
    }

    playerranklabel = new QLabel(this);
    playerranklabel->setObjectName(QStringLiteral("playerranklabel"));
    styleLabel(playerranklabel, twips(240, 3840, 2415, 255),
               {kBlack, std::nullopt, layoutFont(Typeface::PGothic, 11.25, true)}, QStringLiteral("順位"));

    PlayerNameText = new QLineEdit(this);
    PlayerNameText->setObjectName(QStringLiteral("PlayerNameText"));
    // Qt's own edit menu speaks English; the name box needs none.
    PlayerNameText->setContextMenuPolicy(Qt::NoContextMenu);
    PlayerNameText->setGeometry(twips(480, 4200, 2655, 405));
    PlayerNameText->setFont(layoutFont(Typeface::PGothic, 9.75));
    connect(PlayerNameText, &QLineEdit::textEdited, this, [this] {
        table_.editName();
        render();
    });

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twips(1680, 4800, 615, 375));
    Command1->setFont(layoutFont(Typeface::PGothic, 12, true));
    Command1->setDefault(true); // Enter in the name box is OK
    connect(Command1, &QPushButton::clicked, this, &Ranking::confirm);

    setTabOrder(PlayerNameText, Command1);
}

bool Ranking::load() {
    try {
        table_.load();
    } catch (const FileError &error) {
        reportError_(error.message(), error.endsProgram());
        return false;
    }
    PlayerNameText->setText(table_.view.nameText);
    render();
    (table_.entryPending() ? static_cast<QWidget *>(PlayerNameText) : Command1)->setFocus();
    return true;
}

void Ranking::render() {
    const RankingView &view = table_.view;
    for (int n = 0; n < kRankPlaces; ++n) {
        rankingpoint[n]->setText(view.point[n]);
        rankingname[n]->setText(view.name[n]);
    }
    playerranklabel->setText(view.placeCaption);
    // The reason for a refused name is longer than a place; it may run on towards the right edge.
    playerranklabel->setGeometry(view.placeIsRefusal ? twips(240, 3840, 4065, 255) : twips(240, 3840, 2415, 255));
    QPalette palette = playerranklabel->palette();
    palette.setColor(QPalette::WindowText, toColor(view.placeIsRefusal ? kRefusalRed : kBlack));
    playerranklabel->setPalette(palette);
    playerranklabel->setVisible(view.entryVisible);
    PlayerNameText->setVisible(view.entryVisible);
}

void Ranking::confirm() {
    bool done = true;
    try {
        done = table_.confirm(PlayerNameText->text());
    } catch (const FileError &error) {
        // The old file is kept whole; the entry is not in it, and may be offered again.
        reportError_(error.message(), error.endsProgram());
    }
    if (!done) {
        render();
        PlayerNameText->setFocus();
        return;
    }
    accept();
}

void Ranking::reject() {
    table_.leave();
    QDialog::reject();
}
