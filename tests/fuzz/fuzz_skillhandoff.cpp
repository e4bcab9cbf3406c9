// Feeds arbitrary bytes to the reader of the skill slot's hand-off file "data.qdt": it must give
// no skill or a real skill id, or refuse the bytes with a fault on a line of the file, and never
// crash.
#include "shared/fileerror.h"
#include "shared/skillhandoff.h"
#include "shared/skills.h"
#include "shared/textfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString path = QStringLiteral("data.qdt");
    try {
        const int id = parseSkillHandOff(decodeDataFile(bytes, TextEncoding::ShiftJis, path), path);
        if (id != Skill::None && !Skill::isSkill(id))
            std::abort();
    } catch (const FileError &error) {
        if (error.endsProgram() || error.line() < 1 || error.line() > bytes.count('\n') + bytes.count('\r') + 1)
            std::abort();
    }
    return 0;
}
