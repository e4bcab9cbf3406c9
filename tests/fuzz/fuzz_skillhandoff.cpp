// Feeds arbitrary bytes to the reader of the skill slot's hand-off file: it must give no skill
// or a real skill id, or report a fault with a line inside the file, and never crash.
#include "shared/fileerror.h"
#include "shared/skillhandoff.h"
#include "shared/skills.h"
#include "shared/textfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    try {
        const QString text = decodeDataFile(bytes, TextEncoding::ShiftJis, QStringLiteral("data.qdt"));
        try {
            const int id = parseSkillHandOff(text, QStringLiteral("data.qdt"));
            if (id != Skill::None && !Skill::isSkill(id))
                std::abort();
        } catch (const FileError &error) {
            if (error.line() < 1 || error.line() > text.count(u'\n') + text.count(u'\r') + 1)
                std::abort();
        }
    } catch (const FileError &) {
        // bytes that are no Shift-JIS text of the game's: reported before any number is read
    }
    return 0;
}
