#include "playerdatawindow.h"

#include "playerwindows.h"

namespace {
constexpr FigureRow kRows[] = {
    {"Label4", u"最高得点", 240, 1080, 1215, "Label11", 480, 3015},
    {"Label5", u"平均得点", 240, 1440, 1215, "Label12", 480, 3015},
    {"Label25", u"総出題問題数", 240, 1800, 1815, "Label20", 1440, 2055},
    {"Label6", u"総正解数", 240, 2160, 1215, "Label21", 1440, 2055},
    {"Label7", u"総不正解数", 240, 2520, 1455, "Label22", 1440, 2055},
    {"Label8", u"時間切れ総数", 240, 2880, 1815, "Label23", 1440, 2055},
    {"Label9", u"総無回答数", 240, 3240, 1455, "Label24", 1440, 2055},
    {"Label3", u" 総プレイ回数", 3840, 600, 3495, "Label19", 5280, 1935, true},
    {"Label14", u"最高正解率", 3960, 1080, 1455, "Label26", 5280, 1935},
    {"Label15", u"正解率", 3960, 1440, 975, "Label27", 5280, 1935},
    {"Label16", u"平均解答タイム", 3960, 1800, 1935, "Label28", 5280, 1935},
    {"Label17", u"正解タイム平均", 3960, 2160, 1935, "Label29", 5280, 1935},
    {"Label18", u"不正解タイム平均", 3960, 2520, 2175, "Label30", 5280, 1935},
};
} // namespace

PlayerDataWindow::PlayerDataWindow(SharedState &state, std::function<void()> openGenres, QWidget *parent)
    : QDialog(parent), statistics_(state) {
    setUpPlayersWindow(this, QStringLiteral("playerdata"), QStringLiteral("Form1"), 7410, 3960);
    const QFont nameFont = layoutFont(Typeface::PGothic, 14.25);

    addLabel(this, QStringLiteral("Label1"), twips(1680, 120, 3855, 375),
             {kWhite, std::nullopt, layoutFont(Typeface::PGothic, 20.25, true), Qt::AlignHCenter | Qt::AlignTop},
             QStringLiteral("プレイヤーデータ"));
    addLabel(this, QStringLiteral("Label2"), twips(240, 600, 3375, 375), {kWhite, kDarkBlue, nameFont},
             QStringLiteral("名前 ： "));
    QLabel *name = addLabel(this, QStringLiteral("Label10"), twips(1200, 600, 2175, 375),
                            {kWhite, std::nullopt, nameFont});
    // The light panels lie behind the figures.
    addLabel(this, QStringLiteral("Labelback1"), twips(240, 1080, 3375, 2535), {kBlack, kLightCyan, nameFont});
    addLabel(this, QStringLiteral("Label13"), twips(3840, 1080, 3495, 1815), {kBlack, kLightCyan, nameFont});
    const QMap<QString, QLabel *> values = addFigureRows(this, kRows);

    addStatisticsButtons(this, QStringLiteral("ジャンル別データ"), 3120, 6120, std::move(openGenres));

    statistics_.load();
    name->setText(statistics_.name);
    showCaptions(values, statistics_.captions);
}
