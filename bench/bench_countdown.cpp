// Times the real quiz window's countdown: a question is typed out, then the counter runs its
// 150 steps to the time-out on the window's own timer. Prints how long the countdown really
// took against its nominal 15.0 s and how late the ticks came.
//
//   QT_QPA_PLATFORM=offscreen build/bench_countdown [runs]

#include "quiz/quizwindow.h"

#include "../tests/support/fakes.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
struct Run {
    double countdownMs = 0;
    std::vector<double> lateness;
};

Run timeOneQuestion(const QString &dataDir) {
    SharedState state(dataDir);
    state.InitNameTables();
    state.InitGame();
    ClockRandom random;
    SilentBackend audio;
    FakeHost host; // the guest plays; no other window opens
    host.state = &state;
    QuizWindow window(state, random, audio, host);

    Run run;
    QElapsedTimer clock;
    qint64 countdownStart = -1, lastTick = -1;
    QEventLoop loop;
    // Connected after the window's own handler, so it sees each tick's outcome.
    QObject::connect(&window.timer(), &QTimer::timeout, &loop, [&] {
        const qint64 now = clock.nsecsElapsed();
        const int interval = window.timer().interval();
        if (countdownStart < 0 && interval == kCountdownInterval) {
            countdownStart = now; // the tick that completed the typing
        } else if (countdownStart >= 0) {
            run.lateness.push_back((now - lastTick) / 1e6 - kCountdownInterval);
            if (interval == kPauseInterval) { // the time-out was judged
                run.countdownMs = (now - countdownStart) / 1e6;
                loop.quit();
            }
        }
        lastTick = now;
    });
    clock.start();
    if (!window.load())
        std::exit(1);
    window.show();
    loop.exec();
    return run;
}
} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 1;

    const DataFolder folder(3); // the empty roster and eight small genre files

    const double nominal = 150 * kCountdownInterval;
    std::vector<double> lateness;
    for (int r = 0; r < runs; ++r) {
        const Run run = timeOneQuestion(folder.dir.path());
        std::printf("run %d: countdown %.1f ms (nominal %.0f ms, %+.3f %%)\n", r + 1, run.countdownMs, nominal,
                    100.0 * (run.countdownMs - nominal) / nominal);
        lateness.insert(lateness.end(), run.lateness.begin(), run.lateness.end());
    }
    std::sort(lateness.begin(), lateness.end());
    auto percentile = [&](double p) { return lateness[std::min(lateness.size() - 1, std::size_t(p * lateness.size()))]; };
    std::printf("tick lateness over %zu ticks: median %.2f ms, p99 %.2f ms, max %.2f ms\n", lateness.size(),
                percentile(0.5), percentile(0.99), lateness.back());
    return 0;
}
