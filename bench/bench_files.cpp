// The player file is rewritten after every question, answer and award of points, and a genre
// file is read before every question: these must stay far below a frame of the game's clock.

#include "quiz/quizgame.h"
#include "shared/sharedstate.h"

#include <benchmark/benchmark.h>

#include "../tests/support/fakes.h"

namespace {

// A roster with every slot named and every counter set.
void fill(SharedState &state) {
    for (int s = 1; s < kSlots; ++s) {
        state.PlayerName[s][0] = QStringLiteral("プレイヤー%1").arg(s);
        state.PlayerRecord[s] = {12345, 67, 8901234, 765};
        for (int g = 0; g < kGenres; ++g)
            for (int n = 0; n < kCounterKinds; ++n)
                state.GenreStats[s][g][n] = 1000 * s + 10 * g + n;
    }
}

} // namespace

static void SavePlayerData(benchmark::State &bench) {
    QTemporaryDir dir;
    SharedState state(dir.path());
    fill(state);
    for (auto _ : bench)
        state.SavePlayerData();
}
BENCHMARK(SavePlayerData)->Unit(benchmark::kMicrosecond);

static void LoadPlayerData(benchmark::State &bench) {
    QTemporaryDir dir;
    SharedState state(dir.path());
    fill(state);
    state.SavePlayerData();
    for (auto _ : bench)
        state.LoadPlayerData();
}
BENCHMARK(LoadPlayerData)->Unit(benchmark::kMicrosecond);

// What a question start costs on disk: the genre file of 500 records read and parsed, the
// question counted and the player file saved, the record drawn and its answers dealt.
static void LoadQuestionsAndSave(benchmark::State &bench) {
    QTemporaryDir dir;
    SharedState state(dir.path());
    state.InitNameTables();
    fill(state);
    QByteArray bank;
    for (int k = 0; k < 500; ++k)
        bank += QStringLiteral("\"第%1問：次のうち、このジャンルでいちばん長い名前を持つものはどれ？\",\"正解の答え\",\"誤答その一\",\"誤答その二\",\"誤答その三\"\r\n")
                    .arg(k)
                    .toUtf8();
    bank += "\r\n";
    for (int g = 1; g <= kPlayedGenres; ++g)
        writeBytes(QDir(dir.path()).filePath(state.GenreName[g] + ".qdt"), bank);
    SeededRandom random(1);
    FakeTimer timer;
    SilentBackend audio;
    QuizSounds sounds(audio, dir.path());
    FakeHost host;
    host.state = &state;
    QuizGame game(state, random, timer, sounds, host);
    for (auto _ : bench) {
        game.LoadQuestions();
        state.SavePlayerData();
        game.DrawQuestion();
        game.DealAnswers();
    }
}
BENCHMARK(LoadQuestionsAndSave)->Unit(benchmark::kMicrosecond);
