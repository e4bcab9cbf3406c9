#include "playerdatagenrewindow.h"

#include "playerwindows.h"

namespace {
constexpr Rgb kLightPink{255, 192, 255};
constexpr Rgb kLightYellow{255, 255, 128};

constexpr FigureRow kRows[] = {
    {"Label21", u"出題数", 240, 1080, 2175, "Label12", 1440, 2055},
    {"Label4", u"正解数", 240, 1440, 1815, "Label13", 1440, 2055},
    {"Label5", u"不正解数", 240, 1800, 1815, "Label14", 1440, 2055},
    {"Label6", u"時間切れ数", 240, 2160, 1815, "Label15", 1440, 2055},
    {"Label7", u"無回答数", 240, 2520, 1815, "Label16", 1440, 2055},
    {"Label8", u"正答率", 240, 2880, 1815, "Label17", 1440, 2055},
    {"Label9", u"平均タイム", 240, 3240, 1815, "Label18", 1440, 2055},
    {"Label10", u"正解平均タイム", 240, 3600, 1935, "Label19", 1440, 2055},
    {"Label11", u"不正解タイム平均", 240, 3960, 2175, "Label20", 1440, 2055},
};

// Genre boxes: odd genres on the left, even on the right, two to a row.
constexpr int kBoxLeft[] = {3840, 5880};
constexpr int kBoxTop = 1080;
constexpr int kBoxPitch = 360;
// The box of genre g is Label(21 + g).
constexpr int kBoxLabelOffset = 21;
} // namespace

PlayerDataGenreWindow::PlayerDataGenreWindow(SharedState &state, std::function<void()> openOverall, QWidget *parent)
    : QDialog(parent), statistics_(state) {
    setUpPlayersWindow(this, QStringLiteral("playerdatagenre"), QStringLiteral("playerdatagenre"), 7965, 4485);
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    const QFont nameFont = layoutFont(Typeface::PGothic, 14.25);

    addLabel(this, QStringLiteral("Label1"), twips(1080, 120, 5535, 375),
             {kWhite, std::nullopt, layoutFont(Typeface::PGothic, 20.25, true), centred},
             QStringLiteral("プレイヤーデータ（ジャンル別）"));
    Label3 = addLabel(this, QStringLiteral("Label3"), twips(480, 600, 3015, 375),
                      {kBlack, kLightPink, layoutFont(Typeface::PGothic, 20.25), centred});
    addLabel(this, QStringLiteral("Label35"), twips(4080, 600, 3015, 375), {kWhite, kDarkBlue, nameFont},
             QStringLiteral("名前 ： "));
    Label36 = addLabel(this, QStringLiteral("Label36"), twips(4920, 600, 1935, 375), {kWhite, std::nullopt, nameFont});
    addLabel(this, QStringLiteral("Label2"), twips(240, 1080, 3375, 3255), {kBlack, kLightCyan, nameFont});
    values = addFigureRows(this, kRows);

    for (int g = 1; g <= GenreStatistics::kGenreBoxes; ++g) {
        box[g] = addLabel<ClickableLabel>(
            this, QStringLiteral("Label%1").arg(kBoxLabelOffset + g),
            twips(kBoxLeft[(g - 1) % 2], kBoxTop + kBoxPitch * ((g - 1) / 2), 1905, 300),
            {kBlack, kLightYellow, layoutFont(Typeface::PGothic, 11.25), centred});
        box[g]->setFrameStyle(QFrame::Box | QFrame::Plain);
        connect(box[g], &ClickableLabel::clicked, this, [this, g] {
            statistics_.chooseGenre(g);
            render();
        });
    }
    addLabel(this, QStringLiteral("Label34"), twips(3840, 3240, 3975, 375),
             {kWhite, std::nullopt, layoutFont(Typeface::PGothic, 12, true)},
             QStringLiteral("＜ジャンル名をクリックしてください＞"));

    addStatisticsButtons(this, QStringLiteral("総合データ"), 3720, 6360, std::move(openOverall));

    statistics_.load();
    render();
}

void PlayerDataGenreWindow::render() {
    for (int g = 1; g <= GenreStatistics::kGenreBoxes; ++g) {
        box[g]->setText(statistics_.boxCaption[g]);
        box[g]->setVisible(statistics_.boxVisible[g]);
    }
    Label36->setText(statistics_.name);
    Label3->setText(statistics_.genre);
    Label3->setVisible(statistics_.genreVisible);
    showCaptions(values, statistics_.captions);
}
