#include "textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <charconv>
#include <cmath>

namespace {
// ICU knows the Windows flavour of Shift-JIS (with the NEC and IBM extensions) by this name.
constexpr const char *kCp932 = "windows-31j";
}

FileError::FileError(QString file, int line, QString fault)
    : std::runtime_error(QStringLiteral("%1, line %2: %3").arg(file).arg(line).arg(fault).toStdString()),
      file_(std::move(file)), line_(line), fault_(std::move(fault)) {}

QString FileError::message() const {
    if (line_ > 0)
        return QStringLiteral("%1, line %2: %3").arg(file_).arg(line_).arg(fault_);
    return QStringLiteral("%1: %2").arg(file_, fault_);
}

QString decodeDataFile(const QByteArray &bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8OrShiftJis) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8(bytes);
        if (!utf8.hasError()) {
            if (text.startsWith(QChar(0xFEFF)))
                text.remove(0, 1);
            return text;
        }
    }
    QStringDecoder sjis(kCp932);
    return sjis(bytes);
}

SequentialReader::SequentialReader(QString text, QString fileName)
    : text_(std::move(text)), fileName_(std::move(fileName)) {}

QString readDataFile(const QString &path, TextEncoding encoding) {
    QFile file(path);
    if (!file.exists())
        throw FileError(path, 0, QStringLiteral("the file is missing"));
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(path, 0, QStringLiteral("the file cannot be read (%1)").arg(file.errorString()));
    return decodeDataFile(file.readAll(), encoding);
}

SequentialReader SequentialReader::fromFile(const QString &path, TextEncoding encoding) {
    return SequentialReader(readDataFile(path, encoding), path);
}

void SequentialReader::fail(const QString &fault) const { failAt(line_, fault); }

void SequentialReader::failAt(int line, const QString &fault) const {
    throw FileError(fileName_, line, fault);
}

// Consumes one line end (CR LF, a lone LF or a lone CR) at the current position.
void SequentialReader::skipLineEnd() {
    if (pos_ < text_.size() && text_[pos_] == u'\r')
        ++pos_;
    if (pos_ < text_.size() && text_[pos_] == u'\n')
        ++pos_;
    ++line_;
}

QString SequentialReader::readField(const char *what) {
    auto isLineEnd = [this](qsizetype i) { return text_[i] == u'\r' || text_[i] == u'\n'; };
    if (atEnd())
        fail(QStringLiteral("the file ends where %1 was expected").arg(QLatin1String(what)));

    // Spaces before a field are not part of it.
    while (pos_ < text_.size() && text_[pos_] == u' ')
        ++pos_;

    QString field;
    if (pos_ < text_.size() && text_[pos_] == u'"') {
        const int startLine = line_;
        const qsizetype close = text_.indexOf(u'"', pos_ + 1);
        if (close < 0)
            failAt(startLine, QStringLiteral("a quote opened here is never closed"));
        field = text_.mid(pos_ + 1, close - pos_ - 1);
        for (QChar c : field)
            if (c == u'\n')
                ++line_;
        pos_ = close + 1;
        // Anything between the closing quote and the delimiter is not part of the field.
        while (pos_ < text_.size() && text_[pos_] != u',' && !isLineEnd(pos_))
            ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] != u',' && !isLineEnd(pos_))
            ++pos_;
        field = text_.mid(start, pos_ - start).trimmed();
    }

    if (pos_ < text_.size()) {
        if (text_[pos_] == u',')
            ++pos_;
        else
            skipLineEnd();
    }
    return field;
}

qint32 SequentialReader::readInteger(const char *what) {
    const int line = line_;
    const QString field = readField(what);
    bool ok = false;
    const qint32 value = field.toInt(&ok);
    if (!ok)
        failAt(line, QStringLiteral("%1 should be a whole number, not \"%2\"").arg(QLatin1String(what), field));
    return value;
}

float SequentialReader::readFloat(const char *what) {
    const int line = line_;
    const QString field = readField(what);
    const QByteArray latin = field.toLatin1();
    float value = 0;
    const char *end = latin.constData() + latin.size();
    const auto [ptr, ec] = std::from_chars(latin.constData(), end, value);
    if (latin.isEmpty() || ec != std::errc() || ptr != end || !std::isfinite(value))
        failAt(line, QStringLiteral("%1 should be a number, not \"%2\"").arg(QLatin1String(what), field));
    return value;
}

QString floatToText(float value) {
    if (value == 0)
        return QStringLiteral("0"); // also for -0, which the game never means
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec != std::errc())
        return QStringLiteral("0");
    return QString::fromLatin1(buffer, end - buffer);
}

bool encodeCp932(const QString &text, QByteArray *out) {
    QStringEncoder encoder(kCp932, QStringEncoder::Flag::Stateless);
    *out = encoder(text);
    return !encoder.hasError();
}

void SequentialWriter::separate() {
    if (lineOpen_)
        text_ += u',';
    lineOpen_ = true;
}

void SequentialWriter::writeText(const QString &text) {
    separate();
    text_ += u'"';
    text_ += text;
    text_ += u'"';
}

void SequentialWriter::writeInteger(qint64 value) {
    separate();
    text_ += QString::number(value);
}

void SequentialWriter::writeFloat(float value) {
    separate();
    text_ += floatToText(value);
}

void SequentialWriter::endLine() {
    text_ += QStringLiteral("\r\n");
    lineOpen_ = false;
}

void SequentialWriter::save(const QString &path, const std::function<void()> &beforeCommit) const {
    QByteArray bytes;
    if (!encodeCp932(text_, &bytes))
        throw FileError(path, 0, QStringLiteral("a text holds a character that Shift-JIS cannot store; nothing was written"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(path, 0, QStringLiteral("cannot be written (%1); the previous file is kept").arg(file.errorString()));
    const bool written = file.write(bytes) == bytes.size();
    if (written && beforeCommit)
        beforeCommit();
    if (!written || !file.commit())
        throw FileError(path, 0, QStringLiteral("could not be saved (%1); the previous file is kept").arg(file.errorString()));
}
