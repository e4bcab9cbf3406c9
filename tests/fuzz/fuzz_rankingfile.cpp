// Any bytes either read as eleven records that write back as the same text, or fail on a line.
#include "ranking/rankingfile.h"
#include "shared/fileerror.h"
#include "shared/textfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    try {
        const QString text = decodeDataFile(bytes, TextEncoding::ShiftJis, QStringLiteral("player.qdt"));
        if (rankingText(parseRanking(text, QStringLiteral("player.qdt"))) != text)
            std::abort();
    } catch (const FileError &error) {
        if (error.line() < 1 || error.line() > bytes.count('\n') + 1)
            std::abort();
    }
    return 0;
}
