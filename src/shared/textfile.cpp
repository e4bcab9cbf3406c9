#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {
// ICU knows the Windows flavour of Shift-JIS (with the NEC and IBM extensions) by this name.
constexpr const char *kCp932 = "windows-31j";

QString quoted(QStringView text) { return u'「' + text.toString() + u'」'; }

// Line (1-based) of position `pos` in `text`, counting CR LF, a lone CR and a lone LF as one
// line end each, as the reader does.
int lineAt(const QString &text, qsizetype pos) {
    int line = 1;
    for (qsizetype i = 0; i < pos; ++i) {
        if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n')))
            ++line;
    }
    return line;
}

// Pushes what was written to `fd` out to the disk itself; false (with errno) when it fails.
bool syncToDisk(int fd) {
#ifdef Q_OS_WIN
    return ::_commit(fd) == 0;
#else
    return ::fsync(fd) == 0;
#endif
}

bool isControl(QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; }

// A quoted text field ends at the next quote and at the line's end, so neither may stand inside.
bool fitsBetweenQuotes(QStringView text) {
    return std::none_of(text.begin(), text.end(), [](QChar c) { return c == u'"' || isControl(c); });
}

// Shift-JIS bytes that no character stands for come out of the decoder as U+FFFD or as the
// substitute control U+001A; a control character has no place in any data file either.
void checkDecoded(const QString &text, TextEncoding encoding, const QString &path) {
    const bool gameFile = encoding == TextEncoding::ShiftJis;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            const bool crLf = c == u'\r' ? i + 1 < text.size() && text[i + 1] == u'\n'
                                         : i > 0 && text[i - 1] == u'\r';
            if (gameFile && !crLf)
                throw FileError(path, lineAt(text, i),
                                QStringLiteral("行末が CR LF ではありません（このファイルの行はすべて CR LF で終わります）"));
            continue;
        }
        if (c == u'\t' && !gameFile)
            continue;
        if (c == QChar::ReplacementCharacter || isControl(c))
            throw FileError(path, lineAt(text, i),
                            c == u'\0' ? QStringLiteral("NUL バイトがあります")
                                       : QStringLiteral("文字として読めないバイトがあります（Shift-JIS に割り当てのない"
                                                        "文字コードか、制御文字）"));
    }
}
} // namespace

FileError::FileError(QString path, int line, QString fault, QString detail)
    : std::runtime_error(fault.toStdString()), path_(std::move(path)), line_(line), fault_(std::move(fault)),
      detail_(std::move(detail)) {}

QString FileError::fileName() const { return QFileInfo(path_).fileName(); }

FileError &FileError::setRemedy(QString remedy) {
    remedy_ = std::move(remedy);
    return *this;
}

QString FileError::restoreRemedy() {
    return QStringLiteral("ファイルを直すか、バックアップから元に戻してください。");
}

QString FileError::diskRemedy() {
    return QStringLiteral("ディスクの空き容量と書き込みの権限を確かめてください。前のファイルはそのまま残っています。");
}

QString FileError::message() const {
    QString text = quoted(fileName());
    if (line_ > 0)
        text += QStringLiteral("の%1行目").arg(line_);
    text += u'：' + fault_;
    if (!text.endsWith(u'。'))
        text += u'。';
    text += u'\n' + (remedy_.isEmpty() ? restoreRemedy() : remedy_);
    text += u'\n' + QDir::toNativeSeparators(path_);
    if (!detail_.isEmpty())
        text += u'（' + detail_ + u'）';
    return text;
}

QString decodeDataFile(const QByteArray &bytes, TextEncoding encoding, const QString &path) {
    if (encoding == TextEncoding::Utf8OrShiftJis) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8(bytes);
        if (!utf8.hasError()) {
            if (text.startsWith(QChar(0xFEFF)))
                text.remove(0, 1);
            checkDecoded(text, encoding, path);
            return text;
        }
    } else if (bytes.startsWith("\xEF\xBB\xBF")) {
        throw FileError(path, 1,
                        QStringLiteral("ファイルの先頭に UTF-8 の印（BOM）があります。このファイルは Shift-JIS で書かれていなければなりません"));
    }
    QStringDecoder sjis(kCp932, QStringDecoder::Flag::Stateless);
    const QString text = sjis(bytes);
    checkDecoded(text, encoding, path);
    // A lead byte with nothing after it leaves no mark in the text: the decoder drops it.
    if (sjis.hasError())
        throw FileError(path, lineAt(text, text.size()),
                        QStringLiteral("ファイルが文字の途中（Shift-JIS の2バイト文字の1バイト目）で終わっています"));
    return text;
}

QString readDataFile(const QString &path, TextEncoding encoding) {
    const QFileInfo info(path);
    if (info.isDir())
        throw FileError(path, 0, QStringLiteral("ファイルのあるべき所にフォルダがあります"));
    QFile file(path);
    if (!info.exists() && !info.isSymLink())
        throw FileError(path, 0, QStringLiteral("ファイルがありません"))
            .setRemedy(QStringLiteral("バックアップから元に戻すか、ゲームに付いてきたファイルを置き直してください。"));
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(path, 0, QStringLiteral("ファイルを開けません"), file.errorString());
    const QByteArray bytes = file.read(kMaxDataFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw FileError(path, 0, QStringLiteral("ファイルを読めません"), file.errorString());
    if (bytes.size() > kMaxDataFileBytes)
        throw FileError(path, 0,
                        QStringLiteral("ファイルが大きすぎます（読めるのは %1 バイトまでです）").arg(kMaxDataFileBytes));
    return decodeDataFile(bytes, encoding, path);
}

SequentialReader::SequentialReader(QString text, QString path) : text_(std::move(text)), path_(std::move(path)) {}

SequentialReader SequentialReader::fromFile(const QString &path, TextEncoding encoding) {
    return SequentialReader(readDataFile(path, encoding), path);
}

void SequentialReader::fail(const QString &fault) const { failAt(line_, fault); }

void SequentialReader::failAt(int line, const QString &fault) const { throw FileError(path_, line, fault); }

// Consumes one line end (CR LF, a lone LF or a lone CR) at the current position.
void SequentialReader::skipLineEnd() {
    if (pos_ < text_.size() && text_[pos_] == u'\r')
        ++pos_;
    if (pos_ < text_.size() && text_[pos_] == u'\n')
        ++pos_;
    ++line_;
}

SequentialReader::Field SequentialReader::nextField(QStringView what) {
    auto isLineEnd = [this](qsizetype i) { return text_[i] == u'\r' || text_[i] == u'\n'; };
    if (atEnd())
        fail(QStringLiteral("%1があるはずの所でファイルが終わっています").arg(what));

    // Spaces before a field are not part of it.
    while (pos_ < text_.size() && text_[pos_] == u' ')
        ++pos_;

    Field field;
    if (pos_ < text_.size() && text_[pos_] == u'"') {
        const int startLine = line_;
        const qsizetype close = text_.indexOf(u'"', pos_ + 1);
        if (close < 0)
            failAt(startLine, QStringLiteral("%1の「\"」がこの行で開いたまま閉じられていません").arg(what));
        field.text = text_.mid(pos_ + 1, close - pos_ - 1);
        field.quoted = true;
        line_ = startLine + static_cast<int>(field.text.count(u'\n'));
        pos_ = close + 1;
        // Anything between the closing quote and the delimiter is not part of the field.
        const qsizetype after = pos_;
        while (pos_ < text_.size() && text_[pos_] != u',' && !isLineEnd(pos_))
            ++pos_;
        field.trailing = pos_ > after;
    } else {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] != u',' && !isLineEnd(pos_))
            ++pos_;
        field.text = text_.mid(start, pos_ - start).trimmed();
    }

    if (pos_ < text_.size()) {
        if (text_[pos_] == u',')
            ++pos_;
        else
            skipLineEnd();
    }
    return field;
}

QString SequentialReader::readField(QStringView what) { return nextField(what).text; }

QString SequentialReader::readQuotedText(QStringView what) {
    const int line = line_;
    // A text the game wrote never spans lines, so its quote must close on the line it opens on;
    // otherwise the next line's quote would pass for the closing one.
    qsizetype open = pos_;
    while (open < text_.size() && text_[open] == u' ')
        ++open;
    if (open < text_.size() && text_[open] == u'"') {
        qsizetype close = open + 1;
        while (close < text_.size() && text_[close] != u'"' && text_[close] != u'\r' && text_[close] != u'\n')
            ++close;
        if (close >= text_.size() || text_[close] != u'"')
            failAt(line, QStringLiteral("%1の「\"」がこの行で開いたまま閉じられていません").arg(what));
    }
    const Field field = nextField(what);
    if (!field.quoted)
        failAt(line, QStringLiteral("%1は「\"」で囲まれていなければなりません（%2）").arg(what, quoted(field.text)));
    if (field.trailing)
        failAt(line, QStringLiteral("%1を閉じる「\"」のあとに余計な文字があります").arg(what));
    return field.text;
}

qint32 SequentialReader::readInteger(QStringView what, qint32 min, qint32 max) {
    const int line = line_;
    const QString field = nextField(what).text;
    bool ok = false;
    const qlonglong value = field.toLongLong(&ok);
    if (!ok)
        failAt(line, QStringLiteral("%1は整数でなければなりません（%2）").arg(what, quoted(field)));
    if (value < min || value > max)
        failAt(line, QStringLiteral("%1は %2 から %3 までの整数でなければなりません（%4）")
                         .arg(what).arg(min).arg(max).arg(quoted(field)));
    return static_cast<qint32>(value);
}

float SequentialReader::readFloat(QStringView what, float min) {
    const int line = line_;
    const QString field = nextField(what).text;
    const QByteArray latin = field.toLatin1();
    float value = 0;
    const char *end = latin.constData() + latin.size();
    const auto [ptr, ec] = std::from_chars(latin.constData(), end, value);
    if (latin.isEmpty() || ec != std::errc() || ptr != end || !std::isfinite(value))
        failAt(line, QStringLiteral("%1は数でなければなりません（%2）").arg(what, quoted(field)));
    if (value < min)
        failAt(line, QStringLiteral("%1は %2 以上でなければなりません（%3）").arg(what).arg(double(min)).arg(quoted(field)));
    return value;
}

void SequentialReader::expectEnd() {
    while (pos_ < text_.size() && (text_[pos_] == u'\r' || text_[pos_] == u'\n'))
        skipLineEnd();
    if (!atEnd())
        fail(QStringLiteral("最後の値のあとに余計なデータがあります"));
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

bool isStorableText(const QString &text) {
    QByteArray bytes;
    return fitsBetweenQuotes(text) && encodeCp932(text, &bytes);
}

void SequentialWriter::separate() {
    if (lineOpen_)
        text_ += u',';
    lineOpen_ = true;
}

void SequentialWriter::writeText(const QString &text) {
    separate();
    unstorable_ = unstorable_ || !fitsBetweenQuotes(text);
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
    if (unstorable_ || !encodeCp932(text_, &bytes))
        throw FileError(path, 0, QStringLiteral("保存できない文字（「\"」、改行、Shift-JIS にない文字）を含む名前があります"))
            .setRemedy(QStringLiteral("何も書き込んでいません。前のファイルはそのまま残っています。"));
    auto failed = [&path](const QString &fault, const QString &detail) {
        return FileError(path, 0, fault, detail).setRemedy(FileError::diskRemedy());
    };
    // Unbuffered, so a write that fails (a full disk, a file size limit) fails here, where it is
    // seen, and not in a flush that the commit would not report.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw failed(QStringLiteral("ファイルを書き込めません"), file.errorString());
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            const QString detail = file.errorString();
            file.cancelWriting();
            throw failed(QStringLiteral("保存できませんでした"), detail);
        }
        done += n;
    }
    // Every byte on the disk before the new file takes the old one's place.
    if (!syncToDisk(file.handle())) {
        const QString detail = QString::fromLocal8Bit(strerror(errno));
        file.cancelWriting();
        throw failed(QStringLiteral("保存できませんでした"), detail);
    }
    if (beforeCommit)
        beforeCommit();
    // The folder is not synced after the rename: a power cut just after a save may bring back
    // the file as it was before it, whole, and one sync per save keeps the quiz's ticks short.
    if (!file.commit())
        throw failed(QStringLiteral("保存できませんでした"), file.errorString());
}
