#include "storymap.h"

namespace {
// Representative fields by column.
constexpr int kRank = 0;
constexpr int kFavouriteGenres[] = {1, 2, 3};
constexpr int kWeakGenres[] = {7, 8, 9};
constexpr int kName = 0;
constexpr int kHeading = 1;
constexpr const char16_t *kRanks[] = {u"ランク：Ｓ", u"ランク：Ａ", u"ランク：Ｂ",
                                      u"ランク：Ｃ", u"ランク：Ｄ", u"ランク：Ｅ"};
} // namespace

StoryMap::StoryMap(SharedState &state) : state_(state) { view.areaColour.fill(kUncleared); }

bool StoryMap::load() {
    view.okVisible = false;
    int cleared = 0;
    for (int a = 0; a < kMapAreas; ++a) {
        view.areaColour[a] = state_.AreaCleared[a] != 0 ? kCleared : kUncleared;
        cleared += state_.AreaCleared[a];
    }
    return cleared != kMapAreas;
}

void StoryMap::chooseArea(int area) {
    if (area < 0 || area >= kMapAreas || state_.AreaCleared[area] != 0)
        return;
    state_.SelectedArea = area;
    ShowRepresentative();
    view.okVisible = true;
}

QString StoryMap::genreName(int genre) const {
    return genre >= 0 && genre < kGenres ? state_.GenreName[genre] : QString();
}

void StoryMap::ShowRepresentative() {
    const int a = state_.SelectedArea;
    const auto &info = state_.RepresentativeInfo[a];
    view.heading = state_.RepresentativeName[a][kHeading];
    view.name = QStringLiteral("名前 ： ") + state_.RepresentativeName[a][kName];
    const int rank = info[kRank];
    if (rank >= 0 && rank < static_cast<int>(std::size(kRanks)))
        view.rank = QString::fromUtf16(kRanks[rank]); // any other rank leaves the line as it was
    view.favourite = QStringLiteral("得意ジャンル ： ");
    for (int k : kFavouriteGenres)
        view.favourite += genreName(info[k]) + u' ';
    view.weak = QStringLiteral("苦手ジャンル ： ");
    for (int k : kWeakGenres)
        view.weak += genreName(info[k]) + u' ';
}
