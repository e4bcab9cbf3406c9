#include "menus/titleanimation.h"

#include <gtest/gtest.h>

namespace {
using Action = TitleAnimation::Action;
using Mode = TitleAnimation::Mode;

Action run(TitleAnimation &title, int ticks) {
    Action last = Action::None;
    for (int i = 0; i < ticks; ++i) {
        const Action action = title.tick();
        if (action != Action::None)
            last = action;
    }
    return last;
}
} // namespace

TEST(TitleAnimation, EachLetterAppearsAt96PointsAndShrinksTo36) {
    TitleAnimation title;
    EXPECT_FALSE(title.letters[0].visible);
    title.tick();
    EXPECT_TRUE(title.letters[0].visible);
    EXPECT_EQ(title.letters[0].pointSize, 96);
    title.tick();
    EXPECT_EQ(title.letters[0].pointSize, 84);
    run(title, 8); // step 10
    EXPECT_EQ(title.letters[0].pointSize, 36);
    EXPECT_EQ(title.letters[0].colour, kRed);
    EXPECT_FALSE(title.letters[1].visible);
    title.tick(); // step 11: the second letter, and the first turns blue
    EXPECT_TRUE(title.letters[1].visible);
    EXPECT_EQ(title.letters[1].pointSize, 96);
    EXPECT_EQ(title.letters[0].colour, kBlue);
    EXPECT_EQ(title.letters[1].colour, kRed);
    run(title, 60); // step 71: the last letter
    EXPECT_TRUE(title.letters[7].visible);
    EXPECT_EQ(title.letters[6].colour, kBlue);
    EXPECT_EQ(title.letters[6].pointSize, 36);
    EXPECT_EQ(title.letters[7].colour, kRed);
}

TEST(TitleAnimation, WithoutAClickTheIntroEndsAndWaitsAtStep500) {
    TitleAnimation title;
    EXPECT_EQ(title.background, TitleAnimation::kDesignBackground);
    run(title, 81);
    EXPECT_EQ(title.background, kWhite);
    EXPECT_EQ(title.subtitleWidth, 15);
    title.tick();
    EXPECT_EQ(title.subtitleWidth, 340);
    run(title, 39); // step 121
    EXPECT_EQ(title.subtitleWidth, 1360);
    title.tick();
    EXPECT_EQ(title.subtitleWidth, 1700);
    run(title, 9); // step 131
    EXPECT_FALSE(title.pictureVisible);
    title.tick();
    EXPECT_TRUE(title.pictureVisible);
    EXPECT_EQ(run(title, 2000), Action::None);
    EXPECT_EQ(title.TitleStep, 500);
    for (const auto &letter : title.letters) {
        EXPECT_TRUE(letter.visible);
        EXPECT_EQ(letter.pointSize, 36);
        EXPECT_EQ(letter.colour, kBlue);
    }
    EXPECT_FALSE(title.curtainVisible);
}

TEST(TitleAnimation, EndlessAtStep40ClosesTheCurtainThenOpensTheQuiz) {
    TitleAnimation title;
    run(title, 40);
    title.chooseMode(Mode::Endless);
    title.tick();
    EXPECT_EQ(title.TitleStep, 1000);
    EXPECT_TRUE(title.curtainVisible);
    for (const auto &letter : title.letters)
        EXPECT_FALSE(letter.visible);
    EXPECT_FALSE(title.subtitleVisible);
    EXPECT_FALSE(title.pictureVisible);
    for (int i = 1; i <= 13; ++i) {
        title.tick();
        EXPECT_EQ(title.curtainWidth, 400 * i);
    }
    EXPECT_EQ(title.curtainWidth, 5200);
    EXPECT_EQ(title.tick(), Action::None); // 1014
    EXPECT_EQ(title.tick(), Action::None); // 1015
    EXPECT_EQ(title.tick(), Action::OpenEndless);
    EXPECT_EQ(run(title, 100), Action::None) << "the hand-over happens once";
}

TEST(TitleAnimation, ASecondClickDuringTheCurtainRestartsItAndTheLastModeCounts) {
    TitleAnimation title;
    title.chooseMode(Mode::TwoPlayer);
    run(title, 8);
    EXPECT_EQ(title.curtainWidth, 2800);
    title.chooseMode(Mode::Endless);
    title.tick();
    EXPECT_EQ(title.TitleStep, 1000);
    title.tick();
    EXPECT_EQ(title.curtainWidth, 400);
    EXPECT_EQ(run(title, 15), Action::OpenEndless);
}

TEST(TitleAnimation, TheTwoPlayerModeLeavesTheCurtainClosed) {
    TitleAnimation title;
    title.chooseMode(Mode::TwoPlayer);
    EXPECT_EQ(run(title, 100), Action::None);
    EXPECT_TRUE(title.curtainVisible);
    title.chooseMode(Mode::Story);
    EXPECT_EQ(run(title, 17), Action::OpenStory);
}
