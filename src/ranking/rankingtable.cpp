#include "rankingtable.h"

#include "shared/nameentry.h"

RankingTable::RankingTable(SharedState &state, MediaBackend &audio, bool offerEntry)
    : state_(state), MMControl1(audio.createControl()), offerEntry_(offerEntry) {}

RankingTable::~RankingTable() { MMControl1->Close(); }

QString RankingTable::filePath() const { return state_.dataFile(QLatin1String(kRankingFile)); }

void RankingTable::load() {
    MMControl1->Open(state_.dataFile(QStringLiteral("ranking.wav")));
    view.nameText = state_.PlayerName[state_.CurrentPlayer][0];
    EntryRank = kNoEntry;
    const RankingRecords records = readRankingFile(filePath());
    RankScore = records.score;
    RankName = records.name;
    // The work slot takes the score; its name stays as read.
    RankScore[kWorkSlot] = state_.Score;
    // The first place the score beats outright: an equal score goes below the one already there.
    for (int i = 0; offerEntry_ && i < kRankPlaces; ++i) {
        if (state_.Score > RankScore[i]) {
            EntryRank = static_cast<std::int16_t>(i);
            InsertEntry();
            break;
        }
    }
    view.entryVisible = entryPending();
    ShowRanking();
}

void RankingTable::InsertEntry() {
    for (int j = kRankPlaces - 1; j >= EntryRank; --j) {
        RankScore[j + 1] = RankScore[j];
        RankName[j + 1] = RankName[j];
    }
    RankScore[EntryRank] = state_.Score;
    RankName[EntryRank].clear();
    state_.FormatValue = EntryRank + 1;
    state_.FormatNumber();
    announcement_ = QStringLiteral("第") + state_.FormatText + QStringLiteral("位　入賞！");
    view.placeCaption = announcement_;
    view.placeIsRefusal = false;
    PlayRankingSound();
}

void RankingTable::RemoveEntry() {
    for (int j = EntryRank; j < kRankPlaces; ++j) {
        RankScore[j] = RankScore[j + 1];
        RankName[j] = RankName[j + 1];
    }
}

void RankingTable::ShowRanking() {
    for (int n = 0; n < kRankPlaces; ++n) {
        view.point[n] = QString::number(RankScore[n]);
        view.name[n] = RankName[n];
    }
}

void RankingTable::SaveRanking() { writeRankingFile(filePath(), {RankScore, RankName}); }

void RankingTable::PlayRankingSound() { playCue(*MMControl1); }

bool RankingTable::confirm(const QString &typed) {
    EntryName = withShiftJisLookAlikes(typed);
    if (entryPending() && !EntryName.isEmpty()) {
        // A name the file could not give back as typed is refused here, before anything is written.
        const QString reason = nameFault(EntryName);
        if (!reason.isEmpty()) {
            view.placeCaption = reason;
            view.placeIsRefusal = true;
            return false;
        }
    }
    if (EntryName.isEmpty() || !entryPending())
        RemoveEntry();
    else
        RankName[EntryRank] = EntryName;
    if (!EntryName.isEmpty() && entryPending()) {
        SaveRanking();
        saved_ = true;
    }
    return true;
}

void RankingTable::leave() { RemoveEntry(); }

void RankingTable::editName() {
    if (!view.placeIsRefusal)
        return;
    view.placeCaption = announcement_;
    view.placeIsRefusal = false;
}
