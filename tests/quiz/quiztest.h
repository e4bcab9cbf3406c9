#pragma once

// A quiz game on a temporary data folder with every outside piece faked.

#include "quiz/quizgame.h"

#include "../support/fakes.h"

#include <gtest/gtest.h>

struct QuizTest : ::testing::Test {
    DataFolder folder;
    SharedState state{folder.dir.path()};
    ScriptedRandom random;
    FakeTimer timer;
    RecordingBackend audio;
    QuizSounds sounds{audio, folder.dir.path()};
    FakeHost host;
    QuizGame game{state, random, timer, sounds, host};

    QuizTest() {
        host.state = &state;
        state.InitNameTables();
        state.InitGame();
    }

    // Opens the window: player select, then the first question is up and typing.
    void load() { ASSERT_TRUE(game.load()) << host.errors.join(u'\n').toStdString(); }
    void tick(int n = 1) {
        for (int i = 0; i < n; ++i)
            game.tick();
    }
    void finishTyping() {
        while (timer.currentInterval == kTypeInterval)
            tick();
    }
    int correctSlot() const {
        for (int s = 1; s <= 4; ++s)
            if (game.SlotAnswer[s] == 1)
                return s;
        return 0;
    }
    int wrongSlot() const { return correctSlot() % 4 + 1; }
    // Chooses a slot and lets the next tick judge it.
    void answer(bool right) {
        game.chooseSlot(right ? correctSlot() : wrongSlot());
        tick();
    }
    // A whole question: typed out, answered, and the pause's tick that starts the next one.
    void playQuestion(bool right) {
        finishTyping();
        answer(right);
        tick();
    }
    std::int32_t stat(int kind) const { return state.GenreStats[state.CurrentPlayer][game.CurrentGenre][kind]; }
    // Replaces a genre's question file.
    void writeGenre(int genre, const QByteArray &bytes) {
        writeBytes(folder.path(state.GenreName[genre] + ".qdt"), bytes);
    }
};
