// Feeds arbitrary bytes to the roster reader as they would arrive from "playerdata.qdt": it must
// either refuse them with a fault on a line of the file, or read a roster that the writer stores
// and the reader reads back exactly, and never crash.
#include "shared/sharedstate.h"
#include "shared/textfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    SharedState state(QStringLiteral("/nonexistent"));
    const auto lineInFile = [&bytes](const FileError &error) {
        return error.line() >= 1 && error.line() <= bytes.count('\n') + bytes.count('\r') + 1;
    };
    QString text;
    try {
        text = decodeDataFile(bytes, TextEncoding::ShiftJis, state.playerFilePath());
    } catch (const FileError &error) {
        if (!lineInFile(error))
            std::abort();
        return 0;
    }
    try {
        state.readPlayerData(text);
    } catch (const FileError &error) {
        if (!error.endsProgram() || !lineInFile(error))
            std::abort();
        return 0;
    }
    // What was read is written and read again to the same roster and the same text.
    const QString written = state.playerDataWriter().text();
    QByteArray stored;
    if (!encodeCp932(written, &stored) || !isStorableText(QString(written).remove(u'"').remove(u'\r').remove(u'\n')))
        std::abort();
    SharedState again(QStringLiteral("/nonexistent"));
    again.readPlayerData(decodeDataFile(stored, TextEncoding::ShiftJis, again.playerFilePath()));
    if (again.PlayerName != state.PlayerName || again.PlayerRecord != state.PlayerRecord ||
        again.GenreStats != state.GenreStats || again.playerDataWriter().text() != written)
        std::abort();
    return 0;
}
