#include "nameentry.h"

#include "textfile.h"


namespace {
// Typed character -> the CP932 character that looks the same. Every target encodes in CP932 and
// reads back unchanged; every source is refused by the CP932 encoder.
constexpr struct {
    char16_t typed;
    char16_t stored;
} kLookAlikes[] = {
    {u'\u301C', u'\uFF5E'}, // 〜 wave dash -> ～ full-width tilde
    {u'\u2212', u'\uFF0D'}, // − minus sign -> － full-width hyphen-minus
    {u'\u2016', u'\u2225'}, // ‖ double vertical line -> ∥ parallel to
    {u'\u2014', u'\u2015'}, // — em dash -> ― horizontal bar
    {u'\u00A2', u'\uFFE0'}, // ¢ -> ￠
    {u'\u00A3', u'\uFFE1'}, // £ -> ￡
    {u'\u00AC', u'\uFFE2'}, // ¬ -> ￢
    {u'\u00A5', u'\uFFE5'}, // ¥ -> ￥
    {u'\u00A6', u'\uFFE4'}, // ¦ -> ￤
    {u'\u203E', u'\uFFE3'}, // ‾ overline -> ￣
    {u'\u00AF', u'\uFFE3'}, // ¯ macron -> ￣
};

bool isLineOrControl(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph;
}
} // namespace

QString withShiftJisLookAlikes(const QString &typed) {
    QString text = typed;
    for (QChar &c : text)
        for (const auto &pair : kLookAlikes)
            if (c == pair.typed)
                c = QChar(pair.stored);
    return text;
}

QString nameFault(const QString &name) {
    if (isStorableText(name))
        return {};
    if (name.contains(u'"'))
        return QStringLiteral("名前に「\"」は使えません");
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t c = name[i].unicode();
        if (name[i].isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(name[i], name[i + 1]);
            ++i;
        }
        if (isLineOrControl(c))
            return QStringLiteral("名前に改行や制御文字は使えません");
        const QString one = QString::fromUcs4(&c, 1);
        // A character the player cannot see is not named.
        if (!isStorableText(one) && QChar::isPrint(c))
            return QStringLiteral("「%1」は保存できない文字です").arg(one);
    }
    return QStringLiteral("名前に保存できない文字があります");
}
