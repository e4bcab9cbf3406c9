#include "shared/textfile.h"

#include "../support/fakes.h"

#include <gtest/gtest.h>

#include <QStringEncoder>

namespace {
QStringList readAll(const QString &text, int count) {
    SequentialReader in(text, QStringLiteral("test.qdt"));
    QStringList fields;
    for (int i = 0; i < count; ++i)
        fields << in.readField();
    return fields;
}
} // namespace

TEST(SequentialReader, SplitsAtCommasAndLineEndsAndKeepsQuotedCommas) {
    const QString text = QStringLiteral("\"a, b\",plain , \"c\"\r\n\r\n\"\",x\r\nlast");
    EXPECT_EQ(readAll(text, 7),
              (QStringList{"a, b", "plain", "c", "", "", "x", "last"}));
}

TEST(SequentialReader, TakesQuotedTextExactlyAndSkipsWhatFollowsTheClosingQuote) {
    EXPECT_EQ(readAll(QStringLiteral("\"  spaced  \"junk,\"２\"\r\n"), 2), (QStringList{"  spaced  ", "２"}));
}

TEST(SequentialReader, ReportsTheEndOfTheFileWithNameAndLine) {
    SequentialReader in(QStringLiteral("\"one\"\r\n\"two\"\r\n"), QStringLiteral("short.qdt"));
    in.readField();
    in.readField();
    try {
        in.readField(u"プレイヤー名");
        FAIL() << "reading past the end must fail";
    } catch (const FileError &error) {
        EXPECT_EQ(error.path(), "short.qdt");
        EXPECT_EQ(error.line(), 3);
        EXPECT_TRUE(error.message().startsWith("「short.qdt」の3行目：プレイヤー名があるはずの所でファイルが終わっています。\n"))
            << error.message().toStdString();
    }
}

TEST(SequentialReader, ReportsAnUnclosedQuoteAtTheLineWhereItOpened) {
    SequentialReader in(QStringLiteral("\"ok\"\r\n\"never closed,\r\nmore\r\n"), QStringLiteral("q.qdt"));
    in.readField();
    try {
        in.readField();
        FAIL();
    } catch (const FileError &error) {
        EXPECT_EQ(error.line(), 2);
        EXPECT_TRUE(error.fault().contains("閉じられていません"));
    }
}

TEST(SequentialReader, NumbersMustBeNumbers) {
    SequentialReader in(QStringLiteral("12\r\n-7\r\n12.5\r\nabc\r\n"), QStringLiteral("n.qdt"));
    EXPECT_EQ(in.readInteger(u"数"), 12);
    EXPECT_EQ(in.readInteger(u"数"), -7);
    EXPECT_FLOAT_EQ(in.readFloat(u"記録"), 12.5f);
    EXPECT_THROW(in.readInteger(u"数"), FileError);
}

TEST(DataFileDecoding, ReadsUtf8AndShiftJis) {
    const QString japanese = QStringLiteral("漫画・アニメ①～");
    EXPECT_EQ(decodeDataFile(japanese.toUtf8(), TextEncoding::Utf8OrShiftJis, "t.qdt"), japanese);
    EXPECT_EQ(decodeDataFile("\xEF\xBB\xBF" + japanese.toUtf8(), TextEncoding::Utf8OrShiftJis, "t.qdt"), japanese) << "a UTF-8 BOM is not text";

    QByteArray sjis;
    ASSERT_TRUE(encodeCp932(japanese, &sjis));
    EXPECT_NE(sjis, japanese.toUtf8());
    // "漫" is 0x96 0x9F in Shift-JIS; "①" (0x87 0x40) is one of the Windows extensions.
    EXPECT_TRUE(sjis.startsWith("\x96\x9F"));
    EXPECT_TRUE(sjis.contains("\x87\x40"));
    EXPECT_EQ(decodeDataFile(sjis, TextEncoding::Utf8OrShiftJis, "t.qdt"), japanese);
    EXPECT_EQ(decodeDataFile(sjis, TextEncoding::ShiftJis, "t.qdt"), japanese);
}

TEST(SequentialWriter, WritesQuotedTextsPlainNumbersAndCrLf) {
    SequentialWriter out;
    out.writeText(QStringLiteral("名前"));
    out.endLine();
    out.writeInteger(1200);
    out.writeText(QStringLiteral("ABC"));
    out.endLine();
    out.writeFloat(12.5f);
    out.endLine();
    EXPECT_EQ(out.text(), QStringLiteral("\"名前\"\r\n1200,\"ABC\"\r\n12.5\r\n"));
}

TEST(SequentialWriter, LargeFloatsReadBackAsTheSameFloat) {
    for (float value : {0.0f, 1.0f, 9999999.0f, 10000000.0f, 16777217.0f, 123456789.0f, 3.4e12f, 0.1f, 1234.5f}) {
        const QString text = floatToText(value);
        EXPECT_FALSE(text.contains(u'e')) << "plain decimal, no exponent: " << text.toStdString();
        SequentialReader in(text + "\r\n", QStringLiteral("f"));
        EXPECT_EQ(in.readFloat(u"値"), value) << text.toStdString();
    }
    EXPECT_EQ(floatToText(10000000.0f), "10000000");
}

TEST(SequentialWriter, SavesShiftJisAndRefusesTextItCannotStore) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.qdt");
    SequentialWriter out;
    out.writeText(QStringLiteral("歴史"));
    out.endLine();
    out.save(path);
    EXPECT_EQ(readBytes(path), QByteArray("\"\x97\xF0\x8E\x6A\"\r\n"));

    SequentialWriter bad;
    bad.writeText(QStringLiteral("emoji 😀"));
    bad.endLine();
    EXPECT_THROW(bad.save(path), FileError);
    EXPECT_EQ(readBytes(path), QByteArray("\"\x97\xF0\x8E\x6A\"\r\n")) << "the old file stays whole";
}

TEST(SequentialWriter, ASaveInterruptedBeforeCommitLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("roster.qdt");
    writeBytes(path, "old content\r\n");
    SequentialWriter out;
    out.writeText(QStringLiteral("new"));
    out.endLine();
    struct Crash {};
    EXPECT_THROW(out.save(path, [] { throw Crash{}; }), Crash);
    EXPECT_EQ(readBytes(path), QByteArray("old content\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"roster.qdt"}) << "no temporary file is left";
}

TEST(SequentialWriter, AFailedSaveNamesTheFile) {
    SequentialWriter out;
    out.writeInteger(1);
    try {
        out.save(QStringLiteral("/nonexistent-folder/playerdata.qdt"));
        FAIL();
    } catch (const FileError &error) {
        EXPECT_EQ(error.fileName(), "playerdata.qdt");
        EXPECT_TRUE(error.message().contains("前のファイルはそのまま残っています")) << error.message().toStdString();
    }
}
