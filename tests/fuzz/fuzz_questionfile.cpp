// Feeds arbitrary bytes to the question file reader: it must either read records that keep the
// file's promises or report a fault with a line inside the file, and never crash.
#include "quiz/questionfile.h"
#include "shared/fileerror.h"
#include "shared/textfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QString text;
    try {
        text = decodeDataFile(bytes, TextEncoding::Utf8OrShiftJis, QStringLiteral("fuzz.qdt"));
        const QuestionFile file = parseQuestions(text, QStringLiteral("fuzz.qdt"));
        if (file.records.size() > kMaxQuestions || file.lines.size() != file.records.size())
            std::abort();
        for (const QuestionRecord &record : file.records)
            if (record[0].isEmpty())
                std::abort(); // an empty question ends the list, it is never a record
    } catch (const FileError &error) {
        if (error.line() < 1 || error.line() > bytes.count('\n') + bytes.count('\r') + 1)
            std::abort();
    }
    return 0;
}
