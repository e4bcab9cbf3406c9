#include "skillhandoff.h"

#include "skills.h"
#include "textfile.h"

void writeSkillHandOff(const QString &path, int id) {
    SequentialWriter out;
    out.writeInteger(id);
    out.endLine();
    out.save(path);
}

int parseSkillHandOff(const QString &text, const QString &path) {
    SequentialReader in(text, path);
    const int line = in.line();
    const int id = in.readInteger(u"スキル番号", 0, Skill::kHighestId);
    if (id != Skill::None && !Skill::isSkill(id))
        in.failAt(line, QStringLiteral("%1 はどのスキルの番号でもありません").arg(id));
    in.expectEnd();
    return id;
}

int readSkillHandOff(const QString &path) {
    return parseSkillHandOff(readDataFile(path, TextEncoding::ShiftJis), path);
}
