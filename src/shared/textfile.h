#pragma once

#include "fileerror.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <functional>
#include <limits>

// The game's data files are sequential text: fields separated by commas and line ends,
// texts between double quotes, numbers in plain decimal, CR LF after every line.

// The files the game writes itself (roster, ranking, skill hand-off) are Shift-JIS (CP932) with
// CR LF, byte for byte as the game writes them, and are read strictly. Question files may also be
// UTF-8 and come from any editor. Half-width katakana in Shift-JIS can happen to be valid UTF-8,
// so only files that may really be UTF-8 are read as such.
enum class TextEncoding { ShiftJis, Utf8OrShiftJis };

// No data file of the game comes near this size; a bigger one is not read at all.
inline constexpr qint64 kMaxDataFileBytes = 4 * 1024 * 1024;

// Turns raw file bytes into text, or throws FileError (naming `path` and the line) for a byte
// sequence Shift-JIS does not assign, a control character, and, for the files the game writes,
// a byte-order mark or a line end other than CR LF. With Utf8OrShiftJis the bytes are UTF-8 when
// they are valid UTF-8 (a BOM is dropped) and Shift-JIS otherwise.
QString decodeDataFile(const QByteArray &bytes, TextEncoding encoding, const QString &path);
// The whole file at `path`, decoded. Throws FileError when it is missing, a folder, too big or
// unreadable, or cannot be decoded.
QString readDataFile(const QString &path, TextEncoding encoding = TextEncoding::Utf8OrShiftJis);

// Reads fields one by one. A quoted field is taken exactly (commas included) and whatever
// follows its closing quote up to the next delimiter is ignored; an unquoted field is trimmed
// of surrounding spaces. An empty line, or nothing between two delimiters, is an empty field.
// `what` names the field for the player, in the game's language.
class SequentialReader {
public:
    SequentialReader(QString text, QString path);
    static SequentialReader fromFile(const QString &path, TextEncoding encoding); // throws FileError

    bool atEnd() const { return pos_ >= text_.size(); }
    // Line on which the next field starts (1-based).
    int line() const { return line_; }
    const QString &path() const { return path_; }

    // Throws FileError when the file ends while a field is expected or a quote is not closed.
    QString readField(QStringView what = u"データ");
    // A text the game wrote: it must stand between quotes with nothing after the closing one.
    QString readQuotedText(QStringView what);
    // The whole field as a whole number in [min, max]; throws FileError naming the field when it
    // is not one.
    qint32 readInteger(QStringView what, qint32 min = std::numeric_limits<qint32>::min(),
                       qint32 max = std::numeric_limits<qint32>::max());
    // A finite number (plain decimal or E-notation), not below `min`.
    float readFloat(QStringView what, float min = std::numeric_limits<float>::lowest());
    // Nothing but empty lines may follow the last value.
    void expectEnd();

    [[noreturn]] void fail(const QString &fault) const;
    [[noreturn]] void failAt(int line, const QString &fault) const;

private:
    void skipLineEnd();
    struct Field {
        QString text;
        bool quoted = false;
        bool trailing = false; // something stood between the closing quote and the delimiter
    };
    Field nextField(QStringView what);

    QString text_;
    QString path_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

// Builds a file in the same syntax and replaces the file on disk atomically.
class SequentialWriter {
public:
    // A quoted field. The syntax has no escape: a text with a quote, a line break or another
    // control character could not be read back, and `save` refuses the whole file instead.
    void writeText(const QString &text);
    void writeInteger(qint64 value);
    void writeFloat(float value);   // plain decimal that reads back as the same float
    void endLine();                 // CR LF

    const QString &text() const { return text_; }
    // Encodes as CP932 and replaces `path`: every byte is written unbuffered and synced to disk
    // before the new file takes the old one's place, so on any failure (a full disk, a crash)
    // the old file stays byte for byte and FileError says what went wrong.
    // `beforeCommit` runs once the new text is written and before it replaces the old file;
    // tests throw from it to stand for a crash mid-save.
    void save(const QString &path, const std::function<void()> &beforeCommit = {}) const;

private:
    void separate();

    QString text_;
    bool lineOpen_ = false;
    bool unstorable_ = false;
};

// True when `text` can be stored as a quoted field of a file the game writes and read back as it
// is: every character in Shift-JIS, no double quote, no line break or other control character.
bool isStorableText(const QString &text);
// Text in the written form of a float: the shortest plain decimal that reads back exactly.
QString floatToText(float value);
// CP932 bytes of `text`; false when a character cannot be encoded.
bool encodeCp932(const QString &text, QByteArray *out);
