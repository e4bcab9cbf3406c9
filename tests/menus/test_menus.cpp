// The rules of the skill slot, the genre select and the story map.

#include "menus/genreselect.h"
#include "menus/skillslot.h"
#include "menus/storymap.h"
#include "shared/fileerror.h"
#include "shared/keys.h"
#include "shared/skills.h"

#include "../support/fakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {
// A slot on a temporary data folder.
struct Slot {
    QTemporaryDir dir;
    FakeTimer timer;
    RecordingBackend audio;
    SlotSound sound{audio, dir.path()};
    QString handOff = QDir(dir.path()).filePath("data.qdt");
    SkillSlot slot;
    explicit Slot(RandomSource &random) : slot(random, timer, sound, handOff) {}
};

// The draw that gives id `id` out of 1..37.
double drawOf(int id) { return (id - 0.5) / SkillSlot::kDrawnIds; }
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
    EXPECT_EQ(s.slot.view.name, SkillSlot::slotName(s.slot.SlotSkill));
    EXPECT_EQ(s.slot.SlotSkillText, SkillSlot::description(s.slot.SlotSkill)) << "name and text of one row";
    // Chi-square over the fifteen skills, 14 degrees of freedom: 36.12 is p = 0.001.
    double chi = 0;
    for (Skill::Id skill : Skill::kAll)
        chi += std::pow(won[skill] - kStops / 15.0, 2) / (kStops / 15.0);
    EXPECT_LT(chi, 36.12);
    EXPECT_EQ(s.audio.count("1:Play slot.wav"), kStops) << "the rattle restarts at every spin";
}

TEST(SkillSlot, ASpinEndsAfterTenHitsInARowThatFollowTheLastMiss) {
    const struct {
        std::vector<int> ids;
        int consumed; // draws taken by the spin
    } cases[] = {
        {{1, 2, 3, 4, 5, 6, 7, 11, 13, 14, 21, 99}, 11}, // no miss: eleven hits
        {{1, 2, 3, 4, 5, 8, 6, 7, 11, 13, 14, 21, 22, 23, 24, 25, 99}, 16},
        {{1, 2, 3, 4, 5, 6, 7, 11, 13, 14, 37, 1, 2, 3, 4, 5, 6, 7, 11, 13, 14, 99}, 21},
    };
    for (const auto &c : cases) {
        ScriptedRandom random;
        for (int id : c.ids)
            random.script.push_back(drawOf(id));
        Slot s(random);
        s.slot.tick();
        EXPECT_EQ(random.randomizeCount, 1) << "reseeded from the clock at every spin";
        EXPECT_EQ(int(c.ids.size()) - int(random.script.size()), c.consumed);
        EXPECT_EQ(s.slot.SlotSkill, c.ids[c.consumed - 1]) << "the last hit is won";
        EXPECT_EQ(s.slot.view.name, SkillSlot::slotName(c.ids[c.consumed - 1]));
    }
    EXPECT_EQ(SkillSlot::slotName(Skill::GenreSelect), "ジャンルセレクト");
    EXPECT_EQ(SkillSlot::slotName(Skill::BonusPoints), "ボーナス");
}

TEST(SkillSlot, TheFileHoldsZeroFromTheStartAndTheSkillOnceStopped) {
    SeededRandom random(5);
    Slot s(random);
    s.slot.load();
    EXPECT_EQ(readBytes(s.handOff), "0\r\n");
    EXPECT_TRUE(s.timer.enabled);
    EXPECT_EQ(s.timer.currentInterval, 5);
    EXPECT_EQ(s.audio.log.front(), "1:Open slot.wav");
    s.slot.tick();
    s.slot.stop();
    EXPECT_EQ(readBytes(s.handOff), QByteArray::number(s.slot.SlotSkill) + "\r\n");
    EXPECT_FALSE(s.timer.enabled);
    EXPECT_FALSE(s.slot.view.stopVisible);
    EXPECT_TRUE(s.slot.view.okVisible);
    EXPECT_EQ(s.slot.view.description, SkillSlot::description(s.slot.SlotSkill));

    // A folder where the file should be: the fault names the file and what it costs.
    QFile::remove(s.handOff);
    QDir(s.dir.path()).mkdir("data.qdt");
    try {
        s.slot.stop();
        FAIL();
    } catch (const FileError &error) {
        EXPECT_FALSE(error.endsProgram());
        EXPECT_TRUE(error.message().contains("「data.qdt」")) << error.message().toStdString();
        EXPECT_TRUE(error.message().contains("今回のスキルは獲得できません")) << error.message().toStdString();
    }
}

TEST(GenreSelect, TheOfferIsAlwaysFourDifferentGenres) {
    SharedState state(QStringLiteral("/nowhere"));
    state.InitNameTables();
    SeededRandom random(99);
    GenreSelect select(state, random);
    std::array<std::array<int, 9>, 5> seen{}; // seen[row][genre]
    for (int i = 0; i < 2000; ++i) {
        select.load();
        std::set<int> genres;
        for (int row = 1; row <= 4; ++row) {
            ASSERT_GE(select.GenreOffer[row], 1);
            ASSERT_LE(select.GenreOffer[row], 8);
            ASSERT_FALSE(select.rowCaption(row).isEmpty());
            genres.insert(select.GenreOffer[row]);
            ++seen[row][select.GenreOffer[row]];
        }
        ASSERT_EQ(genres.size(), 4u);
        ASSERT_EQ(select.GenreOffer[GenreSelect::kNoGenreRow], 0);
    }
    for (int row = 1; row <= 4; ++row)
        for (int g = 1; g <= 8; ++g)
            EXPECT_GT(seen[row][g], 150) << "every genre turns up in every row";
}

TEST(GenreSelect, ClicksAndKeysChooseARowAndTheNextTickHandsItBack) {
    SharedState state(QStringLiteral("/nowhere"));
    state.InitNameTables();
    ScriptedRandom random;
    GenreSelect select(state, random);
    using namespace VirtualKey;
    const struct {
        std::vector<int> keys;
        int row;          // clicked after the keys; 0: none
        int formatValue;  // -1: the window stays open
    } cases[] = {
        {{S}, 0, 7}, {{Keypad4}, 0, 1}, {{G}, 0, 0}, {{Keypad5}, 0, 0}, {{A, D}, 0, 5},
        {{}, 1, 3}, {{}, 10, 0}, {{F}, 2, 7},
        {{72, 76, 49, 102, 105}, 0, -1}, // H, L, the main keyboard's 1, keypad 6 and 9
    };
    for (const auto &c : cases) {
        random.script = {0.3, 0.3, 0.8, 0.6, 0.1}; // genres 3, 3 again, 7, 5, 1
        select.load();
        ASSERT_EQ(select.GenreOffer[4], 1);
        state.FormatValue = -1;
        EXPECT_FALSE(select.tick()) << "nothing chosen yet";
        for (int k : c.keys)
            select.key(k);
        if (c.row)
            select.chooseRow(c.row);
        EXPECT_EQ(select.tick(), c.formatValue >= 0);
        EXPECT_EQ(state.FormatValue, c.formatValue) << "row " << c.row;
    }
    select.closeWithoutChoice();
    EXPECT_EQ(state.FormatValue, 0) << "closed without a choice: no genre";
}

TEST(StoryMap, AreasAreYellowUntilClearedAndAllElevenClearedEndTheStory) {
    SharedState state(QStringLiteral("/nowhere"));
    StoryMap map(state);
    EXPECT_TRUE(map.load());
    EXPECT_FALSE(map.view.okVisible);
    for (const Rgb &colour : map.view.areaColour)
        EXPECT_EQ(colour, StoryMap::kUncleared);
    state.AreaCleared.fill(1); // entries 11..20 too, which count for nothing
    state.AreaCleared[4] = 0;
    EXPECT_TRUE(map.load()) << "ten cleared areas";
    EXPECT_EQ(map.view.areaColour[4], StoryMap::kUncleared);
    EXPECT_EQ(map.view.areaColour[5], StoryMap::kCleared);
    state.AreaCleared[4] = 1;
    EXPECT_FALSE(map.load()) << "all eleven cleared: the program ends";
}

TEST(StoryMap, AChosenAreaShowsItsRepresentativeAndAClearedOneIgnoresTheClick) {
    SharedState state(QStringLiteral("/nowhere"));
    state.InitNameTables();
    state.RepresentativeName[2] = {"山田", "北関東代表"};
    state.RepresentativeInfo[2] = {3, 1, 3, 8, 0, 0, 0, 2, 0, 21};
    state.RepresentativeInfo[6][0] = 6;
    state.AreaCleared[9] = 1;
    StoryMap map(state);
    map.load();
    map.chooseArea(9);
    EXPECT_FALSE(map.view.okVisible);
    EXPECT_EQ(state.SelectedArea, 0);
    EXPECT_EQ(map.view.rank, "ランク");

    map.chooseArea(2);
    EXPECT_TRUE(map.view.okVisible);
    EXPECT_EQ(state.SelectedArea, 2);
    EXPECT_EQ(map.view.heading, "北関東代表");
    EXPECT_EQ(map.view.name, "名前 ： 山田");
    EXPECT_EQ(map.view.rank, "ランク：Ｃ");
    EXPECT_EQ(map.view.favourite, "得意ジャンル ： ＴＶゲーム 歴史 スポーツ ");
    EXPECT_EQ(map.view.weak, "苦手ジャンル ： 漫画・アニメ   ") << "genre 0 and one out of bounds name nothing";

    map.chooseArea(6); // rank 6: the rank line keeps the previous area's
    EXPECT_EQ(map.view.rank, "ランク：Ｃ");
    EXPECT_EQ(map.view.name, "名前 ： ");
    EXPECT_EQ(map.view.favourite, "得意ジャンル ：    ");
    map.chooseArea(9);
    EXPECT_EQ(state.SelectedArea, 6);
}
