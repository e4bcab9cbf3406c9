// The rules of the skill slot, the genre select and the story map.

#include "menus/genreselect.h"
#include "menus/skillslot.h"
#include "menus/storymap.h"
#include "shared/skills.h"

#include "../support/fakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {
struct Slot {
    QTemporaryDir dir;
    FakeTimer timer;
    RecordingBackend audio;
    SlotSound sound{audio, dir.path()};
    SkillSlot slot;
    explicit Slot(RandomSource &random) : slot(random, timer, sound, QDir(dir.path()).filePath("data.qdt")) {}
};
} // namespace

TEST(SkillSlot, EachSkillIsWonAboutEquallyOftenAndNoOtherIdEver) {
    SeededRandom random(1977);
    Slot s(random);
    s.slot.load();
    constexpr int kStops = 1500;
    std::array<int, Skill::kHighestId + 1> won{};
    for (int i = 0; i < kStops; ++i) {
        s.slot.tick();
        ASSERT_TRUE(Skill::isSkill(s.slot.SlotSkill)) << s.slot.SlotSkill;
        ++won[s.slot.SlotSkill];
    }
    // Chi-square over the fifteen skills, 14 degrees of freedom: 36.12 is p = 0.001.
    double chi = 0;
    for (Skill::Id skill : Skill::kAll)
        chi += std::pow(won[skill] - kStops / 15.0, 2) / (kStops / 15.0);
    EXPECT_LT(chi, 36.12);
    EXPECT_EQ(s.audio.count("1:Play slot.wav"), kStops) << "the rattle restarts at every spin";
}

TEST(SkillSlot, ASpinEndsAfterTenHitsInARowThatFollowTheLastMiss) {
    const std::vector<int> cases[] = {
        {1, 2, 3, 4, 5, 6, 7, 11, 13, 14, 21},                          // no miss: eleven hits
        {1, 2, 3, 4, 5, 8, 6, 7, 11, 13, 14, 21, 22, 23, 24, 25},      // a miss, then ten
    };
    for (const auto &ids : cases) {
        ScriptedRandom random;
        for (int id : ids)
            random.script.push_back((id - 0.5) / SkillSlot::kDrawnIds);
        random.script.push_back(0.99); // a miss the spin must not reach
        Slot s(random);
        s.slot.tick();
        EXPECT_EQ(random.randomizeCount, 1) << "reseeded from the clock at every spin";
        EXPECT_EQ(random.script.size(), 1u);
        EXPECT_EQ(s.slot.SlotSkill, ids.back()) << "the last hit is won";
        EXPECT_EQ(s.slot.view.name, SkillSlot::slotName(ids.back()));
    }
}

TEST(GenreSelect, TheOfferIsAlwaysFourDifferentGenres) {
    SharedState state(QStringLiteral("/nowhere"));
    state.InitNameTables();
    SeededRandom random(99);
    GenreSelect select(state, random);
    std::set<int> rowFour;
    for (int i = 0; i < 2000; ++i) {
        select.load();
        std::set<int> genres;
        for (int row = 1; row <= 4; ++row)
            if (!select.rowCaption(row).isEmpty())
                genres.insert(select.GenreOffer[row]);
        ASSERT_EQ(genres.size(), 4u);
        ASSERT_EQ(select.GenreOffer[GenreSelect::kNoGenreRow], 0);
        rowFour.insert(select.GenreOffer[4]);
    }
    EXPECT_EQ(rowFour.size(), 8u) << "any genre may stand in any row";
}

TEST(StoryMap, AllElevenAreasClearedEndTheStoryAndNothingBeyondThemCounts) {
    SharedState state(QStringLiteral("/nowhere"));
    StoryMap map(state);
    state.AreaCleared.fill(1);
    state.AreaCleared[4] = 0;
    EXPECT_TRUE(map.load());
    EXPECT_EQ(map.view.areaColour[4], StoryMap::kUncleared);
    state.AreaCleared[4] = 1;
    EXPECT_FALSE(map.load()) << "the program ends";
}
