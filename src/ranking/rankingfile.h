#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The top-ten table as the ranking file "player.qdt" holds it: eleven records, slot 0 (place 1)
// first, each one line of the score in plain decimal, a comma and the name between double quotes,
// ended by CR LF, in Shift-JIS. Slots 0..9 are places 1..10; slot 10 is the work slot, which
// keeps the entry the latest insertion pushed out of the top ten and is never shown.
inline constexpr int kRankPlaces = 10;
inline constexpr int kRankSlots = kRankPlaces + 1;
inline constexpr int kWorkSlot = kRankPlaces;

struct RankingRecords {
    std::array<std::int32_t, kRankSlots> score{};
    std::array<QString, kRankSlots> name{};
};

// Reads the whole file strictly: exactly eleven records in the form the game writes, so that a
// file read and written again is the same byte for byte. Throws FileError naming the file, the
// line and what is wrong; a missing or short file is such a fault too.
RankingRecords readRankingFile(const QString &path);
// Parses the decoded text of a ranking file; `path` names it in messages.
RankingRecords parseRanking(const QString &text, const QString &path);
// The file's text for `records`, as written (before its encoding into Shift-JIS).
QString rankingText(const RankingRecords &records);
// Replaces the file with all eleven records at once (atomic, synced). Throws FileError, leaving
// the old file as it was, when the disk refuses it or a name cannot be stored.
void writeRankingFile(const QString &path, const RankingRecords &records);
