#include "skillhandoff.h"

#include "textfile.h"

#include <cstdint>
#include <limits>

void writeSkillHandOff(const QString &path, int id) {
    SequentialWriter out;
    out.writeInteger(id);
    out.endLine();
    out.save(path);
}

int parseSkillHandOff(const QString &text, const QString &path) {
    SequentialReader in(text, path);
    // Any whole number the held-skill variable can take: one that names no skill is held all the
    // same, unseen, and keeps further slot turns away until the next game.
    const int id = in.readInteger(u"スキル番号", std::numeric_limits<std::int16_t>::min(),
                                  std::numeric_limits<std::int16_t>::max());
    in.expectEnd();
    return id;
}

int readSkillHandOff(const QString &path) {
    return parseSkillHandOff(readDataFile(path, TextEncoding::ShiftJis), path);
}
