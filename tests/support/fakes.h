#pragma once

// Stand-ins for the clock, dice, sound and modal windows, so the rules can be stepped by hand.

#include "quiz/quizgame.h"
#include "shared/random.h"
#include "shared/skillhandoff.h"
#include "shared/sound.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <ostream>
#include <functional>
#include <string>
#include <vector>

// Readable failure messages for texts.
inline void PrintTo(const QString &text, std::ostream *os) { *os << '"' << text.toStdString() << '"'; }

// Plays back a script of draws; when the script runs out, draws cycle through a fixed
// pseudo-random sequence so long games need no script.
class ScriptedRandom final : public RandomSource {
public:
    std::deque<double> script;
    int randomizeCount = 0;
    void Randomize() override { ++randomizeCount; }

protected:
    double next() override {
        if (!script.empty()) {
            const double r = script.front();
            script.pop_front();
            return r;
        }
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / 9007199254740992.0;
    }

private:
    unsigned long long state_ = 12345;
};

class FakeTimer final : public GameTimer {
public:
    int currentInterval = 100;
    bool enabled = false;
    int interval() const override { return currentInterval; }
    void setInterval(int ms) override { currentInterval = ms; }
    void setEnabled(bool on) override { enabled = on; }
};

// Records every command sent to every control, as "<control>:<command>[ <file name>]".
class RecordingBackend final : public MediaBackend {
public:
    std::vector<std::string> log;
    std::unique_ptr<MediaControl> createControl() override {
        return std::make_unique<Control>(this, static_cast<int>(++controls_));
    }
    int count(const std::string &entry) const {
        int n = 0;
        for (const auto &e : log)
            n += e == entry;
        return n;
    }

private:
    class Control final : public MediaControl {
    public:
        Control(RecordingBackend *owner, int id) : owner_(owner), id_(id) {}
        void Open(const QString &path) override { record("Open " + QFileInfoName(path)); }
        void Prev() override { record("Prev"); }
        void Play() override { record("Play " + file_); }
        void Close() override { record("Close"); }

    private:
        static std::string QFileInfoName(const QString &path) { return path.section(u'/', -1).toStdString(); }
        void record(const std::string &what) {
            if (what.rfind("Open ", 0) == 0)
                file_ = what.substr(5);
            owner_->log.push_back(std::to_string(id_) + ":" + what);
        }
        RecordingBackend *owner_;
        int id_;
        std::string file_;
    };
    std::size_t controls_ = 0;
};

// Answers the quiz's windows at once. The skill slot hands over the next of `skillsToWin` (0
// when none is left) in the real hand-off file, unless told to leave the file alone.
class FakeHost final : public QuizHost {
public:
    int player = 0;
    std::deque<int> skillsToWin;
    bool slotWritesFile = true;
    bool slotHandsOver = true;
    int genreToChoose = 0;
    int playerSelects = 0, skillSlots = 0, genreSelects = 0, rankings = 0, playerDatas = 0, titles = 0;
    SharedState *state = nullptr;

    bool selectPlayer() override {
        ++playerSelects;
        state->CurrentPlayer = static_cast<std::int16_t>(player);
        return true;
    }
    bool runSkillSlot() override {
        ++skillSlots;
        if (slotWritesFile) {
            writeSkillHandOff(state->dataFile(QLatin1String(kSkillHandOffFile)),
                              skillsToWin.empty() ? 0 : skillsToWin.front());
            if (!skillsToWin.empty())
                skillsToWin.pop_front();
        }
        return slotHandsOver;
    }
    void selectGenre() override {
        ++genreSelects;
        state->FormatValue = genreToChoose;
    }
    bool enterRanking = false; // the ranking window saves the score it offers
    std::vector<bool> rankingOffers;
    bool showRanking(bool offer) override { return rankingOffers.push_back(offer), ++rankings, offer && enterRanking; }
    void showPlayerData() override { ++playerDatas; }
    void returnToTitle() override { ++titles; }
    void reportError(const QString &message, bool) override { errors << message; }
    QStringList errors;
};

// Writes a file's exact bytes.
inline void writeBytes(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write " + path.toStdString());
    file.write(bytes);
}

inline QByteArray readBytes(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// A question file of `count` records "<tag> question k" with answers "<tag> right k",
// "<tag> wrong k a/b/c", UTF-8 with CR LF and the empty terminator.
inline QByteArray questionFileBytes(const QString &tag, int count) {
    QByteArray bytes;
    for (int k = 0; k < count; ++k)
        bytes += QStringLiteral("\"%1問題%2\",\"%1正%2\",\"%1誤%2a\",\"%1誤%2b\",\"%1誤%2c\"\r\n")
                     .arg(tag)
                     .arg(k)
                     .toUtf8();
    return bytes + "\r\n";
}

// The empty roster file: 11 slots of two empty names and 130 zeros.
inline QByteArray emptyRosterBytes() {
    QByteArray bytes;
    for (int s = 0; s < 11; ++s) {
        bytes += "\"\"\r\n\"\"\r\n";
        for (int i = 0; i < 130; ++i)
            bytes += "0\r\n";
    }
    return bytes;
}

// A data folder in a temporary directory: the empty roster, a ranking of eleven zero scores
// without names, and eight genre files of `questionsPerGenre` records each.
struct DataFolder {
    QTemporaryDir dir;
    explicit DataFolder(int questionsPerGenre = 5) {
        writeBytes(path("playerdata.qdt"), emptyRosterBytes());
        writeBytes(path("player.qdt"), QByteArray("0,\"\"\r\n").repeated(11));
        const char16_t *genres[] = {u"ＴＶゲーム", u"漫画・アニメ", u"歴史", u"音楽",
                                    u"生物・医学", u"ＴＶ・映画", u"衣食住", u"スポーツ"};
        for (int g = 0; g < 8; ++g)
            writeBytes(path(QString::fromUtf16(genres[g]) + ".qdt"),
                       questionFileBytes(QStringLiteral("G%1-").arg(g + 1), questionsPerGenre));
    }
    QString path(const QString &name) const { return QDir(dir.path()).filePath(name); }
};
