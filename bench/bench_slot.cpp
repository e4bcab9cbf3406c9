// One spin of the skill slot reseeds from the clock and draws until ten hits in a row: some ten
// thousand draws, which must fit well inside the slot's 5 ms tick.

#include "menus/skillslot.h"

#include <benchmark/benchmark.h>

#include "../tests/support/fakes.h"

static void SpinSlot(benchmark::State &bench) {
    QTemporaryDir dir;
    ClockRandom random;
    FakeTimer timer;
    SilentBackend audio;
    SlotSound sound(audio, dir.path());
    SkillSlot slot(random, timer, sound, QDir(dir.path()).filePath("data.qdt"));
    for (auto _ : bench) {
        slot.SpinSlot();
        benchmark::DoNotOptimize(slot.SlotSkill);
    }
}
BENCHMARK(SpinSlot)->Unit(benchmark::kMicrosecond);
