#include "sharedstate.h"

#include "textfile.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr char16_t kFullWidthZero = u'０';
}

QString formatFullWidth(qint64 value, bool tenths) {
    QString text;
    if (value < 0) {
        text += u'－';
        value = -value;
    }
    QString digits = QString::number(value);
    if (tenths && digits.size() < 2)
        digits.prepend(u'0');
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (tenths && i == digits.size() - 1)
            text += u'.';
        text += QChar(kFullWidthZero + (digits[i].unicode() - u'0'));
    }
    return text;
}

SharedState::SharedState(QString dataDir) : folders_{dataDir, dataDir} {}

SharedState::SharedState(DataFolders folders) : folders_(std::move(folders)) {}

QString SharedState::dataFile(const QString &name) const {
    const QString own = QDir(folders_.player).filePath(name);
    if (isPlayerFile(name) || (name.endsWith(QLatin1String(".qdt")) && QFileInfo::exists(own)))
        return own;
    return QDir(folders_.shipped).filePath(name);
}

void SharedState::InitNameTables() {
    GenreName = {};
    const char16_t *genres[] = {u"ＴＶゲーム", u"漫画・アニメ", u"歴史", u"音楽",
                                u"生物・医学", u"ＴＶ・映画", u"衣食住", u"スポーツ"};
    for (int g = 1; g <= kPlayedGenres; ++g)
        GenreName[g] = QString::fromUtf16(genres[g - 1]);

    SkillName = {};
    const struct { int id; const char16_t *name; } skills[] = {
        {1, u"エリート"}, {2, u"スロウ"},  {3, u"３択"},     {4, u"２択"},       {5, u"ジャンル"},
        {6, u"祈り"},     {7, u"連続"},    {11, u"太陽剣"},  {13, u"大盾"},      {14, u"待ち伏せ"},
        {21, u"ライフ回復"}, {22, u"ボーナス点"}, {23, u"突撃"}, {24, u"問題パス"}, {25, u"世界"}};
    for (const auto &skill : skills)
        SkillName[skill.id] = QString::fromUtf16(skill.name);
}

void SharedState::InitGame() {
    Score = 0;
    QuestionCount = 0;
    AreaCleared = {};
    LoadPlayerData();
    SelectedArea = 0;
}

void SharedState::DigitToText() {
    if (DigitValue >= 0 && DigitValue <= 9)
        DigitText = QChar(kFullWidthZero + DigitValue);
}

void SharedState::FormatNumber() {
    FormatText = formatFullWidth(FormatValue, DecimalFormat == 1);
    DecimalFormat = 0;
    // The value is used up digit by digit; what is left is the last digit written.
    FormatValue = FormatValue < 0 ? -(FormatValue % 10) : FormatValue % 10;
}
