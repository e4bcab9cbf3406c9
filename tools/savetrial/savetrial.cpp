// savetrial: proves that a save cut short leaves either the old file or the new one, whole.
//
//   savetrial <trials> [folder]
//
// For the roster and for the ranking in turn, each trial puts an old file on disk, starts a child
// process that saves a different one with the game's own save code, and kills the child with
// SIGKILL after a random delay spread over the time a save takes. The file left behind must be
// byte for byte the old file or the new one; anything else is counted as damage and makes the
// program fail.

#include "ranking/rankingfile.h"
#include "shared/sharedstate.h"
#include "shared/textfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {
QByteArray bytesOf(const SharedState &state) {
    QByteArray bytes;
    encodeCp932(state.playerDataWriter().text(), &bytes);
    return bytes;
}

void fill(SharedState &state, int seed) {
    for (int s = 1; s < kSlots; ++s) {
        state.PlayerName[s][0] = QStringLiteral("プレイヤー%1-%2").arg(seed).arg(s);
        state.PlayerRecord[s] = {float(seed * s), float(s), float(seed * 1000 + s), float(s * 10)};
        for (int g = 0; g < kGenres; ++g)
            for (int n = 0; n < kCounterKinds; ++n)
                state.GenreStats[s][g][n] = seed * 100000 + s * 1000 + g * 10 + n;
    }
}

void put(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "savetrial: cannot write %s\n", qPrintable(path));
        std::exit(2);
    }
}

QByteArray get(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// One kind of file to save: its old and new bytes, and the game's save of the new one.
struct Subject {
    const char *name;
    QString path;
    QByteArray oldBytes, newBytes;
    std::function<void()> saveNew;
};

// Runs the trials for one file; false when any left something other than the old or new file.
bool trial(const Subject &subject, int trials, std::mt19937 &dice) {
    const QDir folder = QFileInfo(subject.path).dir();
    // How long one save takes here, so the kills are spread over the whole of it.
    std::vector<qint64> times;
    for (int i = 0; i < 21; ++i) {
        put(subject.path, subject.oldBytes);
        QElapsedTimer clock;
        clock.start();
        subject.saveNew();
        times.push_back(clock.nsecsElapsed());
    }
    std::nth_element(times.begin(), times.begin() + 10, times.end());
    const qint64 saveNs = times[10];

    std::uniform_int_distribution<qint64> delay(0, saveNs * 3 / 2);
    int keptOld = 0, tookNew = 0, damaged = 0, leftovers = 0;
    const QString temporaries = QFileInfo(subject.path).fileName() + QStringLiteral(".*");
    for (int t = 0; t < trials; ++t) {
        put(subject.path, subject.oldBytes);
        int ready[2];
        if (::pipe(ready) != 0)
            return false;
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(ready[0]);
            const char go = 1;
            [[maybe_unused]] const ssize_t n = ::write(ready[1], &go, 1);
            subject.saveNew();
            ::_exit(0);
        }
        ::close(ready[1]);
        char go = 0;
        [[maybe_unused]] const ssize_t n = ::read(ready[0], &go, 1);
        ::close(ready[0]);
        const timespec wait{0, static_cast<long>(delay(dice))};
        ::nanosleep(&wait, nullptr);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        const QByteArray left = get(subject.path);
        if (left == subject.oldBytes)
            ++keptOld;
        else if (left == subject.newBytes)
            ++tookNew;
        else
            ++damaged;
        // A kill between creating the temporary file and renaming it leaves that file behind.
        for (const QString &name : folder.entryList({temporaries}, QDir::Files)) {
            ++leftovers;
            QFile::remove(folder.filePath(name));
        }
    }
    std::printf("%s: %d trials, kills spread over %.2f ms (1.5 x the median save): "
                "%d left the old file, %d the new one, %d anything else; %d left a temporary file beside it\n",
                subject.name, trials, saveNs * 1.5 / 1e6, keptOld, tookNew, damaged, leftovers);
    return damaged == 0;
}

RankingRecords ranking(int seed) {
    RankingRecords records;
    for (int i = 0; i < kRankSlots; ++i) {
        records.score[i] = seed * 10000 - i * 500;
        records.name[i] = QStringLiteral("ランカー%1-%2").arg(seed).arg(i);
    }
    return records;
}
} // namespace

int main(int argc, char **argv) {
    const int trials = argc > 1 ? std::atoi(argv[1]) : 1000;
    QTemporaryDir temporary;
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : temporary.path();
    QDir().mkpath(folder);

    SharedState oldRoster(folder), newRoster(folder);
    fill(oldRoster, 1);
    fill(newRoster, 2);
    const QString rankingPath = QDir(folder).filePath(QLatin1String(kRankingFile));
    QByteArray oldRanking, newRanking;
    encodeCp932(rankingText(ranking(1)), &oldRanking);
    encodeCp932(rankingText(ranking(2)), &newRanking);

    const Subject subjects[] = {
        {"roster", newRoster.playerFilePath(), bytesOf(oldRoster), bytesOf(newRoster),
         [&newRoster] { newRoster.SavePlayerData(); }},
        {"ranking", rankingPath, oldRanking, newRanking, [&rankingPath] { writeRankingFile(rankingPath, ranking(2)); }},
    };
    std::mt19937 dice(20261207);
    bool whole = true;
    for (const Subject &subject : subjects)
        whole = trial(subject, trials, dice) && whole;
    return whole ? 0 : 1;
}
