#pragma once

#include "fileerror.h"

#include <QByteArray>
#include <QString>

#include <functional>

// The game's data files are sequential text: fields separated by commas and line ends,
// texts between double quotes, numbers in plain decimal, CR LF after every line.

// The files the game writes itself (player and ranking) are always Shift-JIS (CP932); question
// files may also be UTF-8. Half-width katakana in Shift-JIS can happen to be valid UTF-8, so
// only files that may really be UTF-8 are read as such.
enum class TextEncoding { ShiftJis, Utf8OrShiftJis };

// Turns raw file bytes into text: with Utf8OrShiftJis, UTF-8 when the bytes are valid UTF-8
// (a BOM is dropped) and Shift-JIS otherwise.
QString decodeDataFile(const QByteArray &bytes, TextEncoding encoding = TextEncoding::Utf8OrShiftJis);
// The whole file at `path`, decoded. Throws FileError when it is missing or unreadable.
QString readDataFile(const QString &path, TextEncoding encoding = TextEncoding::Utf8OrShiftJis);

// Reads fields one by one. A quoted field is taken exactly (commas included) and whatever
// follows its closing quote up to the next delimiter is ignored; an unquoted field is trimmed
// of surrounding spaces. An empty line, or nothing between two delimiters, is an empty field.
class SequentialReader {
public:
    SequentialReader(QString text, QString fileName);
    static SequentialReader fromFile(const QString &path, TextEncoding encoding); // throws FileError

    bool atEnd() const { return pos_ >= text_.size(); }
    // Line on which the next field starts (1-based).
    int line() const { return line_; }
    const QString &fileName() const { return fileName_; }

    // Throws FileError when the file ends while a field is expected or a quote is not closed.
    QString readField(const char *what = "a field");
    // The whole field as a number; throws FileError naming the field when it is not one.
    qint32 readInteger(const char *what);
    float readFloat(const char *what);

    [[noreturn]] void fail(const QString &fault) const;
    [[noreturn]] void failAt(int line, const QString &fault) const;

private:
    void skipLineEnd();

    QString text_;
    QString fileName_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

// Builds a file in the same syntax and replaces the file on disk atomically.
class SequentialWriter {
public:
    void writeText(const QString &text); // a quoted field; must not hold a quote or line break
    void writeInteger(qint64 value);
    void writeFloat(float value);   // plain decimal that reads back as the same float
    void endLine();                 // CR LF

    const QString &text() const { return text_; }
    // Encodes as CP932 and replaces `path` through QSaveFile: on any failure the old file
    // stays whole and FileError says what went wrong.
    // `beforeCommit` runs once the new text is written and before it replaces the old file;
    // tests throw from it to stand for a crash mid-save.
    void save(const QString &path, const std::function<void()> &beforeCommit = {}) const;

private:
    void separate();

    QString text_;
    bool lineOpen_ = false;
};

// Text in the written form of a float: the shortest plain decimal that reads back exactly.
QString floatToText(float value);
// CP932 bytes of `text`, or an empty optional-like flag when a character cannot be encoded.
bool encodeCp932(const QString &text, QByteArray *out);
