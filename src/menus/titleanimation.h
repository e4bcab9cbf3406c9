#pragma once

#include "shared/rgb.h"

#include <array>

// The title window's animation, one step per 5 ms tick: the eight letters of the title word
// appear one by one and shrink into place, the window turns white, the subtitle is wiped in and
// the picture appears. A mode button closes a black curtain, then the chosen mode opens.
class TitleAnimation {
public:
    enum class Mode { None = 0, Story = 1, TwoPlayer = 2, Endless = 3 };
    enum class Action { None, OpenStory, OpenEndless };

    static constexpr int kLetters = 8;
    // Steps of the animation. Letter k (0-based) appears at step 10k + 1 and shrinks for nine.
    static constexpr int kStepsPerLetter = 10;
    static constexpr int kLastLetterStep = kLetters * kStepsPerLetter; // 80
    static constexpr int kWhiteStep = 81;            // the window turns white
    static constexpr int kSubtitleFirstStep = 82;    // the subtitle is uncovered every ten steps
    static constexpr int kSubtitleLastStep = 122;
    static constexpr int kSubtitleStepWidth = 340;   // twips uncovered at each of those steps
    static constexpr int kPictureStep = 132;
    static constexpr int kIdleStep = 500;            // the intro waits here
    static constexpr int kModeChosenStep = 999;      // a mode button: the next tick closes the curtain
    static constexpr int kCurtainStep = 1000;
    static constexpr int kCurtainClosedStep = 1013;
    static constexpr int kCurtainStepWidth = 400;    // twips the curtain grows per step
    static constexpr int kHandOverStep = 1016;
    static constexpr int kLargestPointSize = 96;
    static constexpr int kShrinkPerStep = 6;         // points
    static constexpr Rgb kDesignBackground{192, 255, 255};

    struct Letter {
        bool visible = false;
        int pointSize = kLargestPointSize;
        Rgb colour = kRed;
    };

    TitleAnimation(); // the state right after the window loads

    void chooseMode(Mode mode); // a mode button: the curtain starts at the next tick
    Action tick();

    int TitleStep = 0;
    Mode TitleMode = Mode::None;

    std::array<Letter, kLetters> letters;
    Rgb background = kDesignBackground;
    int subtitleWidth = 15;      // twips
    bool subtitleVisible = true;
    bool pictureVisible = false;
    bool curtainVisible = false;
    int curtainWidth = 135;      // twips; it covers the window from the top left once closing
};
