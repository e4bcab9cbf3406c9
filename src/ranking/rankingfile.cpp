#include "rankingfile.h"

#include "shared/textfile.h"

#include <QStringList>

namespace {
// One record exactly as the game writes it, without its line end.
QString recordText(std::int32_t score, const QString &name) {
    return QString::number(score) + QStringLiteral(",\"") + name + u'"';
}
} // namespace

RankingRecords parseRanking(const QString &text, const QString &path) {
    SequentialReader in(text, path);
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    RankingRecords records;
    for (int slot = 0; slot < kRankSlots; ++slot) {
        const int line = in.line();
        if (in.atEnd())
            in.fail(QStringLiteral("ランキングは %1 行の記録でできていますが、%2 行しかありません").arg(kRankSlots).arg(slot));
        records.score[slot] = in.readInteger(u"得点");
        records.name[slot] = in.readQuotedText(u"名前");
        // Whatever the field reader lets pass (spaces, leading zeros, a plus sign, a record split
        // over lines or followed by more fields) would not be written back the same.
        if (lines.value(line - 1) != recordText(records.score[slot], records.name[slot]))
            in.failAt(line, QStringLiteral("記録の形が違います。一行に「得点,\"名前\"」だけを、得点は空白や先頭の 0 や「+」を"
                                           "付けずに書きます（「%1」）")
                                .arg(lines.value(line - 1)));
    }
    if (!in.atEnd())
        in.fail(QStringLiteral("%1 行の記録のあとに余計なデータがあります").arg(kRankSlots));
    if (!text.endsWith(QStringLiteral("\r\n")))
        in.failAt(kRankSlots, QStringLiteral("最後の行が CR LF で終わっていません"));
    return records;
}

RankingRecords readRankingFile(const QString &path) {
    return parseRanking(readDataFile(path, TextEncoding::ShiftJis), path);
}

namespace {
SequentialWriter rankingWriter(const RankingRecords &records) {
    SequentialWriter out;
    for (int slot = 0; slot < kRankSlots; ++slot) {
        out.writeInteger(records.score[slot]);
        out.writeText(records.name[slot]);
        out.endLine();
    }
    return out;
}
} // namespace

QString rankingText(const RankingRecords &records) { return rankingWriter(records).text(); }

void writeRankingFile(const QString &path, const RankingRecords &records) { rankingWriter(records).save(path); }
