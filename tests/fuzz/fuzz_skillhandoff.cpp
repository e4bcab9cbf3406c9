// Feeds arbitrary bytes to the reader of the skill slot's hand-off file "data.qdt": it must give a
// number the held-skill variable can take, written back as the same text, or refuse the bytes with
// a fault on a line of the file, and never crash.
#include "shared/fileerror.h"
#include "shared/skillhandoff.h"
#include "shared/textfile.h"

#include <cstdint>
#include <cstdlib>
#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString path = QStringLiteral("data.qdt");
    try {
        const QString text = decodeDataFile(bytes, TextEncoding::ShiftJis, path);
        const int id = parseSkillHandOff(text, path);
        if (id < std::numeric_limits<std::int16_t>::min() || id > std::numeric_limits<std::int16_t>::max())
            std::abort();
        if (parseSkillHandOff(QString::number(id) + QStringLiteral("\r\n"), path) != id)
            std::abort();
    } catch (const FileError &error) {
        if (error.endsProgram() || error.line() < 1 || error.line() > bytes.count('\n') + bytes.count('\r') + 1)
            std::abort();
    }
    return 0;
}
